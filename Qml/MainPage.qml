import QtQuick 2.15

// The page area: the page of the section whose number (its place in the list, from 1) iSection
// names. A page is built when first shown and kept, so that its ticks and its scrolling stay.
Rectangle {
    id: recPage

    property var vSections: []
    property int iSection: 1
    // What every page takes: the page reads what it needs from it.
    property QtObject oPage: null

    Repeater {
        model: recPage.vSections

        Loader {
            readonly property bool bCurrent: recPage.iSection === index + 1

            function load() {
                if (bCurrent && !item)
                    setSource(modelData.strPage, { oPage: recPage.oPage })
            }

            anchors.fill: parent
            visible: bCurrent
            // A focus scope: the page's own first item takes the keyboard with it.
            focus: modelData.bFirstFocus
            onBCurrentChanged: load()
            Component.onCompleted: load()
        }
    }
}
