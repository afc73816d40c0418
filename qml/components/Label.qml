import QtQuick 2.15
import "."

// A word tile: the word as large as it fits, never cut.
Tile {
    id: label

    property string text
    // The longest text shown at the full size; a longer one shrinks to fit.
    property int fitLetters: 12

    signal labelClickedSignal()

    accessibleName: text

    onClicked: labelClickedSignal()

    Text {
        objectName: "tileText"
        anchors.fill: parent
        // Clear of the rounded ends at the height of the letters.
        anchors.leftMargin: Math.min(label.radius, label.height / 2) / 4 + label.border.width
        anchors.rightMargin: anchors.leftMargin
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: label.text
        // Every word of up to fitLetters letters shows at one size; a longer
        // one (an imported word may have 24) shrinks until it fits, never cut.
        font.pixelSize: Theme.wordFontSize(width, label.height * 2 / 3, label.fitLetters)
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 1
        color: Theme.textColor
        smooth: true
    }
}
