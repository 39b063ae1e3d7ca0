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

    property int g_iNoOfDrivers: qtInterface.getNumberOfDrivers()
    property int g_iNumOfImages: qtInterface.getNumberOfImagesInDirectory()

    Image {
        id: backdrop
        objectName: "backdrop"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        source: g_iNumOfImages > 0 ? "file:" + qtInterface.getImagePath(0) : ""
    }

    Rectangle {
        objectName: "listPanel"
        x: 24
        y: 44
        width: driverList.width + 32
        height: driverList.height + 24
        radius: 4
        color: "#f2202020"
    }

    Rectangle {
        id: header
        objectName: "header"
        width: parent.width
        height: 32
        color: "transparent"
        Image {
            source: "qrc:/img/close.png"
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            MouseArea { anchors.fill: parent; anchors.margins: -6; onClicked: Qt.quit() }
        }
    }

    Column {
        id: driverList
        objectName: "driverList"
        x: 40
        y: 56
        spacing: 6
        Text {
            text: g_strTitleName
            color: "#FFFFFF"
            font.family: fontKlavikaRegular.name
            font.pixelSize: 32
        }
        Text {
            text: g_iNoOfDrivers > 0 ? qsTr("Drivers for this PC:") : qsTr("No driver of this package applies to this PC.")
            color: "#FFFFFF"
            font.family: fontKlavikaMedium.name
            font.pixelSize: 16
        }
        Repeater {
            model: g_iNoOfDrivers
            Text {
                text: qtInterface.getName(index) + "   " + qtInterface.getVersion(index)
                color: "#FFFFFF"
                font.family: fontKlavikaRegular.name
                font.pixelSize: 15
            }
        }
    }
}
