import QtQuick 2.15

// The licence section: both agreements in one scrolling area that the arrow and page keys move.
Rectangle {
    id: recLicenceSection

    property QtObject oPage: null
    // Where every link in the texts leads.
    readonly property string strLinkUrl: "https://www.bis.doc.gov/"
    // Clear of the scroll bar, which the narrowest window at a large scale would lay over it.
    readonly property real rTextWidth: Math.min(recLicAgrmtDiv.width * 0.94,
                                                flickableForLicense.width - 20 - scrollBarLicence.width)

    function scrollLicense(delta) {
        var maxY = Math.max(0, flickableForLicense.contentHeight - flickableForLicense.height)
        flickableForLicense.contentY = Math.max(0, Math.min(maxY, flickableForLicense.contentY + delta))
    }

    objectName: "recForLictab"
    color: Theme.strTransparentColor

    LicenceText {
        id: licenceText
    }

    FontMetrics {
        id: licenceFontMetrics

        font: textLicenseContent.font
    }

    Rectangle {
        id: recLicAgrmtDiv

        objectName: "recLicAgrmtDiv"
        y: 20
        width: parent.width
        height: parent.height * 0.9
        color: Theme.strTransparentColor

        Flickable {
            id: flickableForLicense

            // Read as the texts it scrolls, a line at a time; the agreements are English in every
            // language of the window.
            property string textLanguage: "en"

            objectName: "flickableForLicense"
            anchors.fill: parent
            // Inside the focus ring, which then covers no line of the text.
            anchors.topMargin: 2 * Theme.iFocusMarkWidth
            anchors.bottomMargin: 2 * Theme.iFocusMarkWidth
            anchors.rightMargin: 2 * Theme.iFocusMarkWidth
            flickableDirection: Flickable.VerticalFlick
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            contentWidth: width
            contentHeight: textLicenseContent2.y + textLicenseContent2.height
            // The keyboard starts here when the page area gives this page the focus.
            focus: true
            activeFocusOnTab: true
            Accessible.role: Accessible.EditableText
            Accessible.readOnly: true
            Accessible.multiLine: true
            Accessible.name: qsTr("License Agreement")
            Keys.onUpPressed: recLicenceSection.scrollLicense(-20)
            Keys.onDownPressed: recLicenceSection.scrollLicense(20)
            // Home and End, with or without Ctrl, go to either end.
            Keys.onPressed: function(event) {
                if (event.key === Qt.Key_PageUp)
                    recLicenceSection.scrollLicense(-height)
                else if (event.key === Qt.Key_PageDown)
                    recLicenceSection.scrollLicense(height)
                else if (event.key === Qt.Key_Home)
                    recLicenceSection.scrollLicense(-contentHeight)
                else if (event.key === Qt.Key_End)
                    recLicenceSection.scrollLicense(contentHeight)
                else
                    return
                event.accepted = true
            }

            VerticalScrollBar {
                id: scrollBarLicence

                oView: flickableForLicense
                Accessible.name: flickableForLicense.Accessible.name
            }

            Text {
                id: textLicenseContent

                objectName: "textLicenseContent"
                x: 20
                width: recLicenceSection.rTextWidth
                // Laid out once, at its final width: the page has no width yet when this is
                // created, and a layout of the long text at no width at all is thrown away.
                text: width > 0 ? licenceText.strLicenseContent : ""
                textFormat: Text.StyledText
                // Lines as far apart as in rich text: the font's line spacing (its leading
                // included), where styled text would leave the leading out.
                lineHeightMode: Text.FixedHeight
                lineHeight: licenceFontMetrics.lineSpacing
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignJustify
                color: Theme.strTxtColor
                linkColor: "yellow"
                font.pixelSize: 11
                font.bold: true
                // Its script needs no shaping: without it the long text lays out in two thirds of
                // the time, with the same line breaks and, to the eye, the same glyphs.
                font.preferShaping: false
                onLinkActivated: recLicenceSection.oPage.linkRequested(recLicenceSection.strLinkUrl)
            }

            Rectangle {
                id: recHorizontalSeperator

                objectName: "recHorizontalSeperator"
                anchors.top: textLicenseContent.bottom
                x: 20
                width: recLicenceSection.rTextWidth
                height: 1
                color: Theme.strTxtColor
            }

            Text {
                id: textLicenseContent2

                objectName: "textLicenseContent2"
                anchors.top: recHorizontalSeperator.bottom
                anchors.topMargin: 10
                x: 20
                width: recLicenceSection.rTextWidth
                text: width > 0 ? licenceText.strLicenseContent2 : ""
                textFormat: Text.StyledText
                // Lines as far apart as in rich text: the font's line spacing (its leading
                // included), where styled text would leave the leading out.
                lineHeightMode: Text.FixedHeight
                lineHeight: licenceFontMetrics.lineSpacing
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignJustify
                color: Theme.strTxtColor
                linkColor: "yellow"
                font.pixelSize: 11
                font.bold: true
                font.preferShaping: false
                onLinkActivated: recLicenceSection.oPage.linkRequested(recLicenceSection.strLinkUrl)
            }
        }

        // Shows where the keyboard is while the licence scrolls with the arrow keys.
        ControlLook {
            bFocused: flickableForLicense.activeFocus
        }
    }
}
