import QtQuick 2.15
import "."

// What a page says while its last save failed: it stays open, with its
// choices as they are, and Cancel still leaves.
Text {
    objectName: "saveFailedLine"
    text: qsTr("Could not save: the disk is full or read-only.")
    color: Theme.warningText
    font.bold: true
    font.pixelSize: Theme.fontSize(height * 3 / 4)
    fontSizeMode: Text.Fit
    minimumPixelSize: 6
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text
}
