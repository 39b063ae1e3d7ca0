import QtQuick 2.7
import QtQuick 2.12
import QtQuick.Window 2.2
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
    // Why the installer could not start on this machine ("kind", "subject", "reason"); empty
    // when it did. The error panel then says why.
    readonly property var g_vStartupFailure: qtInterface.getStartupFailure()
    readonly property bool g_bStartupFailed: g_vStartupFailure.kind !== undefined
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

    property int iSkipBtn: ParentEvent.SkipBtn
    property int iCancelBtn: ParentEvent.CancelBtn
    property int iInstallStart: ParentEvent.InstallStart
    property int iInstallSuccess: ParentEvent.InstallSuccess
    property int iInstallFailed: ParentEvent.InstallFailed
    property int iInstallLaunchFailed: ParentEvent.InstallLaunchFailed

    signal butttonCheckedChanged(var index, var state)
    signal progressBarTriggered()
    signal noClicked()
    signal yesQuitClicked()
    signal closeButtonClicked()

    // The page the quit confirmation covers: the one shown when it opened, which No brings back.
    property Item coveredPage: null
    // Where the focus was when the confirmation opened; No gives it back.
    property Item focusBeforeConfirmation: null

    // The page shown below the header, if any; the error panel stays under the confirmation.
    function shownPage() {
        if (eula.visible)
            return eula
        if (install.visible)
            return install
        return uninstall.visible ? uninstall : null
    }

    function openQuitConfirmation() {
        if (cancelWindow.visible)
            return
        focusBeforeConfirmation = header.Window.activeFocusItem
        coveredPage = shownPage()
        if (coveredPage)
            coveredPage.visible = false
        cancelWindow.y = 32
        cancelWindow.visible = true
        header.headerColor = g_strCancelWindowColor
        cancelWindow.noButton.forceActiveFocus()
    }

    function closeQuitConfirmation() {
        if (!cancelWindow.visible)
            return
        cancelWindow.y = g_iAppHeight - 75
        cancelWindow.visible = false
        if (coveredPage)
            coveredPage.visible = true
        header.headerColor = coveredPage === eula ? g_strFooterColor : g_strTransparentColor
        coveredPage = null
        if (focusBeforeConfirmation)
            focusBeforeConfirmation.forceActiveFocus()
        focusBeforeConfirmation = null
    }

    // The end of a run, or a start refused: the result replaces a quit confirmation.
    // The button that Enter presses where no control takes it.
    function defaultButton() {
        if (cancelWindow.visible)
            return cancelWindow.noButton
        if (messageWindow.visible)
            return messageWindow.defaultButton
        var page = shownPage()
        if (page)
            return page.defaultButton
        return errorWindow.visible ? errorWindow.defaultButton : null
    }

    function showResult() {
        closeQuitConfirmation()
        messageWindow.visible = true
        messageWindow.defaultButton.forceActiveFocus()
    }

    g_iScreenWidth: qtInterface.getScreenWidth()
    g_iScreenHeight: qtInterface.getScreenHeight()
    //: The product's title as the child of another installer, under the maker's name Zorva.
    g_strTitleName: g_bIsItSmartInstaller ? qsTr("Software Installer")
                                          //: The product's title, under the maker's name Zorva.
                                          : qsTr("Chipset Software Installer")
    // A parent installer places the window itself before showing it.
    x: g_bIsItSmartInstaller ? 0 : (g_iScreenWidth - width) / 2
    y: g_bIsItSmartInstaller ? 0 : (g_iScreenHeight - height) / 2

    Component.onCompleted: {
        var states = []
        for (var i = 0; i < g_iNoOfDrivers; ++i)
            states[i] = true
        vButtonsState = states
        if (bShowErrorMessage)
            errorWindow.defaultButton.forceActiveFocus()
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
            showResult()
        }
        bRunSlideShow = false
    }

    onCloseButtonClicked: {
        if (messageWindow.visible) {
            Qt.quit()
            return
        }
        openQuitConfirmation()
    }

    onNoClicked: closeQuitConfirmation()

    // Keys no control took: Escape is the header's close (No on the confirmation), Enter the
    // shown page's default button, and the scrolling keys move the page's list or text.
    onKeyNotTaken: {
        if (key === Qt.Key_Escape) {
            if (cancelWindow.visible)
                noClicked()
            else
                closeButtonClicked()
        } else if (key === Qt.Key_Return || key === Qt.Key_Enter) {
            var button = defaultButton()
            if (button && button.visible && button.enabled)
                button.buttonClicked()
        } else if (!cancelWindow.visible && !messageWindow.visible) {
            var page = shownPage()
            if (page)
                page.scrollByKey(key)
        }
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

    // The panels and the page of the other mode that do not show at first are made the first
    // time they show and kept from then on; the window shows sooner for not laying out their
    // texts. Each slot is placed and shown as its panel would be.
    Loader {
        id: errorWindow
        objectName: "errorWindow"
        readonly property Item defaultButton: item ? item.defaultButton : null
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: bShowErrorMessage
        active: visible || status === Loader.Ready
        source: "ErrorWindow.qml"
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

    Loader {
        id: uninstall
        objectName: "uninstall"
        readonly property Item defaultButton: item ? item.defaultButton : null
        function scrollByKey(key) {
            return item ? item.scrollByKey(key) : false
        }
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: g_iNoOfDrivers > 0 && isUninstall
        enabled: visible
        active: visible || status === Loader.Ready
        source: "Uninstall.qml"
    }

    Loader {
        id: eula
        objectName: "eula"
        readonly property Item defaultButton: item ? item.defaultButton : null
        // Shows the licence page, made the first time.
        function open() {
            active = true
            item.open()
        }
        function scrollByKey(key) {
            return item ? item.scrollByKey(key) : false
        }
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: false
        enabled: visible
        active: false
        source: "Eula.qml"
    }

    Loader {
        id: cancelWindow
        objectName: "cancelWindow"
        readonly property Item noButton: item ? item.noButton : null
        y: g_iAppHeight - 75
        width: parent.width
        height: parent.height - 32
        visible: false
        enabled: visible
        active: visible || status === Loader.Ready
        source: "../common/Qml/CancelWindow.qml"
    }

    Loader {
        id: messageWindow
        objectName: "messageWindow"
        readonly property Item defaultButton: item ? item.defaultButton : null
        y: 32
        width: parent.width
        height: parent.height - 32
        visible: false
        enabled: visible
        active: visible || status === Loader.Ready
        source: "MessageWindow.qml"
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
