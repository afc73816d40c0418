import QtQuick 2.15
import "components"

// Page 5: volume slider and mute switch.
Page {
    id: settingsView

    signal qmlCancelSignal()
    signal qmlSaveSignal(int volume)

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

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

            Row {
                id: line
                anchors.verticalCenter: parent.verticalCenter
                height: parent.height / 5

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
                        onLabelClickedSignal: qtSettings.mute = !qtSettings.mute
                    }
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
