import QtQuick 2.15
import "components"

// The Word Game's end panel: the result, the score, the right answer after a
// wrong pick, and the top-ten list. The window may publish no game.
EndPanel {
    id: container

    readonly property QtObject game: typeof qtWordGame !== "undefined" ? qtWordGame : null

    score: game ? game.score : 0
    answerPicture: game ? game.imagePath : ""
    answerWord: game ? game.word : ""
}
