import QtQuick 2.15
import "components"

// Page 3: the Word Game. The owl says a word; the player taps its picture
// among ten. The end panel slides down over the page when the game ends.
//
// The window may publish no game (qtWordGame null: the first round could not
// be dealt, or the game is being deleted) and empty or unset lists; every read
// goes through the guarded properties below.
Page {
    id: gameView
    objectName: "wordGameView"

    signal qmlBackToMainSignal()
    signal qmlGameOverSignal()
    signal qmlIconClickedSignal(int iconNumber)

    readonly property QtObject game: typeof qtWordGame !== "undefined" ? qtWordGame : null
    readonly property var pictures: typeof imageList !== "undefined" && imageList ? imageList : []

    function pictureAt(k) {
        var list = gameView.pictures
        return k >= 0 && k < list.length && list[k] ? list[k] : null
    }

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    Connections {
        target: gameView.game
        ignoreUnknownSignals: true
        function onGameOverSignal() {
            gameOver.failed = true
            gameOver.y = 0
        }
        function onGameCompletedSignal() {
            gameOver.failed = false
            gameOver.text = qsTr("Success!")
            gameOver.y = 0
        }
    }

    onQmlGameOverSignal: gameOver.y = -gameView.height

    WordGameEnd {
        id: gameOver
        objectName: "endPanel"
        x: 0
        y: -gameView.height
        z: 2
        width: gameView.width
        height: gameView.height
        text: qsTr("Game Over!")
        onBackToMainClicked: gameView.qmlGameOverSignal()

        Behavior on y {
            SmoothedAnimation { velocity: 1000 }
        }
    }

    Row {
        anchors.fill: parent

        // Left half: the owl with the word in its speech bubble, and the score.
        Item {
            id: leftHalf
            width: gameView.width / 2
            height: gameView.height

            Image {
                anchors.fill: parent
                source: "../images/pollo_puussa.png"
                smooth: true
            }

            Item {
                objectName: "wordBox"
                x: gameView.width / 5.5
                y: gameView.height / 7
                width: gameView.width / 4
                height: gameView.height / 6

                // The default font; a text too long for the bubble wraps and
                // shrinks instead of spilling out of it.
                Text {
                    objectName: "wordText"
                    anchors.fill: parent
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    wrapMode: Text.WordWrap
                    fontSizeMode: Text.Fit
                    minimumPointSize: 6
                    minimumPixelSize: 6
                    text: gameView.game ? gameView.game.word : qsTr("Not enough words!")
                }
            }

            Item {
                objectName: "scoreBox"
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                width: gameView.width / 2
                height: gameView.height / 10

                Text {
                    objectName: "scoreText"
                    anchors.centerIn: parent
                    text: qsTr("Score: ") + (gameView.game ? gameView.game.score : 0)
                    font.pixelSize: Theme.fontSize(parent.height)
                }
            }
        }

        // Right half: the ten pictures and the Back button.
        Item {
            width: gameView.width / 2
            height: gameView.height

            Column {
                y: 10
                width: parent.width

                Row {
                    objectName: "pictureArea"
                    width: parent.width
                    height: (gameView.height / 20) * 17 - 20

                    Repeater {
                        model: 2

                        Item {
                            id: pictureHalf
                            property int firstIcon: index * 5
                            width: parent.width / 2
                            height: parent.height

                            Column {
                                id: iconColumn
                                anchors.fill: parent
                                anchors.margins: 10
                                spacing: height / 40

                                Repeater {
                                    model: 5

                                    Icon {
                                        id: icon
                                        property int number: pictureHalf.firstIcon + index
                                        property QtObject item: gameView.pictureAt(number)
                                        objectName: "icon" + number
                                        width: iconColumn.width
                                        height: iconColumn.height / 5 - iconColumn.height / 40
                                        visible: item !== null
                                        iconPath: item ? item.imagePath : ""
                                        state: item ? item.wordState : 0
                                        enabled: state !== 2
                                        onIconClickedSignal: gameView.qmlIconClickedSignal(number)
                                    }
                                }
                            }
                        }
                    }
                }

                Item {
                    width: parent.width
                    height: (gameView.height / 20) * 3

                    PushButton {
                        objectName: "backButton"
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.leftMargin: 20
                        anchors.rightMargin: 20
                        height: parent.height - 10
                        buttonText: qsTr("Back")
                        onClicked: gameView.qmlBackToMainSignal()
                    }
                }
            }
        }
    }
}
