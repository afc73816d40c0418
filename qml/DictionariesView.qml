import QtQuick 2.15
import "components"

// Page 4: move dictionaries between the available ones and those in use.
Page {
    id: dictionariesView

    signal qmlAddListSignal(int index)
    signal qmlRemoveListSignal(int index)
    signal qmlCancelSignal()
    signal qmlSaveSignal()

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    Connections {
        target: qtMainWindow
        function onChosenListIndexToZero() { chosList.highlightIndex = 0 }
        function onDictionaryListIndexToZero() { dictList.highlightIndex = 0 }
    }

    Column {
        id: column
        anchors.centerIn: parent
        width: dictionariesView.width
        height: dictionariesView.height * 9 / 10

        Item {
            width: column.width
            height: column.height / 10

            Row {
                id: titles
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width * 9 / 10
                height: parent.height

                Item {
                    width: titles.width * 2 / 5
                    height: titles.height
                    Text {
                        anchors.centerIn: parent
                        text: qsTr("Available dictionaries")
                        font.pixelSize: Theme.fontSize(titles.height * 3 / 4)
                    }
                }
                Item {
                    width: titles.width / 5
                    height: titles.height
                }
                Item {
                    width: titles.width * 2 / 5
                    height: titles.height
                    Text {
                        anchors.centerIn: parent
                        text: qsTr("Dictionaries in use")
                        font.pixelSize: Theme.fontSize(titles.height * 3 / 4)
                    }
                }
            }
        }

        Item {
            width: column.width
            height: column.height * 7 / 10

            Row {
                id: lists
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width * 9 / 10
                height: parent.height

                Rectangle {
                    id: leftCell
                    width: lists.width * 2 / 5
                    height: lists.height
                    color: "white"
                    radius: 20

                    ChosenList {
                        id: dictList
                        objectName: "dictList"
                        model: dictListModel
                        width: leftCell.width - leftCell.width / 20
                        height: leftCell.height - leftCell.height / 20
                        delegateHeight: leftCell.height / 6
                    }
                }

                Item {
                    id: middleCell
                    width: lists.width / 5
                    height: lists.height

                    Column {
                        id: arrows
                        anchors.centerIn: parent
                        width: middleCell.width * 4 / 5
                        height: middleCell.height / 2
                        spacing: height / 20

                        PushButton {
                            objectName: "addButton"
                            width: arrows.width
                            height: arrows.height / 2 - arrows.height / 10
                            buttonImage: "../images/whitearrow.png"
                            buttonImageRotation: 270
                            onClicked: dictionariesView.qmlAddListSignal(dictList.highlightIndex)
                        }
                        PushButton {
                            objectName: "removeButton"
                            width: arrows.width
                            height: arrows.height / 2 - arrows.height / 10
                            buttonImage: "../images/whitearrow.png"
                            buttonImageRotation: 90
                            onClicked: dictionariesView.qmlRemoveListSignal(chosList.highlightIndex)
                        }
                    }
                }

                Rectangle {
                    id: rightCell
                    width: lists.width * 2 / 5
                    height: lists.height
                    color: "white"
                    radius: 20

                    ChosenList {
                        id: chosList
                        objectName: "chosList"
                        model: chosenDictListModel
                        width: rightCell.width - rightCell.width / 20
                        height: rightCell.height - rightCell.height / 20
                        delegateHeight: rightCell.height / 6
                    }
                }
            }
        }

        Item {
            width: column.width
            height: column.height / 5

            Row {
                id: bar
                anchors.centerIn: parent
                width: parent.width * 19 / 20
                height: parent.height * 3 / 4
                spacing: width / 10

                PushButton {
                    objectName: "cancelButton"
                    buttonWidth: bar.width / 2 - bar.width / 10
                    buttonHeigth: bar.height
                    buttonText: qsTr("Cancel")
                    onClicked: dictionariesView.qmlCancelSignal()
                }
                PushButton {
                    objectName: "saveButton"
                    buttonWidth: bar.width / 2
                    buttonHeigth: bar.height
                    buttonText: qsTr("Save and Exit")
                    onClicked: dictionariesView.qmlSaveSignal()
                }
            }
        }
    }
}
