import QtQuick 2.15
import "../components"

// A thick white ">" that scales with its button (the arrow picture of the
// other pages is a few pixels wide). rotation: 180 points it left.
Item {
    id: chevron

    readonly property real bar: height * 0.62
    readonly property real thickness: height * 0.2

    width: height * 0.6

    Repeater {
        model: [45, -45]
        Rectangle {
            // Both arms turn about the centre of their rounded right ends,
            // which meet at the tip, so the joint is one round corner.
            x: chevron.width / 2 + chevron.bar * 0.35 - width + height / 2
            y: (chevron.height - height) / 2
            width: chevron.bar
            height: chevron.thickness
            radius: height / 2
            color: Theme.buttonText
            antialiasing: true
            transform: Rotation {
                origin.x: chevron.bar - chevron.thickness / 2
                origin.y: chevron.thickness / 2
                angle: modelData
            }
        }
    }
}
