import QtQuick 2.12
import "../common/Qml"

// The install page's footer in smart-installer mode: the licence notice at the left, of which
// only the agreement's name opens the licence page, and Cancel, Skip and Install at the right.
Item {
    id: smartInstallerFooter

    signal cancelPressed()
    signal skipPressed()
    signal eulaPressed()
    signal installPressed()

    property alias installButton: smartInstallerInstallButton

    readonly property string strFirstLine: qsTr("By clicking ") + "\"" + qsTr("Install") + "\""
        + qsTr(" and installing this software, you are agreeing to all the terms ")
    readonly property string strSecondLine: qsTr("and conditions stated in the ")
    readonly property string strAgreement: qsTr("Zorva Software End User License Agreement")
    // The notice's size: 14 pixels, or less where a line would overflow its box.
    readonly property int iNoticePixelSize: Math.min(14, Math.floor(
        14 * (recEulaSmartInstaller.width - 4)
        / Math.max(1, noticeMetrics.advanceWidth(strFirstLine),
                   noticeMetrics.advanceWidth(strSecondLine + strAgreement + "."))))

    FontMetrics {
        id: noticeMetrics
        font.family: fontKlavikaRegular.name
        font.pixelSize: 14
    }

    Item {
        id: recEulaSmartInstaller
        objectName: "recEulaSmartInstaller"
        x: 16
        width: parent.width - rowSquareButtons.width - 48
        height: 45
        anchors.verticalCenter: parent.verticalCenter

        AccessibleText {
            id: eulaFirstText
            objectName: "eulaFirstText"
            width: parent.width
            text: strFirstLine
            wrapMode: Text.WordWrap
            lineHeight: 1.2
            font.pixelSize: iNoticePixelSize
        }

        AccessibleText {
            id: eulaSecondText
            objectName: "eulaSecondText"
            anchors.top: eulaFirstText.bottom
            anchors.topMargin: 5
            text: strSecondLine
            font.pixelSize: iNoticePixelSize
        }

        AccessibleText {
            objectName: "eulaLinkSmartInstaller"
            anchors.top: eulaFirstText.bottom
            anchors.topMargin: 5
            anchors.left: eulaSecondText.right
            text: "<u>" + strAgreement + "</u>" + "."
            textFormat: Text.StyledText
            font.pixelSize: iNoticePixelSize

            Accessible.role: Accessible.Button
            Accessible.name: "DisplaySmartInstallerEula"
            Accessible.description: "displays Smart Installer End User License Agreement"
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

            MouseArea {
                objectName: "eulaLinkArea"
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: eulaPressed()
            }
        }
    }

    Row {
        id: rowSquareButtons
        objectName: "rowSquareButtons"
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 16

        SquareButton {
            objectName: "smartInstallerCancelButton"
            strButtonColor: g_strCancelButtonColor
            strButtonText: qsTr("Cancel")
            strToolTip: qsTr("Cancel")
            onButtonClicked: cancelPressed()
            Accessible.name: "SmartInstallerCancelInstallationButton"
            Accessible.description: "Terminates Smart Installer Installation window"
        }

        SquareButton {
            objectName: "smartInstallerSkipButton"
            strButtonColor: g_strCancelButtonColor
            strButtonText: qsTr("Skip")
            strToolTip: qsTr("Skip this step and do not install this component.")
            onButtonClicked: skipPressed()
            Accessible.name: "SmartInstallerSkipInstallationButton"
            Accessible.description: "Installation will be skipped and won't install any component"
        }

        SquareButton {
            id: smartInstallerInstallButton
            objectName: "smartInstallerInstallButton"
            enabled: bDisableButton
            opacity: enabled ? 1 : 0.4
            strButtonColor: g_strGreenColor
            strButtonText: qsTr("Install")
            strToolTip: qsTr("Install")
            onButtonClicked: installPressed()
            Accessible.name: "SmartInstallerInstallButton"
            Accessible.description: "Selected Smart Installer components will be Installed"
        }
    }
}
