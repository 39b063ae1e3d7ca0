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
                anchors.left: parent.left
                anchors.leftMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strCancelButtonColor
                //: Button: leaves the uninstaller (after asking).
                strButtonText: qsTr("Cancel")
                strToolTip: strButtonText
                onButtonClicked: uninstallPage.cancelClicked()
                //: Screen-reader name of the uninstall page's Cancel button: its caption.
                Accessible.name: qsTr("CancelUninstallation")
                //: Screen-reader description of the uninstall page's Cancel button.
                Accessible.description: qsTr("Terminates uninstallation screen")
            }

            // Centred between Cancel and Uninstall, with 16 pixels on each side of the wider.
            FooterText {
                id: textUninstall
                objectName: "textUninstall"
                anchors.centerIn: parent
                width: parent.width - 2 * (16 + Math.max(cancelButton.width,
                                                         uninstallButton.width) + 16)
                horizontalAlignment: Text.AlignHCenter
                //: The notice beside the Uninstall button.
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
                //: Button: removes the selected drivers.
                strButtonText: qsTr("Uninstall")
                strToolTip: strButtonText
                onButtonClicked: uninstallPage.uninstallClicked()
                //: Screen-reader name of the uninstall page's Uninstall button: its caption.
                Accessible.name: qsTr("ComponentUninstall")
                //: Screen-reader description of the uninstall page's Uninstall button.
                Accessible.description: qsTr("Selected componets will be Uninstalled")
            }
        }

        CustomProgressBar {
            id: recUninstallProgressBar
            objectName: "recUninstallProgressBar"
            anchors.fill: parent
            visible: bInstallClicked
            //: Below the progress bar while the drivers are removed.
            strDisplayText: qsTr("Uninstalling Zorva Chipset Drivers...")
        }
    }
}
