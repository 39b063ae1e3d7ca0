import QtQuick 2.12
import "../common/Qml"

// One licence agreement in the styles of the licence page: its title, an introduction, then
// numbered sections, each a heading and a body. The body of the export section carries the
// agreement's one link. The agreements are not translated: their English text governs in
// every language, as the licence page says above them.
Column {
    id: agreement

    property string strTitle: ""
    property string strIntroduction: ""
    // [{ "heading": "1. ...", "body": "..." }, ...]
    property var lstSections: []
    // The export section (by position) and the web address its link opens.
    property int iExportSection: -1
    property string strExportAddress: ""

    spacing: 10
    // English, so laid out from the left in every language.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    AccessibleText {
        id: title
        objectName: "agreementTitle"
        anchors.left: parent.left
        anchors.leftMargin: 30
        text: agreement.strTitle
        horizontalAlignment: Text.AlignJustify
        font.pixelSize: 24
    }

    AgreementBody {
        text: agreement.strIntroduction
    }

    Repeater {
        model: agreement.lstSections

        Column {
            width: agreement.width
            spacing: agreement.spacing

            AccessibleText {
                objectName: "sectionHeading"
                anchors.left: parent.left
                anchors.leftMargin: 30
                width: parent.width - 60
                text: modelData.heading + "\n"
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignJustify
                font.pixelSize: 19
            }

            AgreementBody {
                objectName: index === agreement.iExportSection ? "exportBody" : "sectionBody"
                text: index === agreement.iExportSection
                      ? modelData.body.arg("<a href=\"" + agreement.strExportAddress + "\">"
                                           + agreement.strExportAddress + "</a>")
                      : modelData.body
                textFormat: index === agreement.iExportSection ? Text.StyledText
                                                               : Text.PlainText
            }
        }
    }
}
