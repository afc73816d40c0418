import QtQuick 2.15
import "components"

// A white list of dictionary names with a springy highlight on the chosen row.
Rectangle {
    id: chosenList

    property int highlightIndex: 0
    property int delegateHeight: 80
    // The list in use by default; the page gives the available list its own model.
    property alias model: list.model

    anchors.centerIn: parent
    width: parent.width - 20
    height: delegateHeight * 2 + 30
    color: "white"

    ListView {
        id: list
        objectName: "listView"
        anchors.fill: parent
        clip: true
        model: chosenDictListModel
        snapMode: ListView.SnapOneItem
        spacing: 5
        focus: true
        currentIndex: chosenList.highlightIndex
        highlightFollowsCurrentItem: false

        delegate: Item {
            width: list.width
            height: chosenList.delegateHeight

            Text {
                x: 20
                y: 10
                text: modelData
                font.pixelSize: Theme.fontSize(chosenList.delegateHeight * 3 / 4)
            }

            MouseArea {
                anchors.fill: parent
                onClicked: chosenList.highlightIndex = index
            }
        }

        highlight: Rectangle {
            x: 5
            y: list.currentItem ? list.currentItem.y + 10 : 10
            width: list.width - 10
            height: chosenList.delegateHeight
            color: "lightsteelblue"
            radius: 5
            border.width: 3
            border.color: "black"

            Behavior on y {
                SpringAnimation { spring: 2; damping: 0.2 }
            }
        }
    }
}
