import QtQuick 2.15
import "."

// The keyboard focus mark of buttons and tiles: a thick, high-contrast ring
// around its parent while the parent has the active focus and the keyboard is
// in use. It takes no taps.
Rectangle {
    objectName: "focusRing"
    anchors.fill: parent
    anchors.margins: -Theme.focusRingWidth - Theme.focusRingGap
    // Follows a tile's corners; a button's face is a pill.
    radius: typeof parent.radius === "number" && parent.radius < parent.height / 2
            ? parent.radius + Theme.focusRingWidth + Theme.focusRingGap : height / 2
    color: "transparent"
    border.width: Theme.focusRingWidth
    border.color: Theme.focusRingColor
    // Only for a keyboard: after a tap the ring waits for the next key.
    visible: parent.activeFocus && (typeof qtMainWindow === "undefined" || qtMainWindow.keyboardFocusShown)

    // A second, light ring inside keeps the mark visible on dark and light faces.
    Rectangle {
        anchors.fill: parent
        anchors.margins: Theme.focusRingWidth
        radius: Math.max(0, parent.radius - Theme.focusRingWidth)
        color: "transparent"
        border.width: Math.max(1, Theme.focusRingWidth / 2)
        border.color: Theme.focusRingInner
    }
}
