import QtQuick 2.15
import "components"

// Page 2: pictures on the left, the owl and the score in the middle, words on
// the right. The end panel slides down over it all when the game ends.
Page {
    id: gameView

    signal qmlBackToMainSignal()
    signal qmlGameOverSignal()
    signal qmlLabelClickedSignal(int labelNumber)
    signal qmlIconClickedSignal(int iconNumber)

    // Without a dealt round the window publishes no game and may publish no
    // lists at all; every read goes through these so nothing is undefined.
    readonly property bool hasGame: typeof qtPairGame !== "undefined" && qtPairGame !== null
    readonly property int score: hasGame ? qtPairGame.score : 0

    function itemOf(list, index) {
        if (typeof list === "undefined" || list === null || index < 0 || index >= list.length)
            return null
        return list[index]
    }
    function imageItem(index) { return itemOf(typeof imageList === "undefined" ? null : imageList, index) }
    function wordItem(index) { return itemOf(typeof wordList === "undefined" ? null : wordList, index) }

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    onQmlGameOverSignal: gameOver.y = -gameView.height

    Connections {
        target: gameView.hasGame ? qtPairGame : null
        function onGameOverSignal(failedList, wordNumber) {
            gameOver.failed = true
            gameOver.failedlist = failedList
            gameOver.failednumber = wordNumber
            gameOver.y = 0
        }
        function onGameCompletedSignal() {
            gameOver.failed = false
            gameOver.text = qsTr("Success!")
            gameOver.y = 0
        }
        function onCelebrateSignal() {
            questionMarks.opacity = 0
            owlImage.source = "../images/pollo_hihkuu.gif"
            // Setting it while it runs does not restart it: the owl rests
            // two seconds after the first cheer.
            timer.running = true
        }
    }

    Timer {
        id: timer
        objectName: "celebrationTimer"
        interval: 2000
        running: false
        repeat: false
        onTriggered: {
            owlImage.source = "../images/elava_pollo.gif"
            questionMarks.opacity = 1
        }
    }

    PairGameEnd {
        id: gameOver
        objectName: "endPanel"
        width: gameView.width
        height: gameView.height
        z: 2
        y: -gameView.height
        text: qsTr("Game Over!")
        failednumber: 0
        failedlist: true
        onBackToMainClicked: gameView.qmlGameOverSignal()

        Behavior on y { SmoothedAnimation { velocity: 1000 } }
    }

    Row {
        anchors.fill: parent

        // Pictures.
        Rectangle {
            width: gameView.width / 3
            height: gameView.height
            color: "transparent"

            Item {
                id: iconBox
                anchors.fill: parent
                anchors.margins: gameView.height / 20

                Column {
                    spacing: iconBox.height / 35

                    Repeater {
                        model: 6
                        Icon {
                            readonly property var item: gameView.imageItem(index)
                            objectName: "icon" + index
                            width: iconBox.width
                            height: iconBox.height / 7
                            iconPath: item ? item.imagePath : ""
                            state: item ? item.wordState : 2
                            enabled: state !== 2
                            onIconClickedSignal: gameView.qmlIconClickedSignal(index)
                        }
                    }
                }
            }
        }

        // Question marks, owl, score and Back.
        Rectangle {
            id: middle
            width: gameView.width / 3
            height: gameView.height
            color: "transparent"

            Column {
                id: middleColumn
                width: middle.width
                height: gameView.height * 9 / 10
                anchors.verticalCenter: parent.verticalCenter

                Rectangle {
                    width: middleColumn.width
                    height: middleColumn.height * 3 / 10
                    color: "transparent"

                    Image {
                        id: questionMarks
                        objectName: "questionMarks"
                        anchors.fill: parent
                        source: "../images/kysymysmerkit.png"
                        fillMode: Image.PreserveAspectFit
                        horizontalAlignment: Image.AlignHCenter
                        visible: gameView.hasGame
                        smooth: true

                        Behavior on opacity { NumberAnimation { duration: 200 } }
                    }

                    Text {
                        objectName: "notEnoughWordsText"
                        anchors.fill: parent
                        visible: !gameView.hasGame
                        text: qsTr("Not enough words!")
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        wrapMode: Text.WordWrap
                        font.pixelSize: Theme.fontSize(parent.height / 4)
                        color: "black"
                    }
                }

                AnimatedImage {
                    id: owlImage
                    objectName: "owlImage"
                    source: "../images/elava_pollo.gif"
                    fillMode: Image.PreserveAspectFit
                    width: middleColumn.width
                    height: middleColumn.height * 4 / 10
                    anchors.horizontalCenter: parent.horizontalCenter
                    smooth: true
                }

                Rectangle {
                    width: middleColumn.width
                    height: middleColumn.height / 5
                    anchors.horizontalCenter: parent.horizontalCenter
                    color: "transparent"

                    Text {
                        objectName: "scoreText"
                        anchors.centerIn: parent
                        text: qsTr("Score: ") + gameView.score
                        font.pixelSize: Theme.fontSize(parent.height / 2)
                    }
                }

                PushButton {
                    objectName: "backButton"
                    buttonText: qsTr("Back")
                    buttonHeigth: middleColumn.height / 10
                    buttonWidth: middleColumn.width / 2
                    anchors.horizontalCenter: parent.horizontalCenter
                    onClicked: gameView.qmlBackToMainSignal()
                }
            }
        }

        // Words.
        Rectangle {
            width: gameView.width / 3
            height: gameView.height
            color: "transparent"

            Item {
                id: labelBox
                anchors.fill: parent
                anchors.margins: gameView.height / 20

                Column {
                    spacing: labelBox.height / 35

                    Repeater {
                        model: 6
                        Label {
                            readonly property var item: gameView.wordItem(index)
                            objectName: "label" + index
                            width: labelBox.width
                            height: labelBox.height / 7
                            text: item ? item.word : ""
                            state: item ? item.wordState : 2
                            enabled: state !== 2
                            onLabelClickedSignal: gameView.qmlLabelClickedSignal(index)
                        }
                    }
                }
            }
        }
    }
}
