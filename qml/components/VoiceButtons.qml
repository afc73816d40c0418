import QtQuick 2.15
import "."

// Record, Listen and Built-in voice for one word of any dictionary: the
// family records the word in its own voice (a tap starts the take, a second
// one stops it), hears it as the games will say it, and goes back to the
// built-in voice. A level meter shows under Record while the take runs.
// In a column (vertical) or a row of thirds.
FocusScope {
    id: voice

    property string dictionary
    property string word
    property bool vertical: false
    // Starting a take and deleting one are a grown-up's: they go through
    // guard(action) when there is one (the parent gate).
    property var guard: null
    // Where Tab leads after the last button and Backtab before the first.
    property Item before: null
    property Item after: null
    readonly property Item firstButton: recordButton
    readonly property Item lastButton: builtInButton.visible ? builtInButton : listenButton
    readonly property QtObject recorder: typeof qtRecorder !== "undefined" ? qtRecorder : null
    readonly property QtObject voices: typeof qtVoices !== "undefined" ? qtVoices : null
    readonly property bool busy: recorder !== null && recorder.recording
    // This word's take is running here: the second tap stops it.
    property bool started: false
    readonly property bool takeHere: started && busy
    // changes is read so the binding follows each take stored or removed.
    readonly property bool ownVoice: voices !== null && word !== "" && voices.changes >= 0
                                     && voices.has(dictionary, word)

    // Up or Down that leaves the buttons (any in a row): the items around
    // them take the keyboard on.
    signal upPressed(int column)
    signal downPressed(int column)

    function run(action) {
        if (guard)
            guard(action)
        else
            action()
    }
    function record() {
        if (!recorder)
            return
        if (takeHere) {
            recorder.toggle(dictionary, word)
            return
        }
        run(function() {
            recorder.toggle(voice.dictionary, voice.word)
            // Only now: starting clears the last message first, which resets it.
            voice.started = recorder.recording
        })
    }
    function useBuiltIn() {
        run(function() {
            var focused = builtInButton.activeFocus
            if (voices && voices.useBuiltIn(voice.dictionary, voice.word) && focused)
                listenButton.forceActiveFocus()
        })
    }
    // Up (by -1) or Down (by 1) from the button in column: the next one in
    // a column that can take the keyboard, else out of the buttons.
    function step(column, by) {
        var buttons = [recordButton, listenButton, builtInButton]
        for (var k = column + by; vertical && k >= 0 && k < 3; k += by) {
            if (buttons[k].visible && buttons[k].enabled) {
                buttons[k].forceActiveFocus()
                return
            }
        }
        if (by < 0)
            upPressed(column)
        else
            downPressed(column)
    }
    // The button in the given place (0 to 2), or the nearest one that can take the keyboard.
    function buttonAt(column) {
        var buttons = [recordButton, listenButton, builtInButton]
        for (var k = Math.min(column, 2); k >= 0; --k) {
            if (buttons[k].visible && buttons[k].enabled)
                return buttons[k]
        }
        return listenButton
    }

    Connections {
        target: voice.recorder
        // A take that ended, or never began, is no longer this word's.
        function onRecordingChanged() {
            if (!voice.recorder.recording)
                voice.started = false
        }
        function onMessageChanged() {
            if (!voice.recorder.recording)
                voice.started = false
        }
    }

    readonly property real gap: vertical ? height / 24 : width / 30
    readonly property real meterHeight: vertical ? height / 24 : height / 7
    readonly property real buttonHeight: vertical ? (height - meterHeight - 3 * gap) / 3 : height - meterHeight
    readonly property real buttonWidth: vertical ? Math.min(width, buttonHeight * 5) : (width - 2 * gap) / 3

    // The places of the three buttons and the meter.
    function slotX(column) { return vertical ? (width - buttonWidth) / 2 : column * (buttonWidth + gap) }
    function slotY(column) { return vertical ? column * (buttonHeight + gap) + (column > 0 ? meterHeight + gap : 0) : 0 }

    PushButton {
        id: recordButton
        objectName: "recordButton"
        x: voice.slotX(0)
        y: voice.slotY(0)
        width: voice.buttonWidth
        height: voice.buttonHeight
        focus: true
        buttonText: voice.takeHere ? qsTr("Stop") : qsTr("Record")
        enabled: voice.takeHere || (voice.recorder !== null && voice.recorder.microphone && !voice.busy)
        Accessible.name: voice.takeHere ? qsTr("Stop recording %1").arg(voice.word) : qsTr("Record %1").arg(voice.word)
        KeyNavigation.tab: listenButton
        KeyNavigation.backtab: voice.before
        KeyNavigation.right: voice.vertical ? null : listenButton
        Keys.onUpPressed: voice.step(0, -1)
        Keys.onDownPressed: voice.step(0, 1)
        onClicked: voice.record()
    }

    // The loudness of the take, 0 to 1.
    Rectangle {
        id: meter
        objectName: "levelMeter"
        x: voice.slotX(0) + recordButton.height / 2
        y: recordButton.y + recordButton.height + (voice.vertical ? voice.gap / 2 : voice.meterHeight / 4)
        width: voice.buttonWidth - recordButton.height
        height: voice.vertical ? voice.meterHeight : voice.meterHeight / 2
        radius: height / 2
        visible: voice.takeHere
        color: Theme.progressTrack
        border.width: 1
        border.color: Theme.progressBorder
        Accessible.role: Accessible.ProgressBar
        Accessible.name: qsTr("Loudness")

        Rectangle {
            readonly property real level: voice.recorder ? Math.max(0, Math.min(1, voice.recorder.level)) : 0
            width: Math.max(meter.height, meter.width * level)
            height: meter.height
            radius: meter.radius
            visible: level > 0
            color: Theme.progressLearned
        }
    }

    PushButton {
        id: listenButton
        objectName: "listenButton"
        x: voice.slotX(1)
        y: voice.slotY(1)
        width: voice.buttonWidth
        height: voice.buttonHeight
        buttonText: qsTr("Listen")
        // Nothing plays into a take.
        enabled: !voice.busy
        Accessible.name: qsTr("Listen to %1").arg(voice.word)
        KeyNavigation.tab: builtInButton.visible ? builtInButton : voice.after
        KeyNavigation.backtab: recordButton
        KeyNavigation.left: voice.vertical ? null : recordButton
        KeyNavigation.right: !voice.vertical && builtInButton.visible ? builtInButton : null
        Keys.onUpPressed: voice.step(1, -1)
        Keys.onDownPressed: voice.step(1, 1)
        onClicked: {
            if (voice.voices)
                voice.voices.listen(voice.dictionary, voice.word)
        }
    }

    PushButton {
        id: builtInButton
        objectName: "builtInVoiceButton"
        x: voice.slotX(2)
        y: voice.slotY(2)
        width: voice.buttonWidth
        height: voice.buttonHeight
        visible: voice.ownVoice
        buttonText: qsTr("Built-in voice")
        enabled: !voice.busy
        Accessible.name: qsTr("Back to the built-in voice for %1").arg(voice.word)
        KeyNavigation.tab: voice.after
        KeyNavigation.backtab: listenButton
        KeyNavigation.left: voice.vertical ? null : listenButton
        Keys.onUpPressed: voice.step(2, -1)
        Keys.onDownPressed: voice.step(2, 1)
        onClicked: voice.useBuiltIn()
    }
}
