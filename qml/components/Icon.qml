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
    // An imported photo fills its square to the corners, where the bundled art
    // is transparent: it keeps far enough in that the corners of that square,
    // centred in the tile, stay inside the frame's rounded inner edge (for a
    // square tile an inset of (1 - 1/sqrt 2) of the radius). The marked
    // frame's pulse is not followed: a new size would decode the picture again.
    readonly property real pictureMargin: {
        if (provided)
            return contentMargin
        var frame = marked ? contentMargin : Theme.tileBorderWidth
        // Qt draws a radius larger than half a side as half that side.
        var inner = Math.max(0, Math.min(radius, width / 2, height / 2) - frame)
        // How much further in the corner sits along the long side.
        var spare = Math.abs(width - height) / 2
        var inset = spare >= inner ? 0 : inner - (spare + Math.sqrt(2 * inner * inner - spare * spare)) / 2
        // One pixel more for the frame's smoothed edge.
        return Math.max(contentMargin, frame + inset + 1)
    }

    Image {
        anchors.fill: parent
        anchors.margins: icon.pictureMargin
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
