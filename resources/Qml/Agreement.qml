import QtQuick 2.12
import "../common/Qml"

// One licence agreement in the styles of the licence page: its title, an introduction, then
// numbered sections, each a heading and a body. The body of the export section carries the
// agreement's one link.
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

    AccessibleText {
        id: title
        objectName: "agreementTitle"
        x: 30
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
                x: 30
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
