
' ---- wine's registry provider and WMI monikers, for both detection hosts under wine ----
' tst_cscriptdetection and tst_windowsprogram append this text to the detection script before
' their host (winehost.vbs, activeqthost.vbs), whose CreateObject and WineHostReport it uses.
' StdRegProv's methods cannot be called from script under wine 8: GetObject answers
' GetStringValue from the same registry through WScript.Shell's RegRead instead.

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
