import QtQuick 2.15
import "components"

// The Pair Game's end panel: the outcome, the score, the failed pair and the
// top-ten list.
EndPanel {
    id: container

    property int failednumber
    property bool failedlist

    // The item of the failed pair that was selected first; it shows both its
    // own picture and its own word.
    readonly property var answerItem: {
        var list = failedlist ? (typeof imageList === "undefined" ? null : imageList)
                              : (typeof wordList === "undefined" ? null : wordList)
        if (!list || failednumber < 0 || failednumber >= list.length)
            return null
        return list[failednumber]
    }

    score: typeof qtPairGame !== "undefined" && qtPairGame ? qtPairGame.score : 0
    answerPicture: answerItem ? answerItem.imagePath : ""
    answerWord: answerItem ? answerItem.word : ""
}
