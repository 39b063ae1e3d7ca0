
' ---- Adapters for wine under the program's own script host (ActiveQt's script manager) ----
' tst_windowsprogram appends this text to the detection script: the Windows program reads it,
' under wine only, from the file that CHIPSETINSTALLER_WINE_SCRIPT_APPENDIX names. Where wine 8
' differs from Windows, an adapter corrects that one difference, and the detection log gets a
' line "wine difference: ..." when it is used:
'  - WScript.Shell's ExpandEnvironmentStrings answers with a trailing NUL character: the log's
'    path is made here, before the first log line, without it;
'  - StdRegProv's methods cannot be called from script; GetStringValue is answered from the
'    same registry through WScript.Shell's RegRead (registryadapters.vbs, appended with this).
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
