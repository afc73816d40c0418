import QtQuick 2.15

// A rounded picture tile. state: 0 normal, 1 selected, 2 done (invisible, still clickable).
Rectangle {
    id: icon

    property string iconPath
    property int state: 0

    signal iconClickedSignal()

    color: state === 2 ? "transparent" : "white"
    border.width: 4
    border.color: state === 2 ? "transparent" : (state === 1 ? "#f80fcf" : "#a2ddf3")
    radius: height
    smooth: true

    Image {
        anchors.fill: parent
        anchors.margins: 5
        // Resource paths (":/png/...") come through the program's picture
        // provider, which keeps them decoded at this tile's size.
        source: icon.iconPath.indexOf(":/") === 0 ? "image://vocalune/" + icon.iconPath.substring(2) : icon.iconPath
        fillMode: Image.PreserveAspectFit
        sourceSize.width: Math.max(1, Math.ceil(width))
        sourceSize.height: Math.max(1, Math.ceil(height))
        opacity: icon.state === 2 ? 0 : 1
        smooth: true
    }

    MouseArea {
        anchors.fill: parent
        onClicked: icon.iconClickedSignal()
    }
}
