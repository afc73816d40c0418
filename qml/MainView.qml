import QtQuick 2.15
import "components"

// Page 0: the owl over the five menu buttons.
Page {
    id: mainView

    signal qmlExitSignal()
    signal qmlNewGameSignal()
    signal qmlContinueSignal()
    signal qmlDictionariesSignal()
    signal qmlSettingsSignal()

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

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
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Continue")
            enabled: false
            onClicked: mainView.qmlContinueSignal()
        }
        PushButton {
            objectName: "newGameButton"
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("New Game")
            onClicked: mainView.qmlNewGameSignal()
        }
        PushButton {
            objectName: "dictionariesButton"
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Dictionaries")
            onClicked: mainView.qmlDictionariesSignal()
        }
        PushButton {
            objectName: "settingsButton"
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Settings")
            onClicked: mainView.qmlSettingsSignal()
        }
        PushButton {
            objectName: "exitButton"
            width: menu.width
            height: mainView.height / 6.9
            buttonText: qsTr("Exit")
            onClicked: mainView.qmlExitSignal()
        }
    }
}
