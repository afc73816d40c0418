import QtQuick 2.15
import "."

// The rounded tile that holds a picture or a word. Icon and Label put their
// content in it. state: 0 normal, 1 selected, 2 done (invisible, still
// clickable, so a late tap on it reaches the game, which ignores it).
Rectangle {
    id: tile

    property int state: 0
    readonly property bool done: state === 2
    // The frame shows the tile's state; a further state (such as keyboard
    // focus) belongs here.
    readonly property color frameColor: done ? "transparent"
                                             : (state === 1 ? Theme.tileSelectedBorder : Theme.tileBorder)
    // The picture or the word, laid out over the whole tile.
    default property alias content: face.data

    // What a screen reader calls the tile; picture tiles must not name their
    // word (that would give the answer away).
    property string accessibleName

    signal clicked()

    activeFocusOnTab: !done && enabled
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onSpacePressed: clicked()
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: clicked()

    color: done ? "transparent" : Theme.tileFace
    border.width: Theme.tileBorderWidth
    border.color: frameColor
    radius: height
    smooth: true

    Item {
        id: face
        anchors.fill: parent
        opacity: tile.done ? 0 : 1
    }

    MouseArea {
        anchors.fill: parent
        onClicked: tile.clicked()
    }

    FocusRing {}
}
