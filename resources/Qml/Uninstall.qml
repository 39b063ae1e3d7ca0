import QtQuick 2.12
import "../common/Qml"

// The page of uninstall mode: a tile for each offered driver that may be removed on its own,
// all selected at first, and a footer with Cancel, a notice and Uninstall. A start hides the
// tiles and the buttons for good and turns the footer into the progress footer; the window's
// poll then waits for the removal's end.
Rectangle {
    id: uninstallPage

    signal uninstallClicked()
    signal cancelClicked()

    readonly property Item defaultButton: uninstallButton

    function scrollByKey(key) {
        return recDriversList.scrollByKey(key)
    }

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
            mainWindow.showResult()
            bInstallClicked = false
            bRunSlideShow = false
        }
    }

    onCancelClicked: {
        mainWindow.openQuitConfirmation()
    }

    DriverList {
        id: recDriversList
        objectName: "recDriversList"
        // The page of the other mode never shows: it makes no tiles.
        iDrivers: isUninstall ? g_iNoOfDrivers : 0
        width: parent.width
        height: parent.height - recFooter.height
        bUninstallableOnly: true
    }

    Rectangle {
        id: recFooter
        objectName: "recFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_iFooterHeight
        color: g_strFooterColor

        // Once hidden by a start, the footer never comes back, and a hidden button takes no
        // press: the page starts a removal at most once.
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
