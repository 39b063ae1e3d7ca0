import QtQuick 2.12
import "../common/Qml"

// The result panel at the end of an install or uninstall run: what happened, a link to the
// run's log, and a footer that ends the program (or restarts Windows when the run asks).
Rectangle {
    id: resultPanel

    // The button that Enter presses and that takes the focus when the panel opens.
    readonly property Item defaultButton: g_bErrorOccured
                                          ? closeFailure
                                          : (g_bInstall && g_bIsRestartRequired ? closeSuccess
                                                                                    : closeOrFinish)

    color: "transparent"

    // A message too long for one line wraps.
    AccessibleText {
        id: mainMessage
        objectName: "mainMessage"
        y: 200
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: 28
        font.family: fontKlavikaMedium.name
        text: g_bInstall ? (g_bErrorOccured ? qsTr("Zorva Chipset Software installation failed.")
                                            : qsTr("Zorva Chipset Software installed successfully."))
                         : (g_bErrorOccured
                            ? qsTr("The selected Zorva Chipset Software have not been uninstalled.")
                            : qsTr("The selected Zorva Chipset Software have been uninstalled."))
    }

    // The line with the link to the log: 343 from the top, or higher on the lower window, clear
    // of the footer.
    AccessibleText {
        id: logLink
        objectName: "logLink"
        y: Math.min(343, resultFooter.y - height - 10)
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(implicitWidth, parent.width - 40)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        textFormat: Text.StyledText
        linkColor: color
        font.pixelSize: 16
        //: The line that opens the run's log; %1 is the link, "View Installation Log." or
        //: "View Uninstallation Log.", which is underlined.
        text: qsTr("Click to %1").arg("<a href=\"log\">"
                                      + (g_bInstall ? qsTr("View Installation Log.")
                                                    : qsTr("View Uninstallation Log."))
                                      + "</a>")
        onLinkActivated: qtInterface.launchLogFile()

        Accessible.role: Accessible.Link
        //: Screen-reader name of the link to the install log: the link's text.
        Accessible.name: g_bInstall ? qsTr("ViewInstallationLog")
                                    //: Screen-reader name of the link to the uninstall log: the
                                    //: link's text.
                                    : qsTr("ViewUninstallationLog")
        //: Screen-reader description of the link to the install log.
        Accessible.description: g_bInstall ? qsTr("Will open Installation log file")
                                           //: Screen-reader description of the link to the
                                           //: uninstall log.
                                           : qsTr("Will open Uninstallation log file")
        // A hidden link takes no press, from a screen reader as from the pointer.
        Accessible.onPressAction: if (enabled && visible) qtInterface.launchLogFile()
        activeFocusOnTab: true
        Keys.onPressed: {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                    || event.key === Qt.Key_Space) {
                event.accepted = true
                qtInterface.launchLogFile()
            }
        }

        FocusFrame {}

        // The pointing hand over the link.
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: logLink.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor
        }
    }

    Rectangle {
        id: resultFooter
        objectName: "resultFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_iFooterHeight
        color: g_strFooterColor

        readonly property string strMessage: g_bInstall
            ? (g_bErrorOccured ? qsTr("Zorva Chipset Software installation failed.")
                               : qsTr("Zorva Chipset Software installed successfully."))
            : (g_bErrorOccured ? qsTr("The selected Zorva Chipset Software uninstallation failed.")
                               : qsTr("Zorva Chipset Software have been successfully uninstalled."))

        Rectangle {
            width: parent.width
            height: 2
            color: g_strFooterBorderColor
        }

        Item {
            id: failureFooter
            objectName: "failureFooter"
            anchors.fill: parent
            visible: g_bErrorOccured

            Image {
                id: failureIcon
                objectName: "failureIcon"
                anchors.left: parent.left
                anchors.leftMargin: 20
                y: 29
                source: "qrc:/img/icon_16_failure.png"
            }

            FooterText {
                objectName: "failureMessage"
                anchors.left: failureIcon.left
                anchors.leftMargin: 30
                anchors.right: closeFailure.left
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                text: resultFooter.strMessage
            }

            SquareButton {
                id: closeFailure
                objectName: "closeMessageWindowFailure"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strCancelButtonColor
                //: Button: ends the installer (after a run, with or without success).
                strButtonText: qsTr("Close")
                onButtonClicked: Qt.quit()
                //: Screen-reader name of the Close button after a failed run: its caption.
                Accessible.name: qsTr("CloseMessageWindowFailure")
                //: Screen-reader description of the Close button after a failed run.
                Accessible.description: qsTr("Terminate Installer Window on failure")
            }
        }

        Item {
            id: restartFooter
            objectName: "restartFooter"
            anchors.fill: parent
            visible: !g_bErrorOccured && g_bInstall && g_bIsRestartRequired

            SquareButton {
                id: closeSuccess
                objectName: "closeMessageWindowSuccess"
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strCancelButtonColor
                strButtonText: qsTr("Close")
                onButtonClicked: Qt.quit()
                //: Screen-reader name of the Close button beside Restart: its caption.
                Accessible.name: qsTr("CloseMessageWindowSuccess")
                //: Screen-reader description of the Close button beside Restart.
                Accessible.description: qsTr("Terminate Installer Window on success")
            }

            // Centred between the buttons, with 16 pixels on each side of the wider one.
            FooterText {
                objectName: "restartMessage"
                anchors.centerIn: parent
                width: parent.width - 2 * (20 + Math.max(closeSuccess.width,
                                                         systemRestart.width) + 16)
                horizontalAlignment: Text.AlignHCenter
                text: resultFooter.strMessage
            }

            SquareButton {
                id: systemRestart
                objectName: "systemRestart"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strGreenColor
                //: Button: restarts the computer to complete the installation.
                strButtonText: qsTr("Restart")
                onButtonClicked: qtInterface.restartSystem()
                //: Screen-reader name of the Restart button: its caption.
                Accessible.name: qsTr("SystemRestart")
                //: Screen-reader description of the Restart button.
                Accessible.description: qsTr("Installation completed, Restart system")
            }
        }

        Item {
            id: successFooter
            objectName: "successFooter"
            anchors.fill: parent
            visible: !g_bErrorOccured && !(g_bInstall && g_bIsRestartRequired)

            FooterText {
                objectName: "successMessage"
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.right: closeOrFinish.left
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                text: resultFooter.strMessage
            }

            SquareButton {
                id: closeOrFinish
                objectName: g_bInstall ? "closeInstallationWindow" : "finishUninstallation"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strGreenColor
                strButtonText: g_bInstall ? qsTr("Close")
                                          //: Button: ends the uninstaller after a successful
                                          //: removal.
                                          : qsTr("Finish")
                onButtonClicked: Qt.quit()
                //: Screen-reader name of the Close button after a successful install: its
                //: caption.
                Accessible.name: g_bInstall ? qsTr("CloseInstallationWindow")
                                            //: Screen-reader name of the Finish button after a
                                            //: removal: its caption.
                                            : qsTr("Finish Uninstallation")
                //: Screen-reader description of the Close button after a successful install.
                Accessible.description: g_bInstall
                                        ? qsTr("Installation completed, Close Installation window")
                                        //: Screen-reader description of the Finish button.
                                        : qsTr("Terminates the installer window")
            }
        }
    }
}
