import QtQuick 2.15
import "../components"

// A card over the dimmed dictionaries page while an import runs, its report
// is read or a removal waits for a yes: the page under it takes no taps.
Item {
    id: panel

    default property alias content: card.data
    property alias cardWidth: card.width
    property alias cardHeight: card.height

    anchors.fill: parent
    visible: false

    Rectangle {
        anchors.fill: parent
        color: Theme.panelShade
        opacity: 0.45
    }

    // Swallows every tap outside the card.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    Rectangle {
        id: card
        anchors.centerIn: parent
        width: panel.width * 4 / 5
        height: panel.height * 3 / 5
        radius: Math.min(width, height) / 14
        color: Theme.panelFace
        border.width: Math.max(2, height / 100)
        border.color: Theme.tileBorder
    }
}
