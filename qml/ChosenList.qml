import QtQuick 2.15
import "components"

// One of the two lists of the dictionaries page: a row per dictionary with its
// picture, name and number of words, and a highlight on the row that the
// arrow buttons move. The highlight and the arrows read the same index.
Rectangle {
    id: chosenList

    // The row the arrows move. ListView resets its own currentIndex to 0
    // whenever its model is replaced (every move publishes new lists), so the
    // view's index is set from this one, never the other way round.
    property int highlightIndex: 0
    property int delegateHeight: 80
    property alias model: list.model
    readonly property alias count: list.count
    readonly property alias view: list
    property string accessibleName
    // Where the arrow keys go from here: Up and Down past the ends, Left, Right.
    property Item upItem
    property Item downItem
    property Item leftItem
    property Item rightItem

    // Enter or Space on a row: the page moves it to the other list.
    signal activated(int index)

    color: Theme.listFace
    radius: Math.min(width, height) / 14
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: accessibleName

    function syncView() {
        // A list that shrank below the highlight starts again at the top.
        if (list.count > 0 && highlightIndex >= list.count) {
            highlightIndex = 0
            return
        }
        var wanted = list.count > 0 ? Math.max(0, highlightIndex) : -1
        if (list.currentIndex !== wanted)
            list.currentIndex = wanted
        if (wanted >= 0)
            list.positionViewAtIndex(wanted, ListView.Contain)
    }

    onHighlightIndexChanged: syncView()
    Component.onCompleted: syncView()

    function go(target) {
        if (target && target.enabled && target.visible)
            target.forceActiveFocus(Qt.TabFocusReason)
    }

    Keys.onPressed: {
        switch (event.key) {
        case Qt.Key_Up:
            if (highlightIndex > 0)
                highlightIndex = highlightIndex - 1
            else
                go(upItem)
            break
        case Qt.Key_Down:
            if (highlightIndex < list.count - 1)
                highlightIndex = highlightIndex + 1
            else
                go(downItem)
            break
        case Qt.Key_Left:
            go(leftItem)
            break
        case Qt.Key_Right:
            go(rightItem)
            break
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            if (list.count > 0)
                activated(highlightIndex)
            break
        default:
            event.accepted = false
            return
        }
        event.accepted = true
    }

    ListView {
        id: list
        objectName: "listView"
        anchors.fill: parent
        anchors.margins: chosenList.radius / 2
        clip: true
        spacing: chosenList.delegateHeight / 16
        boundsBehavior: Flickable.StopAtBounds
        keyNavigationEnabled: false
        highlightFollowsCurrentItem: true
        highlightMoveDuration: 150
        highlightResizeDuration: 0

        onCountChanged: chosenList.syncView()
        onModelChanged: chosenList.syncView()
        onCurrentIndexChanged: chosenList.syncView()

        highlight: Rectangle {
            objectName: "highlight"
            width: list.width
            height: chosenList.delegateHeight
            color: Theme.listHighlight
            radius: height / 8
            border.width: Math.max(2, height / 24)
            border.color: Theme.listHighlightBorder
        }

        delegate: Item {
            id: row
            // Bundled dictionaries and imported sets alike: see DictionaryDetails.
            readonly property var details: dictionaryDetails[modelData] || ({})
            readonly property int words: details.words || 0
            readonly property string countText: words === 1 ? qsTr("1 word") : qsTr("%1 words").arg(words)

            width: list.width
            height: chosenList.delegateHeight
            Accessible.role: Accessible.ListItem
            Accessible.name: modelData + ", " + countText
            Accessible.selected: ListView.isCurrentItem

            Image {
                id: picture
                x: row.height / 10
                anchors.verticalCenter: parent.verticalCenter
                width: row.height * 4 / 5
                height: width
                source: row.details.picture || ""
                sourceSize.width: Math.max(1, Math.ceil(width))
                sourceSize.height: Math.max(1, Math.ceil(height))
                fillMode: Image.PreserveAspectFit
                asynchronous: true
                // An imported set may be removed and made again under the same name.
                cache: source.toString().indexOf("image:") === 0
                smooth: true
            }

            Column {
                anchors.left: picture.right
                anchors.leftMargin: row.height / 8
                anchors.right: parent.right
                // Clear of the scroll bar.
                anchors.rightMargin: row.height / 10 + scrollBar.width
                anchors.verticalCenter: parent.verticalCenter

                // Shrinks, or wraps onto more lines, but is never cut: a
                // count of lines would cut a word broken in a narrow row.
                Text {
                    objectName: "name"
                    width: parent.width
                    height: row.height * 3 / 5
                    text: modelData
                    color: Theme.textColor
                    font.pixelSize: Theme.fontSize(row.height * 2 / 5)
                    minimumPixelSize: 6
                    fontSizeMode: Text.Fit
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                    verticalAlignment: Text.AlignVCenter
                }
                Text {
                    objectName: "count"
                    width: parent.width
                    height: row.height / 4
                    text: row.countText
                    color: Theme.secondaryText
                    font.pixelSize: Theme.fontSize(row.height / 5)
                    minimumPixelSize: 6
                    fontSizeMode: Text.Fit
                    verticalAlignment: Text.AlignVCenter
                }
            }

            MouseArea {
                anchors.fill: parent
                onClicked: {
                    chosenList.highlightIndex = index
                    chosenList.forceActiveFocus(Qt.MouseFocusReason)
                }
            }
        }
    }

    // Shows that there is more to scroll to; takes no taps.
    Rectangle {
        id: scrollBar
        objectName: "scrollBar"
        visible: list.contentHeight > list.height + 1
        anchors.right: list.right
        width: Math.max(3, chosenList.width / 60)
        radius: width / 2
        color: Theme.scrollBar
        opacity: 0.7
        y: list.y + list.visibleArea.yPosition * list.height
        height: list.visibleArea.heightRatio * list.height
    }

    // The keyboard focus ring, following this list's rounded corners.
    Rectangle {
        anchors.fill: parent
        anchors.margins: -Theme.focusRingWidth - Theme.focusRingGap
        radius: chosenList.radius + Theme.focusRingWidth + Theme.focusRingGap
        color: "transparent"
        border.width: Theme.focusRingWidth
        border.color: Theme.focusRingColor
        visible: chosenList.activeFocus

        Rectangle {
            anchors.fill: parent
            anchors.margins: Theme.focusRingWidth
            radius: parent.radius - Theme.focusRingWidth
            color: "transparent"
            border.width: Math.max(1, Theme.focusRingWidth / 2)
            border.color: Theme.focusRingInner
        }
    }
}
