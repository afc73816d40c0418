import QtQuick 2.15
import Vocalune 1.0
import "components"

// The Pair Game: pictures on the left, the owl and the score in the middle,
// words on the right. The end panel slides down over it all when the game ends.
GamePage {
    id: gameView

    signal qmlLabelClickedSignal(int labelNumber)
    signal qmlIconClickedSignal(int iconNumber)

    // Without a dealt round the window publishes no game and may publish no
    // lists at all; every read goes through these so nothing is undefined.
    game: typeof qtPairGame !== "undefined" ? qtPairGame : null
    endPanel: gameOver
    readonly property bool hasGame: game !== null
    readonly property int score: hasGame ? game.score : 0

    function itemOf(list, index) {
        if (typeof list === "undefined" || list === null || index < 0 || index >= list.length)
            return null
        return list[index]
    }
    function imageItem(index) { return itemOf(typeof imageList === "undefined" ? null : imageList, index) }
    function wordItem(index) { return itemOf(typeof wordList === "undefined" ? null : wordList, index) }

    // Pairs per round (3, 4 or 6): each column holds that many tiles,
    // larger when fewer, centred.
    readonly property int perRound: hasGame ? game.pairsPerRound() : 6
    readonly property real tileHeight: (height - 2 * height / 20) / (perRound === 3 ? 4.5 : perRound === 4 ? 5.5 : 7)
    // Where the keyboard focus is (or was last): column 0 pictures, 1 words,
    // -1 Back; row within the column.
    property int focusColumn: 0
    property int focusRow: 0

    function tileIn(column, row) {
        var tiles = column === 0 ? icons : (column === 1 ? labels : null)
        return tiles && row >= 0 && row < perRound ? tiles.itemAt(row) : null
    }
    function usable(tile) { return tile !== null && tile.enabled }
    // The usable tile of the column nearest row, looking from row in the
    // direction step first (0: both ways); null when the column has none.
    function nearestIn(column, row, step) {
        for (var d = (step === 0 ? 0 : 1); d < perRound; ++d) {
            var order = step === 0 ? [row - d, row + d] : [row + step * d]
            for (var i = 0; i < order.length; ++i) {
                var tile = tileIn(column, order[i])
                if (usable(tile))
                    return tile
            }
        }
        return null
    }
    function focusTile(tile) {
        if (tile) {
            tile.forceActiveFocus()
            return true
        }
        return false
    }
    onArrowPressed: {
        if (focusColumn < 0) {
            if (rowsDown < 0 || columns < 0)
                focusTile(nearestIn(0, perRound - 1, 0)) || focusTile(nearestIn(1, perRound - 1, 0))
            else if (columns > 0)
                focusTile(nearestIn(1, perRound - 1, 0)) || focusTile(nearestIn(0, perRound - 1, 0))
            return
        }
        if (columns !== 0) {
            var other = focusColumn + columns
            if (other === 0 || other === 1)
                focusTile(nearestIn(other, focusRow, 0))
            return
        }
        if (!focusTile(nearestIn(focusColumn, focusRow, rowsDown)) && rowsDown > 0)
            backButton.forceActiveFocus()
    }
    // A tile that leaves play (a pair made) hands the focus on: to the
    // nearest tile of its column, else of the other column, else to Back.
    function keepFocus() {
        if (ended || focusColumn < 0 || usable(tileIn(focusColumn, focusRow)))
            return
        focusTile(nearestIn(focusColumn, focusRow, 0)) || focusTile(nearestIn(1 - focusColumn, focusRow, 0))
            || backButton.forceActiveFocus()
    }
    // The page opens again on the first picture.
    onLeaving: focusTile(nearestIn(0, 0, 0))

    Component.onCompleted: focusTile(tileIn(0, 0))

    Connections {
        target: gameView.game
        function onGameOverSignal(failedList, wordNumber) {
            gameOver.failedlist = failedList
            gameOver.failednumber = wordNumber
            gameView.showEnd(true)
        }
        function onWrongPairSignal(labelIndex, iconIndex) {
            var label = labels.itemAt(labelIndex)
            var icon = icons.itemAt(iconIndex)
            if (label)
                label.shake()
            if (icon)
                icon.shake()
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
        failednumber: 0
        failedlist: true
    }

    Row {
        anchors.fill: parent
        enabled: !gameView.ended

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
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: gameView.tileHeight / 5

                    Repeater {
                        id: icons
                        model: gameView.perRound
                        Icon {
                            readonly property var item: gameView.imageItem(index)
                            objectName: "icon" + index
                            width: iconBox.width
                            height: gameView.tileHeight
                            iconPath: item ? item.imagePath : ""
                            state: item ? item.wordState : Word.Matched
                            enabled: state !== Word.Matched
                            accessibleName: qsTr("Picture %1").arg(index + 1)
                            onIconClickedSignal: gameView.qmlIconClickedSignal(index)
                            onActiveFocusChanged: if (activeFocus) { gameView.focusColumn = 0; gameView.focusRow = index }
                            onEnabledChanged: if (!enabled) Qt.callLater(gameView.keepFocus)
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

            // Over the question marks, which would otherwise cover its text.
            PracticeBadge {
                visible: gameView.tryAgain
                z: 1
                anchors.horizontalCenter: parent.horizontalCenter
                y: gameView.height / 40
                width: middle.width / 2
                height: gameView.height / 12
            }

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
                        color: Theme.textColor
                    }
                }

                AnimatedImage {
                    id: owlImage
                    objectName: "owlImage"
                    transform: [gameView.owlLift, gameView.owlSwell]
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

                    // Half the box high, smaller where the column is narrow.
                    Text {
                        objectName: "scoreText"
                        anchors.fill: parent
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        text: qsTr("Score: ") + gameView.score
                        font.pixelSize: Theme.fontSize(parent.height / 2)
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 1
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                }

                PushButton {
                    id: backButton
                    objectName: "backButton"
                    onActiveFocusChanged: if (activeFocus) gameView.focusColumn = -1
                    buttonText: qsTr("Back")
                    // No taller than a pill in a narrow window.
                    buttonHeigth: Math.min(middleColumn.height / 10, buttonWidth / 2.5)
                    buttonWidth: middleColumn.width / 2
                    anchors.horizontalCenter: parent.horizontalCenter
                    onClicked: gameView.goBack()
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
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: gameView.tileHeight / 5

                    Repeater {
                        id: labels
                        model: gameView.perRound
                        Label {
                            readonly property var item: gameView.wordItem(index)
                            objectName: "label" + index
                            width: labelBox.width
                            height: gameView.tileHeight
                            text: item ? item.word : ""
                            state: item ? item.wordState : Word.Matched
                            enabled: state !== Word.Matched
                            onLabelClickedSignal: gameView.qmlLabelClickedSignal(index)
                            onActiveFocusChanged: if (activeFocus) { gameView.focusColumn = 1; gameView.focusRow = index }
                            onEnabledChanged: if (!enabled) Qt.callLater(gameView.keepFocus)
                        }
                    }
                }
            }
        }
    }
}
