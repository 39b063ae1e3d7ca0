import QtQuick 2.7
import QtQuick.Window 2.2
import QtGraphicalEffects 1.12
import QtQuick.Controls 2.9
import CNQml 1.0
import "../common/Qml/Animation"
import "../common/Qml"

ApplicationWindow {
    id: mainWindow
    objectName: "mainWindow"

    signal showWindow()
    signal windowLoaded()
    signal instanceAlreadyRunning()
    signal insufficientMemory()
    signal cancelClicked()
    signal noClicked()
    signal closeButtonClicked()

    property int g_iScreenWidth: getScreenWidth()
    property int g_iScreenHeight: getScreenHeight()
    property int g_iAppWidth: g_iScreenWidth > 1400 ? 795 : (g_iScreenWidth < 801 ? 800 : 770)
    property int g_iAppHeight: g_iScreenHeight > 1000 ? 520 : 470
    property int g_iFooterHeight: 75
    property bool g_bNoAnimation: false
    property string g_strTitleName: qsTr("Chipset Software Installer")
    property double mainWindowDPI: dpi

    property string g_strFocusColor: "#f8ffffff"
    property string g_strTransparentColor: "transparent"
    property string g_strGreenColor: "#158717"
    property string g_strTextColor: "#FFFFFF"
    property string g_strFooterColor: "#202020"
    property string g_strFooterBorderColor: "#303030"
    property string g_strCancelButtonColor: "#404040"
    property string g_strCancelWindowColor: "#4c4c4c"
    property string g_strHoverColor: "#40ffffff"

    property bool bWarning: false

    title: qsTr("Zorva ") + g_strTitleName
    width: g_iAppWidth
    height: g_iAppHeight
    minimumWidth: g_iAppWidth
    maximumWidth: g_iAppWidth
    minimumHeight: g_iAppHeight
    maximumHeight: g_iAppHeight
    x: (g_iScreenWidth - width) / 2
    y: (g_iScreenHeight - height) / 2
    visible: false
    color: "#6b7062"
    flags: Qt.FramelessWindowHint | Qt.Window

    onShowWindow: visible = true
    onVisibleChanged: if (visible) windowLoaded()
    onInstanceAlreadyRunning: bWarning = true
    onInsufficientMemory: {
        warningText.text = qsTr("Unable to allocate memory. Kindly restart your machine.")
        bWarning = true
    }
    onCloseButtonClicked: Qt.quit()

    Image {
        id: backdrop
        objectName: "backdrop"
        anchors.fill: parent
        source: "qrc:/img/zorva.PNG"
    }

    FontLoader { id: fontKlavikaMedium; source: "qrc:/fonts/Klavika-Medium.otf" }
    FontLoader { id: fontKlavikaRegular; source: "qrc:/fonts/Klavika-Regular.otf" }

    Rectangle {
        id: header
        objectName: "header"
        width: parent.width
        height: 32
        color: g_strTransparentColor
        Image {
            id: closeButton
            objectName: "closeButton"
            source: "qrc:/img/close.png"
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            MouseArea {
                anchors.fill: parent
                anchors.margins: -6
                onClicked: mainWindow.closeButtonClicked()
            }
        }
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
            source: "qrc:/img/logo.png"
            sourceSize.width: 100
            sourceSize.height: 80
            x: 80
            y: 160 - header.height
        }
        Text {
            id: titleText
            objectName: "titleText"
            anchors.top: logo.bottom
            anchors.topMargin: 10
            anchors.left: logo.left
            text: g_strTitleName
            font.family: fontKlavikaRegular.name
            font.pixelSize: 45
            color: g_strTextColor
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
            id: cancelButton
            objectName: "cancelButton"
            visible: !bWarning
            width: 100
            height: 34
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            color: g_strCancelButtonColor
            Accessible.role: Accessible.Button
            Accessible.name: "CancelInstallationButton"
            Accessible.description: "Installation is canceled"
            Text {
                anchors.centerIn: parent
                text: qsTr("Cancel")
                color: g_strTextColor
                font.family: fontKlavikaRegular.name
                font.pixelSize: 16
            }
            MouseArea { anchors.fill: parent; onClicked: mainWindow.cancelClicked() }
        }
        Text {
            id: checkingText
            objectName: "checkingText"
            visible: !bWarning
            anchors.centerIn: parent
            text: qsTr("Checking your PC's hardware for driver compatibility...")
            color: g_strTextColor
            font.family: fontKlavikaRegular.name
            font.pixelSize: 16
        }
        Image {
            id: alertIcon
            objectName: "alertIcon"
            visible: bWarning
            source: "qrc:/img/icon_16_alert.png"
            x: 20
            y: 29
        }
        Text {
            id: warningText
            objectName: "warningText"
            visible: bWarning
            x: alertIcon.x + 30
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Another instance is running. Please close already running instance.")
            color: g_strTextColor
            font.family: fontKlavikaRegular.name
            font.pixelSize: 16
        }
        Rectangle {
            id: closeInstallationButton
            objectName: "closeInstallationButton"
            visible: bWarning
            width: 100
            height: 34
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            color: g_strGreenColor
            Accessible.role: Accessible.Button
            Accessible.name: "CloseInstallationButton"
            Accessible.description: "Terminates Installation window"
            Text {
                anchors.centerIn: parent
                text: qsTr("Close")
                color: g_strTextColor
                font.family: fontKlavikaRegular.name
                font.pixelSize: 16
            }
            MouseArea { anchors.fill: parent; onClicked: Qt.quit() }
        }
    }
}
