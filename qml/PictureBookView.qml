import QtQuick 2.15
import "components"

// The picture book. Every word of the chosen dictionaries as a
// picture with its word under it, in a grid that scrolls. Tapping a picture
// shows it large with its word and plays the recording; a tap anywhere
// closes it. It keeps no score.
Page {
    id: bookView
    objectName: "pictureBookView"

    signal qmlBackSignal()

    // The model (roles imagePath, word, soundPath); the window may publish none.
    readonly property QtObject book: typeof qtPictureBook !== "undefined" ? qtPictureBook : null
    // The row shown large, -1 while none is.
    property int openRow: -1
    property string openPicture
    property string openWord

    function open(row, picture, word) {
        grid.currentIndex = row
        openPicture = picture
        openWord = word
        openRow = row
        if (book)
            book.play(row)
        closeUp.forceActiveFocus()
    }
    function close() {
        openRow = -1
        grid.forceActiveFocus()
    }
    function goBack() {
        close()
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
                onIconClickedSignal: bookView.open(index, model.imagePath, model.word)
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

    // The opened picture, large, with its word. A tap anywhere (or Enter,
    // Space, Escape) closes it.
    Rectangle {
        id: closeUp
        objectName: "closeUp"
        anchors.fill: parent
        z: 5
        visible: bookView.openRow >= 0
        color: Qt.rgba(0, 0, 0, 0.55)

        Keys.onPressed: {
            if (event.key === Qt.Key_Escape || event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                    || event.key === Qt.Key_Space) {
                bookView.close()
                event.accepted = true
            }
        }
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
            anchors.centerIn: parent
            width: Math.min(bookView.width * 0.8, bookView.height * 0.9 * 0.8)
            height: width * 1.25
            radius: width / 10
            color: Theme.tileFace
            border.width: Theme.tileBorderWidth
            border.color: Theme.tileBorder

            Icon {
                objectName: "closeUpPicture"
                enabled: false
                decodeAhead: false
                anchors.horizontalCenter: parent.horizontalCenter
                y: card.width * 0.05
                width: card.width * 0.9
                height: card.width * 0.9
                border.width: 0
                iconPath: bookView.openPicture
            }

            Text {
                objectName: "closeUpWord"
                y: card.width
                x: card.width * 0.05
                width: card.width * 0.9
                height: card.height - card.width - card.width * 0.05
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
        }
    }
}
