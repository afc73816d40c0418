import QtQuick 2.15
import "."

// An end panel's top-ten list: place, name and score in three columns. A text
// too wide for its column shrinks until it fits, so a name of 16 characters
// shows whole and nothing runs into the next column.
ListView {
    id: list

    // The game's records (player, score), best first.
    property var records: []

    // The panel under it takes every tap; the ten rows fit without scrolling.
    interactive: false
    model: records

    delegate: Row {
        objectName: "topRow" + index

        Text {
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
            width: list.width / 10 * 7
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
            width: list.width / 10
            text: modelData ? modelData.score : ""
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(list.height / 12)
            fontSizeMode: Text.HorizontalFit
        }
    }
}
