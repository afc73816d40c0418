import QtQuick 2.15
import "."

// The keyboard focus mark of buttons and tiles: a thick, high-contrast ring
// around its parent while the parent has the active focus. It takes no taps.
Rectangle {
    anchors.fill: parent
    anchors.margins: -Theme.focusRingWidth - Theme.focusRingGap
    radius: height / 2
    color: "transparent"
    border.width: Theme.focusRingWidth
    border.color: Theme.focusRingColor
    visible: parent.activeFocus

    // A second, light ring inside keeps the mark visible on dark and light faces.
    Rectangle {
        anchors.fill: parent
        anchors.margins: Theme.focusRingWidth
        radius: height / 2
        color: "transparent"
        border.width: Math.max(1, Theme.focusRingWidth / 2)
        border.color: Theme.focusRingInner
    }
}
