import QtQuick 2.15

// The Word Game's end panel: the result, the score, the right answer after a
// wrong pick, and the top-ten list. It catches every tap, so nothing under it
// reacts. The window may publish no game and empty or unset lists.
Rectangle {
    id: container

    property string text
    property bool failed: true

    // Its "Back to Main" button; the view turns it into its qmlGameOverSignal().
    signal backToMainClicked()

    readonly property QtObject game: typeof qtWordGame !== "undefined" ? qtWordGame : null
    readonly property var records: typeof topList !== "undefined" && topList ? topList : []

    gradient: Gradient {
        GradientStop { position: 0.0; color: "#00ffe2" }
        GradientStop { position: 1.0; color: "#0084ff" }
    }

    Item {
        id: leftHalf
        width: container.width / 2
        height: container.height

        Item {
            id: column1
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: leftHalf.height / 20
            anchors.rightMargin: leftHalf.height / 20
            height: parent.height

            Column {
                spacing: 20

                Text {
                    objectName: "endText"
                    width: column1.width
                    height: column1.height / 10
                    text: container.text
                    color: "black"
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: Math.max(1, height / 5 * 4)
                }

                Text {
                    objectName: "endScoreText"
                    width: column1.width
                    height: column1.height / 10
                    text: "Score: " + (container.game ? container.game.score : 0)
                    color: "black"
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: Math.max(1, height / 5 * 4)
                }

                // After a wrong pick: the right picture, "=", its word.
                Item {
                    id: answerLine
                    width: column1.width
                    height: column1.height / 10

                    Row {
                        anchors.centerIn: parent

                        Icon {
                            objectName: "answerIcon"
                            enabled: false
                            width: answerLine.width * 4 / 10
                            height: answerLine.height
                            iconPath: container.game ? container.game.imagePath : ""
                            state: container.failed ? 1 : 2
                        }

                        Item {
                            width: answerLine.width * 2 / 10
                            height: answerLine.height

                            Text {
                                objectName: "answerEquals"
                                anchors.centerIn: parent
                                text: container.failed ? "=" : ""
                                color: "black"
                                font.pixelSize: 60
                            }
                        }

                        Label {
                            objectName: "answerLabel"
                            enabled: false
                            width: answerLine.width * 4 / 10
                            height: answerLine.height
                            text: container.game ? container.game.word : ""
                            state: container.failed ? 1 : 2
                        }
                    }
                }
            }

            Item {
                anchors.bottom: parent.bottom
                anchors.bottomMargin: column1.height / 20
                width: column1.width
                height: column1.height / 10
                z: 2

                PushButton {
                    objectName: "backToMainButton"
                    buttonText: "Back to Main"
                    buttonWidth: parent.width
                    buttonHeigth: parent.height
                    onClicked: container.backToMainClicked()
                }
            }

            MouseArea {
                objectName: "leftTapCatcher"
                anchors.fill: parent
                z: 1
            }
        }
    }

    Item {
        id: rightHalf
        x: container.width / 2
        width: container.width / 2
        height: container.height

        Item {
            id: column2
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: rightHalf.height / 20
            anchors.rightMargin: rightHalf.height / 20
            height: parent.height

            ListView {
                objectName: "topListView"
                anchors.fill: parent
                model: container.records

                delegate: Row {
                    objectName: "topRow" + index

                    Text {
                        objectName: "topPlace" + index
                        width: column2.width / 5
                        height: column2.height / 10
                        text: (index + 1) + "."
                        font.pixelSize: Math.max(1, column2.height / 12)
                    }
                    Text {
                        objectName: "topPlayer" + index
                        width: column2.width / 10 * 7
                        text: modelData ? modelData.player : ""
                        // Player names are typed by anyone: never markup.
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        font.pixelSize: Math.max(1, column2.height / 12)
                    }
                    Text {
                        objectName: "topScore" + index
                        width: column2.width / 10
                        text: modelData ? modelData.score : ""
                        font.pixelSize: Math.max(1, column2.height / 12)
                    }
                }
            }

            MouseArea {
                objectName: "rightTapCatcher"
                anchors.fill: parent
                z: 1
            }
        }
    }
}
