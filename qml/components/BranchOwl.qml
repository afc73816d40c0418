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

        // In the bubble's white, clear of its rounded corners; in the
        // picture's pixels, the box the word has always had at 800x480.
        Item {
            id: box
            x: picture.factor * 1600 / 9.9
            y: picture.factor * 480 / 6.3
            width: picture.factor * 2000 / 9
            height: picture.factor * 800 / 9
        }
    }
}
