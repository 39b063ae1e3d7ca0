import QtQuick 2.7
import QtQuick 2.12
import QtQuick.Window 2.2
import QtGraphicalEffects 1.12
import QtQuick.Controls 2.9
import CNQml 1.0
import "../common/Qml/Animation"
import "../common/Qml"

ApplicationWindow {
    id: mainWindow
    objectName: "mainWindow"

    property int g_iScreenWidth: qtInterface.getScreenWidth()
    property int g_iScreenHeight: qtInterface.getScreenHeight()
    property int g_iAppWidth: g_iScreenWidth > 1400 ? 795 : (g_iScreenWidth < 801 ? 800 : 770)
    property int g_iAppHeight: g_iScreenHeight > 1000 ? 520 : 470
    property bool g_bIsItSmartInstaller: qtInterface.isItSmartInstaller()
    property string g_strTitleName: g_bIsItSmartInstaller ? qsTr("Software Installer")
                                                          : qsTr("Chipset Software Installer")

    title: qsTr("Zorva ") + g_strTitleName
    width: g_iAppWidth
    height: g_iAppHeight
    minimumWidth: g_iAppWidth
    maximumWidth: g_iAppWidth
    minimumHeight: g_iAppHeight
    maximumHeight: g_iAppHeight
    x: g_bIsItSmartInstaller ? 0 : (g_iScreenWidth - width) / 2
    y: g_bIsItSmartInstaller ? 0 : (g_iScreenHeight - height) / 2
    visible: false
    color: "#6b7062"
    flags: Qt.FramelessWindowHint | Qt.Window

    onDpiChanged: {
        g_iScreenWidth = qtInterface.getScreenWidth()
        g_iScreenHeight = qtInterface.getScreenHeight()
    }

    FontLoader { id: fontKlavikaMedium; source: "qrc:/fonts/Klavika-Medium.otf" }
    FontLoader { id: fontKlavikaRegular; source: "qrc:/fonts/Klavika-Regular.otf" }

    Text {
        anchors.centerIn: parent
        text: g_strTitleName
        color: "#FFFFFF"
        font.family: fontKlavikaRegular.name
        font.pixelSize: 32
    }
}
