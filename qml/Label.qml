import QtQuick 2.15

// A rounded word tile. state: 0 normal, 1 selected, 2 done (invisible, still clickable).
Rectangle {
    id: label

    property string text
    property int state: 0

    signal labelClickedSignal()

    color: state === 2 ? "transparent" : "white"
    border.width: 4
    border.color: state === 2 ? "transparent" : (state === 1 ? "#f80fcf" : "#a2ddf3")
    radius: height
    smooth: true

    Text {
        anchors.centerIn: parent
        text: label.text
        font.pointSize: Math.max(1, label.height / 2)
        color: label.state === 2 ? "transparent" : "black"
        smooth: true
    }

    MouseArea {
        anchors.fill: parent
        onClicked: label.labelClickedSignal()
    }
}
