import QtQuick 2.15
import "components"

// The main menu: the owl over the five menu buttons.
Page {
    id: mainView

    signal qmlExitSignal()
    signal qmlNewGameSignal()
    signal qmlContinueSignal()
    signal qmlDictionariesSignal()
    signal qmlSettingsSignal()
    signal qmlPlayersSignal()

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    // Where the keyboard starts each time the menu is shown. Escape does
    // nothing here, so a child cannot quit by accident.
    property Item firstFocus: continueButton.enabled ? continueButton : newGameButton

    // With the parent lock on, the adult pages (and Exit while a game is
    // open) wait for a grown-up's step; without it they open at once.
    readonly property bool locked: typeof qtSettings !== "undefined" && qtSettings.parentLock
    // The administrator's lock (vocalune.conf) takes the Settings button away.
    readonly property bool settingsShown: typeof qtSettings === "undefined" || !qtSettings.systemLocked
    function guarded(action) {
        if (!locked) {
            action()
            return
        }
        gate.active = true
        gate.item.open(action)
    }

    Connections {
        target: qtMainWindow
        function onEnableContinueButtonSignal(enable) { continueButton.enabled = enable }
    }

    // Who is playing, in the top-left corner clear of the menu and the owl:
    // a child finds their own picture; it opens "Who is playing?". Plain
    // items rather than a tile: the menu's first frame waits for each one.
    Rectangle {
        id: playerButton
        objectName: "playerButton"
        readonly property QtObject players: typeof qtPlayers !== "undefined" ? qtPlayers : null
        readonly property string accessibleName: Accessible.name
        x: mainView.height / 40
        y: mainView.height / 40
        // In the quarter left of the menu; in a tall window, less high than
        // the menu buttons so the name keeps half of it.
        width: Math.min(mainView.width / 4 - 2 * x, mainView.height / 2.2)
        height: Math.min(mainView.height / 6.9, width / 2)
        radius: height / 4
        color: Theme.tileFace
        border.width: Theme.tileBorderWidth
        border.color: Theme.tileBorder

        activeFocusOnTab: true
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        Keys.onSpacePressed: clicked()
        function clicked() { mainView.guarded(mainView.qmlPlayersSignal) }
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Who is playing? %1").arg(playerName.text)
        Accessible.onPressAction: clicked()
        KeyNavigation.down: continueButton.enabled ? continueButton : newGameButton
        KeyNavigation.right: continueButton.enabled ? continueButton : newGameButton

        // The menu's own owl until a player chooses an animal: the same
        // picture as the owl above, so the first frame decodes nothing more.
        // An animal comes through the picture provider, which trims its
        // clear border as on every tile.
        Item {
            id: playerPicture
            readonly property string picture: playerButton.players ? playerButton.players.currentPicture : ""
            readonly property bool owl: picture === "" || picture === ":/images/oma_pollo.png"
            x: playerButton.height * 0.08
            anchors.verticalCenter: parent.verticalCenter
            width: playerButton.height * 0.84
            height: width

            Image {
                anchors.fill: parent
                visible: playerPicture.owl
                source: visible ? "../images/oma_pollo.png" : ""
                fillMode: Image.PreserveAspectFit
                smooth: true
            }
            Image {
                anchors.fill: parent
                visible: !playerPicture.owl
                source: !visible ? ""
                      : playerPicture.picture.indexOf(":/") === 0
                        ? "image://vocalune/" + playerPicture.picture.substring(2) + "?alone" : playerPicture.picture
                sourceSize.width: Math.ceil(width)
                sourceSize.height: Math.ceil(height)
                asynchronous: true
                fillMode: Image.PreserveAspectFit
                smooth: true
            }
        }
        Text {
            id: playerName
            anchors.left: playerPicture.right
            anchors.leftMargin: playerButton.height * 0.08
            anchors.right: parent.right
            anchors.rightMargin: playerButton.radius / 2
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: playerButton.players ? playerButton.players.currentName : ""
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 0.3)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }
        MouseArea {
            anchors.fill: parent
            onClicked: playerButton.clicked()
        }
        FocusRing {}
    }

    Column {
        id: menu
        objectName: "menu"
        width: mainView.width / 2
        height: mainView.height
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        spacing: mainView.height / 60
        // Four buttons stand where the five would, in the middle of their room.
        topPadding: mainView.settingsShown ? 0 : (mainView.height / 6.9 + spacing) / 2

        Item {
            width: menu.width
            height: mainView.height / 6.9
            z: 2

            Image {
                objectName: "owl"
                source: "../images/oma_pollo.png"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: parent.top
                height: parent.height + mainView.height / 15
                fillMode: Image.PreserveAspectFit
                smooth: true
            }
        }

        PushButton {
            id: continueButton
            objectName: "continueButton"
            KeyNavigation.left: playerButton
            KeyNavigation.down: newGameButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Continue")
            enabled: false
            onClicked: mainView.qmlContinueSignal()
        }
        PushButton {
            id: newGameButton
            objectName: "newGameButton"
            KeyNavigation.left: playerButton
            KeyNavigation.up: continueButton
            KeyNavigation.down: dictionariesButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("New Game")
            onClicked: mainView.qmlNewGameSignal()
        }
        PushButton {
            id: dictionariesButton
            objectName: "dictionariesButton"
            KeyNavigation.up: newGameButton
            KeyNavigation.down: settingsButton.visible ? settingsButton : exitButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Dictionaries")
            onClicked: mainView.guarded(mainView.qmlDictionariesSignal)
        }
        PushButton {
            id: settingsButton
            objectName: "settingsButton"
            KeyNavigation.up: dictionariesButton
            KeyNavigation.down: exitButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Settings")
            visible: mainView.settingsShown
            onClicked: mainView.guarded(mainView.qmlSettingsSignal)
        }
        PushButton {
            id: exitButton
            objectName: "exitButton"
            KeyNavigation.up: settingsButton.visible ? settingsButton : dictionariesButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Exit")
            // A game in progress is not ended by a child's stray tap.
            onClicked: continueButton.enabled ? mainView.guarded(mainView.qmlExitSignal) : mainView.qmlExitSignal()
        }
    }

    // Made (and its file compiled) the first time it is needed: the menu's
    // first frame does not wait for it.
    Loader {
        id: gate
        anchors.fill: parent
        z: 10
        active: false
        source: "components/ParentGate.qml"
    }
    Connections {
        target: gate.item
        function onClosed() { mainView.firstFocus.forceActiveFocus() }
    }
}
