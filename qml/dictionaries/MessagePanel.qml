import QtQuick 2.15
import "../components"

// A few lines for the grown-up (an import's report, a question before a set
// is removed) and one or two answers. The lines scroll when they are many.
// An import's report lists the words the computer voiced, each with the
// buttons to record it in the family's own voice.
PagePanel {
    id: message

    property var lines: []
    property var voicedWords: []
    property string voiceDictionary
    readonly property bool voicing: voicedWords.length > 0
    readonly property QtObject recorder: typeof qtRecorder !== "undefined" ? qtRecorder : null
    readonly property QtObject voices: typeof qtVoices !== "undefined" ? qtVoices : null
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

    onVisibleChanged: {
        if (visible)
            firstButton.forceActiveFocus()
        // Record looks for a microphone; a take is dropped with the report.
        if (visible && voicing && recorder)
            recorder.open()
        if (!visible && recorder && recorder.recording)
            recorder.cancel()
    }

    // The keyboard on a row's button in that place (or the nearest one).
    function focusRow(row, column) {
        var item = voicedRows.itemAt(row)
        if (item)
            item.buttons.buttonAt(column).forceActiveFocus()
    }
    // The lines scroll to the row the keyboard is on.
    function showRow(item) {
        if (item.y < text.contentY)
            text.contentY = item.y
        else if (item.y + item.height > text.contentY + text.height)
            text.contentY = item.y + item.height - text.height
    }

    Flickable {
        id: text
        objectName: "messageLines"
        anchors.top: parent.top
        anchors.topMargin: parent.height / 14
        // Down to a little above the answers, however tall they are beside the card.
        anchors.bottom: voiceLine.top
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

            Text {
                id: voicedTitle
                visible: message.voicing
                width: lineColumn.width
                text: qsTr("Record them in your own voice:")
                color: Theme.textColor
                font.pixelSize: Theme.fontSize(message.height / 24)
                wrapMode: Text.WordWrap
                Accessible.role: Accessible.StaticText
                Accessible.name: voicedTitle.text
            }

            Repeater {
                id: voicedRows
                model: message.voicedWords
                Item {
                    objectName: "voicedWord" + index
                    readonly property alias buttons: rowButtons
                    width: lineColumn.width
                    height: message.height / 10

                    Text {
                        width: parent.width * 0.28
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        text: modelData
                        textFormat: Text.PlainText
                        color: Theme.textColor
                        font.pixelSize: Theme.fontSize(parent.height * 0.6)
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 1
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    VoiceButtons {
                        id: rowButtons
                        x: parent.width * 0.3
                        width: parent.width * 0.7
                        height: parent.height
                        dictionary: message.voiceDictionary
                        word: modelData
                        onUpPressed: message.focusRow(index - 1, column)
                        onDownPressed: {
                            if (index + 1 < voicedRows.count)
                                message.focusRow(index + 1, column)
                            else
                                message.firstButton.forceActiveFocus()
                        }
                        onActiveFocusChanged: if (activeFocus) message.showRow(parent)
                    }
                }
            }
        }
    }

    // What went wrong with the last take, above the answers.
    Text {
        id: voiceLine
        objectName: "voiceMessage"
        anchors.bottom: answers.top
        anchors.bottomMargin: message.voicing ? parent.height / 40 : 0
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width * 9 / 10
        height: message.voicing ? message.height / 14 : 0
        visible: message.voicing
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: message.recorder && message.recorder.message !== "" ? message.recorder.message
              : message.voices ? message.voices.message : ""
        color: Theme.warningText
        font.pixelSize: Theme.fontSize(height * 0.7)
        fontSizeMode: Text.Fit
        minimumPixelSize: 1
        wrapMode: Text.WordWrap
        Accessible.role: Accessible.StaticText
        Accessible.name: voiceLine.text
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
            Keys.onUpPressed: {
                if (message.voicing)
                    message.focusRow(voicedRows.count - 1, 0)
                else
                    text.flick(0, message.height * 2)
            }
            Keys.onDownPressed: text.flick(0, -message.height * 2)
            onClicked: message.accepted()
        }
    }
}
