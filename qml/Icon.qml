import QtQuick 2.15
import "components"

// A picture tile. state: 0 normal, 1 selected, 2 done (invisible, still clickable).
Tile {
    id: icon

    property string iconPath

    signal iconClickedSignal()

    onClicked: iconClickedSignal()

    Image {
        anchors.fill: parent
        anchors.margins: 5
        // Resource paths (":/png/...") come through the program's picture
        // provider, which keeps them decoded at this tile's size.
        source: icon.iconPath.indexOf(":/") === 0 ? "image://vocalune/" + icon.iconPath.substring(2) : icon.iconPath
        fillMode: Image.PreserveAspectFit
        sourceSize.width: Math.max(1, Math.ceil(width))
        sourceSize.height: Math.max(1, Math.ceil(height))
        smooth: true
    }
}
