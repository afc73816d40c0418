import QtQuick 2.15
import "."

// Shown under "Try again": the game goes on after a mistake, and the child
// sees that it did not end.
Rectangle {
    objectName: "practiceBadge"
    radius: height / 2
    color: Theme.tileFace
    border.width: Theme.tileBorderWidth
    border.color: Theme.tileMarkedBorder

    Text {
        anchors.fill: parent
        anchors.margins: parent.height / 6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: qsTr("Practice")
        color: Theme.textColor
        font.pixelSize: Theme.fontSize(height)
        fontSizeMode: Text.Fit
        minimumPixelSize: 1
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
