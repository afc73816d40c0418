import QtQuick 2.15
import Vocalune 1.0
import "."

// The end panel both games slide down over their page: on the left the
// outcome, the score, the answer line and "Back to Main"; on the right the
// top-ten list. It takes every tap over the whole page, so nothing under it
// reacts. Each game's panel sets what it shows from its own game; GamePage
// opens and closes it.
Page {
    id: panel

    // The outcome: "Game Over!", or "Success!" once the game is completed.
    property string text: qsTr("Game Over!")
    // After a wrong pick the answer line shows the right pair; after a
    // completed game it is blank.
    property bool failed: true
    property int score: 0
    property string answerPicture
    property string answerWord
    property var records: typeof topList !== "undefined" && topList ? topList : []
    // Under "Try again": the words that needed more than one try, each a map
    // of imagePath and word. Set when the panel comes down.
    property bool showMissed: false
    property var missedWords: []
    // Down over the page; shown at all once it first came down.
    property bool down: false
    property bool opened: false
    // A practice game (under "Try again", "To learn" or with fewer pictures):
    // a line says why its score is not in the top ten.
    property bool practice: false

    // Its "Back to Main" and "Play again" buttons.
    signal backToMainClicked()
    signal playAgainClicked()

    // Comes down and takes the keyboard: "Back to Main" has it, and Escape
    // presses it too.
    function open() {
        opened = true
        down = true
        backToMain.forceActiveFocus()
    }
    // Slides back up, on the way to the menu.
    function close() {
        down = false
    }
    Keys.onEscapePressed: backToMainClicked()

    // Over the whole page, above it while the game runs. Hidden until the game
    // ends: a resize moves it with the page's height, and that slide must
    // neither show nor take taps.
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0
    z: 2
    y: down ? 0 : -height
    visible: opened
    Behavior on y { SmoothedAnimation { velocity: 1000 } }

    MouseArea {
        objectName: "tapCatcher"
        anchors.fill: parent
    }

    Item {
        id: leftHalf
        width: panel.width / 2
        height: panel.height

        Item {
            id: column1
            anchors.fill: parent
            anchors.leftMargin: leftHalf.height / 20
            anchors.rightMargin: leftHalf.height / 20

            Column {
                spacing: column1.height / 24

                Text {
                    objectName: "endText"
                    width: column1.width
                    height: column1.height / 10
                    text: panel.text
                    color: Theme.textColor
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: Theme.fontSize(height / 5 * 4)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 1
                }

                Text {
                    objectName: "endScoreText"
                    width: column1.width
                    height: column1.height / 10
                    text: qsTr("Score: ") + panel.score
                    color: Theme.textColor
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: Theme.fontSize(height / 5 * 4)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 1
                }

                // After a wrong pick: the right picture, "=", its word. It
                // has the room the words to practise have under "Try again":
                // the picture's tile is square and as large as that allows,
                // the word's tile the widest, so that its text can be large.
                Item {
                    id: answerLine
                    width: column1.width
                    height: column1.height * 11 / 20 - column1.height / 24 * 2
                    // A game under "Try again" never ends on a wrong pick.
                    visible: !panel.showMissed

                    Row {
                        anchors.horizontalCenter: parent.horizontalCenter

                        Icon {
                            objectName: "answerIcon"
                            enabled: false
                            decodeAhead: false
                            anchors.verticalCenter: parent.verticalCenter
                            width: Math.min(answerLine.width * 35 / 100, answerLine.height)
                            height: width
                            iconPath: panel.answerPicture
                            state: panel.failed ? Word.Selected : Word.Matched
                        }

                        Item {
                            anchors.verticalCenter: parent.verticalCenter
                            width: answerLine.width * 15 / 100
                            height: column1.height / 10

                            Text {
                                objectName: "answerEquals"
                                anchors.fill: parent
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                                text: panel.failed ? "=" : ""
                                color: Theme.textColor
                                font.pixelSize: Theme.fontSize(parent.height)
                                fontSizeMode: Text.Fit
                                minimumPixelSize: 1
                            }
                        }

                        Label {
                            objectName: "answerLabel"
                            enabled: false
                            anchors.verticalCenter: parent.verticalCenter
                            width: answerLine.width * 5 / 10
                            height: column1.height / 10
                            text: panel.answerWord
                            state: panel.failed ? Word.Selected : Word.Matched
                        }
                    }
                }

                // The words to practise: picture and word, a few to a row,
                // scrolling when there are many.
                Item {
                    id: missedBox
                    objectName: "missedBox"
                    visible: panel.showMissed
                    width: column1.width
                    height: column1.height * 11 / 20 - column1.height / 24 * 2

                    Text {
                        id: missedTitle
                        objectName: "missedTitle"
                        width: parent.width
                        height: parent.height / 6
                        text: panel.missedWords.length > 0 ? qsTr("Words to practise:") : qsTr("No mistakes!")
                        color: Theme.textColor
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.pixelSize: Theme.fontSize(height * 3 / 4)
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 1
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }

                    GridView {
                        id: missedGrid
                        objectName: "missedGrid"
                        anchors.top: missedTitle.bottom
                        anchors.bottom: parent.bottom
                        width: parent.width
                        clip: true
                        boundsBehavior: Flickable.StopAtBounds
                        // One row of three while they fit, larger; then two rows that scroll.
                        cellWidth: width / 3
                        cellHeight: count > 3 ? height / 2 : height
                        model: panel.missedWords

                        delegate: Item {
                            objectName: "missed" + index
                            width: missedGrid.cellWidth
                            height: missedGrid.cellHeight

                            // Square, just above its word.
                            Icon {
                                enabled: false
                                decodeAhead: false
                                anchors.horizontalCenter: parent.horizontalCenter
                                width: Math.min(parent.width, parent.height * 0.7) * 0.9
                                height: Math.min(parent.height * 0.7, width)
                                y: parent.height * 0.7 - height
                                iconPath: modelData.imagePath
                                radius: height / 5
                            }
                            Text {
                                objectName: "missedWord"
                                y: parent.height * 0.7
                                width: parent.width
                                height: parent.height * 0.3
                                text: modelData.word
                                textFormat: Text.PlainText
                                color: Theme.textColor
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                                font.pixelSize: Theme.wordFontSize(width, height * 0.8)
                                fontSizeMode: Text.HorizontalFit
                                minimumPixelSize: 1
                            }
                        }
                    }
                }
            }

            // A child who wants another go needs no grown-up: Play again
            // starts the same game with the same settings.
            Row {
                anchors.bottom: parent.bottom
                anchors.bottomMargin: column1.height / 20
                width: column1.width
                height: column1.height / 10
                spacing: column1.width / 30

                PushButton {
                    id: playAgain
                    objectName: "playAgainButton"
                    buttonText: qsTr("Play again")
                    buttonWidth: (parent.width - parent.spacing) / 2
                    buttonHeigth: parent.height
                    KeyNavigation.right: backToMain
                    onClicked: panel.playAgainClicked()
                }
                PushButton {
                    id: backToMain
                    objectName: "backToMainButton"
                    buttonText: qsTr("Back to Main")
                    buttonWidth: (parent.width - parent.spacing) / 2
                    buttonHeigth: parent.height
                    KeyNavigation.left: playAgain
                    onClicked: panel.backToMainClicked()
                }
            }
        }
    }

    Item {
        id: rightHalf
        x: panel.width / 2
        width: panel.width / 2
        height: panel.height

        TopTenList {
            objectName: "topListView"
            anchors.fill: parent
            anchors.leftMargin: rightHalf.height / 20
            anchors.rightMargin: rightHalf.height / 20
            anchors.bottomMargin: panel.practice ? practiceLine.height + rightHalf.height / 20 : 0
            trailingRoom: rightHalf.height / 20
            records: panel.records
        }

        Text {
            id: practiceLine
            objectName: "practiceLine"
            visible: panel.practice
            anchors.bottom: parent.bottom
            anchors.bottomMargin: rightHalf.height / 20
            x: rightHalf.height / 20
            width: rightHalf.width - 2 * x
            height: rightHalf.height / 10
            text: qsTr("Practice games do not enter the top ten.")
            color: Theme.secondaryText
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.fontSize(height / 3)
            fontSizeMode: Text.Fit
            minimumPixelSize: 1
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
