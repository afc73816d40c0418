import QtQuick 2.15
import "../components"

// A few lines for the grown-up (an import's report, a question before a set
// is removed) and one or two answers. The lines scroll when they are many.
PagePanel {
    id: message

    property var lines: []
    // The second answer is left out when its text is empty.
    property alias acceptText: accept.buttonText
    property alias rejectText: reject.buttonText
    property alias acceptName: accept.objectName
    property alias rejectName: reject.objectName
    readonly property alias acceptButton: accept
    readonly property alias rejectButton: reject
    // The answer that has the focus first: the harmless one, where a wrong
    // Enter would cost something.
    readonly property Item firstButton: startOnReject && reject.visible ? reject : accept
    property bool startOnReject: false

    signal accepted()
    signal rejected()

    onVisibleChanged: if (visible) firstButton.forceActiveFocus()

    Flickable {
        id: text
        objectName: "messageLines"
        anchors.top: parent.top
        anchors.topMargin: parent.height / 14
        // Down to a little above the answers, however tall they are beside the card.
        anchors.bottom: answers.top
        anchors.bottomMargin: parent.height / 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width * 9 / 10
        clip: true
        contentHeight: lineColumn.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: lineColumn
            width: text.width
            spacing: message.height / 80

            Repeater {
                model: message.lines
                Text {
                    width: lineColumn.width
                    text: modelData
                    color: Theme.textColor
                    // The first line is the result; the rest are the refused files.
                    font.pixelSize: Theme.fontSize(message.height / (index === 0 ? 18 : 24))
                    font.bold: index === 0
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }
    }

    Rectangle {
        visible: text.contentHeight > text.height + 1
        anchors.left: text.right
        width: Math.max(3, message.width / 200)
        radius: width / 2
        color: Theme.scrollBar
        y: text.y + text.visibleArea.yPosition * text.height
        height: text.visibleArea.heightRatio * text.height
    }

    Row {
        id: answers
        anchors.bottom: parent.bottom
        anchors.bottomMargin: parent.height / 14
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: message.width / 20

        PushButton {
            id: reject
            visible: buttonText !== ""
            buttonWidth: message.width * 3 / 10
            buttonHeigth: message.height / 9
            KeyNavigation.right: accept
            onClicked: message.rejected()
        }
        PushButton {
            id: accept
            buttonWidth: message.width * 3 / 10
            buttonHeigth: message.height / 9
            KeyNavigation.left: reject.visible ? reject : null
            Keys.onUpPressed: text.flick(0, message.height * 2)
            Keys.onDownPressed: text.flick(0, -message.height * 2)
            onClicked: message.accepted()
        }
    }
}
