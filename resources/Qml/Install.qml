import QtQuick 2.12
import "../common/Qml"

// The page of install mode. Until the tiles land it lists the offered drivers by name and
// version; the normal footer starts the run and the progress footer follows it.
Rectangle {
    id: installPage

    signal cancelClicked()
    signal skipClicked()
    signal installClicked()
    signal showEulaClicked()

    color: g_strTransparentColor

    onCancelClicked: {
        cancelWindow.y = 32
        cancelWindow.visible = true
        install.visible = false
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

        Rectangle {
            width: parent.width
            height: 2
            color: g_strFooterBorderColor
            border.width: 2
            border.color: g_strFooterBorderColor
        }

        Item {
            id: recFooterInstallLanding
            objectName: "recFooterInstallLanding"
            anchors.fill: parent
            visible: !g_bIsItSmartInstaller

            SquareButton {
                id: cancelButton
                objectName: "cancelButton"
                x: 16
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strCancelButtonColor
                strButtonText: qsTr("Cancel")
                strToolTip: qsTr("Cancel")
                onButtonClicked: installPage.cancelClicked()
                Accessible.name: "CancelButton"
                Accessible.description: "shows cancel window pop-up"
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
                onButtonClicked: {
                    bRunSlideShow = true
                    recDriversList.visible = false
                    recFooterInstallLanding.visible = false
                    bInstallClicked = true
                    qtInterface.installClicked()
                    customProgress.progressTimer.start()
                }
                Accessible.name: "ComponentInstallation"
                Accessible.description: "Setup will Install the selected components from the window"
            }
        }

        CustomProgressBar {
            id: recInstallProgressBar
            objectName: "recInstallProgressBar"
            anchors.fill: parent
            visible: bInstallClicked
            strDisplayText: qsTr("Installing Zorva Chipset Drivers...")
        }
    }
}
