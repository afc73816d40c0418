import QtQuick 2.15
import "../components"

// The import under way: the word being made, how far it has come, and Cancel.
PagePanel {
    id: progress

    property QtObject importer
    property bool cancelling: false
    readonly property alias cancelButton: cancel

    cardHeight: height * 11 / 20

    onVisibleChanged: {
        if (visible)
            cancel.forceActiveFocus()
        else
            cancelling = false
    }

    Column {
        anchors.centerIn: parent
        width: parent.width * 9 / 10
        spacing: parent.height / 16

        Text {
            width: parent.width
            height: progress.height / 12
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: progress.cancelling ? qsTr("Cancelling…") : qsTr("Importing pictures…")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 4 / 5)
            fontSizeMode: Text.Fit
            minimumPixelSize: 6
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        Rectangle {
            id: track
            objectName: "importProgressBar"
            // 0 to 1: the share of the folder's pictures done.
            readonly property real fraction: progress.importer && progress.importer.total > 0
                                             ? progress.importer.done / progress.importer.total : 0
            width: parent.width
            height: progress.height / 16
            radius: height / 2
            color: Theme.progressTrack
            border.width: 1
            border.color: Theme.progressBorder
            Accessible.role: Accessible.ProgressBar
            Accessible.name: qsTr("Import progress")

            Rectangle {
                width: Math.max(track.height, track.width * track.fraction)
                height: track.height
                radius: track.radius
                visible: track.fraction > 0
                gradient: Gradient {
                    GradientStop { position: 0.0; color: Theme.gradientTop }
                    GradientStop { position: 1.0; color: Theme.gradientBottom }
                }
            }
        }

        Text {
            objectName: "importCurrentWord"
            width: parent.width
            height: progress.height / 14
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: !progress.importer || progress.importer.total === 0 ? ""
                  : progress.importer.currentWord === ""
                    ? qsTr("%1 of %2").arg(progress.importer.done).arg(progress.importer.total)
                    : qsTr("%1 of %2: %3").arg(progress.importer.done + 1).arg(progress.importer.total)
                      .arg(progress.importer.currentWord)
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 4 / 5)
            fontSizeMode: Text.Fit
            minimumPixelSize: 6
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        PushButton {
            id: cancel
            objectName: "importCancelButton"
            anchors.horizontalCenter: parent.horizontalCenter
            buttonWidth: progress.width * 3 / 10
            buttonHeigth: progress.height / 9
            buttonText: qsTr("Cancel")
            enabled: !progress.cancelling
            onClicked: {
                progress.cancelling = true
                progress.importer.cancel()
            }
        }
    }
}
