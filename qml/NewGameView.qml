import QtQuick 2.15
import Vocalune 1.0
import "components"

// The game-mode page: the owl asks which game to play, or the picture book.
Page {
    id: newGameView

    signal qmlStartGameSignal(int gamemode)
    signal qmlBackToMainSignal()
    signal qmlPictureBookSignal()

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    property Item firstFocus: pairGameButton

    Keys.onEscapePressed: qmlBackToMainSignal()

    Row {
        anchors.fill: parent

        Item {
            width: newGameView.width / 2
            height: newGameView.height

            BranchOwl {
                anchors.fill: parent
                boxName: "bubble"
                // The whole bubble, less a margin: the question is centred in it.
                box: Qt.rect(140, 54, 244, 116)
                // Decoded off the main thread: the page is not on screen at start-up.
                asynchronous: true

                Text {
                    anchors.fill: parent
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Choose a Game Mode!")
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    font.pixelSize: Theme.fontSize(parent.height / 4)
                    // One line, shrinking to stay within the bubble.
                    fontSizeMode: Text.Fit
                    minimumPixelSize: 1
                }
            }
        }

        Item {
            width: newGameView.width / 2
            height: newGameView.height

            // The buttons are no taller than a pill in a narrow window.
            Column {
                id: outer
                anchors.fill: parent
                anchors.margins: newGameView.height / 20

                Column {
                    width: outer.width
                    height: outer.height * 5 / 6
                    spacing: outer.height / 20

                    PushButton {
                        id: pairGameButton
                        objectName: "pairGameButton"
                        KeyNavigation.down: wordGameButton
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: parent.width * 39 / 40
                        height: Math.min(newGameView.height / 6, width / 2.5)
                        buttonText: qsTr("Pair Game")
                        leadingPicture: ":/png/Clothes/Socks.png"
                        onClicked: newGameView.qmlStartGameSignal(Navigator.PairGameMode)
                    }
                    PushButton {
                        id: wordGameButton
                        objectName: "wordGameButton"
                        KeyNavigation.up: pairGameButton
                        KeyNavigation.down: pictureBookButton
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: parent.width * 39 / 40
                        height: Math.min(newGameView.height / 6, width / 2.5)
                        buttonText: qsTr("Word Game")
                        leadingPicture: ":/png/School/Magnifying glass.png"
                        onClicked: newGameView.qmlStartGameSignal(Navigator.WordGameMode)
                    }
                    PushButton {
                        id: pictureBookButton
                        objectName: "pictureBookButton"
                        KeyNavigation.up: wordGameButton
                        KeyNavigation.down: backButton
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: parent.width * 39 / 40
                        height: Math.min(newGameView.height / 6, width / 2.5)
                        buttonText: qsTr("Picture Book")
                        leadingPicture: ":/png/School/Book.png"
                        onClicked: newGameView.qmlPictureBookSignal()
                    }
                }

                Item {
                    width: outer.width
                    height: outer.height / 6

                    PushButton {
                        id: backButton
                        objectName: "backButton"
                        KeyNavigation.up: pictureBookButton
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: parent.width * 39 / 40
                        height: Math.min(newGameView.height / 8, width / 2.5)
                        buttonText: qsTr("Back")
                        onClicked: newGameView.qmlBackToMainSignal()
                    }
                }
            }
        }
    }
}
