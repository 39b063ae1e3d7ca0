' Hardware detection: asks WMI for the machine's devices, matches their hardware identifiers
' against the maker's tables, keeps the drivers the package carries and answers their
' switches, each preceded by one blank (" /SETPCI /SETSQP"), or "" when none applies.
Option Explicit

Const HKEY_LOCAL_MACHINE = &H80000002
Const ForAppending = 8

' Operating system
Dim OSVersion, OSCaption, BldNum
Dim Win7, Win81, Win10, Server, Server8Plus, HubWindow

' Installed state of the package
Dim SetUninstall, DeployedFeaturesValue

' Detected switches (InstallDriverCount of them are used), product names, result
Dim InstallDriverList, InstallDriverCount
Dim strProductsArray
Dim InstallDriverValues

' Detection log
Dim LogFileSystem, LogFilePath

' Identifier tables
Dim USB1, USB2, USB3, USB4, USB5, HUB30, RAID, SER, SPB, SMF
Dim VEN, DEV_F, REV_F, REV_P, SPI, EFIX, SRH_I2C, SRH, CXP, UPEP, CIR
Dim I2C, UART, PCI, GPIO3, QW4, GPIO2, SQP_A, SQP_B, ETH, XGBE, SMBUS
Dim IOV_7, IOV_10, EMMC_A, EMMC_B, SATA_7, SATA_B, IDE

' Output table: switch, product name, name test (True: contains, ignoring case), log name
Dim OutSwitch, OutName, OutContains, OutLogName

Sub InitTables()
    USB1 = Array("PCI\VEN_ZV01&DEV_1101", "PCI\VEN_ZV01&DEV_1102")
    USB2 = Array("PCI\VEN_ZV01&DEV_1201", "PCI\VEN_ZV01&DEV_1202", "PCI\VEN_ZV01&DEV_1203")
    USB3 = Array("PCI\VEN_ZV01&DEV_1301", "PCI\VEN_ZV01&DEV_1302", "PCI\VEN_ZV01&DEV_1303")
    USB4 = Array("PCI\VEN_ZV01&DEV_1401", "PCI\VEN_ZV01&DEV_1402", "PCI\VEN_ZV01&DEV_1403", _
                 "PCI\VEN_ZV01&DEV_1404", "PCI\VEN_ZV01&DEV_1405", "PCI\VEN_ZV01&DEV_1406", _
                 "PCI\VEN_ZV01&DEV_1407", "PCI\VEN_ZV01&DEV_1408", "PCI\VEN_ZV01&DEV_1409", _
                 "PCI\VEN_ZV01&DEV_1410", "PCI\VEN_ZV01&DEV_1411", "PCI\VEN_ZV01&DEV_1412", _
                 "PCI\VEN_ZV01&DEV_1413", "PCI\VEN_ZV01&DEV_1414", "PCI\VEN_ZV01&DEV_1415", _
                 "PCI\VEN_ZV01&DEV_1416", "PCI\VEN_ZV01&DEV_1417", "PCI\VEN_ZV01&DEV_1418", _
                 "PCI\VEN_ZV01&DEV_1419", "PCI\VEN_ZV01&DEV_1420")
    USB5 = Array("PCI\VEN_ZV01&DEV_1501", "PCI\VEN_ZV01&DEV_1502", "PCI\VEN_ZV01&DEV_1503", _
                 "PCI\VEN_ZV01&DEV_1504")
    HUB30 = Array("USB\ROOT_HUB30", "USB\USB30_HUB")
    RAID = Array("PCI\VEN_ZV01&DEV_2101", "PCI\VEN_ZV01&DEV_2102", "PCI\VEN_ZV01&DEV_2103", _
                 "PCI\VEN_ZV01&DEV_2104", "PCI\VEN_ZV01&DEV_2105")
    SER = Array("ACPI\ZRVA0020")
    SPB = Array("ZRVA0030")
    SMF = Array("SWD\ZRVASMF")
    VEN = Array("VEN_ZV01", "VEN_ZV02")
    DEV_F = Array("DEV_3601", "DEV_3602")
    REV_F = Array("REV_F1")
    REV_P = Array("REV_A0", "REV_A1", "REV_A2")
    SPI = Array("ACPI\ZRVA0040")
    EFIX = Array("ROOT\ZRVAEFIX")
    SRH_I2C = Array("PCI\VEN_ZV01&DEV_4101")
    SRH = Array("PCI\VEN_ZV01&DEV_4201")
    CXP = Array("PCI\VEN_ZV01&DEV_4301")
    UPEP = Array("ACPI\ZRVA0050", "ACPI\ZRVA0051", "ACPI\ZRVA0052", "ACPI\ZRVA0053")
    CIR = Array("ACPI\ZRVA0060", "ACPI\ZRVA0061", "ACPI\ZRVA0062")
    I2C = Array("ACPI\ZRVA0070", "ACPI\ZRVA0071")
    UART = Array("ACPI\ZRVA0080", "ACPI\ZRVA0081")
    PCI = Array("PCI\VEN_ZV01&DEV_5101", "PCI\VEN_ZV01&DEV_5102", "PCI\VEN_ZV01&DEV_5103")
    GPIO3 = Array("ACPI\ZRVA0090", "ACPI\ZRVA0091")
    QW4 = Array("ACPI\ZRVA00A0", "ACPI\ZRVA00A1")
    GPIO2 = Array("ACPI\ZRVA0010", "ACPI\ZRVA0011", "ACPI\ZRVA0012")
    SQP_A = Array("PCI\VEN_ZV01&DEV_5201", "PCI\VEN_ZV01&DEV_5202", "PCI\VEN_ZV01&DEV_5203", _
                  "PCI\VEN_ZV01&DEV_5204")
    SQP_B = Array("PCI\VEN_ZV01&DEV_5205")
    ETH = Array("PCI\VEN_ZV01&DEV_6101", "PCI\VEN_ZV01&DEV_6102", "PCI\VEN_ZV01&DEV_6103", _
                "PCI\VEN_ZV01&DEV_6104", "PCI\VEN_ZV01&DEV_6105")
    XGBE = Array("PCI\VEN_ZV01&DEV_6103", "PCI\VEN_ZV01&DEV_6104", "PCI\VEN_ZV01&DEV_6105")
    SMBUS = Array("PCI\VEN_ZV01&DEV_6201", "PCI\VEN_ZV01&DEV_6202", "PCI\VEN_ZV01&DEV_6203", _
                  "PCI\VEN_ZV01&DEV_6204", "PCI\VEN_ZV01&DEV_6205", "PCI\VEN_ZV01&DEV_6206")
    IOV_7 = Array("PCI\VEN_ZV01&DEV_6301", "PCI\VEN_ZV01&DEV_6302", "PCI\VEN_ZV01&DEV_6303", _
                  "PCI\VEN_ZV01&DEV_6304", "PCI\VEN_ZV01&DEV_6305", "PCI\VEN_ZV01&DEV_6306", _
                  "PCI\VEN_ZV01&DEV_6307", "PCI\VEN_ZV01&DEV_6308", "PCI\VEN_ZV01&DEV_6309", _
                  "PCI\VEN_ZV01&DEV_6310")
    IOV_10 = Array("PCI\VEN_ZV01&DEV_6301", "PCI\VEN_ZV01&DEV_6302", "PCI\VEN_ZV01&DEV_6303", _
                   "PCI\VEN_ZV01&DEV_6304", "PCI\VEN_ZV01&DEV_6305", "PCI\VEN_ZV01&DEV_6306", _
                   "PCI\VEN_ZV01&DEV_6307", "PCI\VEN_ZV01&DEV_6308")
    EMMC_A = Array("PCI\VEN_ZV01&DEV_7101")
    EMMC_B = Array("PCI\VEN_ZV01&DEV_7102")
    SATA_7 = Array("PCI\VEN_ZV01&DEV_7201", "PCI\VEN_ZV01&DEV_7202", "PCI\VEN_ZV01&DEV_7203", _
                   "PCI\VEN_ZV01&DEV_7204", "PCI\VEN_ZV01&DEV_7205", "PCI\VEN_ZV01&DEV_7206")
    SATA_B = Array("PCI\VEN_ZV01&DEV_7211", "PCI\VEN_ZV01&DEV_7212", "PCI\VEN_ZV01&DEV_7213", _
                   "PCI\VEN_ZV01&DEV_7214")
    IDE = Array("PCI\VEN_ZV01&DEV_7301", "PCI\VEN_ZV01&DEV_7302", "PCI\VEN_ZV01&DEV_7303", _
                "PCI\VEN_ZV01&DEV_7304", "PCI\VEN_ZV01&DEV_7305", "PCI\VEN_ZV01&DEV_7306", _
                "PCI\VEN_ZV01&DEV_7307", "PCI\VEN_ZV01&DEV_7308", "PCI\VEN_ZV01&DEV_7309")

    OutSwitch = Array("/SETQW4ACPI", "/SETQUILLPPKG", "/SETSMBUS", "/SETUSBCNTRL", _
                      "/SETUSBCNTRL_CW", "/SETUSB31", "/SETPCI", "/SETI2C", "/SETUART", _
                      "/SETGPIO2", "/SETGPIO3", "/SETSQP", "/SETIOV_WT", "/SETSRHI2C", _
                      "/SETVK_RAID", "/SETVK_WARDEN", "/SETSRHDRVR", "/SETSATA", _
                      "/SETUSBCNTRL_MW", "/SETTS_RAID", "/SETTS_WARDENRAID", "/SETFILTERUSB", _
                      "/SETCIR", "/SETSPI", "/SETEMBCXP", "/SETGFX", "/SETUPEP", "/SETXGBE")
    OutName = Array("Zorva QW4 ACPI Driver", "Zorva Quill Power Plan", "Zorva SMBUS Driver", _
                    "Zorva USB 3.0 Driver for RQ", "CW USB 3.1 Driver", "Zorva USB 3.1 Driver", _
                    "Zorva PCI Device Driver", "Zorva I2C Driver", "Zorva UART Driver", _
                    "Zorva GPIO2 Driver", "CW GPIO Driver", "Zorva SQP Driver", _
                    "Zorva IOV Driver", "Zorva SRH I2C Driver", "Zorva VK_RAID Driver", _
                    "Zorva VK_RAIDWarden2 Utility", "Zorva SRH Driver", "Zorva SATA Driver", _
                    "Zorva USB Driver for Merrow", "Zorva RAID Driver for Tessel", _
                    "Zorva RAIDWarden Utility for Tessel", "Zorva USB Filter Driver", _
                    "Zorva CIR Driver", "Zorva SPI Driver", "Zorva CXP Driver", _
                    "Zorva Graphics Driver", "Zorva MicroPEP Driver", _
                    "Zorva Gigabit Ethernet Driver")
    OutContains = Array(False, False, False, True, True, False, False, False, False, False, _
                        False, False, False, False, False, False, False, False, True, False, _
                        False, False, False, False, False, False, False, False)
    OutLogName = OutName
    OutLogName(2) = "Zorva SMBUS Drivern"
End Sub

' Appends "<date and time> :: <message>" to the detection log.
Sub iLogMessage(message)
    Dim objShell, objLog
    If IsEmpty(LogFilePath) Then
        Set objShell = CreateObject("WScript.Shell")
        LogFilePath = objShell.ExpandEnvironmentStrings("%SystemDrive%") & _
                      "\Zorva\Chipset_Driver_Installer\Logs" & "\Device_ID.log"
        Set LogFileSystem = CreateObject("Scripting.FileSystemObject")
    End If
    Set objLog = LogFileSystem.OpenTextFile(CStr(LogFilePath), ForAppending, True)
    objLog.WriteLine FormatDateTime(Now, vbGeneralDate) & " :: " & message
    objLog.Close
End Sub

Function IsIn(strText, strPart)
    IsIn = InStr(1, strText, strPart, vbTextCompare) > 0
End Function

' Position of the first table entry that the identifier contains, ignoring case; -1 for none.
Function FindInTable(strDeviceId, arrTable)
    Dim i
    FindInTable = -1
    For i = 0 To UBound(arrTable)
        If InStr(1, strDeviceId, arrTable(i), vbTextCompare) > 0 Then
            FindInTable = i
            Exit Function
        End If
    Next
End Function

Sub AddDriver(strSwitch)
    Dim arrGrown
    If InstallDriverCount > UBound(InstallDriverList) Then
        arrGrown = InstallDriverList
        ReDim Preserve arrGrown(2 * InstallDriverCount + 15)
        InstallDriverList = arrGrown
    End If
    InstallDriverList(InstallDriverCount) = strSwitch
    InstallDriverCount = InstallDriverCount + 1
End Sub

Sub LogProperty(strName, strDeviceId, strText)
    iLogMessage strName & " Found with device id " & strDeviceId & ".Hence setting property " & strText
End Sub

' Detects a switch for the device and logs it; strNote ends the log line.
Sub SetProperty(strName, strDeviceId, strSwitch, strNote)
    AddDriver strSwitch
    LogProperty strName, strDeviceId, Mid(strSwitch, 2) & strNote
End Sub

Sub LogPassHeading(strHeading)
    iLogMessage strHeading
    iLogMessage "****************************************************************"
End Sub

Sub ReadOperatingSystem()
    Dim objWMIService, colOS, objOS
    Set objWMIService = GetObject("winmgmts:")
    Set colOS = objWMIService.InstancesOf("Win32_OperatingSystem")
    OSVersion = ""
    OSCaption = ""
    BldNum = ""
    For Each objOS In colOS
        iLogMessage " OS Caption is : " & objOS.Caption
        iLogMessage " OS Version is : " & objOS.Version
        OSVersion = "" & objOS.Version
        OSCaption = "" & objOS.Caption
        BldNum = "" & objOS.BuildNumber
    Next

    Win7 = IsIn(OSVersion, "6.1")
    Win81 = IsIn(OSVersion, "6.3")
    Win10 = IsIn(OSVersion, "10.0")
    Server = IsIn(OSCaption, "Server")
    Server8Plus = (Win81 Or Win10) And Server
    HubWindow = (Win81 Or (OSVersion > "10.0" And OSVersion < "10.0.17666")) And Server
End Sub

Sub ReadInstalledState()
    Dim objReg, objShell, strKeyPath, strValue, strFeatures
    strKeyPath = "SOFTWARE\Zorva\Zorva_Chipset_IODrivers"
    Set objReg = GetObject("winmgmts:\\" & "." & "\root\default:StdRegProv")
    objReg.GetStringValue HKEY_LOCAL_MACHINE, strKeyPath, "InstallationPath", strValue
    DeployedFeaturesValue = ""
    If IsNull(strValue) Then
        SetUninstall = 0
        iLogMessage "The registry key does not exist.Product not yet installed."
        iLogMessage "SetUninstall value is : " & SetUninstall & ": Product Installtion."
    Else
        SetUninstall = 1
        iLogMessage "The registry key exists indicating product already installed."
        iLogMessage "SetUninstall value is : " & SetUninstall & ": Product Uninstalltion."
        ' RegRead fails on a missing value; such a key reads as no deployed features.
        objReg.GetStringValue HKEY_LOCAL_MACHINE, strKeyPath, "DeployedFeatures", strFeatures
        If Not IsNull(strFeatures) Then
            Set objShell = CreateObject("WScript.Shell")
            DeployedFeaturesValue = objShell.RegRead("HKLM\" & strKeyPath & "\DeployedFeatures")
        End If
        iLogMessage "DeployedFeatures value since product is already installed : " & DeployedFeaturesValue
    End If
End Sub

' Rules 1.1 to 1.5; arrUsb31 is the table that detects SETUSB31.
Sub CheckUsbControllers(strName, strDeviceId, arrUsb31)
    If Not Win7 Then Exit Sub
    If FindInTable(strDeviceId, USB1) >= 0 Then SetProperty strName, strDeviceId, "/SETUSBCNTRL", ""
    If FindInTable(strDeviceId, USB2) >= 0 Then SetProperty strName, strDeviceId, "/SETUSBCNTRL_MW", ""
    If FindInTable(strDeviceId, USB3) >= 0 Then SetProperty strName, strDeviceId, "/SET31USB", ""
    If FindInTable(strDeviceId, USB4) >= 0 Then SetProperty strName, strDeviceId, "/SETUSBCNTRL_CW", ""
    If FindInTable(strDeviceId, arrUsb31) >= 0 Then SetProperty strName, strDeviceId, "/SETUSB31", ""
End Sub

Sub CheckUsb30Hub(strName, strDeviceId)
    If (SetUninstall <> 1 Or Not IsIn(DeployedFeaturesValue, "XHCIREG")) And HubWindow Then
        If FindInTable(strDeviceId, HUB30) >= 0 Then SetProperty strName, strDeviceId, "/SETXHCIREG", ""
    End If
End Sub

Sub EnlistUsbNode(objWMIService)
    Dim colItems, objItem, strDeviceId, strName
    LogPassHeading "Enlisting drivers under USB node in Device Manager"
    Set colItems = objWMIService.ExecQuery("Select * from Win32_USBHub")
    For Each objItem In colItems
        strDeviceId = "" & objItem.DeviceID
        strName = "" & objItem.Name
        iLogMessage "Device ID: " & strDeviceId
        CheckUsbControllers strName, strDeviceId, USB5
        CheckUsb30Hub strName, strDeviceId
    Next
End Sub

Sub EnlistStorageControllers(objWMIService)
    Dim colItems, objItem, strDeviceId, strName
    LogPassHeading "Enlisting drivers under 'Storage Controllers' node in Device Manager"
    Set colItems = objWMIService.ExecQuery("Select * from Win32_SCSIController")
    For Each objItem In colItems
        strDeviceId = "" & objItem.DeviceID
        strName = "" & objItem.Name
        iLogMessage "Device ID: " & strDeviceId
        iLogMessage "Checking or RAID Device ID as per new installer ."
        If FindInTable(strDeviceId, RAID) >= 0 Then
            SetProperty strName, strDeviceId, "/SETVK_RAID", ""
            SetProperty strName, strDeviceId, "/SETVK_WARDEN", ""
        End If
    Next
End Sub

Sub CheckSystemDevice(strName, strDeviceId)
    Dim iVen, iDev, iRev

    If FindInTable(strDeviceId, SER) >= 0 Then SetProperty strName, strDeviceId, "/SETSERIAL", ""
    If FindInTable(strDeviceId, SPB) >= 0 Then SetProperty strName, strDeviceId, "/SETSPBSMBUS", ""
    If FindInTable(strDeviceId, SMF) >= 0 Then SetProperty strName, strDeviceId, "/SETSMF", ""

    iVen = FindInTable(strDeviceId, VEN)
    iDev = FindInTable(strDeviceId, DEV_F)
    If iVen >= 0 And iDev >= 0 Then
        iLogMessage strName & " Met vendor and device conditions '" & VEN(iVen) & " " & DEV_F(iDev) & _
                    "'.Checking revision " & REV_F(0) & " for USB filter driver."
        If FindInTable(strDeviceId, REV_F) >= 0 Then
            AddDriver "/SETFILTERUSB"
            iLogMessage strName & " Met conditions '" & VEN(iVen) & " " & DEV_F(iDev) & " " & REV_F(0) & _
                        "'.Hence setting property SETFILTERUSB."
        End If
    End If

    If FindInTable(strDeviceId, SPI) >= 0 Then SetProperty strName, strDeviceId, "/SETSPI", ""

    If Win10 And IsIn(strDeviceId, VEN(0)) And IsIn(strDeviceId, DEV_F(0)) Then
        iRev = FindInTable(strDeviceId, REV_P)
        If iRev >= 0 Then
            AddDriver "/SETQUILLPPKG"
            iLogMessage strName & " Met conditions '" & VEN(0) & " " & DEV_F(0) & " " & REV_P(iRev) & _
                        " WIN10'.Hence setting property SETQUILLPPKG."
        End If
    End If

    If FindInTable(strDeviceId, EFIX) >= 0 Then SetProperty strName, strDeviceId, "/SETEFIX", ""
    If FindInTable(strDeviceId, SRH_I2C) >= 0 Then SetProperty strName, strDeviceId, "/SETSRHI2C", ""
    If FindInTable(strDeviceId, SRH) >= 0 Then SetProperty strName, strDeviceId, "/SETSRHDRVR", ""
    If Server8Plus And FindInTable(strDeviceId, CXP) >= 0 Then SetProperty strName, strDeviceId, "/SETCXP", ""
    If (Win81 Or Win10) And FindInTable(strDeviceId, CXP) >= 0 Then
        SetProperty strName, strDeviceId, "/SETEMBCXP", ""
    End If
    If Win10 And FindInTable(strDeviceId, UPEP) >= 0 Then SetProperty strName, strDeviceId, "/SETUPEP", ""
    If FindInTable(strDeviceId, CIR) >= 0 Then SetProperty strName, strDeviceId, "/SETCIR", ""

    If FindInTable(strDeviceId, I2C) >= 0 Then
        If Server8Plus Then
            LogProperty strName, strDeviceId, "SETI2C_SVR as : " & OSCaption
        Else
            SetProperty strName, strDeviceId, "/SETI2C", ""
        End If
    End If
    If FindInTable(strDeviceId, UART) >= 0 Then
        If Server8Plus Then
            LogProperty strName, strDeviceId, "SETUART_SVR as : " & OSCaption
        Else
            SetProperty strName, strDeviceId, "/SETUART", ""
        End If
    End If
    If FindInTable(strDeviceId, PCI) >= 0 Then
        If Win7 Then
            SetProperty strName, strDeviceId, "/SETPCI", " since WIN7 OS."
        ElseIf Win81 And Server Then
            LogProperty strName, strDeviceId, "SETPCI_SVR as : " & OSCaption
        ElseIf Win10 And Server Then
            LogProperty strName, strDeviceId, "SETPCI_SVR as : " & OSCaption
        ElseIf Win10 Then
            SetProperty strName, strDeviceId, "/SETPCI", " since WIN10 OS."
        End If
    End If

    If FindInTable(strDeviceId, GPIO3) >= 0 Then SetProperty strName, strDeviceId, "/SETGPIO3", ""
    If FindInTable(strDeviceId, QW4) >= 0 Then SetProperty strName, strDeviceId, "/SETQW4ACPI", ""
    If FindInTable(strDeviceId, GPIO2) >= 0 Then
        If Server8Plus Then
            LogProperty strName, strDeviceId, "SETGPIO2_SVR as : " & OSCaption
        Else
            SetProperty strName, strDeviceId, "/SETGPIO2", ""
        End If
    End If
    If FindInTable(strDeviceId, SQP_A) >= 0 Then
        SetProperty strName, strDeviceId, "/SETSQP", ""
    ElseIf FindInTable(strDeviceId, SQP_B) >= 0 Then
        If Server8Plus Then
            LogProperty strName, strDeviceId, "SETSQP_SVR as : " & OSCaption
        Else
            SetProperty strName, strDeviceId, "/SETSQP", ""
        End If
    End If

    If FindInTable(strDeviceId, ETH) >= 0 Then SetProperty strName, strDeviceId, "/SETETHERNET", ""
    If FindInTable(strDeviceId, XGBE) >= 0 Then SetProperty strName, strDeviceId, "/SETXGBE", ""
    If FindInTable(strDeviceId, SMBUS) >= 0 Then
        SetProperty strName, strDeviceId, "/SETSMBUS", " since : " & OSCaption
    End If
    If Win7 And FindInTable(strDeviceId, IOV_7) >= 0 Then
        SetProperty strName, strDeviceId, "/SETIOV_WT", " as it in win7"
    ElseIf (Win10 Or Win81) And FindInTable(strDeviceId, IOV_10) >= 0 Then
        SetProperty strName, strDeviceId, "/SETIOV_WT", "as it in win10"
    End If
    If Server8Plus And FindInTable(strDeviceId, IOV_7) >= 0 Then
        LogProperty strName, strDeviceId, "SETIOV_SVR since OS : " & OSCaption
    End If

    CheckUsbControllers strName, strDeviceId, USB3
    CheckUsb30Hub strName, strDeviceId
End Sub

Sub EnlistSystemDevices()
    Dim objWMIService, colItems, objItem, strDeviceId, strName
    LogPassHeading "Enlisting drivers under 'system devices' node(PNP) in Device Manager"
    Set objWMIService = GetObject("winmgmts:" & "{impersonationLevel=impersonate}!\\" & "." & "\root\cimv2")
    Set colItems = objWMIService.ExecQuery("Select * from Win32_PnPEntity")
    For Each objItem In colItems
        strDeviceId = "" & objItem.DeviceID
        strName = "" & objItem.Name
        iLogMessage "Device ID: " & strDeviceId
        CheckSystemDevice strName, strDeviceId
    Next
End Sub

Sub EnlistIdeControllers(objWMIService)
    Dim colItems, objItem, strDeviceId, strName
    LogPassHeading "Enlisting drivers under 'IDE ATA\ATAPI Controllers' node in Device Manager"
    Set colItems = objWMIService.ExecQuery("Select * from Win32_IDEController")
    For Each objItem In colItems
        strDeviceId = "" & objItem.DeviceID
        strName = "" & objItem.Name
        iLogMessage "Device ID: " & strDeviceId
        If FindInTable(strDeviceId, EMMC_A) >= 0 Then
            If Win7 Then
                SetProperty strName, strDeviceId, "/SETEMMC_7", " since WIN7 OS"
            Else
                SetProperty strName, strDeviceId, "/SETEMMC", ""
            End If
        ElseIf FindInTable(strDeviceId, EMMC_B) >= 0 Then
            SetProperty strName, strDeviceId, "/SETEMMC", ""
        End If
        If Win7 Then
            If FindInTable(strDeviceId, SATA_7) >= 0 Then
                SetProperty strName, strDeviceId, "/SETSATA", ""
            ElseIf FindInTable(strDeviceId, SATA_B) >= 0 Then
                SetProperty strName, strDeviceId, "/SETSATA", ""
            End If
        End If
        If FindInTable(strDeviceId, IDE) >= 0 Then
            If Server8Plus Then
                SetProperty strName, strDeviceId, "/SETMINIIDE_SVR", " since OS : " & OSCaption
            Else
                SetProperty strName, strDeviceId, "/SETMINIIDE", ""
            End If
        End If
    Next
End Sub

Sub EnlistNetworkAdapters(objWMIService)
    Dim colItems, objItem, strDeviceId, strName
    LogPassHeading "Enlisting drivers under 'Network Adaptors' node in Device Manager"
    Set colItems = objWMIService.ExecQuery("Select * from Win32_NetworkAdapter")
    For Each objItem In colItems
        strDeviceId = "" & objItem.DeviceID
        strName = "" & objItem.Name
        iLogMessage "Device ID: " & strDeviceId
        If FindInTable(strDeviceId, XGBE) >= 0 Then SetProperty strName, strDeviceId, "/SETXGBE", ""
    Next
End Sub

Function PassesNameTest(iRow, strProduct)
    If OutContains(iRow) Then
        PassesNameTest = IsIn(strProduct, OutName(iRow))
    Else
        PassesNameTest = (strProduct = OutName(iRow))
    End If
End Function

' Keeps the detected switches whose products the package description lists.
Sub ReadXMLValues(xmlPath)
    Dim objFSO, xmlDoc, colProducts, objProduct, arrProducts, i, p, d, r

    Set objFSO = CreateObject("Scripting.FileSystemObject")
    If objFSO.FileExists(CStr(xmlPath)) Then
        iLogMessage "File found at : " & xmlPath & ". Proceeding to read."
    Else
        iLogMessage "No file found at : " & xmlPath
    End If

    Set xmlDoc = CreateObject("Microsoft.XMLDOM")
    xmlDoc.async = False
    xmlDoc.load CStr(xmlPath)
    Set colProducts = xmlDoc.documentElement.selectNodes("Product")
    ReDim arrProducts(colProducts.length - 1)
    i = 0
    For Each objProduct In colProducts
        arrProducts(i) = objProduct.childNodes.item(0).Text
        i = i + 1
    Next
    strProductsArray = arrProducts

    ' The output row of each detected switch (rows hold distinct switches); -1 for none.
    Dim arrRow
    arrRow = Array()
    If InstallDriverCount > 0 Then
        ReDim arrRow(InstallDriverCount - 1)
    End If
    For d = 0 To InstallDriverCount - 1
        arrRow(d) = -1
        For r = 0 To UBound(OutSwitch)
            If InstallDriverList(d) = OutSwitch(r) Then
                arrRow(d) = r
                Exit For
            End If
        Next
    Next

    For p = 0 To UBound(strProductsArray)
        For d = 0 To InstallDriverCount - 1
            iLogMessage "ReadXMLValues : Value inside array :" & strProductsArray(p) & _
                        " is evaluated against : " & InstallDriverList(d)
            r = arrRow(d)
            If r >= 0 Then
                If PassesNameTest(r, strProductsArray(p)) Then
                    ' Whole switches: "/SETUSBCNTRL" is not part of "/SETUSBCNTRL_CW".
                    If InStr(1, UCase(InstallDriverValues) & " ", " " & OutSwitch(r) & " ", vbBinaryCompare) = 0 Then
                        InstallDriverValues = InstallDriverValues & " " & OutSwitch(r)
                        iLogMessage "ReadXMLValues : " & OutLogName(r) & " found"
                    End If
                End If
            End If
        Next
    Next
End Sub

Function GetDeviceId(xmlPath)
    Dim objWMIService

    InitTables
    InstallDriverList = Array()
    InstallDriverCount = 0
    InstallDriverValues = ""

    ReadOperatingSystem
    ReadInstalledState

    If Win10 And Len(BldNum) > 0 Then
        If CLng(BldNum) >= 17110 Then
            iLogMessage "Setting property SETPSHED since OS WIN10 with Windows build number greater than or equal to the recomended value of 17110."
        End If
    End If

    Set objWMIService = GetObject("winmgmts:" & "{impersonationLevel=impersonate}!\\" & "." & "\root\cimv2")
    EnlistUsbNode objWMIService
    EnlistStorageControllers objWMIService
    EnlistSystemDevices
    EnlistIdeControllers objWMIService
    EnlistNetworkAdapters objWMIService

    ReadXMLValues xmlPath
    GetDeviceId = InstallDriverValues
End Function
