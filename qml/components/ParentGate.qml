import QtQuick 2.15
import "."

// A grown-up's step before an adult page: press and hold the marked spot for
// three seconds, then tap the number named in words among four. A young child
// does neither by chance. By keyboard: hold Space or Enter on the spot, then
// choose the number with the arrows or Tab and press Enter. A wrong number or
// a let-go shuts the gate again.
Item {
    id: gate
    objectName: "parentGate"

    // What the gate lets through, once passed.
    property var action: null
    // 1 to 9, named in words on the second step.
    property int number: 1
    property var choices: []
    property bool holding: false
    property bool held: false
    readonly property int holdMilliseconds: 3000

    function open(passAction) {
        action = passAction
        held = false
        holding = false
        visible = true
        spot.forceActiveFocus()
    }
    function close() {
        holdTimer.stop()
        holding = false
        visible = false
        action = null
        closed()
    }
    // The spot was held long enough: the number to tap.
    function finishHold() {
        holdTimer.stop()
        holding = false
        number = 1 + Math.floor(Math.random() * 9)
        var others = []
        while (others.length < 3) {
            var other = 1 + Math.floor(Math.random() * 9)
            if (other !== number && others.indexOf(other) < 0)
                others.push(other)
        }
        others.splice(Math.floor(Math.random() * 4), 0, number)
        choices = others
        held = true
        numbers.itemAt(0).forceActiveFocus()
    }
    function startHold() {
        if (!held && !holding) {
            holding = true
            holdTimer.restart()
        }
    }
    function stopHold() {
        if (holding) {
            holdTimer.stop()
            holding = false
        }
    }
    function choose(value) {
        var pass = value === number ? action : null
        close()
        if (pass)
            pass()
    }

    signal closed()

    readonly property var numberWords: [qsTr("Tap one"), qsTr("Tap two"), qsTr("Tap three"), qsTr("Tap four"),
                                        qsTr("Tap five"), qsTr("Tap six"), qsTr("Tap seven"), qsTr("Tap eight"),
                                        qsTr("Tap nine")]

    anchors.fill: parent
    visible: false
    z: 10

    Keys.onEscapePressed: close()

    Timer {
        id: holdTimer
        interval: gate.holdMilliseconds
        onTriggered: gate.finishHold()
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.panelShade
        opacity: 0.55
    }
    // Every tap outside the card is swallowed.
    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        id: card
        anchors.centerIn: parent
        width: Math.min(gate.width * 4 / 5, gate.height * 1.4)
        height: gate.height * 4 / 5
        radius: height / 14
        color: Theme.panelFace
        border.width: Math.max(2, height / 100)
        border.color: Theme.tileBorder
        Accessible.role: Accessible.Dialog
        Accessible.name: qsTr("For grown-ups")

        Text {
            id: instruction
            objectName: "gateInstruction"
            anchors.top: parent.top
            anchors.topMargin: card.height / 16
            anchors.horizontalCenter: parent.horizontalCenter
            width: card.width * 9 / 10
            height: card.height / 7
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: gate.held ? gate.numberWords[gate.number - 1]
                            : qsTr("For grown-ups: hold the circle for three seconds")
            color: Theme.textColor
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.fontSize(height * 0.6)
            fontSizeMode: Text.Fit
            minimumPixelSize: 1
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        // The marked spot, filling up while it is held.
        Rectangle {
            id: spot
            objectName: "gateSpot"
            visible: !gate.held
            anchors.centerIn: parent
            width: card.height * 2 / 5
            height: width
            radius: width / 2
            color: Theme.tileFace
            border.width: Math.max(3, width / 20)
            border.color: gate.holding ? Theme.tileSelectedBorder : Theme.tileBorder
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Hold for three seconds")
            Keys.onPressed: {
                if ((event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                        && !event.isAutoRepeat) {
                    gate.startHold()
                    event.accepted = true
                }
            }
            Keys.onReleased: {
                if ((event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                        && !event.isAutoRepeat) {
                    gate.stopHold()
                    event.accepted = true
                }
            }

            Rectangle {
                anchors.centerIn: parent
                width: gate.holding ? parent.width * 0.8 : 0
                height: width
                radius: width / 2
                color: Theme.tileChosenFace
                Behavior on width {
                    enabled: gate.holding
                    NumberAnimation { duration: gate.holdMilliseconds }
                }
            }
            MouseArea {
                anchors.fill: parent
                onPressed: gate.startHold()
                onReleased: gate.stopHold()
                onCanceled: gate.stopHold()
            }
            FocusRing {}
        }

        Row {
            id: numberRow
            visible: gate.held
            anchors.centerIn: parent
            spacing: card.width / 30
            Repeater {
                id: numbers
                model: 4
                Label {
                    objectName: "gateNumber" + index
                    width: (card.width * 0.8 - numberRow.spacing * 3) / 4
                    height: width
                    text: gate.choices.length > index ? String(gate.choices[index]) : ""
                    fitLetters: 2
                    KeyNavigation.left: index > 0 ? numbers.itemAt(index - 1) : null
                    KeyNavigation.right: index < 3 ? numbers.itemAt(index + 1) : null
                    onLabelClickedSignal: gate.choose(gate.choices[index])
                }
            }
        }

        PushButton {
            objectName: "gateCancelButton"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: card.height / 16
            anchors.horizontalCenter: parent.horizontalCenter
            width: card.width * 2 / 5
            height: card.height / 8
            buttonText: qsTr("Cancel")
            onClicked: gate.close()
        }
    }
}
