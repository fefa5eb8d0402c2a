import QtQuick 2.15

// The tab row: one tab per page section offered in this run, the shown section marked in red.
Rectangle {
    id: recButtonTab

    property int iSection: 1
    property bool bDriversOffered: false
    property bool bUninstallMode: false
    property bool bRunStarted: false
    // The selected tab takes the keyboard when the window opens: the page offers no action.
    property bool bFirstFocus: false
    readonly property int iShownTabs: [1, 2, 3].filter(isShown).length

    signal sectionChosen(int iSection)

    function isShown(iTabSection) {
        if (iTabSection === 1)
            return bDriversOffered
        if (iTabSection === 2)
            return bDriversOffered || bUninstallMode
        return !bUninstallMode && !bDriversOffered
    }

    // The arrows move between the licence and the drivers tabs, the two shown side by side.
    function moveFocus(iTo, event) {
        var tab = iTo >= 0 ? repeaterTabs.itemAt(iTo) : null
        if (tab && tab.visible)
            tab.forceActiveFocus(Qt.TabFocusReason)
        else
            event.accepted = false
    }

    color: Theme.strTransparentColor

    Row {
        id: rowTabs

        objectName: "rowTabs"
        anchors.fill: parent
        spacing: 0
        enabled: !recButtonTab.bRunStarted
        opacity: enabled ? 1 : 0

        Behavior on opacity {
            NumberAnimation { duration: Theme.iBarChangeMs; easing.type: Easing.Linear }
        }

        Repeater {
            id: repeaterTabs

            model: [
                { name: "recLicenseTab", text: qsTr("License Agreement"), section: 1 },
                { name: "recDriverstab", text: qsTr("Drivers"), section: 2 },
                { name: "recSystemUpdate", text: qsTr("System Update"), section: 3 }
            ]

            CNButton {
                objectName: modelData.name
                width: rowTabs.width / recButtonTab.iShownTabs
                height: rowTabs.height
                visible: recButtonTab.isShown(modelData.section)
                focus: recButtonTab.bFirstFocus && recButtonTab.iSection === modelData.section
                strText: modelData.text
                strTextColor: Theme.strTxtColor
                iTextSize: Theme.iLabelSize
                Accessible.role: Accessible.PageTab
                Accessible.selectable: true
                Accessible.selected: recButtonTab.iSection === modelData.section
                Keys.onRightPressed: function(event) { recButtonTab.moveFocus(index === 0 ? 1 : -1, event) }
                Keys.onLeftPressed: function(event) { recButtonTab.moveFocus(index === 1 ? 0 : -1, event) }
                onButtonClicked: recButtonTab.sectionChosen(modelData.section)

                Rectangle {
                    objectName: modelData.name + "Marker"
                    anchors.fill: parent
                    color: Theme.strRedColor
                    border.width: 2
                    border.color: Theme.strBlackColor
                    visible: recButtonTab.iSection === modelData.section
                }
            }
        }
    }
}
