import QtQuick 2.15
import "components"

// A word tile. state: 0 normal, 1 selected, 2 done (invisible, still clickable).
Tile {
    id: label

    property string text

    signal labelClickedSignal()

    accessibleName: text

    onClicked: labelClickedSignal()

    Text {
        anchors.centerIn: parent
        text: label.text
        font.pointSize: Theme.fontSize(label.height / 2)
        color: Theme.textColor
        smooth: true
    }
}
