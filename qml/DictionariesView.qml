import QtQuick 2.15
import "components"
import "dictionaries"

// The dictionaries: move them between the available ones and those in use;
// import the player's own word sets and remove them again. A save that fails
// keeps the page open and says so.
Page {
    id: dictionariesView

    signal qmlAddListSignal(int index)
    signal qmlRemoveListSignal(int index)
    signal qmlCancelSignal()
    signal qmlSaveSignal()
    signal qmlImportSignal()

    // Set by the window when Save could not write the choice.
    property bool saveFailed: false
    // The name of the set waiting for the grown-up's yes before it is removed.
    property string setToRemove
    readonly property bool panelOpen: importProgress.visible || report.visible || confirmRemove.visible
    readonly property string highlightedAvailable: dictList.count > 0 && dictList.highlightIndex < dictList.count
                                                   ? dictListModel[dictList.highlightIndex] : ""
    // The administrator's lock (vocalune.conf) takes Import and Remove away.
    readonly property bool setsLocked: qtWordSets.systemLocked
    readonly property bool canRemoveHighlighted: !setsLocked && highlightedAvailable !== ""
                                                 && !!dictionaryDetails[highlightedAvailable]
                                                 && dictionaryDetails[highlightedAvailable].removable === true

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    Connections {
        target: qtMainWindow
        function onChosenListIndexToZero() { chosList.highlightIndex = 0 }
        function onDictionaryListIndexToZero() { dictList.highlightIndex = 0 }
        // The highlighted rows come back into sight: a list left scrolled
        // away would have the arrows move a row the player cannot see.
        function onDictionariesPageShown() {
            dictList.syncView()
            chosList.syncView()
            dictionariesView.focusFirst()
        }
    }

    Connections {
        target: qtWordSets
        function onFinished(imported, lines, setName) {
            report.lines = lines
            // The words the computer voiced, to record in the family's own voice.
            report.voiceDictionary = qtWordSets.setName
            report.voicedWords = qtWordSets.voiced
            report.visible = true
            // The new set is highlighted, ready to be moved into use, once the
            // window has published the lists (its slot runs after this handler).
            if (imported)
                Qt.callLater(dictionariesView.highlightAvailable, setName)
        }
    }

    // Where the focus goes when the page opens, when a panel closes and when
    // the focused button turns disabled (the window calls it then): it is
    // never left nowhere.
    function focusFirst() {
        if (importProgress.visible)
            importProgress.cancelButton.forceActiveFocus()
        else if (report.visible)
            report.firstButton.forceActiveFocus()
        else if (confirmRemove.visible)
            confirmRemove.firstButton.forceActiveFocus()
        else
            dictList.forceActiveFocus()
    }

    function highlightAvailable(name) {
        var row = dictListModel.indexOf(name)
        if (row >= 0)
            dictList.highlightIndex = row
    }

    // A dictionary moved back is highlighted where it lands, at the end of
    // the available list, and that list shows it.
    function stopUsing(row) {
        var name = chosenDictListModel[row]
        qmlRemoveListSignal(row)
        highlightAvailable(name)
    }

    function askToRemove() {
        if (!canRemoveHighlighted)
            return
        setToRemove = highlightedAvailable
        confirmRemove.visible = true
    }

    Keys.onEscapePressed: {
        if (confirmRemove.visible)
            confirmRemove.rejected()
        else if (report.visible)
            report.accepted()
        else if (importProgress.visible)
            importProgress.cancelButton.clicked()
        else
            dictionariesView.qmlCancelSignal()
    }

    // Everything but the panels; nothing here takes the focus while one is open.
    Item {
        id: content
        anchors.fill: parent
        enabled: !dictionariesView.panelOpen

        readonly property real margin: width / 25
        readonly property real listWidth: width * 19 / 50
        readonly property real listTop: height * 0.13
        readonly property real listHeight: height * 0.56
        // Four rows and a bit show; in a narrow window a row is no taller
        // than its name has room to be read beside the picture.
        readonly property int rowHeight: Math.max(1, Math.round(Math.min(listHeight / 4.4, listWidth / 2.6)))

        Text {
            x: content.margin
            y: content.height * 0.025
            width: content.listWidth
            height: content.height * 0.09
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Available dictionaries")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 3 / 4)
            fontSizeMode: Text.Fit
            minimumPixelSize: 6
        }
        Text {
            x: content.width - content.margin - width
            y: content.height * 0.025
            width: content.listWidth
            height: content.height * 0.09
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Dictionaries in use")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 3 / 4)
            fontSizeMode: Text.Fit
            minimumPixelSize: 6
        }

        ChosenList {
            id: dictList
            objectName: "dictList"
            x: content.margin
            y: content.listTop
            width: content.listWidth
            height: content.listHeight
            model: dictListModel
            delegateHeight: content.rowHeight
            accessibleName: qsTr("Available dictionaries")
            focus: true
            rightItem: addButton
            downItem: setButtons.visible ? importButton : cancelButton
            onActivated: dictionariesView.qmlAddListSignal(index)
        }

        // The player's own word sets come in, and go, under the available list.
        Row {
            id: setButtons
            x: content.margin
            y: content.height * 0.72
            width: content.listWidth
            height: content.height * 0.09
            spacing: width / 16
            visible: !dictionariesView.setsLocked

            readonly property real buttonWidth: (width - spacing) / 2
            // A button's caption is three quarters of its height and must fit
            // between its rounded ends: the buttons are lower where the longer
            // caption (in the player's language) would not.
            readonly property real captionPerHeight: Math.max(importCaption.advanceWidth, removeCaption.advanceWidth)
                                                     / importCaption.font.pixelSize * 0.75 * Theme.fontScale
            readonly property real buttonHeight: Math.min(height, 0.97 * buttonWidth / (captionPerHeight + 0.5))

            TextMetrics {
                id: importCaption
                font.pixelSize: 100
                font.bold: true
                text: importButton.buttonText
            }
            TextMetrics {
                id: removeCaption
                font: importCaption.font
                text: removeSetButton.buttonText
            }

            PushButton {
                id: importButton
                objectName: "importButton"
                anchors.verticalCenter: parent.verticalCenter
                buttonWidth: setButtons.buttonWidth
                buttonHeigth: setButtons.buttonHeight
                buttonText: qsTr("Import")
                KeyNavigation.up: dictList
                KeyNavigation.right: removeSetButton.enabled ? removeSetButton : addButton
                KeyNavigation.down: cancelButton
                onClicked: dictionariesView.qmlImportSignal()
            }
            PushButton {
                id: removeSetButton
                objectName: "removeSetButton"
                anchors.verticalCenter: parent.verticalCenter
                buttonWidth: setButtons.buttonWidth
                buttonHeigth: setButtons.buttonHeight
                buttonText: qsTr("Remove")
                enabled: dictionariesView.canRemoveHighlighted
                Accessible.name: dictionariesView.canRemoveHighlighted
                                 ? qsTr("Remove the word set %1").arg(dictionariesView.highlightedAvailable)
                                 : qsTr("Remove")
                KeyNavigation.up: dictList
                KeyNavigation.left: importButton
                KeyNavigation.right: addButton
                KeyNavigation.down: cancelButton
                onClicked: dictionariesView.askToRemove()
            }
        }

        Column {
            id: arrows
            x: (content.width - width) / 2
            y: content.listTop + (content.listHeight - height) / 2
            width: content.width * 0.13
            spacing: content.listHeight / 10

            PushButton {
                id: addButton
                objectName: "addButton"
                width: arrows.width
                height: content.listHeight / 4
                Chevron {
                    anchors.centerIn: parent
                    height: parent.height / 2
                    rotation: 0
                }
                Accessible.name: qsTr("Use this dictionary")
                KeyNavigation.left: dictList
                KeyNavigation.right: chosList
                KeyNavigation.down: removeButton
                onClicked: dictionariesView.qmlAddListSignal(dictList.highlightIndex)
            }
            PushButton {
                id: removeButton
                objectName: "removeButton"
                width: arrows.width
                height: content.listHeight / 4
                Chevron {
                    anchors.centerIn: parent
                    height: parent.height / 2
                    rotation: 180
                }
                Accessible.name: qsTr("Stop using this dictionary")
                KeyNavigation.left: dictList
                KeyNavigation.right: chosList
                KeyNavigation.up: addButton
                KeyNavigation.down: saveButton
                onClicked: dictionariesView.stopUsing(chosList.highlightIndex)
            }
        }

        ChosenList {
            id: chosList
            objectName: "chosList"
            x: content.width - content.margin - width
            y: content.listTop
            width: content.listWidth
            height: content.listHeight
            model: chosenDictListModel
            delegateHeight: content.rowHeight
            accessibleName: qsTr("Dictionaries in use")
            leftItem: removeButton
            downItem: saveButton
            onActivated: dictionariesView.stopUsing(index)
        }

        SaveFailedLine {
            visible: dictionariesView.saveFailed
            x: content.margin
            y: content.height * 0.81
            width: content.width - 2 * content.margin
            height: content.height * 0.04
        }

        PushButton {
            id: cancelButton
            objectName: "cancelButton"
            x: content.margin
            y: content.height * 0.85
            buttonWidth: content.width * 0.3
            buttonHeigth: content.height * 0.12
            buttonText: qsTr("Cancel")
            KeyNavigation.up: setButtons.visible ? importButton : dictList
            KeyNavigation.right: saveButton
            onClicked: dictionariesView.qmlCancelSignal()
        }
        PushButton {
            id: saveButton
            objectName: "saveButton"
            x: content.width - content.margin - width
            y: content.height * 0.85
            buttonWidth: content.width * 0.42
            buttonHeigth: content.height * 0.12
            buttonText: qsTr("Save and Exit")
            KeyNavigation.up: chosList
            KeyNavigation.left: cancelButton
            onClicked: dictionariesView.qmlSaveSignal()
        }
    }

    ImportProgress {
        id: importProgress
        objectName: "importProgress"
        importer: qtWordSets
        visible: qtWordSets.running
    }

    MessagePanel {
        id: report
        objectName: "importReport"
        // Taller with words to record: a few rows of buttons show at once.
        cardHeight: voicing ? dictionariesView.height * 17 / 20 : dictionariesView.height * 3 / 5
        acceptText: qsTr("OK")
        acceptName: "reportOkButton"
        onAccepted: {
            visible = false
            dictionariesView.focusFirst()
        }
    }

    MessagePanel {
        id: confirmRemove
        objectName: "confirmRemove"
        cardHeight: dictionariesView.height * 2 / 5
        lines: [qsTr("Remove the word set \"%1\"?").arg(dictionariesView.setToRemove),
                qsTr("Its pictures and recordings are deleted from this computer.")]
        acceptText: qsTr("Remove")
        acceptName: "confirmRemoveButton"
        rejectText: qsTr("Keep")
        rejectName: "confirmKeepButton"
        startOnReject: true
        onAccepted: {
            visible = false
            qtWordSets.remove(dictionariesView.setToRemove)
            dictionariesView.setToRemove = ""
            dictionariesView.focusFirst()
        }
        onRejected: {
            visible = false
            dictionariesView.setToRemove = ""
            dictionariesView.focusFirst()
        }
    }
}
