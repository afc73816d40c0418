import QtQuick 2.15
import "."

// The rounded button of every page.
Item {
    id: button

    property alias buttonText: caption.text
    property alias buttonWidth: button.width
    property alias buttonHeigth: button.height
    property alias buttonImage: picture.source
    property alias buttonImageRotation: picture.rotation
    // A small picture at the start of the button, the caption beside it: a
    // child who cannot read yet knows the button by it. A bundled picture's
    // path (":/png/...").
    property string leadingPicture
    readonly property alias pressed: mouseArea.pressed

    signal clicked()

    width: 150
    height: 50

    // Keyboard and screen readers: Tab reaches it, Enter or Space presses it,
    // and it is announced as a button by its text.
    activeFocusOnTab: enabled
    Keys.onReturnPressed: if (enabled) clicked()
    Keys.onEnterPressed: if (enabled) clicked()
    Keys.onSpacePressed: if (enabled) clicked()
    Accessible.role: Accessible.Button
    Accessible.name: caption.text
    Accessible.onPressAction: if (enabled) clicked()

    Rectangle {
        id: face
        anchors.fill: parent
        border.width: 2
        border.color: Theme.buttonBorder
        radius: height
        smooth: true
        gradient: Gradient {
            GradientStop {
                position: 0.0
                color: !button.enabled ? Theme.buttonDisabledTop : (mouseArea.pressed ? Theme.buttonDark : Theme.gradientTop)
            }
            GradientStop {
                position: 0.5
                color: button.enabled ? Theme.buttonMiddle : Theme.buttonDisabled
            }
            GradientStop {
                position: 1.0
                color: !button.enabled ? Theme.buttonDisabled : (mouseArea.pressed ? Theme.gradientTop : Theme.buttonDark)
            }
        }
    }

    Image {
        id: picture
        anchors.centerIn: parent
        smooth: true
    }

    Image {
        id: lead
        objectName: "leadingPicture"
        visible: button.leadingPicture !== ""
        x: button.height / 4
        anchors.verticalCenter: parent.verticalCenter
        width: button.height * 0.8
        height: width
        source: visible ? "image://vocalune/" + button.leadingPicture.substring(2) + "?alone" : ""
        sourceSize.width: Math.ceil(width)
        sourceSize.height: Math.ceil(height)
        fillMode: Image.PreserveAspectFit
        smooth: true
    }

    // Three quarters of the height, unless the caption would then run into
    // the rounded ends (or the leading picture): it shrinks to fit between
    // them instead.
    Text {
        id: caption
        readonly property real start: lead.visible ? lead.x + lead.width + button.height / 10 : button.height / 4
        x: start
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(1, button.width - start - button.height / 4)
        height: button.height
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.fontSize(button.height * 3 / 4)
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 1
        font.bold: true
        color: Theme.buttonText
        style: Text.Sunken
        styleColor: Theme.buttonTextShadow
        smooth: true
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        onClicked: button.clicked()
    }

    FocusRing {}
}
