pragma Singleton
import QtQuick 2.15

// The look every page shares: one place for the colours, the tile frame and
// the text scale.
QtObject {
    // The page background, top to bottom. The buttons reuse the top colour.
    readonly property color gradientTop: "#00ffe2"
    readonly property color gradientBottom: "#0084ff"
    // A button's face runs from the top colour through the middle one to the
    // dark one, reversed while pressed; a disabled button is grey.
    readonly property color buttonMiddle: "blue"
    readonly property color buttonDark: "#2626ec"
    readonly property color buttonDisabledTop: "lightgray"
    readonly property color buttonDisabled: "gray"
    readonly property color buttonBorder: "#08210e"
    // White captions sunk into the face.
    readonly property color buttonText: "white"
    readonly property color buttonTextShadow: "black"

    readonly property color textColor: "black"
    // A line that says something went wrong.
    readonly property color warningText: "#b00020"

    // Picture and word tiles: a white face in a light-blue frame; the
    // selected tile's frame turns pink.
    readonly property color tileFace: "white"
    readonly property color tileBorder: "#a2ddf3"
    readonly property color tileSelectedBorder: "#f80fcf"
    readonly property int tileBorderWidth: 4
    // A wrong pick under "Try again" is greyed out; the right picture after
    // two wrong picks gets a pulsing frame in a colour of its own.
    readonly property color tileGreyedFace: "#9a9a9a"
    readonly property color tileMarkedBorder: "#00b84a"
    // A chosen option (on the settings page) is filled, not only framed, so
    // it cannot be taken for the keyboard's ring.
    readonly property color tileChosenFace: "#ffc8f0"

    // Lists (the dictionaries) and their highlighted row; a line of less
    // weight; the bar that shows there is more to scroll to.
    readonly property color listFace: "white"
    readonly property color listHighlight: "lightsteelblue"
    readonly property color listHighlightBorder: "black"
    readonly property color secondaryText: "#404040"
    readonly property color scrollBar: "#808080"

    // The volume slider.
    readonly property color sliderTrack: "lightsteelblue"
    readonly property color sliderHandle: "blue"

    // A card over a dimmed page, and the progress bar on it.
    readonly property color panelShade: "black"
    readonly property color panelFace: "white"
    readonly property color progressTrack: "#e0e0e0"
    readonly property color progressBorder: "#808080"

    // The progress page: words learned, learning and not met yet, and the
    // bars of minutes played.
    readonly property color progressLearned: "#2e9d3a"
    readonly property color progressLearning: "#f2b51c"
    readonly property color progressNotMet: "#d0d0d0"
    readonly property color chartMinutes: "#2f6fd6"

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

    // The size for a word shown in a box width wide: at most size, and small
    // enough that a word of twelve letters (or of letters) fits the width.
    // Of the font size, in the font the pages are drawn in: that of the
    // widest twelve-letter word in the bundled dictionaries ("Hippopotamus"),
    // with a little to spare for hinting. A word of wider letters shrinks to
    // fit, whole.
    readonly property FontMetrics wordMetrics: FontMetrics { font.pixelSize: 100 }
    readonly property real letterWidth: Math.max(0.4, wordMetrics.advanceWidth("Hippopotamus") / 1200) * 1.03
    function wordFontSize(width, size, letters) {
        // Whole pixels, rounded down: a size rounded up would not fit.
        return Math.max(1, Math.floor(fontSize(Math.min(size, width / ((letters > 0 ? letters : 12) * letterWidth)))))
    }
}
