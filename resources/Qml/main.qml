import QtQuick 2.7
import QtQuick 2.12
import QtQuick.Window 2.2
import QtGraphicalEffects 1.12
import QtQuick.Controls 2.9
import CNQml 1.0
import "../common/Qml/Animation"
import "../common/Qml"

// The main window of the wizard: decides which page shows, holds the state and colours that
// every page and control reads by name, polls a run's progress and handles quitting.
InstallerWindow {
    id: mainWindow
    objectName: "mainWindow"

    property int g_iNoOfDrivers: qtInterface.getNumberOfDrivers()
    property int g_iNumOfImages: qtInterface.getNumberOfImagesInDirectory()
    property bool g_bInstall: qtInterface.isInstall()
    property bool isUninstall: qtInterface.isUninstall()
    property bool bShowErrorMessage: g_iNoOfDrivers === 0 && (g_bInstall || isUninstall)
    property bool bRunSlideShow: false
    property bool bInstallClicked: false
    property bool bDisableButton: true
    property bool g_bIsRestartRequired: false
    property bool g_bErrorOccured: false
    property bool g_bIsItSmartInstaller: qtInterface.isItSmartInstaller()
    property bool g_bInstallcomplete: false
    property real progressValue: 0
    property var vButtonsState: []

    property int iSkipBtn: 2
    property int iCancelBtn: 3
    property int iInstallStart: 4
    property int iInstallSuccess: 5
    property int iInstallFailed: 6
    property int iInstallLaunchFailed: 7

    signal butttonCheckedChanged(var index, var state)
    signal progressBarTriggered()
    signal noClicked()
    signal yesQuitClicked()
    signal closeButtonClicked()

    // The page of the current mode, which the quit confirmation covers.
    function modePage() {
        return g_bInstall ? install : uninstall
    }

    g_iScreenWidth: qtInterface.getScreenWidth()
    g_iScreenHeight: qtInterface.getScreenHeight()
    g_strTitleName: g_bIsItSmartInstaller ? qsTr("Software Installer")
                                          : qsTr("Chipset Software Installer")
    // A parent installer places the window itself before showing it.
    x: g_bIsItSmartInstaller ? 0 : (g_iScreenWidth - width) / 2
    y: g_bIsItSmartInstaller ? 0 : (g_iScreenHeight - height) / 2

    Component.onCompleted: {
        var states = []
        for (var i = 0; i < g_iNoOfDrivers; ++i)
            states[i] = true
        vButtonsState = states
    }

    onDpiChanged: {
        g_iScreenWidth = qtInterface.getScreenWidth()
        g_iScreenHeight = qtInterface.getScreenHeight()
    }

    onButttonCheckedChanged: {
        vButtonsState[index] = state
        bDisableButton = vButtonsState.indexOf(true) >= 0
    }

    onProgressBarTriggered: {
        if (!bInstallClicked)
            return
        bRunSlideShow = true
        if (qtInterface.isRunning())
            return
        progressValue = qtInterface.updateProgress()
        g_bIsRestartRequired = qtInterface.isRestartRequired()
        if (progressValue === -1 || progressValue === -2) {
            g_bErrorOccured = true
            if (g_bIsItSmartInstaller)
                qtInterface.postEventMessage(iInstallFailed, mainWindow.x, mainWindow.y)
        } else if (progressValue === 100) {
            g_bErrorOccured = false
            if (g_bIsItSmartInstaller)
                qtInterface.postEventMessage(iInstallSuccess, mainWindow.x, mainWindow.y)
        }
        bInstallClicked = false
        customProgress.progressTimer.stop()
        if (g_bInstall && g_bIsItSmartInstaller) {
            g_bInstallcomplete = true
            messageWindow.visible = false
            Qt.quit()
        } else {
            messageWindow.visible = true
        }
        bRunSlideShow = false
    }

    onCloseButtonClicked: {
        if (messageWindow.visible) {
            Qt.quit()
            return
        }
        cancelWindow.y = 32
        cancelWindow.visible = true
        modePage().visible = false
        modePage().enabled = false
        header.headerColor = g_strCancelWindowColor
    }

    // The page comes back only where it was offered: over the error panel it stays hidden.
    onNoClicked: {
        cancelWindow.y = g_iAppHeight - 75
        cancelWindow.visible = false
        modePage().visible = g_iNoOfDrivers > 0
        modePage().enabled = g_iNoOfDrivers > 0
        header.headerColor = g_strTransparentColor
    }

    onYesQuitClicked: {
        if (g_bIsItSmartInstaller)
            qtInterface.postEventMessage(iCancelBtn)
        Qt.quit()
    }

    BackgroundImages {
        objectName: "backgroundImages"
    }

    Header {
        id: header
        objectName: "header"
        width: parent.width
        height: 32
    }

    Tile {
        objectName: "hiddenTile"
        anchors.fill: parent
        visible: false
        Accessible.ignored: true
    }

    ErrorWindow {
        id: errorWindow
        objectName: "errorWindow"
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: bShowErrorMessage
    }

    Install {
        id: install
        objectName: "install"
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: g_iNoOfDrivers > 0 && g_bInstall
        enabled: visible
    }

    Uninstall {
        id: uninstall
        objectName: "uninstall"
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: g_iNoOfDrivers > 0 && isUninstall
        enabled: visible
    }

    Eula {
        id: eula
        objectName: "eula"
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: false
    }

    CancelWindow {
        id: cancelWindow
        objectName: "cancelWindow"
        y: g_iAppHeight - 75
        width: parent.width
        height: parent.height - 32
        visible: false
    }

    MessageWindow {
        id: messageWindow
        objectName: "messageWindow"
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: false
        enabled: visible
    }

    CustomProgressBar {
        id: customProgress
        objectName: "customProgress"
        visible: false
    }

    Tooltip {
        id: baseToolTip
        objectName: "baseToolTip"
        windowDPI: mainWindowDPI
    }

    FontLoader {
        id: fontKlavikaMedium
        objectName: "fontKlavikaMedium"
        source: "qrc:/fonts/Klavika-Medium.otf"
    }

    FontLoader {
        id: fontKlavikaRegular
        objectName: "fontKlavikaRegular"
        source: "qrc:/fonts/Klavika-Regular.otf"
    }
}
