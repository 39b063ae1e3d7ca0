import QtQuick 2.12
import "../common/Qml"

// The licence notice of the install page's footers: one sentence that names the agreement,
// wrapped to the notice's box and smaller where the box would not hold it. The agreement's
// name is underlined; clicked, it opens the licence page.
AccessibleText {
    id: notice

    // The Install button's caption, which the sentence quotes, and the agreement's name.
    property string strInstall: ""
    property string strAgreement: ""

    signal agreementClicked()

    //: The licence notice beside the Install button. %1 is that button's caption, %2 the name
    //: of the licence agreement, which the user clicks to read it. Use your language's
    //: quotation marks around %1.
    text: qsTr("By clicking \"%1\" and installing this software, you are agreeing to all the terms and conditions stated in the %2.")
          .arg(strInstall).arg("<a href=\"agreement\">" + strAgreement + "</a>")
    textFormat: Text.StyledText
    linkColor: color
    wrapMode: Text.WordWrap
    fontSizeMode: Text.Fit
    minimumPixelSize: 9
    lineHeight: 1.2
    verticalAlignment: Text.AlignVCenter
    font.pixelSize: 14
    onLinkActivated: agreementClicked()

    // The pointing hand over the agreement's name.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: notice.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor
    }
}
