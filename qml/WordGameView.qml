import QtQuick 2.15
import Vocalune 1.0
import "components"

// The Word Game. The owl says a word; the player taps its picture among four,
// six or ten. The end panel slides down over the page when the game ends.
//
// The window may publish no game (qtWordGame null: the first round could not
// be dealt, or the game is being deleted) and empty or unset lists; every read
// goes through the guarded properties below.
GamePage {
    id: gameView
    objectName: "wordGameView"

    signal qmlIconClickedSignal(int iconNumber)

    game: typeof qtWordGame !== "undefined" ? qtWordGame : null
    endPanel: gameOver
    readonly property var pictures: typeof imageList !== "undefined" && imageList ? imageList : []

    function pictureAt(k) {
        var list = gameView.pictures
        return k >= 0 && k < list.length && list[k] ? list[k] : null
    }

    // Pictures per round (4, 6 or 10) in two columns.
    readonly property int perRound: game ? game.picturesPerRound() : 10
    // A round of an odd number of pictures leaves the last tile empty.
    readonly property int rows: Math.max(1, Math.ceil(perRound / 2))
    // The picture that has (or last had) the keyboard focus; -1 for Back.
    property int focusedPicture: 0

    function pictureTile(k) {
        if (k < 0 || k >= perRound)
            return null
        var column = pictureColumns.itemAt(Math.floor(k / rows))
        return column ? column.tileAt(k % rows) : null
    }
    function focusPicture(k) {
        var tile = pictureTile(k)
        if (tile)
            tile.forceActiveFocus()
    }
    // Arrows move through the grid; below the last row lies Back.
    onArrowPressed: {
        if (focusedPicture < 0) {
            if (rowsDown < 0)
                focusPicture(rows - 1)
            return
        }
        var column = Math.floor(focusedPicture / rows) + columns
        var row = focusedPicture % rows + rowsDown
        if (row >= rows)
            backButton.forceActiveFocus()
        else if (column >= 0 && column < 2 && row >= 0)
            focusPicture(column * rows + row)
    }
    function replayWord() {
        if (game)
            game.playWordSound()
    }
    onReplayPressed: replayWord()
    // The page opens again on the first picture.
    onLeaving: focusPicture(0)

    Component.onCompleted: focusPicture(0)

    Connections {
        target: gameView.game
        ignoreUnknownSignals: true
        function onGameOverSignal() { gameView.showEnd(true) }
    }

    WordGameEnd {
        id: gameOver
        objectName: "endPanel"
    }

    Row {
        anchors.fill: parent
        enabled: !gameView.ended

        // Left half: the owl with the word in its speech bubble, and the score.
        // Tapping the owl or the bubble says the word again.
        Item {
            id: leftHalf
            width: gameView.width / 2
            height: gameView.height

            // Above the score, which has the bottom tenth.
            BranchOwl {
                transform: [gameView.owlLift, gameView.owlSwell]
                width: parent.width
                height: parent.height * 9 / 10
                boxName: "wordBox"

                // A word of up to twelve letters shows at one size; a longer
                // one wraps and shrinks instead of spilling out of the bubble.
                Text {
                    objectName: "wordText"
                    anchors.fill: parent
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    wrapMode: Text.WordWrap
                    fontSizeMode: Text.Fit
                    font.pixelSize: Theme.wordFontSize(width, height / 2)
                    minimumPointSize: 6
                    minimumPixelSize: 6
                    textFormat: Text.PlainText
                    text: gameView.game ? gameView.game.word : qsTr("Not enough words!")
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }

            MouseArea {
                objectName: "owlArea"
                anchors.fill: parent
                anchors.bottomMargin: gameView.height / 10
                onClicked: gameView.replayWord()
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("Hear the word again")
                Accessible.onPressAction: gameView.replayWord()
            }

            PracticeBadge {
                visible: gameView.tryAgain
                x: gameView.height / 40
                y: gameView.height / 40
                width: leftHalf.width / 4
                height: gameView.height / 12
            }

            Item {
                objectName: "scoreBox"
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                width: gameView.width / 2
                height: gameView.height / 10

                // As large as the box allows, line spacing included: a
                // narrow window shrinks it rather than spilling it.
                Text {
                    objectName: "scoreText"
                    anchors.fill: parent
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Score: ") + (gameView.game ? gameView.game.score : 0)
                    font.pixelSize: Theme.fontSize(parent.height)
                    fontSizeMode: Text.Fit
                    minimumPixelSize: 1
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }

        // Right half: the pictures, two columns of two, three or five, and
        // the Back button.
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
                        id: pictureColumns
                        model: 2

                        Item {
                            id: pictureHalf
                            property int firstIcon: index * gameView.rows
                            function tileAt(row) { return icons.itemAt(row) }
                            width: parent.width / 2
                            height: parent.height

                            Column {
                                id: iconColumn
                                anchors.fill: parent
                                anchors.margins: 10
                                spacing: height / 40

                                Repeater {
                                    id: icons
                                    model: gameView.rows

                                    Icon {
                                        id: icon
                                        property int number: pictureHalf.firstIcon + index
                                        property QtObject item: gameView.pictureAt(number)
                                        objectName: "icon" + number
                                        width: iconColumn.width
                                        height: iconColumn.height / gameView.rows - iconColumn.height / 40
                                        visible: item !== null
                                        iconPath: item ? item.imagePath : ""
                                        state: item ? item.wordState : Word.Normal
                                        enabled: state !== Word.Matched
                                        accessibleName: qsTr("Picture %1").arg(number + 1)
                                        onIconClickedSignal: gameView.qmlIconClickedSignal(number)
                                        onActiveFocusChanged: if (activeFocus) gameView.focusedPicture = number
                                        onStateChanged: if (state === Word.Greyed) shake()
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
                        id: backButton
                        objectName: "backButton"
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.leftMargin: 20
                        anchors.rightMargin: 20
                        height: parent.height - 10
                        buttonText: qsTr("Back")
                        onClicked: gameView.goBack()
                        onActiveFocusChanged: if (activeFocus) gameView.focusedPicture = -1
                    }
                }
            }
        }
    }
}
