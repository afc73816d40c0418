import QtQuick 2.15
import ".."
import "."

// The end panel both games slide down over their page: on the left the
// outcome, the score, the answer line and "Back to Main"; on the right the
// top-ten list. It takes every tap over the whole page, so nothing under it
// reacts. Each game's panel sets what it shows from its own game.
Page {
    id: panel

    // "Game Over!" or "Success!".
    property string text
    // After a wrong pick the answer line shows the right pair; after a
    // completed game it is blank.
    property bool failed: true
    property int score: 0
    property string answerPicture
    property string answerWord
    property var records: typeof topList !== "undefined" && topList ? topList : []

    // Its "Back to Main" button; the view turns it into its qmlGameOverSignal().
    signal backToMainClicked()

    MouseArea {
        objectName: "tapCatcher"
        anchors.fill: parent
    }

    Item {
        id: leftHalf
        width: panel.width / 2
        height: panel.height

        Item {
            id: column1
            anchors.fill: parent
            anchors.leftMargin: leftHalf.height / 20
            anchors.rightMargin: leftHalf.height / 20

            Column {
                spacing: 20

                Text {
                    objectName: "endText"
                    width: column1.width
                    height: column1.height / 10
                    text: panel.text
                    color: Theme.textColor
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: Theme.fontSize(height / 5 * 4)
                }

                Text {
                    objectName: "endScoreText"
                    width: column1.width
                    height: column1.height / 10
                    text: qsTr("Score: ") + panel.score
                    color: Theme.textColor
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: Theme.fontSize(height / 5 * 4)
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
                            iconPath: panel.answerPicture
                            state: panel.failed ? 1 : 2
                        }

                        Item {
                            width: answerLine.width * 2 / 10
                            height: answerLine.height

                            Text {
                                objectName: "answerEquals"
                                anchors.centerIn: parent
                                text: panel.failed ? "=" : ""
                                color: Theme.textColor
                                font.pixelSize: 60
                            }
                        }

                        Label {
                            objectName: "answerLabel"
                            enabled: false
                            width: answerLine.width * 4 / 10
                            height: answerLine.height
                            text: panel.answerWord
                            state: panel.failed ? 1 : 2
                        }
                    }
                }
            }

            Item {
                anchors.bottom: parent.bottom
                anchors.bottomMargin: column1.height / 20
                width: column1.width
                height: column1.height / 10

                PushButton {
                    objectName: "backToMainButton"
                    buttonText: qsTr("Back to Main")
                    buttonWidth: parent.width
                    buttonHeigth: parent.height
                    onClicked: panel.backToMainClicked()
                }
            }
        }
    }

    Item {
        id: rightHalf
        x: panel.width / 2
        width: panel.width / 2
        height: panel.height

        TopTenList {
            objectName: "topListView"
            anchors.fill: parent
            anchors.leftMargin: rightHalf.height / 20
            anchors.rightMargin: rightHalf.height / 20
            trailingRoom: rightHalf.height / 20
            records: panel.records
        }
    }
}
