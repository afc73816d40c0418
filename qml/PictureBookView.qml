import QtQuick 2.15
import QtQuick.Window 2.15
import "components"

// The picture book. Every word of the chosen dictionaries as a
// picture with its word under it, in a grid that scrolls. Tapping a picture
// shows it large with its word and plays the recording; a tap beside the
// card closes it. Beside the picture the family records the word in its own
// voice. It keeps no score.
Page {
    id: bookView
    objectName: "pictureBookView"

    signal qmlBackSignal()

    // The model (roles imagePath, word, soundPath, dictionary); the window may publish none.
    readonly property QtObject book: typeof qtPictureBook !== "undefined" ? qtPictureBook : null
    readonly property QtObject recorder: typeof qtRecorder !== "undefined" ? qtRecorder : null
    // The row shown large, -1 while none is.
    property int openRow: -1
    property string openPicture
    property string openWord
    property string openDictionary

    // A child reaches the book: with the parent lock on, recording and
    // deleting a recording wait for a grown-up's step, which holds until
    // the book is left.
    readonly property bool locked: typeof qtSettings !== "undefined" && qtSettings !== null && qtSettings.parentLock
    property bool grownUp: false
    property Item focusBeforeGate: null
    function guarded(action) {
        if (!locked || grownUp) {
            action()
            return
        }
        focusBeforeGate = bookView.Window.activeFocusItem
        gate.active = true
        gate.item.open(function() {
            bookView.grownUp = true
            action()
        })
    }

    function open(row, picture, word, dictionary) {
        grid.currentIndex = row
        openPicture = picture
        openWord = word
        openDictionary = dictionary
        openRow = row
        if (book)
            book.play(row)
        // Looks for a microphone, so Record knows whether it can.
        if (recorder)
            recorder.open()
        closeUp.forceActiveFocus()
    }
    function close() {
        // A take of a word no longer shown is dropped.
        if (recorder && recorder.recording)
            recorder.cancel()
        openRow = -1
        grid.forceActiveFocus()
    }
    function goBack() {
        close()
        grownUp = false
        grid.positionViewAtBeginning()
        grid.currentIndex = 0
        qmlBackSignal()
    }

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    Component.onCompleted: grid.forceActiveFocus()
    Keys.onEscapePressed: goBack()

    // The title and Back along the top.
    Item {
        id: header
        width: bookView.width
        height: bookView.height / 7

        Text {
            objectName: "bookTitle"
            x: bookView.height / 20
            width: bookView.width / 2
            height: header.height
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Picture Book")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(header.height * 3 / 5)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }

        PushButton {
            id: backButton
            objectName: "backButton"
            anchors.right: parent.right
            anchors.rightMargin: bookView.height / 20
            anchors.verticalCenter: parent.verticalCenter
            width: bookView.width / 4
            height: header.height * 3 / 4
            buttonText: qsTr("Back")
            onClicked: bookView.goBack()
        }
    }

    GridView {
        id: grid
        objectName: "pictureGrid"
        // Pictures about a third of the page high, at least three to a row.
        readonly property int columns: Math.max(3, Math.floor(width / (bookView.height / 3.2)))

        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: bookView.height / 40
        anchors.rightMargin: bookView.height / 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        cellWidth: width / columns
        cellHeight: cellWidth * 1.2
        model: bookView.book
        activeFocusOnTab: true
        keyNavigationEnabled: true
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Picture Book")

        delegate: Item {
            id: cell
            objectName: "bookCell" + index
            width: grid.cellWidth
            height: grid.cellHeight

            Icon {
                id: picture
                objectName: "bookPicture" + index
                anchors.horizontalCenter: parent.horizontalCenter
                y: cell.width * 0.05
                width: cell.width * 0.9
                height: cell.width * 0.9
                iconPath: model.imagePath
                // Here the word is no secret: the book is for learning it.
                accessibleName: model.word
                // The grid moves the keyboard between pictures with the arrows.
                activeFocusOnTab: false
                focus: cell.GridView.isCurrentItem
                onIconClickedSignal: bookView.open(index, model.imagePath, model.word, model.dictionary)
            }

            Text {
                objectName: "bookWord" + index
                anchors.top: picture.bottom
                anchors.bottom: parent.bottom
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.leftMargin: cell.width * 0.05
                anchors.rightMargin: cell.width * 0.05
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: model.word
                textFormat: Text.PlainText
                color: Theme.textColor
                font.pixelSize: Theme.wordFontSize(width, height * 0.8)
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 1
            }
        }
    }

    // The opened picture, large, with its word, and the buttons for the
    // family's own voice beside it (below it in a tall window). A tap beside
    // the card or on the picture (or Enter, Space, Escape on it) closes it;
    // Tab and the arrows reach the buttons.
    Rectangle {
        id: closeUp
        objectName: "closeUp"
        anchors.fill: parent
        z: 5
        visible: bookView.openRow >= 0
        color: Qt.rgba(0, 0, 0, 0.55)

        Keys.onPressed: {
            if (event.key === Qt.Key_Escape || (closeUp.activeFocus && (event.key === Qt.Key_Return
                    || event.key === Qt.Key_Enter || event.key === Qt.Key_Space))) {
                bookView.close()
                event.accepted = true
            }
        }
        KeyNavigation.tab: voiceButtons.firstButton
        KeyNavigation.backtab: voiceButtons.lastButton
        KeyNavigation.down: voiceButtons.firstButton
        KeyNavigation.right: voiceButtons.firstButton
        Accessible.role: Accessible.Button
        Accessible.name: bookView.openWord
        Accessible.onPressAction: bookView.close()

        MouseArea {
            objectName: "closeUpArea"
            anchors.fill: parent
            onClicked: bookView.close()
        }

        Rectangle {
            id: card
            objectName: "closeUpCard"
            readonly property bool wide: bookView.width >= bookView.height
            // The picture's side: the picture and its word fill a column of
            // the card that wide, the voice buttons the rest.
            readonly property real side: wide ? Math.min(bookView.height * 0.72, bookView.width * 0.9 / 1.75)
                                              : Math.min(bookView.width * 0.9, bookView.height * 0.92 / 1.6)
            anchors.centerIn: parent
            width: wide ? side * 1.75 : side
            height: wide ? side * 1.25 : side * 1.6
            radius: side / 10
            color: Theme.tileFace
            border.width: Theme.tileBorderWidth
            border.color: Theme.tileBorder

            Icon {
                objectName: "closeUpPicture"
                enabled: false
                decodeAhead: false
                x: card.side * 0.05
                y: card.side * 0.05
                width: card.side * 0.9
                height: card.side * 0.9
                border.width: 0
                iconPath: bookView.openPicture
            }

            Text {
                objectName: "closeUpWord"
                y: card.side
                x: card.side * 0.05
                width: card.side * 0.9
                height: card.side * 0.2
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: bookView.openWord
                textFormat: Text.PlainText
                color: Theme.textColor
                font.pixelSize: Theme.wordFontSize(width, height * 0.8)
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 1
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            Item {
                id: voiceArea
                x: card.wide ? card.side * 0.95 : card.side * 0.05
                y: card.wide ? card.side * 0.08 : card.side * 1.22
                width: card.wide ? card.side * 0.7 : card.side * 0.9
                height: card.wide ? card.side * 1.09 : card.side * 0.33

                // A tap that misses a button closes nothing: a take may be running.
                MouseArea {
                    anchors.fill: parent
                }

                VoiceButtons {
                    id: voiceButtons
                    objectName: "closeUpVoice"
                    width: voiceArea.width
                    height: voiceArea.height * (card.wide ? 0.62 : 0.55)
                    vertical: card.wide
                    dictionary: bookView.openDictionary
                    word: bookView.openWord
                    guard: bookView.guarded
                    before: closeUp
                    after: closeUp
                    onUpPressed: closeUp.forceActiveFocus()
                    onDownPressed: if (!card.wide) closeUp.forceActiveFocus()
                }

                // What went wrong with the last take, or with going back to the built-in voice.
                Text {
                    objectName: "voiceMessage"
                    anchors.top: voiceButtons.bottom
                    anchors.topMargin: voiceArea.height / 20
                    anchors.bottom: parent.bottom
                    width: voiceArea.width
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignTop
                    text: bookView.recorder && bookView.recorder.message !== "" ? bookView.recorder.message
                          : voiceButtons.voices ? voiceButtons.voices.message : ""
                    color: Theme.warningText
                    wrapMode: Text.WordWrap
                    font.pixelSize: Theme.fontSize(card.side / 16)
                    fontSizeMode: Text.Fit
                    minimumPixelSize: 1
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }
    }

    // Made (and its file compiled) the first time it is needed.
    Loader {
        id: gate
        anchors.fill: parent
        z: 10
        active: false
        source: "components/ParentGate.qml"
    }
    Connections {
        target: gate.item
        function onClosed() {
            if (bookView.focusBeforeGate && bookView.openRow >= 0)
                bookView.focusBeforeGate.forceActiveFocus()
            else
                closeUp.forceActiveFocus()
        }
    }
}
