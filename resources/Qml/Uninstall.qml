import QtQuick 2.12
import "../common/Qml"

// The page of uninstall mode. Until the tiles land it lists the offered drivers by name and
// version; the footer starts the removal and the progress footer follows it.
Rectangle {
    id: uninstallPage

    signal uninstallClicked()
    signal cancelClicked()

    color: g_strTransparentColor

    onUninstallClicked: {
        bRunSlideShow = true
        recDriversList.visible = false
        recFooterUninstallLanding.visible = false
        bInstallClicked = true
        if (qtInterface.uninstallClicked()) {
            customProgress.progressTimer.start()
        } else {
            g_bErrorOccured = true
            messageWindow.visible = true
            bInstallClicked = false
            bRunSlideShow = false
        }
    }

    onCancelClicked: {
        cancelWindow.y = 32
        cancelWindow.visible = true
        uninstall.visible = false
        header.headerColor = g_strCancelWindowColor
    }

    Rectangle {
        id: recDriversList
        objectName: "recDriversList"
        x: 20
        y: 15
        width: driverNames.width + 32
        height: driverNames.height + 24
        radius: 4
        color: "#f2202020"

        Column {
            id: driverNames
            objectName: "driverNames"
            x: 16
            y: 12
            spacing: 6

            Repeater {
                model: g_iNoOfDrivers

                AccessibleText {
                    text: qtInterface.getName(index) + "   " + qsTr("Version ")
                          + qtInterface.getVersion(index)
                    font.pixelSize: 15
                }
            }
        }
    }

    Rectangle {
        id: recFooter
        objectName: "recFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_iFooterHeight
        color: g_strFooterColor

        Item {
            id: recFooterUninstallLanding
            objectName: "recFooterUninstallLanding"
            anchors.fill: parent

            SquareButton {
                id: cancelButton
                objectName: "cancelButton"
                x: 16
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strCancelButtonColor
                strButtonText: qsTr("Cancel")
                strToolTip: qsTr("Cancel")
                onButtonClicked: uninstallPage.cancelClicked()
                Accessible.name: "CancelUninstallation"
                Accessible.description: "Terminates uninstallation screen"
            }

            AccessibleText {
                id: textUninstall
                objectName: "textUninstall"
                anchors.centerIn: parent
                text: qsTr("Clicking uninstall will remove Zorva Chipset Drivers from your system.")
                font.pixelSize: 14
            }

            SquareButton {
                id: uninstallButton
                objectName: "uninstallButton"
                anchors.right: parent.right
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                enabled: bDisableButton
                opacity: enabled ? 1 : 0.4
                strButtonColor: g_strGreenColor
                strButtonText: qsTr("Uninstall")
                strToolTip: qsTr("Uninstall")
                onButtonClicked: uninstallPage.uninstallClicked()
                Accessible.name: "ComponentUninstall"
                Accessible.description: "Selected componets will be Uninstalled"
            }
        }

        CustomProgressBar {
            id: recUninstallProgressBar
            objectName: "recUninstallProgressBar"
            anchors.fill: parent
            visible: bInstallClicked
            strDisplayText: qsTr("Uninstalling Zorva Chipset Drivers...")
        }
    }
}
