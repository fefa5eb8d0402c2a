import QtQuick 2.15

// The system-update notice: shown when nothing can be offered.
Rectangle {
    id: recForSystemUpdate

    property QtObject oPage: null

    objectName: "recForSystemUpdate"
    color: Theme.strTransparentColor

    CNText {
        objectName: "textSystemUpdate"
        anchors.fill: parent
        strText: recForSystemUpdate.oPage.strNotice
        strTextColor: Theme.strTxtColor
        iTextSize: 12
        bBoldText: true
    }
}
