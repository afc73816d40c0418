import QtQuick 2.15
import QtQuick.Window 2.15
import "."

// A picture tile: the picture as large as the tile allows, less a margin.
Tile {
    id: icon

    property string iconPath
    // A tile of a round asks the picture provider to decode its dictionary's
    // other pictures at its size ahead of the next rounds; a picture shown on
    // its own (an end panel's, the picture book's close-up) does not.
    property bool decodeAhead: true

    signal iconClickedSignal()

    onClicked: iconClickedSignal()

    // Resource paths (":/png/...") come through the program's picture
    // provider, which keeps them decoded at this tile's size.
    readonly property bool provided: iconPath.indexOf(":/") === 0
    // Pictures are decoded at the tile's size in device pixels. Qt scales the
    // size asked of a provider by the screen's pixel ratio itself, but not
    // the size asked of a picture file.
    readonly property real pixelRatio: provided ? 1 : Math.max(1, Screen.devicePixelRatio)

    Image {
        anchors.fill: parent
        anchors.margins: icon.contentMargin
        // Nothing is decoded for a tile that is hidden, done (a matched pair,
        // a completed game's answer) or not yet laid out: a hidden end panel
        // follows every round's answer, and a new tile would first ask for
        // its picture at a size of one pixel.
        source: !visible || icon.done || width < 1 || height < 1 ? ""
              : icon.provided ? "image://vocalune/" + icon.iconPath.substring(2) + (icon.decodeAhead ? "" : "?alone")
                              : icon.iconPath
        fillMode: Image.PreserveAspectFit
        sourceSize.width: Math.ceil(width * icon.pixelRatio)
        sourceSize.height: Math.ceil(height * icon.pixelRatio)
        smooth: true
    }
}
