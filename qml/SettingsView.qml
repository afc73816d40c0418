import QtQuick 2.15
import "components"

// Page 5: volume slider and mute switch, and how the games play: what a
// mistake does and how many pictures a round shows. A choice is written to
// qtSettings at once; Save keeps it, Cancel reloads the saved ones.
Page {
    id: settingsView

    signal qmlCancelSignal()
    signal qmlSaveSignal(int volume)

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    // A row of choices under the volume: the title, then one tile per
    // choice; the chosen one has the selected frame.
    component SettingsChoice: Row {
        id: choiceRow
        property string title
        property var choices: []
        property var values: []
        property int value
        // The longest choice: its tiles' text is as large as that allows.
        property int fitLetters: 12
        signal chosen(int value)

        height: line.height

        Item {
            width: settingsView.width / 4
            height: choiceRow.height

            Text {
                anchors.fill: parent
                anchors.leftMargin: parent.width / 20
                anchors.rightMargin: parent.width / 20
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: choiceRow.title
                font.pixelSize: Theme.fontSize(choiceRow.height * 3 / 4)
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 1
            }
        }

        Row {
            width: settingsView.width / 2
            height: choiceRow.height
            spacing: width / 20

            Repeater {
                model: choiceRow.choices.length

                Label {
                    readonly property bool isChosen: choiceRow.values[index] === choiceRow.value
                    objectName: choiceRow.objectName + "Choice" + index
                    width: (parent.width - parent.spacing * (choiceRow.choices.length - 1)) / choiceRow.choices.length
                    height: choiceRow.height
                    text: choiceRow.choices[index]
                    fitLetters: choiceRow.fitLetters
                    state: isChosen ? 1 : 0
                    Accessible.role: Accessible.RadioButton
                    Accessible.checkable: true
                    Accessible.checked: isChosen
                    onLabelClickedSignal: choiceRow.chosen(choiceRow.values[index])
                }
            }
        }
    }

    // A drag breaks the handle's binding; every reload or save puts it back,
    // so the handle shows the stored volume again after Cancel.
    Connections {
        target: qtSettings
        function onVolumeChanged() {
            handle.x = Qt.binding(function() { return (qtSettings.volume / 100) * (slider.width - handle.width) })
        }
    }

    Column {
        anchors.fill: parent

        Item {
            width: settingsView.width
            height: settingsView.height / 5

            Text {
                anchors.centerIn: parent
                text: qsTr("Settings")
                font.pixelSize: Theme.fontSize(parent.height * 3 / 4)
            }
        }

        Item {
            width: settingsView.width
            height: settingsView.height * 6 / 10

            Column {
                anchors.verticalCenter: parent.verticalCenter
                spacing: parent.height / 15

                Row {
                    id: line
                    height: settingsView.height * 6 / 50

                    Item {
                        width: settingsView.width / 4
                        height: line.height

                        Text {
                            anchors.centerIn: parent
                            text: qsTr("Volume: ")
                            font.pixelSize: Theme.fontSize(line.height * 3 / 4)
                        }
                    }

                    Rectangle {
                        id: slider
                        objectName: "slider"

                        property int value: (width - handle.width) > 0 ? 100 * handle.x / (width - handle.width) : 0

                        width: settingsView.width / 2
                        height: line.height
                        color: "lightsteelblue"
                        radius: 20

                        Rectangle {
                            id: handle
                            objectName: "sliderHandle"
                            width: height
                            height: slider.height
                            color: "blue"
                            x: (qtSettings.volume / 100) * (slider.width - handle.width)

                            MouseArea {
                                anchors.fill: parent
                                drag.target: handle
                                drag.axis: Drag.XAxis
                                drag.minimumX: 0
                                drag.maximumX: slider.width - handle.width
                            }
                        }
                    }

                    Item {
                        width: settingsView.width / 4
                        height: line.height

                        Label {
                            objectName: "muteSwitch"
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: parent.width * 3 / 4
                            height: line.height
                            state: 0
                            text: qtSettings.mute ? qsTr("Muted") : qsTr("On")
                        fitLetters: 6
                            onLabelClickedSignal: qtSettings.mute = !qtSettings.mute
                        }
                    }
                }

                SettingsChoice {
                    objectName: "mistakesRow"
                    title: qsTr("Mistakes:")
                    choices: [qsTr("End the game"), qsTr("Try again")]
                    values: [0, 1]
                    value: qtSettings.mistakes
                    onChosen: qtSettings.mistakes = value
                }

                SettingsChoice {
                    objectName: "picturesRow"
                    title: qsTr("Pictures:")
                    choices: ["4", "6", "10"]
                    fitLetters: 3
                    values: [4, 6, 10]
                    value: qtSettings.pictures
                    onChosen: qtSettings.pictures = value
                }
            }
        }

        Item {
            width: settingsView.width
            height: settingsView.height / 5

            Row {
                id: buttons
                anchors.centerIn: parent
                width: settingsView.width - settingsView.width / 20
                height: parent.height * 3 / 4
                spacing: width / 10

                PushButton {
                    objectName: "cancelButton"
                    width: buttons.width / 2 - buttons.width / 10
                    height: buttons.height
                    buttonText: qsTr("Cancel")
                    onClicked: settingsView.qmlCancelSignal()
                }
                PushButton {
                    objectName: "saveButton"
                    width: buttons.width / 2
                    height: buttons.height
                    buttonText: qsTr("Save and Exit")
                    onClicked: {
                        console.log(slider.value)
                        settingsView.qmlSaveSignal(slider.value)
                    }
                }
            }
        }
    }
}
