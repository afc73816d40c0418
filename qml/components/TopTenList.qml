import QtQuick 2.15
import "."

// An end panel's top-ten list: place, name and score in three columns. A text
// too wide for its column shrinks until it fits, so a name of 16 characters
// shows whole and nothing runs into the next column.
ListView {
    id: list

    // The game's records (player, score), best first.
    property var records: []
    // Free space right of the list; a score too wide for its column may run
    // into it before it has to shrink.
    property real trailingRoom: 0

    // The panel under it takes every tap; the ten rows fit without scrolling.
    interactive: false
    model: records

    delegate: Row {
        objectName: "topRow" + index
        // One line of the list's font, however small a shrunk name is.
        height: Math.max(place.height, place.implicitHeight)

        Text {
            id: place
            objectName: "topPlace" + index
            width: list.width / 5
            height: list.height / 10
            text: (index + 1) + "."
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(list.height / 12)
            fontSizeMode: Text.HorizontalFit
        }
        Text {
            objectName: "topPlayer" + index
            // A shrunk text keeps the line of the place.
            y: place.baselineOffset - baselineOffset
            width: list.width / 10 * 7
            // A gap before the score even when the name fills its column.
            rightPadding: font.pixelSize / 4
            text: modelData ? modelData.player : ""
            // Player names are typed by anyone: never markup.
            textFormat: Text.PlainText
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(list.height / 12)
            fontSizeMode: Text.HorizontalFit
            elide: Text.ElideRight
        }
        Text {
            objectName: "topScore" + index
            y: place.baselineOffset - baselineOffset
            width: list.width / 10 + list.trailingRoom
            text: modelData ? modelData.score : ""
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(list.height / 12)
            fontSizeMode: Text.HorizontalFit
        }
    }
}
