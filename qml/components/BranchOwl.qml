import QtQuick 2.15
import "."

// The owl on its branch with its speech bubble, in the picture's own shape:
// as large as its space allows, standing at the bottom left of it, where the
// branch runs off the edge. What the owl says is laid out over a box in the
// bubble and moves and grows with the picture.
Item {
    id: area

    default property alias said: box.data
    property alias boxName: box.objectName
    property alias asynchronous: picture.asynchronous
    // Where what the owl says goes, in the picture's pixels: by default the
    // box the Word Game's word has always had at 800x480, clear of the
    // bubble's rounded corners. The bubble's white spans 130 to 394 across
    // and 44 to 180 down.
    property rect box: Qt.rect(1600 / 9.9, 480 / 6.3, 2000 / 9, 800 / 9)

    Image {
        id: picture
        objectName: "owlPicture"
        // The picture is 423x480 pixels.
        readonly property real factor: Math.min(area.width / 423, area.height / 480)
        y: area.height - height
        width: 423 * factor
        height: 480 * factor
        source: "../../images/pollo_puussa.png"
        fillMode: Image.PreserveAspectFit
        smooth: true

        Item {
            id: box
            x: picture.factor * area.box.x
            y: picture.factor * area.box.y
            width: picture.factor * area.box.width
            height: picture.factor * area.box.height
        }
    }
}
