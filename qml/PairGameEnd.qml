import QtQuick 2.15

// The Pair Game's end panel: the outcome, the score, the failed pair and the
// top-ten list.
Rectangle {
    id: container

    property string text
    property int failednumber
    property bool failedlist
    property bool failed: true

    signal backToMainClicked()

    // The item of the failed pair that was selected first; it shows both its
    // own picture and its own word.
    readonly property var answerItem: {
        var list = failedlist ? (typeof imageList === "undefined" ? null : imageList)
                              : (typeof wordList === "undefined" ? null : wordList)
        if (!list || failednumber < 0 || failednumber >= list.length)
            return null
        return list[failednumber]
    }

    gradient: Gradient {
        GradientStop { position: 0.0; color: "#00ffe2" }
        GradientStop { position: 1.0; color: "#0084ff" }
    }

    // The gaps between the two boxes must not let taps through either.
    MouseArea {
        anchors.fill: parent
    }

    Row {
        anchors.fill: parent

        Item {
            id: leftHalf
            width: container.width / 2
            height: container.height

            Item {
                id: column1
                anchors.fill: parent
                anchors.leftMargin: leftHalf.height / 20
                anchors.rightMargin: leftHalf.height / 20

                Column {
                    spacing: 20

                    Item {
                        width: column1.width
                        height: column1.height / 10
                        Text {
                            objectName: "endText"
                            anchors.centerIn: parent
                            text: container.text
                            color: "black"
                            font.pixelSize: Math.max(1, parent.height / 5 * 4)
                        }
                    }

                    Item {
                        width: column1.width
                        height: column1.height / 10
                        Text {
                            objectName: "endScoreText"
                            anchors.centerIn: parent
                            text: "Score: " + (typeof qtPairGame !== "undefined" && qtPairGame ? qtPairGame.score : 0)
                            color: "black"
                            font.pixelSize: Math.max(1, parent.height / 5 * 4)
                        }
                    }

                    Item {
                        id: answerLine
                        width: column1.width
                        height: column1.height / 10

                        Row {
                            anchors.centerIn: parent

                            Icon {
                                objectName: "answerIcon"
                                enabled: false
                                height: answerLine.height
                                width: answerLine.width * 4 / 10
                                iconPath: container.answerItem ? container.answerItem.imagePath : ""
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
                                height: answerLine.height
                                width: answerLine.width * 4 / 10
                                text: container.answerItem ? container.answerItem.word : ""
                                state: container.failed ? 1 : 2
                            }
                        }
                    }
                }

                Item {
                    anchors.bottom: column1.bottom
                    anchors.bottomMargin: column1.height / 20
                    width: column1.width
                    height: column1.height / 10
                    z: 2

                    PushButton {
                        objectName: "backToMainButton"
                        buttonText: "Back to Main"
                        buttonHeigth: parent.height
                        buttonWidth: parent.width
                        onClicked: container.backToMainClicked()
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    z: 1
                }
            }
        }

        Item {
            id: rightHalf
            width: container.width / 2
            height: container.height

            Item {
                id: column2
                anchors.fill: parent
                anchors.leftMargin: rightHalf.height / 10
                anchors.rightMargin: rightHalf.height / 10

                ListView {
                    objectName: "topListView"
                    anchors.fill: parent
                    model: typeof topList !== "undefined" && topList ? topList : []
                    delegate: Row {
                        Text {
                            width: column2.width / 10
                            height: column2.height / 10
                            text: (index + 1) + "."
                            font.pixelSize: Math.max(1, column2.height / 12)
                        }
                        Text {
                            width: column2.width / 10 * 7
                            text: modelData.player
                            // A name is whatever the player typed: never markup.
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            font.pixelSize: Math.max(1, column2.height / 12)
                        }
                        Text {
                            width: column2.width / 10
                            text: modelData.score
                            font.pixelSize: Math.max(1, column2.height / 12)
                        }
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    z: 1
                }
            }
        }
    }
}
