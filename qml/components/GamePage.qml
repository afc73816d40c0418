import QtQuick 2.15
import "."

// The base of both game pages (WordGameView and PairGameView): the page's
// size, its keys, the end panel that slides down over it when the game ends,
// and the way back to the menu. A game page lays out its tiles inside and
// answers the signals below; it declares its own end panel and names it in
// endPanel.
//
// The window may hand the page no game (the first round could not be dealt,
// or the game is being deleted): game is null then, and the page must still
// show a way back.
Page {
    id: gamePage

    // The game object the window handed over (qtWordGame or qtPairGame), or null.
    property QtObject game: null
    // The page's end panel: a WordGameEnd or PairGameEnd among its children.
    property EndPanel endPanel: null
    // Under "Try again": the game goes on after a mistake, the practice badge
    // shows and the end panel lists the words that needed more than one try.
    readonly property bool tryAgain: game ? game.tryAgain() : false
    // Set when the end panel comes down: nothing beneath takes the keyboard
    // then. Never unset: a new game makes a new page.
    property bool ended: false

    // To the window: Back (the game stays open for Continue), and the end
    // panel's "Back to Main" (the game is over).
    signal qmlBackToMainSignal()
    signal qmlGameOverSignal()
    // To the window: the end panel's "Play again" (a new game of this kind).
    signal qmlPlayAgainSignal()
    // To the page: an arrow key, as columns right and rows down (-1, 0 or 1);
    // the page moves the keyboard focus among its tiles.
    signal arrowPressed(int columns, int rowsDown)
    // To the page: the player asked to hear the word again (R).
    signal replayPressed()
    // To the page, before Back leaves it: the page is kept for Continue and
    // opens again where it puts its focus now.
    signal leaving()

    // The owl's moves, for the page to put on its owl (transform: [owlLift,
    // owlSwell]): a little hop for a right answer, a swell when the child
    // seems stuck. Neither holds anything up.
    readonly property Translate owlLift: Translate {}
    readonly property Scale owlSwell: Scale { yScale: xScale }
    // The hop starts a moment after the right answer: the new round's frame
    // comes first, no later than it would without the hop.
    Timer {
        id: hopSoon
        interval: 30
        onTriggered: hopping.restart()
    }
    SequentialAnimation {
        id: hopping
        objectName: "owlHop"
        NumberAnimation { target: gamePage.owlLift; property: "y"; to: -gamePage.height / 30; duration: 120; easing.type: Easing.OutQuad }
        NumberAnimation { target: gamePage.owlLift; property: "y"; to: 0; duration: 180; easing.type: Easing.InQuad }
    }
    SequentialAnimation {
        id: pulsing
        objectName: "owlPulse"
        NumberAnimation { target: gamePage.owlSwell; property: "xScale"; to: 1.08; duration: 250 }
        NumberAnimation { target: gamePage.owlSwell; property: "xScale"; to: 1; duration: 250 }
    }

    // Back, by its button, Escape or the window.
    function goBack() {
        leaving()
        qmlBackToMainSignal()
    }

    // The game ended: the end panel comes down with the missed words (under
    // "Try again") and takes the keyboard. failed: a wrong pick ended it, and
    // the panel shows the right answer; else the game was completed.
    function showEnd(failed) {
        ended = true
        endPanel.failed = failed
        if (!failed)
            endPanel.text = qsTr("Success!")
        endPanel.showMissed = tryAgain
        endPanel.practice = game ? !game.entersTopTen() : false
        endPanel.missedWords = game ? game.missedWords() : []
        endPanel.open()
    }

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    Keys.onPressed: {
        if (ended)
            return
        switch (event.key) {
        case Qt.Key_Escape: goBack(); break
        case Qt.Key_R: replayPressed(); break
        case Qt.Key_Left: arrowPressed(-1, 0); break
        case Qt.Key_Right: arrowPressed(1, 0); break
        case Qt.Key_Up: arrowPressed(0, -1); break
        case Qt.Key_Down: arrowPressed(0, 1); break
        default: return
        }
        event.accepted = true
    }

    onQmlGameOverSignal: endPanel.close()

    Connections {
        target: gamePage.game
        ignoreUnknownSignals: true
        function onGameCompletedSignal() { gamePage.showEnd(false) }
        function onRightAnswerSignal() { hopSoon.restart() }
    }

    Connections {
        target: qtMainWindow
        ignoreUnknownSignals: true
        function onHintSignal() { pulsing.restart() }
    }

    Connections {
        target: gamePage.endPanel
        function onBackToMainClicked() { gamePage.qmlGameOverSignal() }
        function onPlayAgainClicked() { gamePage.qmlPlayAgainSignal() }
    }
}
