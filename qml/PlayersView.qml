import QtQuick 2.15
import "components"
import "dictionaries"

// "Who is playing?": a big picture tile for each player, so that a child who
// cannot read yet finds their own animal. A tap chooses who plays; the
// buttons along the bottom act on the chosen player.
Page {
    id: playersView
    objectName: "playersView"

    signal qmlBackSignal()
    signal qmlProgressSignal(int player)

    readonly property QtObject players: typeof qtPlayers !== "undefined" ? qtPlayers : null
    readonly property var list: players ? players.list : []
    readonly property int current: players ? players.currentId : -1
    // The administrator's lock (vocalune.conf): players are chosen, never edited.
    readonly property bool editable: players !== null && !players.systemLocked
    // The player the editor renames; -1 while it makes a new one.
    property int editing: -1
    property Item firstFocus: grid

    function goBack() {
        if (players)
            players.noticeSeen()
        qmlBackSignal()
    }
    function openEditor(id, name, picture) {
        editing = id
        nameField.text = name
        editor.picture = picture
        editor.visible = true
        nameField.forceActiveFocus()
    }
    function closePanels() {
        editor.visible = false
        confirmRemove.visible = false
        grid.forceActiveFocus()
    }

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    // Escape closes an open card first, then leaves the page.
    Keys.onEscapePressed: editor.visible || confirmRemove.visible ? closePanels() : goBack()

    Item {
        id: header
        width: playersView.width
        height: playersView.height / 7

        Text {
            objectName: "playersTitle"
            x: playersView.height / 20
            width: playersView.width / 2
            height: header.height
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Who is playing?")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(header.height * 3 / 5)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }

        PushButton {
            objectName: "backButton"
            anchors.right: parent.right
            anchors.rightMargin: playersView.height / 20
            anchors.verticalCenter: parent.verticalCenter
            width: playersView.width / 4
            height: header.height * 3 / 4
            buttonText: qsTr("Back")
            onClicked: playersView.goBack()
        }
    }

    Text {
        id: notice
        objectName: "playersNotice"
        anchors.top: header.bottom
        x: playersView.height / 20
        width: playersView.width - 2 * x
        height: text === "" ? 0 : playersView.height / 14
        text: players ? players.notice : ""
        color: Theme.warningText
        font.pixelSize: Theme.fontSize(playersView.height / 28)
        fontSizeMode: Text.Fit
        minimumPixelSize: 1
        wrapMode: Text.WordWrap
        verticalAlignment: Text.AlignVCenter
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    GridView {
        id: grid
        objectName: "playerGrid"
        readonly property int columns: Math.max(3, Math.floor(width / (playersView.height / 3.4)))

        anchors.top: notice.bottom
        anchors.bottom: actions.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: playersView.height / 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        cellWidth: width / columns
        cellHeight: cellWidth * 1.25
        model: playersView.list
        activeFocusOnTab: true
        keyNavigationEnabled: true
        currentIndex: {
            for (var i = 0; i < playersView.list.length; ++i) {
                if (playersView.list[i].id === playersView.current)
                    return i
            }
            return 0
        }
        KeyNavigation.down: newButton.visible ? newButton : progressButton
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Who is playing?")

        delegate: Item {
            id: cell
            objectName: "playerCell" + index
            width: grid.cellWidth
            height: grid.cellHeight

            Icon {
                id: tile
                objectName: "playerTile" + index
                anchors.horizontalCenter: parent.horizontalCenter
                y: cell.width * 0.05
                width: cell.width * 0.86
                height: width
                iconPath: modelData.picture
                decodeAhead: false
                chosen: modelData.id === playersView.current
                accessibleName: modelData.name
                activeFocusOnTab: false
                focus: cell.GridView.isCurrentItem
                onIconClickedSignal: playersView.players.choose(modelData.id)
            }
            // The name, and beneath it the words learned once counted.
            Column {
                anchors.top: tile.bottom
                anchors.topMargin: cell.height * 0.02
                anchors.horizontalCenter: parent.horizontalCenter
                width: cell.width * 0.94
                Repeater {
                    model: [modelData.name,
                             modelData.learned >= 0 ? qsTr("Words learned: %1").arg(modelData.learned) : ""]
                    Text {
                        width: parent.width
                        height: cell.height * 0.1
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        text: modelData
                        color: Theme.textColor
                        font.pixelSize: Theme.fontSize(height * 0.8)
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 1
                    }
                }
            }
        }
    }

    // The chosen player's buttons, and a new player.
    Row {
        id: actions
        objectName: "playerActions"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: playersView.height / 40
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: playersView.width / 60
        readonly property real buttonWidth: (playersView.width * 0.94 - 3 * spacing) / 4
        readonly property real buttonHeight: playersView.height / 8
        readonly property bool memory: playersView.players !== null && playersView.players.available

        PushButton {
            id: newButton
            objectName: "newPlayerButton"
            width: actions.buttonWidth
            height: actions.buttonHeight
            buttonText: qsTr("New player")
            visible: playersView.editable
            enabled: playersView.players !== null && playersView.players.canAdd
            KeyNavigation.right: progressButton
            KeyNavigation.up: grid
            onClicked: playersView.openEditor(-1, "", playersView.players.pictureChoices()[1] || "")
        }
        PushButton {
            id: progressButton
            objectName: "progressButton"
            width: actions.buttonWidth
            height: actions.buttonHeight
            buttonText: qsTr("Progress")
            enabled: actions.memory
            KeyNavigation.right: renameButton.visible ? renameButton : null
            KeyNavigation.up: grid
            onClicked: playersView.qmlProgressSignal(playersView.current)
        }
        PushButton {
            id: renameButton
            objectName: "renameButton"
            width: actions.buttonWidth
            height: actions.buttonHeight
            buttonText: qsTr("Rename")
            visible: playersView.editable
            enabled: actions.memory
            KeyNavigation.right: removeButton
            KeyNavigation.up: grid
            onClicked: playersView.openEditor(playersView.current, playersView.players.currentName,
                                              playersView.players.currentPicture)
        }
        PushButton {
            id: removeButton
            objectName: "removePlayerButton"
            width: actions.buttonWidth
            height: actions.buttonHeight
            buttonText: qsTr("Remove")
            visible: playersView.editable
            enabled: actions.memory && playersView.list.length > 1
            KeyNavigation.up: grid
            onClicked: confirmRemove.visible = true
        }
    }

    // A new player's or a renamed player's name and picture.
    PagePanel {
        id: editor
        objectName: "playerEditor"
        property string picture
        cardWidth: playersView.width * 9 / 10
        cardHeight: playersView.height * 9 / 10

        function accept() {
            var name = nameField.text.trim()
            if (name === "" || !playersView.players)
                return
            if (playersView.editing < 0) {
                playersView.players.add(name, editor.picture)
            } else {
                playersView.players.rename(playersView.editing, name)
                playersView.players.setPicture(playersView.editing, editor.picture)
            }
            playersView.closePanels()
        }

        Text {
            id: nameLabel
            x: parent.width / 20
            y: parent.height / 30
            height: parent.height / 9
            width: parent.width * 0.25
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Name:")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 0.6)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }
        Rectangle {
            id: nameBox
            anchors.left: nameLabel.right
            anchors.right: parent.right
            anchors.rightMargin: parent.width / 20
            anchors.verticalCenter: nameLabel.verticalCenter
            height: nameLabel.height
            radius: height / 4
            color: Theme.listFace
            border.width: 2
            border.color: nameField.activeFocus ? Theme.focusRingColor : Theme.tileBorder

            TextInput {
                id: nameField
                objectName: "nameField"
                anchors.fill: parent
                anchors.leftMargin: parent.radius
                anchors.rightMargin: parent.radius
                verticalAlignment: TextInput.AlignVCenter
                font.pixelSize: Theme.fontSize(parent.height * 0.6)
                color: Theme.textColor
                clip: true
                // Stops at the longest name, on a whole character.
                onTextChanged: {
                    if (playersView.players) {
                        var fitted = playersView.players.fitName(text)
                        if (fitted !== text)
                            text = fitted
                    }
                }
                Accessible.role: Accessible.EditableText
                Accessible.name: qsTr("Name:")
                KeyNavigation.down: pictures
                Keys.onReturnPressed: editor.accept()
                Keys.onEnterPressed: editor.accept()
                Keys.onEscapePressed: playersView.closePanels()
            }
        }

        GridView {
            id: pictures
            objectName: "pictureChoices"
            readonly property int columns: Math.max(4, Math.floor(width / (playersView.height / 6)))
            anchors.top: nameBox.bottom
            anchors.topMargin: parent.height / 40
            anchors.bottom: editorButtons.top
            anchors.bottomMargin: parent.height / 40
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: parent.width / 20
            anchors.rightMargin: parent.width / 20
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            cellWidth: width / columns
            cellHeight: cellWidth
            model: editor.visible && playersView.players ? playersView.players.pictureChoices() : []
            activeFocusOnTab: true
            keyNavigationEnabled: true
            KeyNavigation.up: nameField
            KeyNavigation.down: okButton
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Picture")

            delegate: Icon {
                objectName: "pictureChoice" + index
                width: pictures.cellWidth * 0.92
                height: width
                iconPath: modelData
                decodeAhead: false
                chosen: modelData === editor.picture
                // The animal's English name, as the picture book says it.
                accessibleName: index === 0 ? qsTr("Owl")
                                            : modelData.substring(modelData.lastIndexOf("/") + 1).replace(".png", "")
                activeFocusOnTab: false
                focus: GridView.isCurrentItem
                onIconClickedSignal: editor.picture = modelData
            }
        }

        Row {
            id: editorButtons
            anchors.bottom: parent.bottom
            anchors.bottomMargin: parent.height / 30
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: parent.width / 20

            PushButton {
                objectName: "editorCancelButton"
                width: editor.cardWidth * 3 / 10
                height: editor.cardHeight / 9
                buttonText: qsTr("Cancel")
                KeyNavigation.right: okButton
                KeyNavigation.up: pictures
                onClicked: playersView.closePanels()
            }
            PushButton {
                id: okButton
                objectName: "editorOkButton"
                width: editor.cardWidth * 3 / 10
                height: editor.cardHeight / 9
                buttonText: qsTr("OK")
                enabled: nameField.text.trim() !== ""
                KeyNavigation.up: pictures
                onClicked: editor.accept()
            }
        }
    }

    MessagePanel {
        id: confirmRemove
        objectName: "confirmRemovePlayer"
        cardHeight: playersView.height * 2 / 5
        lines: [qsTr("Remove %1?").arg(playersView.players ? playersView.players.currentName : ""),
                qsTr("Every word this player learned is forgotten.")]
        acceptText: qsTr("Remove")
        acceptName: "confirmRemovePlayerButton"
        rejectText: qsTr("Keep")
        rejectName: "confirmKeepPlayerButton"
        startOnReject: true
        onAccepted: {
            playersView.players.remove(playersView.current)
            playersView.closePanels()
        }
        onRejected: playersView.closePanels()
    }
}
