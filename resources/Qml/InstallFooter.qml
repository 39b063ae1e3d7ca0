import QtQuick 2.12
import "../common/Qml"

// The install page's footer in normal mode: Cancel, the licence notice, which opens the
// licence page wherever it is clicked, and Install.
Item {
    id: installFooter

    signal cancelPressed()
    signal eulaPressed()
    signal installPressed()

    property alias installButton: installButton

    readonly property string strFirstLine: qsTr("By clicking ") + "\"" + qsTr("Install") + "\""
        + qsTr(" and installing this software, you are agreeing to all the terms and conditions ")
    readonly property string strAgreement: qsTr("Zorva Chipset Driver End User License Agreement")
    readonly property string strSecondLine: qsTr("stated in the ") + strAgreement + "."
    // The notice's size: 14 pixels, or less where its longer line would overflow its box.
    readonly property int iNoticePixelSize: Math.min(14, Math.floor(
        14 * (recEula.width - 4) / Math.max(1, noticeMetrics.advanceWidth(strFirstLine),
                                               noticeMetrics.advanceWidth(strSecondLine))))

    FontMetrics {
        id: noticeMetrics
        font.family: fontKlavikaRegular.name
        font.pixelSize: 14
    }

    SquareButton {
        id: cancelButton
        objectName: "cancelButton"
        x: 16
        anchors.verticalCenter: parent.verticalCenter
        strButtonColor: g_strCancelButtonColor
        strButtonText: qsTr("Cancel")
        strToolTip: qsTr("Cancel")
        onButtonClicked: cancelPressed()
        Accessible.name: "CancelButton"
        Accessible.description: "shows cancel window pop-up"
    }

    Item {
        id: recEula
        objectName: "recEula"
        // Between Cancel and Install, with 16 pixels on each side.
        width: Math.min(543, parent.width - 2 * (cancelButton.x + cancelButton.width + 16))
        height: 45
        anchors.centerIn: parent

        Accessible.role: Accessible.Button
        Accessible.name: "DisplayEula"
        Accessible.description: "displays Chipset Driver End User License Agreement"
        Accessible.onPressAction: if (enabled && visible) eulaPressed()
        activeFocusOnTab: true
        Keys.onPressed: {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                    || event.key === Qt.Key_Space) {
                event.accepted = true
                eulaPressed()
            }
        }

        FocusFrame {}

        AccessibleText {
            id: eulaFirstLine
            objectName: "eulaFirstLine"
            y: 5
            anchors.horizontalCenter: parent.horizontalCenter
            text: strFirstLine
            font.pixelSize: iNoticePixelSize
        }

        AccessibleText {
            objectName: "eulaSecondLine"
            anchors.top: eulaFirstLine.bottom
            anchors.topMargin: 5
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("stated in the ") + "<u>" + strAgreement + "</u>" + "."
            textFormat: Text.StyledText
            font.pixelSize: iNoticePixelSize
        }

        MouseArea {
            objectName: "eulaArea"
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: eulaPressed()
        }
    }

    SquareButton {
        id: installButton
        objectName: "installButton"
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        enabled: bDisableButton
        opacity: enabled ? 1 : 0.4
        strButtonColor: g_strGreenColor
        strButtonText: qsTr("Install")
        strToolTip: qsTr("Install")
        onButtonClicked: installPressed()
        Accessible.name: "ComponentInstallation"
        Accessible.description: "Setup will Install the selected components from the window"
    }
}
