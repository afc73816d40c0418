import QtQuick 2.15
import "components"

// A player's progress, for the parent or teacher: a bar for each dictionary
// in use (learned, learning, not met yet), words learned and minutes played
// on each of the last 30 days, the words with the most mistakes (a tap says
// the word) and the last game. Export writes every player's words as CSV.
// On a machine of a class, Class shows every pupil of it from the class's
// server, and the words the class finds hardest.
Page {
    id: progressView
    objectName: "progressView"

    signal qmlBackSignal()
    signal qmlExportSignal()

    readonly property QtObject report: typeof qtProgress !== "undefined" ? qtProgress : null
    property Item firstFocus: backButton
    readonly property real margin: height / 30
    property bool showingClass: false
    readonly property bool inClass: report !== null && report.className !== ""

    width: qtMainWindow.screenWidth
    height: qtMainWindow.screenHeight

    Keys.onEscapePressed: qmlBackSignal()

    // A player's progress opens on the player.
    Connections {
        target: progressView.report
        function onChanged() { progressView.showingClass = false }
    }

    Item {
        id: header
        width: progressView.width
        height: progressView.height / 7

        Text {
            objectName: "progressTitle"
            x: progressView.margin
            width: (classButton.visible ? classButton.x : exportButton.x) - x - progressView.margin
            height: header.height
            verticalAlignment: Text.AlignVCenter
            text: progressView.showingClass ? qsTr("Class %1").arg(progressView.report.className)
                                            : qsTr("Progress: %1").arg(progressView.report ? progressView.report.playerName : "")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(header.height / 2)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }
        PushButton {
            id: classButton
            objectName: "classButton"
            visible: progressView.inClass
            anchors.right: exportButton.left
            anchors.rightMargin: progressView.margin
            anchors.verticalCenter: parent.verticalCenter
            width: progressView.width / 5
            height: header.height * 3 / 4
            buttonText: progressView.showingClass ? qsTr("Player") : qsTr("Class")
            KeyNavigation.right: exportButton
            onClicked: {
                progressView.showingClass = !progressView.showingClass
                if (progressView.showingClass)
                    progressView.report.loadClass()
                else
                    progressView.report.showPlayer()
            }
        }
        PushButton {
            id: exportButton
            objectName: "exportButton"
            anchors.right: backButton.left
            anchors.rightMargin: progressView.margin
            anchors.verticalCenter: parent.verticalCenter
            width: progressView.width / 5
            height: header.height * 3 / 4
            buttonText: qsTr("Export")
            KeyNavigation.left: classButton.visible ? classButton : null
            KeyNavigation.right: backButton
            onClicked: progressView.qmlExportSignal()
        }
        PushButton {
            id: backButton
            objectName: "backButton"
            anchors.right: parent.right
            anchors.rightMargin: progressView.margin
            anchors.verticalCenter: parent.verticalCenter
            width: progressView.width / 5
            height: header.height * 3 / 4
            buttonText: qsTr("Back")
            KeyNavigation.left: exportButton
            KeyNavigation.down: progressView.showingClass ? pupilList : hardestRow
            onClicked: progressView.qmlBackSignal()
        }
    }

    // The dictionaries, the last game and what the export did, on the left.
    Item {
        id: bars
        visible: !progressView.showingClass
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.margins: progressView.margin
        width: progressView.width * 0.42

        readonly property real lineHeight: progressView.height / 16

        Row {
            id: legend
            spacing: bars.width / 30
            height: bars.lineHeight
            Repeater {
                model: [{ "text": qsTr("Learned"), "color": Theme.progressLearned },
                        { "text": qsTr("Learning"), "color": Theme.progressLearning },
                        { "text": qsTr("Not met yet"), "color": Theme.progressNotMet }]
                Row {
                    spacing: legend.height / 5
                    height: legend.height
                    width: (bars.width - 2 * legend.spacing) / 3
                    Rectangle {
                        anchors.verticalCenter: parent.verticalCenter
                        width: legend.height / 2
                        height: width
                        radius: width / 4
                        color: modelData.color
                    }
                    Text {
                        height: legend.height
                        width: parent.width - legend.height * 0.7
                        verticalAlignment: Text.AlignVCenter
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 1
                        text: modelData.text
                        color: Theme.textColor
                        font.pixelSize: Theme.fontSize(legend.height * 0.55)
                    }
                }
            }
        }

        ListView {
            id: dictionaryBars
            objectName: "dictionaryBars"
            anchors.top: legend.bottom
            anchors.topMargin: bars.lineHeight / 4
            anchors.bottom: lastGame.top
            width: bars.width
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: progressView.report ? progressView.report.dictionaries : []
            spacing: bars.lineHeight / 5
            delegate: Item {
                width: dictionaryBars.width
                height: bars.lineHeight * 1.6
                readonly property int total: Math.max(1, modelData.learned + modelData.learning + modelData.notMet)
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("%1: %2 learned, %3 learning, %4 not met yet").arg(modelData.name)
                                 .arg(modelData.learned).arg(modelData.learning).arg(modelData.notMet)
                Text {
                    id: dictionaryName
                    width: parent.width
                    height: parent.height * 0.55
                    verticalAlignment: Text.AlignVCenter
                    text: modelData.name + "  " + modelData.learned + " / " + parent.total
                    color: Theme.textColor
                    font.pixelSize: Theme.fontSize(height * 0.8)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 1
                }
                Row {
                    anchors.top: dictionaryName.bottom
                    height: parent.height * 0.4
                    Rectangle { width: dictionaryBars.width * modelData.learned / parent.parent.total; height: parent.height; color: Theme.progressLearned }
                    Rectangle { width: dictionaryBars.width * modelData.learning / parent.parent.total; height: parent.height; color: Theme.progressLearning }
                    Rectangle { width: dictionaryBars.width * modelData.notMet / parent.parent.total; height: parent.height; color: Theme.progressNotMet }
                }
            }
        }

        Text {
            id: lastGame
            objectName: "lastGame"
            anchors.bottom: exportLine.top
            width: bars.width
            height: bars.lineHeight
            verticalAlignment: Text.AlignVCenter
            text: progressView.report && progressView.report.lastGame !== ""
                  ? qsTr("Last game: %1").arg(progressView.report.lastGame) : qsTr("No games yet")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 0.6)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }
        Text {
            id: exportLine
            objectName: "exportMessage"
            anchors.bottom: parent.bottom
            width: bars.width
            height: text === "" ? 0 : bars.lineHeight * 1.6
            text: progressView.report ? progressView.report.exportMessage : ""
            color: Theme.secondaryText
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            font.pixelSize: Theme.fontSize(bars.lineHeight * 0.45)
            fontSizeMode: Text.Fit
            minimumPixelSize: 1
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }

    // The two charts and the hardest words, on the right.
    Column {
        id: charts
        visible: !progressView.showingClass
        anchors.top: header.bottom
        anchors.left: bars.right
        anchors.right: parent.right
        anchors.margins: progressView.margin
        spacing: progressView.margin / 2
        readonly property real chartHeight: (progressView.height - header.height) * 0.22

        Repeater {
            model: [{ "title": qsTr("Words learned per day"), "key": "learned", "color": Theme.progressLearned },
                    { "title": qsTr("Minutes played per day"), "key": "minutes", "color": Theme.chartMinutes }]
            Column {
                id: chart
                objectName: "chart_" + modelData.key
                width: charts.width
                readonly property string key: modelData.key
                readonly property color barColor: modelData.color
                readonly property int most: progressView.report
                    ? (key === "learned" ? progressView.report.mostLearned : progressView.report.mostMinutes) : 0
                // The tallest bar fills the chart.
                readonly property int scale: Math.max(1, most)
                Text {
                    width: chart.width
                    text: modelData.title + "  (" + qsTr("most: %1").arg(chart.most) + ")"
                    color: Theme.textColor
                    font.pixelSize: Theme.fontSize(progressView.height / 30)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 1
                }
                Rectangle {
                    width: chart.width
                    height: charts.chartHeight
                    color: Theme.listFace
                    radius: height / 20
                    Row {
                        anchors.fill: parent
                        anchors.margins: parent.height / 20
                        spacing: width / 300
                        Repeater {
                            model: progressView.report ? progressView.report.days : []
                            Item {
                                width: (parent.width - parent.spacing * 29) / 30
                                height: parent.height
                                Accessible.role: Accessible.StaticText
                                Accessible.name: modelData.date + ": " + modelData[chart.key]
                                Rectangle {
                                    anchors.bottom: parent.bottom
                                    width: parent.width
                                    height: Math.max(modelData[chart.key] > 0 ? 2 : 1,
                                                     parent.height * modelData[chart.key] / chart.scale)
                                    color: modelData[chart.key] > 0 ? chart.barColor : Theme.progressNotMet
                                }
                            }
                        }
                    }
                }
            }
        }

        // The days the charts run over.
        Item {
            width: charts.width
            height: progressView.height / 30
            readonly property var days: progressView.report ? progressView.report.days : []
            Text {
                objectName: "firstDay"
                text: parent.days.length > 0 ? parent.days[0].shortDate : ""
                color: Theme.secondaryText
                font.pixelSize: Theme.fontSize(parent.height * 0.8)
            }
            Text {
                anchors.right: parent.right
                text: qsTr("Today")
                color: Theme.secondaryText
                font.pixelSize: Theme.fontSize(parent.height * 0.8)
            }
        }
        Text {
            width: charts.width
            text: qsTr("Most mistakes")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(progressView.height / 30)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }
        ListView {
            id: hardestRow
            objectName: "hardestWords"
            width: charts.width
            height: progressView.height - header.height - 2 * (charts.chartHeight + progressView.height / 22)
                    - progressView.height / 22 - progressView.height / 30 - 6 * charts.spacing - progressView.margin
            orientation: ListView.Horizontal
            spacing: width / 40
            clip: true
            model: progressView.report ? progressView.report.hardest : []
            activeFocusOnTab: true
            keyNavigationEnabled: true
            KeyNavigation.up: backButton
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Most mistakes")
            // All of them side by side, none cut at the edge.
            readonly property real itemWidth: Math.min(height * 0.75, (width - spacing * (count - 1)) / Math.max(1, count))
            delegate: Column {
                width: hardestRow.itemWidth
                Icon {
                    objectName: "hardestPicture" + index
                    width: parent.width
                    height: width
                    iconPath: modelData.imagePath
                    decodeAhead: false
                    accessibleName: modelData.word
                    activeFocusOnTab: false
                    focus: ListView.isCurrentItem
                    onIconClickedSignal: progressView.report.play(modelData.soundPath)
                }
                Text {
                    width: parent.width
                    height: Math.min(hardestRow.height * 0.22, hardestRow.itemWidth / 3)
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: modelData.word + " (" + modelData.mistakes + ")"
                    color: Theme.textColor
                    font.pixelSize: Theme.fontSize(height * 0.6)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 1
                }
            }
        }
    }
    // The class: each pupil's words learned, learning and last game on the
    // left, the words the class finds hardest on the right.
    Item {
        id: classPanel
        objectName: "classPanel"
        visible: progressView.showingClass
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: progressView.margin
        readonly property real lineHeight: progressView.height / 14
        readonly property var columns: [qsTr("Name"), qsTr("Learned"), qsTr("Learning"), qsTr("Last game")]
        readonly property var columnWidths: [0.4, 0.18, 0.18, 0.24]

        Text {
            id: classMessage
            objectName: "classMessage"
            width: parent.width
            height: text === "" ? 0 : classPanel.lineHeight
            verticalAlignment: Text.AlignVCenter
            text: progressView.report ? progressView.report.classMessage : ""
            color: Theme.secondaryText
            font.pixelSize: Theme.fontSize(classPanel.lineHeight * 0.5)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Row {
            id: pupilHeader
            anchors.top: classMessage.bottom
            width: parent.width * 0.58
            height: classPanel.lineHeight
            Repeater {
                model: classPanel.columns
                Text {
                    width: pupilHeader.width * classPanel.columnWidths[index]
                    height: pupilHeader.height
                    verticalAlignment: Text.AlignVCenter
                    text: modelData
                    color: Theme.secondaryText
                    font.pixelSize: Theme.fontSize(height * 0.5)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 1
                }
            }
        }
        ListView {
            id: pupilList
            objectName: "classPupils"
            anchors.top: pupilHeader.bottom
            anchors.bottom: classExportLine.top
            width: pupilHeader.width
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: progressView.report ? progressView.report.classPupils : []
            activeFocusOnTab: true
            keyNavigationEnabled: true
            KeyNavigation.up: backButton
            KeyNavigation.right: classHardestRow
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Pupils")
            delegate: Row {
                width: pupilList.width
                height: classPanel.lineHeight
                readonly property var cells: [modelData.name, modelData.learned, modelData.learning,
                                              modelData.lastPlayed === "" ? qsTr("never") : modelData.lastPlayed]
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("%1: %2 learned, %3 learning, last game %4").arg(cells[0]).arg(cells[1])
                                 .arg(cells[2]).arg(cells[3])
                Repeater {
                    model: parent.cells
                    Text {
                        width: pupilList.width * classPanel.columnWidths[index]
                        height: classPanel.lineHeight
                        verticalAlignment: Text.AlignVCenter
                        text: modelData
                        color: Theme.textColor
                        font.pixelSize: Theme.fontSize(height * 0.5)
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 1
                    }
                }
            }
        }
        Text {
            id: classExportLine
            objectName: "classExportMessage"
            anchors.bottom: parent.bottom
            width: pupilList.width
            height: text === "" ? 0 : classPanel.lineHeight
            text: progressView.report ? progressView.report.exportMessage : ""
            color: Theme.secondaryText
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            font.pixelSize: Theme.fontSize(classPanel.lineHeight * 0.4)
            fontSizeMode: Text.Fit
            minimumPixelSize: 1
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            id: classHardestTitle
            anchors.top: classMessage.bottom
            anchors.left: pupilList.right
            anchors.leftMargin: progressView.margin
            anchors.right: parent.right
            height: classPanel.lineHeight
            verticalAlignment: Text.AlignVCenter
            text: qsTr("The class's most mistakes")
            color: Theme.textColor
            font.pixelSize: Theme.fontSize(height * 0.5)
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 1
        }
        GridView {
            id: classHardestRow
            objectName: "classHardest"
            anchors.top: classHardestTitle.bottom
            anchors.bottom: parent.bottom
            anchors.left: classHardestTitle.left
            anchors.right: parent.right
            // Three across, and two rows always fit.
            cellWidth: Math.min(width / 3, height / 2.7)
            cellHeight: cellWidth * 1.3
            clip: true
            model: progressView.report ? progressView.report.classHardest : []
            activeFocusOnTab: true
            keyNavigationEnabled: true
            KeyNavigation.left: pupilList
            Accessible.role: Accessible.List
            Accessible.name: qsTr("The class's most mistakes")
            delegate: Column {
                width: classHardestRow.cellWidth * 0.9
                Icon {
                    width: parent.width
                    height: width
                    iconPath: modelData.imagePath
                    decodeAhead: false
                    accessibleName: modelData.word
                    activeFocusOnTab: false
                    focus: GridView.isCurrentItem
                    onIconClickedSignal: progressView.report.play(modelData.soundPath)
                }
                Text {
                    width: parent.width
                    height: classHardestRow.cellHeight - parent.width
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: modelData.word + " (" + modelData.mistakes + ")"
                    color: Theme.textColor
                    font.pixelSize: Theme.fontSize(height * 0.6)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 1
                }
            }
        }
    }
}
