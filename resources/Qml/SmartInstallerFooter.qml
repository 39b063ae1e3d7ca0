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

    // The notice keeps at least 40 % of the footer: the buttons share the rest.
    readonly property int iButtonMaximumWidth: Math.floor((width * 0.6 - 48 - 2 * 16) / 3)

    // The keyboard and a screen reader press the notice; the pointer only the agreement's name.
    Item {
        id: recEulaSmartInstaller
        objectName: "recEulaSmartInstaller"
        anchors.left: parent.left
        anchors.leftMargin: 16
        width: parent.width - rowSquareButtons.width - 48
        height: parent.height - 10
        anchors.verticalCenter: parent.verticalCenter

        Accessible.role: Accessible.Button
        //: Screen-reader name of the smart installer's licence notice, which opens the
        //: licence agreement: the agreement's name.
        Accessible.name: qsTr("DisplaySmartInstallerEula")
        //: Screen-reader description of the smart installer's licence notice.
        Accessible.description: qsTr("displays Smart Installer End User License Agreement")
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

        LicenceNotice {
            objectName: "eulaNoticeSmartInstaller"
            anchors.fill: parent
            strInstall: smartInstallerInstallButton.strButtonText
            //: The name of the licence agreement in the smart installer's licence notice.
            strAgreement: qsTr("Zorva Software End User License Agreement")
            onAgreementClicked: eulaPressed()
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
            iMaximumWidth: iButtonMaximumWidth
            strButtonColor: g_strCancelButtonColor
            //: Button: leaves the installer (after asking).
            strButtonText: qsTr("Cancel")
            strToolTip: strButtonText
            onButtonClicked: cancelPressed()
            //: Screen-reader name of the smart installer's Cancel button: its caption.
            Accessible.name: qsTr("SmartInstallerCancelInstallationButton")
            //: Screen-reader description of the smart installer's Cancel button.
            Accessible.description: qsTr("Terminates Smart Installer Installation window")
        }

        SquareButton {
            objectName: "smartInstallerSkipButton"
            iMaximumWidth: iButtonMaximumWidth
            strButtonColor: g_strCancelButtonColor
            //: Button: goes on with the parent installer without installing the drivers.
            strButtonText: qsTr("Skip")
            //: Tooltip of the Skip button.
            strToolTip: qsTr("Skip this step and do not install this component.")
            onButtonClicked: skipPressed()
            //: Screen-reader name of the smart installer's Skip button: its caption.
            Accessible.name: qsTr("SmartInstallerSkipInstallationButton")
            //: Screen-reader description of the smart installer's Skip button.
            Accessible.description: qsTr("Installation will be skipped and won't install any component")
        }

        SquareButton {
            id: smartInstallerInstallButton
            objectName: "smartInstallerInstallButton"
            iMaximumWidth: iButtonMaximumWidth
            enabled: bDisableButton
            opacity: enabled ? 1 : 0.4
            strButtonColor: g_strGreenColor
            //: Button: installs the selected drivers.
            strButtonText: qsTr("Install")
            strToolTip: strButtonText
            onButtonClicked: installPressed()
            //: Screen-reader name of the smart installer's Install button: its caption.
            Accessible.name: qsTr("SmartInstallerInstallButton")
            //: Screen-reader description of the smart installer's Install button.
            Accessible.description: qsTr("Selected Smart Installer components will be Installed")
        }
    }
}
