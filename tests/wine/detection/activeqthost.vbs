
' ---- Adapters for wine under the program's own script host (ActiveQt's script manager) ----
' tst_windowsprogram appends this text to the detection script: the Windows program reads it,
' under wine only, from the file that CHIPSETINSTALLER_WINE_SCRIPT_APPENDIX names. Where wine 8
' differs from Windows, an adapter corrects that one difference, and the detection log gets a
' line "wine difference: ..." when it is used:
'  - WScript.Shell's ExpandEnvironmentStrings answers with a trailing NUL character: the log's
'    path is made here, before the first log line, without it;
'  - StdRegProv's methods cannot be called from script; GetStringValue is answered from the
'    same registry through WScript.Shell's RegRead.
'  - the engine's CreateObject, in a program's script host, creates no XML document (error
'    429), where a script control's engine does: the program offers one, under wine only, as
'    WineHostScriptControl, and every object is created through it.
' The adapters replace CreateObject and GetObject for the whole file, as user functions do.

Sub WineHostReport(strDifference)
    iLogMessage "wine difference: " & strDifference
End Sub

Function CreateObject(strProgId)
    Set CreateObject = WineHostScriptControl.Eval("CreateObject(""" & _
                                                  Replace(strProgId, """", """""") & """)")
    If LCase(strProgId) = "microsoft.xmldom" Then
        WineHostReport "CreateObject in a program's script host creates no Microsoft.XMLDOM"
    End If
End Function

Class WineHostRegistryProvider
    ' 0 and the value, or 1 and Null when the value cannot be read; HKEY_LOCAL_MACHINE only.
    Public Function GetStringValue(hDefKey, strSubKeyName, strValueName, strValue)
        Dim shell
        strValue = Null
        GetStringValue = 1
        If hDefKey <> &H80000002 Then Exit Function
        Set shell = CreateObject("WScript.Shell")
        On Error Resume Next
        strValue = shell.RegRead("HKLM\" & strSubKeyName & "\" & strValueName)
        If Err.Number = 0 Then
            GetStringValue = 0
        Else
            strValue = Null
        End If
        Err.Clear
    End Function
End Class

Function WineHostCanCallMethods(provider)
    Dim value
    On Error Resume Next
    provider.GetStringValue &H80000002, "SOFTWARE\Microsoft\Windows NT\CurrentVersion", _
                           "ProductName", value
    WineHostCanCallMethods = (Err.Number = 0)
    Err.Clear
End Function

' "winmgmts:" ["{...}!"] ["\\.\" namespace] [":" class]; the namespace defaults to root\cimv2.
Function GetObject(strMoniker)
    Dim strPath, strNamespace, strClass, iColon, locator, services, provider
    strPath = Mid(strMoniker, Len("winmgmts:") + 1)
    If Left(strPath, 1) = "{" Then strPath = Mid(strPath, InStr(strPath, "}!") + 2)
    If Left(strPath, 4) = "\\.\" Then strPath = Mid(strPath, 5)
    strNamespace = "root\cimv2"
    strClass = ""
    iColon = InStr(strPath, ":")
    If iColon > 0 Then
        strClass = Mid(strPath, iColon + 1)
        strPath = Left(strPath, iColon - 1)
    End If
    If Len(strPath) > 0 Then strNamespace = strPath
    Set locator = CreateObject("WbemScripting.SWbemLocator")
    Set services = locator.ConnectServer(".", strNamespace)
    If strClass = "" Then
        Set GetObject = services
        Exit Function
    End If
    Set provider = services.Get(strClass)
    If LCase(strClass) = "stdregprov" Then
        If Not WineHostCanCallMethods(provider) Then
            WineHostReport "StdRegProv's methods cannot be called from script"
            Set provider = New WineHostRegistryProvider
        End If
    End If
    Set GetObject = provider
End Function

Sub WineHostSetLogPath()
    Dim strDrive
    strDrive = CreateObject("WScript.Shell").ExpandEnvironmentStrings("%SystemDrive%")
    If Len(strDrive) > 0 Then
        If Right(strDrive, 1) = Chr(0) Then strDrive = Left(strDrive, Len(strDrive) - 1)
    End If
    LogFilePath = strDrive & "\Zorva\Chipset_Driver_Installer\Logs\Device_ID.log"
    Set LogFileSystem = CreateObject("Scripting.FileSystemObject")
    If Len(strDrive) < Len(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%SystemDrive%")) Then
        WineHostReport "WScript.Shell.ExpandEnvironmentStrings appends a NUL character"
    End If
End Sub

WineHostSetLogPath
