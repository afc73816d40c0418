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

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    // Where the keyboard starts each time the menu is shown. Escape does
    // nothing here, so a child cannot quit by accident.
    property Item firstFocus: continueButton.enabled ? continueButton : newGameButton

    Connections {
        target: qtMainWindow
        function onEnableContinueButtonSignal(enable) { continueButton.enabled = enable }
    }

    Column {
        id: menu
        objectName: "menu"
        width: mainView.width / 2
        height: mainView.height
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        spacing: mainView.height / 60

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
            KeyNavigation.down: settingsButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Dictionaries")
            onClicked: mainView.qmlDictionariesSignal()
        }
        PushButton {
            id: settingsButton
            objectName: "settingsButton"
            KeyNavigation.up: dictionariesButton
            KeyNavigation.down: exitButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Settings")
            onClicked: mainView.qmlSettingsSignal()
        }
        PushButton {
            id: exitButton
            objectName: "exitButton"
            KeyNavigation.up: settingsButton
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Exit")
            onClicked: mainView.qmlExitSignal()
        }
    }
}
