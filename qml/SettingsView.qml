import QtQuick 2.15
import Vocalune 1.0
import "components"

// Settings: volume slider and mute switch, and how the games play: what a
// mistake does, how many pictures a round shows, which words are asked and
// whose voice says them. A choice is written to
// qtSettings at once; Save keeps it, Cancel reloads the saved ones. A save
// that fails keeps the page open and says so.
Page {
    id: settingsView

    signal qmlCancelSignal()
    signal qmlSaveSignal(int volume)

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    property Item firstFocus: slider
    // Set by the window when Save could not write the settings.
    property bool saveFailed: false

    Keys.onEscapePressed: qmlCancelSignal()

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
        // Where Up and Down lead from this row's tiles.
        property Item upItem
        property Item downItem
        property Item trailing: null
        // count is read so the binding follows the tiles as they are made.
        readonly property Item firstChoice: choiceTiles.count > 0 ? choiceTiles.itemAt(0) : null
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
                id: choiceTiles
                model: choiceRow.choices.length

                Label {
                    readonly property bool isChosen: choiceRow.values[index] === choiceRow.value
                    objectName: choiceRow.objectName + "Choice" + index
                    width: (parent.width - parent.spacing * (choiceRow.choices.length - 1)) / choiceRow.choices.length
                    height: choiceRow.height
                    text: choiceRow.choices[index]
                    fitLetters: choiceRow.fitLetters
                    state: isChosen ? Word.Selected : Word.Normal
                    chosen: isChosen
                    KeyNavigation.up: choiceRow.upItem
                    KeyNavigation.down: choiceRow.downItem
                    KeyNavigation.left: choiceTiles.count > 0 ? choiceTiles.itemAt(index - 1) : null
                    KeyNavigation.right: choiceTiles.count > index + 1 ? choiceTiles.itemAt(index + 1) : null
                    Accessible.role: Accessible.RadioButton
                    Accessible.checkable: true
                    Accessible.checked: isChosen
                    onLabelClickedSignal: choiceRow.chosen(choiceRow.values[index])
                }
            }
        }

        // The row's last quarter: a switch of its own, if any.
        Item {
            width: settingsView.width / 4
            height: choiceRow.height
            data: choiceRow.trailing ? [choiceRow.trailing] : []
        }
    }

    // A switch in the last quarter of a row, as the mute switch is: tapping
    // it turns it over.
    component Switch: Label {
        anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
        width: settingsView.width / 4 * 3 / 4
        height: line.height
        fitLetters: 16
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
            height: settingsView.height / 7

            // Narrower than the page, shrinking in a narrow window.
            Text {
                anchors.centerIn: parent
                width: parent.width * 9 / 10
                height: parent.height
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 1
                text: qsTr("Settings")
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                font.pixelSize: Theme.fontSize(parent.height * 3 / 4)
            }
        }

        Item {
            width: settingsView.width
            height: settingsView.height - settingsView.height / 7 - settingsView.height / 5

            Column {
                // Five rows from the top, clear of the line a failed save shows below them.
                anchors.top: parent.top
                anchors.topMargin: parent.height / 60
                spacing: parent.height / 40

                Row {
                    id: line
                    height: settingsView.height / 10

                    Item {
                        width: settingsView.width / 4
                        height: line.height

                        // As the titles of the rows below.
                        Text {
                            anchors.fill: parent
                            anchors.leftMargin: parent.width / 20
                            anchors.rightMargin: parent.width / 20
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            fontSizeMode: Text.HorizontalFit
                            minimumPixelSize: 1
                            text: qsTr("Volume: ")
                            Accessible.role: Accessible.StaticText
                            Accessible.name: text
                            font.pixelSize: Theme.fontSize(line.height * 3 / 4)
                        }
                    }

                    Rectangle {
                        id: slider
                        objectName: "slider"

                        // The percent the handle shows, to the nearest: the stored
                        // volume's own percent until the handle is moved.
                        property int value: (width - handle.width) > 0 ? Math.round(100 * handle.x / (width - handle.width)) : 0

                        // Left and Right move the handle in steps of five, as a
                        // drag would: Cancel still puts the stored volume back.
                        function step(change) {
                            var range = width - handle.width
                            if (range <= 0)
                                return
                            var target = Math.max(0, Math.min(100, value + change))
                            handle.x = target * range / 100
                        }

                        activeFocusOnTab: true
                        KeyNavigation.down: muteSwitch
                        Keys.onLeftPressed: step(-5)
                        Keys.onRightPressed: step(5)
                        Keys.onPressed: function(event) {
                            if (event.key === Qt.Key_Home) {
                                step(-100)
                                event.accepted = true
                            } else if (event.key === Qt.Key_End) {
                                step(100)
                                event.accepted = true
                            }
                        }
                        Accessible.role: Accessible.Slider
                        Accessible.name: qsTr("Volume")
                        Accessible.onIncreaseAction: step(5)
                        Accessible.onDecreaseAction: step(-5)
                        readonly property int minimumValue: 0
                        readonly property int maximumValue: 100
                        readonly property int stepSize: 5

                        width: settingsView.width / 2
                        height: line.height
                        color: Theme.sliderTrack
                        radius: 20

                        // A tap on the track moves the handle there.
                        MouseArea {
                            objectName: "sliderTrack"
                            anchors.fill: parent
                            onPressed: handle.x = Math.max(0, Math.min(slider.width - handle.width,
                                                                       mouse.x - handle.width / 2))
                        }

                        Rectangle {
                            id: handle
                            objectName: "sliderHandle"
                            width: height
                            height: slider.height
                            color: Theme.sliderHandle
                            x: (qtSettings.volume / 100) * (slider.width - handle.width)

                            MouseArea {
                                anchors.fill: parent
                                drag.target: handle
                                drag.axis: Drag.XAxis
                                drag.minimumX: 0
                                drag.maximumX: slider.width - handle.width
                            }
                        }

                        FocusRing {}
                    }

                    Item {
                        width: settingsView.width / 4
                        height: line.height

                        Label {
                            id: muteSwitch
                            objectName: "muteSwitch"
                            KeyNavigation.up: slider
                            KeyNavigation.left: slider
                            KeyNavigation.down: mistakesRow.firstChoice
                            accessibleName: qtSettings.mute ? qsTr("Sound: muted") : qsTr("Sound: on")
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: parent.width * 3 / 4
                            height: line.height
                            text: qtSettings.mute ? qsTr("Muted") : qsTr("On")
                            fitLetters: 6
                            onLabelClickedSignal: qtSettings.mute = !qtSettings.mute
                        }
                    }
                }

                SettingsChoice {
                    id: mistakesRow
                    objectName: "mistakesRow"
                    upItem: muteSwitch
                    downItem: picturesRow.firstChoice
                    title: qsTr("Mistakes:")
                    choices: [qsTr("End the game"), qsTr("Try again")]
                    values: [GameOptions.EndTheGame, GameOptions.TryAgain]
                    value: qtSettings.mistakes
                    onChosen: qtSettings.mistakes = value
                    trailing: Switch {
                        id: owlSwitch
                        objectName: "owlTalksSwitch"
                        text: qtSettings.owlTalks ? qsTr("Owl talks: On") : qsTr("Owl talks: Off")
                        accessibleName: text
                        KeyNavigation.up: muteSwitch
                        KeyNavigation.down: lockSwitch
                        onLabelClickedSignal: qtSettings.owlTalks = !qtSettings.owlTalks
                    }
                }

                SettingsChoice {
                    id: picturesRow
                    objectName: "picturesRow"
                    upItem: mistakesRow.firstChoice
                    downItem: wordsRow.firstChoice
                    title: qsTr("Pictures:")
                    choices: ["4", "6", "10"]
                    fitLetters: 3
                    values: [GameOptions.FourPictures, GameOptions.SixPictures, GameOptions.TenPictures]
                    value: qtSettings.pictures
                    onChosen: qtSettings.pictures = value
                    trailing: Switch {
                        id: lockSwitch
                        objectName: "parentLockSwitch"
                        text: qtSettings.parentLock ? qsTr("Parent lock: On") : qsTr("Parent lock: Off")
                        accessibleName: text
                        KeyNavigation.up: owlSwitch
                        KeyNavigation.down: wordsRow.firstChoice
                        onLabelClickedSignal: qtSettings.parentLock = !qtSettings.parentLock
                    }
                }

                SettingsChoice {
                    id: wordsRow
                    objectName: "wordsRow"
                    upItem: picturesRow.firstChoice
                    downItem: voiceRow.firstChoice
                    title: qsTr("Words:")
                    choices: [qsTr("Any"), qsTr("To learn")]
                    values: [GameOptions.AnyWords, GameOptions.ToLearn]
                    value: qtSettings.words
                    onChosen: qtSettings.words = value
                }

                // The family's own recordings, where a word has one, or
                // the voice every word came with.
                SettingsChoice {
                    id: voiceRow
                    objectName: "voiceRow"
                    upItem: wordsRow.firstChoice
                    downItem: cancelButton
                    title: qsTr("Voice:")
                    choices: [qsTr("Ours"), qsTr("Built-in")]
                    values: [Settings.OurVoice, Settings.BuiltInVoice]
                    value: qtSettings.voice
                    onChosen: qtSettings.voice = value
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
                    id: cancelButton
                    objectName: "cancelButton"
                    KeyNavigation.up: voiceRow.firstChoice
                    KeyNavigation.right: saveButton
                    width: buttons.width / 2 - buttons.width / 10
                    height: buttons.height
                    buttonText: qsTr("Cancel")
                    onClicked: settingsView.qmlCancelSignal()
                }
                PushButton {
                    id: saveButton
                    objectName: "saveButton"
                    KeyNavigation.up: voiceRow.firstChoice
                    KeyNavigation.left: cancelButton
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

    SaveFailedLine {
        visible: settingsView.saveFailed
        x: settingsView.width / 20
        width: settingsView.width * 9 / 10
        height: settingsView.height / 16
        y: settingsView.height * 4 / 5 - height
    }
}
