
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
'    same registry through WScript.Shell's RegRead (registryadapters.vbs, appended with this).
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

Dim WineHostResult
On Error Resume Next
WineHostResult = GetDeviceId(WScript.Arguments(0))
If Err.Number <> 0 Then
    WScript.Echo "script error " & Err.Number & " (" & Err.Source & "): " & Err.Description
Else
    WScript.Echo "GetDeviceId returned " & TypeName(WineHostResult) & " [" & WineHostResult & "]"
End If
