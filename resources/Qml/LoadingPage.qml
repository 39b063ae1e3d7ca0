import QtQuick 2.7
import QtQuick.Window 2.2
import CNQml 1.0
import "../common/Qml/Animation"
import "../common/Qml"

// The first window: the product title over a backdrop while the engine start-up checks the
// hardware; a warning with a Close button when the start-up fails. It calls nothing on the
// bridge for its own content, which does not exist yet.
InstallerWindow {
    id: mainWindow
    objectName: "mainWindow"

    signal showWindow()
    signal windowLoaded()
    signal instanceAlreadyRunning()
    signal insufficientMemory()
    signal cancelClicked()
    signal noClicked()
    signal yesQuitClicked()
    signal closeButtonClicked()

    property bool bWarning: false

    g_iScreenWidth: getScreenWidth()
    g_iScreenHeight: getScreenHeight()
    //: The product's title, under the maker's name Zorva.
    g_strTitleName: qsTr("Chipset Software Installer")

    // Where the focus was when the confirmation opened; No gives it back.
    property Item focusBeforeConfirmation: null

    onShowWindow: visible = true
    onVisibleChanged: {
        if (visible)
            windowLoaded()
    }
    onInstanceAlreadyRunning: bWarning = true
    onInsufficientMemory: {
        warningText.text = qsTr("Unable to allocate memory. Kindly restart your machine.")
        bWarning = true
    }
    onCancelClicked: {
        focusBeforeConfirmation = header.Window.activeFocusItem
        cancelWindow.y = 32
        cancelWindow.visible = true
        recTitle.visible = false
        recFooter.visible = false
        header.headerColor = g_strCancelButtonColor
        cancelWindow.noButton.forceActiveFocus()
    }
    onNoClicked: {
        cancelWindow.y = g_iAppHeight - 75
        cancelWindow.visible = false
        recTitle.visible = true
        recFooter.visible = true
        header.headerColor = g_strTransparentColor
        if (focusBeforeConfirmation)
            focusBeforeConfirmation.forceActiveFocus()
        focusBeforeConfirmation = null
    }
    onYesQuitClicked: Qt.quit()
    // Escape is No on the confirmation, else the header's close; Enter presses Close.
    onKeyNotTaken: {
        if (key === Qt.Key_Escape) {
            if (cancelWindow.visible)
                noClicked()
            else
                closeButtonClicked()
        } else if ((key === Qt.Key_Return || key === Qt.Key_Enter)
                   && closeInstallationButton.visible) {
            closeInstallationButton.buttonClicked()
        }
    }
    onCloseButtonClicked: Qt.quit()

    // Its traces run away from the title: mirrored with the window.
    Image {
        id: backdrop
        objectName: "backdrop"
        anchors.fill: parent
        source: "qrc:/img/zorva.PNG"
        mirror: LayoutMirroring.enabled
    }

    // The quit confirmation is made the first time it opens and kept from then on.
    Loader {
        id: cancelWindow
        objectName: "cancelWindow"
        readonly property Item noButton: item ? item.noButton : null
        y: g_iAppHeight - 75
        width: parent.width
        height: parent.height - 32
        visible: false
        active: visible || status === Loader.Ready
        source: "../common/Qml/CancelWindow.qml"
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

    Header {
        id: header
        objectName: "header"
        width: parent.width
        height: 32
    }

    Item {
        id: recTitle
        objectName: "recTitle"
        anchors.top: header.bottom
        anchors.bottom: recFooter.top
        width: parent.width

        Image {
            id: logo
            objectName: "logo"
            anchors.left: parent.left
            anchors.leftMargin: 80
            y: 160
            source: "qrc:/img/logo.png"
            sourceSize.width: 100
            sourceSize.height: 80
        }

        // Two lines where the title needs them, and a smaller size where even they are short.
        AccessibleText {
            id: titleText
            objectName: "titleText"
            anchors.top: logo.bottom
            anchors.topMargin: 10
            anchors.left: logo.left
            width: parent.width - 2 * logo.anchors.leftMargin
            height: parent.height - y - 5
            wrapMode: Text.WordWrap
            fontSizeMode: Text.Fit
            minimumPixelSize: 20
            text: g_strTitleName
            font.pixelSize: 45
        }
    }

    Rectangle {
        id: recFooter
        objectName: "recFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_iFooterHeight
        color: g_strFooterColor

        SquareButton {
            id: cancelButton
            objectName: "cancelButton"
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            visible: !bWarning
            strButtonColor: g_strCancelButtonColor
            //: Button: stops the installer while it checks the hardware.
            strButtonText: qsTr("Cancel")
            strToolTip: strButtonText
            onButtonClicked: mainWindow.cancelClicked()
            //: Screen-reader name of the loading page's Cancel button: its caption.
            Accessible.name: qsTr("CancelInstallationButton")
            //: Screen-reader description of the loading page's Cancel button.
            Accessible.description: qsTr("Installation is canceled")
        }

        // Centred between the buttons' places at both sides.
        FooterText {
            id: checkingText
            objectName: "checkingText"
            anchors.centerIn: parent
            width: parent.width - 2 * (cancelButton.anchors.leftMargin + cancelButton.width + 16)
            horizontalAlignment: Text.AlignHCenter
            visible: !bWarning
            text: qsTr("Checking your PC's hardware for driver compatibility...")
        }

        Image {
            id: alertIcon
            objectName: "alertIcon"
            anchors.left: parent.left
            anchors.leftMargin: 20
            y: 29
            visible: bWarning
            source: "qrc:/img/icon_16_alert.png"
        }

        FooterText {
            id: warningText
            objectName: "warningText"
            anchors.left: alertIcon.left
            anchors.leftMargin: 30
            anchors.right: closeInstallationButton.left
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            visible: bWarning
            text: qsTr("Another instance is running. Please close already running instance.")
        }

        SquareButton {
            id: closeInstallationButton
            objectName: "closeInstallationButton"
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            visible: bWarning
            strButtonColor: g_strGreenColor
            //: Button: ends the installer, which cannot go on.
            strButtonText: qsTr("Close")
            strToolTip: strButtonText
            onButtonClicked: Qt.quit()
            //: Screen-reader name of the loading page's Close button: its caption.
            Accessible.name: qsTr("CloseInstallationButton")
            //: Screen-reader description of the loading page's Close button.
            Accessible.description: qsTr("Terminates Installation window")
        }
    }

    Tooltip {
        id: baseToolTip
        objectName: "baseToolTip"
        windowDPI: mainWindowDPI
    }
}
