' The interpreter's share of detection without host objects: 1,000 identifiers matched against
' tables as the detection script matches them, a log line built for each. For a profiler:
'   valgrind --tool=callgrind build/tests/vbscript/vbsrun bench/detection/matching.vbs
Option Explicit

Dim Tables(5), Lines, Found

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

Sub LogLine(strMessage)
    Lines = Lines + Len(FormatDateTime(Now, vbGeneralDate) & " :: " & strMessage)
End Sub

Sub Match(strName, strDeviceId)
    Dim t
    LogLine "Device ID: " & strDeviceId
    For t = 0 To UBound(Tables)
        If FindInTable(strDeviceId, Tables(t)) >= 0 Then
            Found = Found + 1
            LogLine strName & " Found with device id " & strDeviceId & ".Hence setting property " & t
        End If
    Next
End Sub

Dim n, strId
Tables(0) = Array("ACPI\ZRVA0010", "ACPI\ZRVA0011", "ACPI\ZRVA0012")
Tables(1) = Array("PCI\VEN_ZV01&DEV_5101", "PCI\VEN_ZV01&DEV_5102", "PCI\VEN_ZV01&DEV_5103")
Tables(2) = Array("PCI\VEN_ZV01&DEV_5201", "PCI\VEN_ZV01&DEV_5202", "PCI\VEN_ZV01&DEV_5203", _
                  "PCI\VEN_ZV01&DEV_5204")
Tables(3) = Array("ACPI\ZRVA0070", "ACPI\ZRVA0071")
Tables(4) = Array("PCI\VEN_ZV01&DEV_6201", "PCI\VEN_ZV01&DEV_6202", "PCI\VEN_ZV01&DEV_6203", _
                  "PCI\VEN_ZV01&DEV_6204", "PCI\VEN_ZV01&DEV_6205", "PCI\VEN_ZV01&DEV_6206")
Tables(5) = Array("PCI\VEN_ZV01&DEV_6301", "PCI\VEN_ZV01&DEV_6302", "PCI\VEN_ZV01&DEV_6303", _
                  "PCI\VEN_ZV01&DEV_6304", "PCI\VEN_ZV01&DEV_6305", "PCI\VEN_ZV01&DEV_6306", _
                  "PCI\VEN_ZV01&DEV_6307", "PCI\VEN_ZV01&DEV_6308")
Lines = 0
Found = 0
For n = 0 To 999
    If n Mod 10 = 0 Then
        strId = "PCI\VEN_ZV01&DEV_5101&SUBSYS_00000000&REV_00\3&" & n & "&0&0"
    Else
        strId = "PCI\VEN_8EAD&DEV_" & Right("000" & Hex(n), 4) & "&SUBSYS_00000000&REV_00\4&" & n & "&0&0"
    End If
    Match "Device " & n, strId
Next
WScript.Echo Found & " found, " & Lines & " characters of log"
