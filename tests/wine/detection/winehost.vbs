
' ---- Host for wine's cscript, appended to the detection script by tst_cscriptdetection ----
' wine 8's cscript runs neither .wsf files nor ExecuteGlobal, so the host shares the script's
' file. It calls GetDeviceId with the package description's path (argument 1) and prints what
' it returned, or the error that ended it: wine's cscript reports no script error itself.
'
' The script meets wine's own objects. Where wine 8 differs from Windows, an adapter corrects
' that one difference, and a line "wine difference: ..." says so when it is used:
'  - WScript.Shell's ExpandEnvironmentStrings answers with a trailing NUL character;
'  - the built-in CreateObject cannot create Microsoft.XMLDOM, which WScript.CreateObject can,
'    so every object is created through WScript.CreateObject;
'  - StdRegProv's methods cannot be called from script; GetStringValue is answered from the
'    same registry through WScript.Shell's RegRead.
' The adapters replace CreateObject and GetObject for the whole file, as user functions do.

Dim WineHostReported
WineHostReported = ""

Sub WineHostReport(strDifference)
    If InStr(WineHostReported, "|" & strDifference & "|") = 0 Then
        WineHostReported = WineHostReported & "|" & strDifference & "|"
        WScript.Echo "wine difference: " & strDifference
    End If
End Sub

Class WineHostShell
    Private m_shell

    Public Sub Attach(shell)
        Set m_shell = shell
    End Sub

    Public Function ExpandEnvironmentStrings(strText)
        Dim strExpanded
        strExpanded = m_shell.ExpandEnvironmentStrings(CStr(strText))
        If Len(strExpanded) > 0 Then
            If Right(strExpanded, 1) = Chr(0) Then
                WineHostReport "WScript.Shell.ExpandEnvironmentStrings appends a NUL character"
                strExpanded = Left(strExpanded, Len(strExpanded) - 1)
            End If
        End If
        ExpandEnvironmentStrings = strExpanded
    End Function

    Public Function RegRead(strName)
        RegRead = m_shell.RegRead(CStr(strName))
    End Function
End Class

Class WineHostRegistryProvider
    ' 0 and the value, or 1 and Null when the value cannot be read; HKEY_LOCAL_MACHINE only.
    Public Function GetStringValue(hDefKey, strSubKeyName, strValueName, strValue)
        Dim shell
        strValue = Null
        GetStringValue = 1
        If hDefKey <> &H80000002 Then Exit Function
        Set shell = WScript.CreateObject("WScript.Shell")
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

Function CreateObject(strProgId)
    Dim created
    Set created = WScript.CreateObject(strProgId)
    If LCase(strProgId) = "wscript.shell" Then
        Set CreateObject = New WineHostShell
        CreateObject.Attach created
    Else
        Set CreateObject = created
    End If
End Function

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
    Set locator = WScript.CreateObject("WbemScripting.SWbemLocator")
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

Dim WineHostResult
On Error Resume Next
WineHostResult = GetDeviceId(WScript.Arguments(0))
If Err.Number <> 0 Then
    WScript.Echo "script error " & Err.Number & " (" & Err.Source & "): " & Err.Description
Else
    WScript.Echo "GetDeviceId returned " & TypeName(WineHostResult) & " [" & WineHostResult & "]"
End If
