import QtQuick 2.15
import Vocalune 1.0
import "."

// The rounded tile that holds a picture or a word: Icon and Label put their
// content in it. Its state is a word's (Word.Normal, Selected, Matched,
// Greyed or Marked). A matched tile is invisible, yet a late tap still
// reaches the game, which ignores it; a greyed one (a wrong pick) is out of
// play for the round; a marked one (the right picture after two wrong picks)
// has a pulsing frame.
Rectangle {
    id: tile

    property int state: Word.Normal
    readonly property bool done: state === Word.Matched
    readonly property bool greyed: state === Word.Greyed
    readonly property bool marked: state === Word.Marked
    // A chosen option (the settings page) is filled as well as framed.
    property bool chosen: false
    // The frame shows the tile's state; a further state (such as keyboard
    // focus) belongs here.
    readonly property color frameColor: marked ? Theme.tileMarkedBorder
                                               : (state === Word.Selected ? Theme.tileSelectedBorder : Theme.tileBorder)
    // The picture or the word, laid out over the whole tile.
    default property alias content: face.data
    // How far a picture keeps from the tile's edge: 5 pixels, or clear of
    // the marked frame's widest pulse (set once, when marked).
    readonly property real contentMargin: marked ? pulse.widest + 1 : 5

    // What a screen reader calls the tile; picture tiles must not name their
    // word (that would give the answer away).
    property string accessibleName

    signal clicked()

    // A short shake after a wrong pick: the tile moves sideways and back to
    // where its column put it. Taps reach it all the while.
    function shake() {
        if (!shaking.running)
            shaking.home = x
        shaking.restart()
    }

    activeFocusOnTab: !done && enabled
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onSpacePressed: clicked()
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: clicked()

    // A done tile is hidden by its opacity, not by clear colours: the
    // software renderer redraws a rounded tile's corners whenever a colour
    // changes, and a new round would have done that for every tile at once.
    opacity: done ? 0 : 1
    color: greyed ? Theme.tileGreyedFace : (chosen ? Theme.tileChosenFace : Theme.tileFace)
    border.width: marked ? pulse.width : Theme.tileBorderWidth
    border.color: frameColor
    // A pill for a wide tile, a rounded square for a large one.
    radius: Math.min(height, width / 4)
    smooth: true

    // Two swings, 280 ms in all.
    SequentialAnimation {
        id: shaking
        objectName: "shakeAnimation"
        property real home: 0
        loops: 2
        NumberAnimation { target: tile; property: "x"; to: shaking.home - tile.width / 25; duration: 40 }
        NumberAnimation { target: tile; property: "x"; to: shaking.home + tile.width / 25; duration: 60 }
        NumberAnimation { target: tile; property: "x"; to: shaking.home; duration: 40 }
    }

    // The marked frame grows and shrinks while the tile is marked; a marked
    // picture keeps clear of its widest frame (see contentMargin).
    QtObject {
        id: pulse
        property real width: Theme.tileBorderWidth * 2
        readonly property real widest: Math.max(Theme.tileBorderWidth * 2, Math.min(tile.width, tile.height) / 20)
    }
    SequentialAnimation {
        running: tile.marked
        loops: Animation.Infinite
        NumberAnimation {
            target: pulse; property: "width"
            from: Theme.tileBorderWidth * 2; to: pulse.widest
            duration: 450; easing.type: Easing.InOutQuad
        }
        NumberAnimation {
            target: pulse; property: "width"
            to: Theme.tileBorderWidth * 2
            duration: 450; easing.type: Easing.InOutQuad
        }
    }

    Item {
        id: face
        anchors.fill: parent
        opacity: tile.greyed ? 0.35 : 1
    }

    MouseArea {
        anchors.fill: parent
        onClicked: tile.clicked()
    }

    FocusRing {}
}
