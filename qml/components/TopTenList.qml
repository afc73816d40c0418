import QtQuick 2.15
import "."

// An end panel's top-ten list: place, name and score in three columns. Every
// row has one text size: the largest at which the list's widest place, name
// and score fit their columns, so a name of 16 characters or a score of three
// digits shows whole and nothing runs into the next column.
ListView {
    id: list

    // The game's records (player, score), best first.
    property var records: []
    // Free space right of the list, which the scores may use.
    property real trailingRoom: 0

    readonly property real placeWidth: width / 5
    readonly property real playerWidth: width * 16 / 25
    readonly property real scoreWidth: width * 4 / 25 + trailingRoom
    // A tenth of the list's height at most, less in a narrow list.
    readonly property real textSize: {
        var size = Theme.fontSize(Math.min(height / 12, width / 8))
        var fit = function(text, room, padding) {
            var needed = metrics.advanceWidth(text) / metrics.font.pixelSize + padding
            if (needed > 0)
                size = Math.min(size, room / needed)
        }
        for (var i = 0; i < records.length; ++i) {
            fit((i + 1) + ".", placeWidth, 0)
            if (records[i]) {
                // The name keeps a gap of a quarter of the size before the score.
                fit(records[i].player, playerWidth, 0.25)
                fit(String(records[i].score), scoreWidth, 0)
            }
        }
        // Whole pixels, rounded down, with a little to spare for hinting.
        return Math.max(1, Math.floor(size * 0.97))
    }

    FontMetrics {
        id: metrics
        font.pixelSize: 100
    }

    // The panel under it takes every tap; the ten rows fit without scrolling.
    interactive: false
    model: records

    delegate: Row {
        objectName: "topRow" + index
        height: Math.max(place.height, place.implicitHeight)

        Text {
            id: place
            objectName: "topPlace" + index
            width: list.placeWidth
            height: list.height / 10
            text: (index + 1) + "."
            color: Theme.textColor
            font.pixelSize: list.textSize
        }
        Text {
            objectName: "topPlayer" + index
            width: list.playerWidth
            rightPadding: font.pixelSize / 4
            text: modelData ? modelData.player : ""
            // Player names are typed by anyone: never markup.
            textFormat: Text.PlainText
            color: Theme.textColor
            font.pixelSize: list.textSize
            elide: Text.ElideRight
        }
        Text {
            objectName: "topScore" + index
            width: list.scoreWidth
            text: modelData ? modelData.score : ""
            color: Theme.textColor
            font.pixelSize: list.textSize
        }
    }
}
