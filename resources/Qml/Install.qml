import QtQuick 2.12
import "../common/Qml"

// The page of install mode: the offered drivers as tiles, all selected at first, and a footer
// with the licence notice and the buttons (Cancel and Install; in smart-installer mode Cancel,
// Skip and Install). A start hides the tiles and the buttons for good and turns the footer
// into the progress footer; the window's poll then waits for the run's end.
Rectangle {
    id: installPage

    signal cancelClicked()
    signal skipClicked()
    signal installClicked()
    signal showEulaClicked()

    readonly property Item defaultButton: g_bIsItSmartInstaller
                                          ? recFooterInstallLandingSmartInstaller.installButton
                                          : recFooterInstallLanding.installButton

    function scrollByKey(key) {
        return recDriversList.scrollByKey(key)
    }

    // Install in normal mode. Its result is not looked at here: a start that failed leaves no
    // running process, and the first poll reads the outcome from the install log.
    function startRun() {
        bRunSlideShow = true
        recDriversList.visible = false
        recFooterInstallLanding.visible = false
        bInstallClicked = true
        qtInterface.installClicked()
        customProgress.progressTimer.start()
    }

    color: g_strTransparentColor

    // Install in smart-installer mode: the parent hears of a start; a refused start shows the
    // failure at once and tells the parent nothing.
    onInstallClicked: {
        bRunSlideShow = true
        recDriversList.visible = false
        recFooterInstallLandingSmartInstaller.visible = false
        bInstallClicked = true
        if (qtInterface.installClicked()) {
            customProgress.progressTimer.start()
            qtInterface.postEventMessage(iInstallStart)
        } else {
            g_bErrorOccured = true
            mainWindow.showResult()
            bInstallClicked = false
            bRunSlideShow = false
        }
    }

    onSkipClicked: {
        qtInterface.postEventMessage(iSkipBtn, mainWindow.x, mainWindow.y)
        Qt.quit()
    }

    onCancelClicked: {
        mainWindow.openQuitConfirmation()
    }

    onShowEulaClicked: eula.open()

    DriverList {
        id: recDriversList
        objectName: "recDriversList"
        // The page of the other mode never shows: it makes no tiles.
        iDrivers: g_bInstall ? g_iNoOfDrivers : 0
        y: 15
        width: parent.width
        height: parent.height - g_iFooterHeight - 20
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

        // Once hidden by a start, a footer never comes back, and a hidden button takes no
        // press: a page starts a run at most once. Only the footer of the mode is made.
        Loader {
            id: recFooterInstallLandingSmartInstaller
            objectName: "recFooterInstallLandingSmartInstaller"
            readonly property Item installButton: item ? item.installButton : null
            anchors.fill: parent
            visible: g_bIsItSmartInstaller
            active: visible || status === Loader.Ready

            sourceComponent: SmartInstallerFooter {
                onCancelPressed: installPage.cancelClicked()
                onSkipPressed: installPage.skipClicked()
                onEulaPressed: installPage.showEulaClicked()
                onInstallPressed: installPage.installClicked()
            }
        }

        Loader {
            id: recFooterInstallLanding
            objectName: "recFooterInstallLanding"
            readonly property Item installButton: item ? item.installButton : null
            anchors.fill: parent
            visible: !g_bIsItSmartInstaller
            active: visible || status === Loader.Ready

            sourceComponent: InstallFooter {
                onCancelPressed: installPage.cancelClicked()
                onEulaPressed: installPage.showEulaClicked()
                onInstallPressed: startRun()
            }
        }

        CustomProgressBar {
            id: recInstallProgressBar
            objectName: "recInstallProgressBar"
            anchors.fill: parent
            visible: bInstallClicked
            //: Below the progress bar while the drivers are installed.
            strDisplayText: qsTr("Installing Zorva Chipset Drivers...")
        }
    }
}
