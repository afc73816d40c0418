pragma Singleton
import QtQuick 2.15

// The look every page shares: one place for the colours, the tile frame and
// the text scale.
QtObject {
    // The page background, top to bottom. The buttons reuse the top colour.
    readonly property color gradientTop: "#00ffe2"
    readonly property color gradientBottom: "#0084ff"
    // A button's face runs from the top colour to this one, reversed while pressed.
    readonly property color buttonDark: "#2626ec"

    readonly property color textColor: "black"

    // Picture and word tiles: a white face in a light-blue frame; the
    // selected tile's frame turns pink.
    readonly property color tileFace: "white"
    readonly property color tileBorder: "#a2ddf3"
    readonly property color tileSelectedBorder: "#f80fcf"
    readonly property int tileBorderWidth: 4

    // Keyboard focus: a thick ring in a colour no page, button or tile uses,
    // with a white inner edge.
    readonly property color focusRingColor: "#ff6a00"
    readonly property color focusRingInner: "white"
    readonly property int focusRingWidth: 5
    readonly property int focusRingGap: 2

    // Every text size is a share of the space it fills, times this.
    readonly property real fontScale: 1

    // The font size for a text meant to be size high; never 0, which Qt
    // rejects with a warning while a page is still zero-sized.
    function fontSize(size) {
        return Math.max(1, size * fontScale)
    }
}
