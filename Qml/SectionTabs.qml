import QtQuick 2.15

// The tab row: one tab per page section this run offers, the shown section marked in red.
Rectangle {
    id: recButtonTab

    // The sections in tab order, numbered from 1: strTab names the tab, strLabel labels it, bShown
    // offers it.
    property var vSections: []
    property int iSection: 1
    property bool bRunStarted: false
    // The selected tab takes the keyboard when the window opens: the page offers no action.
    property bool bFirstFocus: false
    // What the selected tab adds for a reader: why its page offers nothing.
    property string strNote
    readonly property int iShownTabs: vSections.filter(function(section) { return section.bShown }).length

    signal sectionChosen(int iSection)

    // The arrows move to the next shown tab either way, and stop at either end.
    function moveFocus(iFrom, iStep, event) {
        for (var i = iFrom + iStep; i >= 0 && i < vSections.length; i += iStep) {
            if (vSections[i].bShown) {
                repeaterTabs.itemAt(i).forceActiveFocus(Qt.TabFocusReason)
                return
            }
        }
        event.accepted = false
    }

    color: Theme.strTransparentColor

    Row {
        id: rowTabs

        objectName: "rowTabs"
        anchors.fill: parent
        spacing: 0
        Accessible.role: Accessible.PageTabList
        enabled: !recButtonTab.bRunStarted
        opacity: enabled ? 1 : 0
        // Out of the scene once faded out, as the page below it.
        visible: enabled || opacity > 0

        Behavior on opacity {
            NumberAnimation { duration: Theme.iBarChangeMs; easing.type: Easing.Linear }
        }

        Repeater {
            id: repeaterTabs

            model: recButtonTab.vSections

            CNButton {
                objectName: modelData.strTab
                width: rowTabs.width / recButtonTab.iShownTabs
                height: rowTabs.height
                visible: modelData.bShown
                focus: recButtonTab.bFirstFocus && recButtonTab.iSection === index + 1
                strText: modelData.strLabel
                strTextColor: Theme.strTxtColor
                iTextSize: Theme.iLabelSize
                Accessible.role: Accessible.PageTab
                Accessible.selectable: true
                Accessible.selected: recButtonTab.iSection === index + 1
                // Its tooltip only repeats its label.
                Accessible.description: Accessible.selected ? recButtonTab.strNote : ""
                Keys.onRightPressed: function(event) { recButtonTab.moveFocus(index, 1, event) }
                Keys.onLeftPressed: function(event) { recButtonTab.moveFocus(index, -1, event) }
                onButtonClicked: recButtonTab.sectionChosen(index + 1)

                Rectangle {
                    objectName: modelData.strTab + "Marker"
                    anchors.fill: parent
                    color: Theme.strRedColor
                    border.width: 2
                    border.color: Theme.strBlackColor
                    visible: recButtonTab.iSection === index + 1
                }
            }
        }
    }
}
