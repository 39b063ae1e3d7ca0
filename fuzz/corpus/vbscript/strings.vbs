Option Explicit
Function F(a, b)
    Dim s, i, parts
    s = "Zorva" & " " & CStr(a) & b
    parts = Split("PCI,SQP,,GPIO2", ",")
    For i = LBound(parts) To UBound(parts)
        If InStr(1, parts(i), "P", vbTextCompare) > 0 Then s = s & Mid(parts(i), 2, 3)
    Next
    F = Replace(UCase(Trim(s)), "ZORVA", "z") & Join(parts, ";") & Len(s) & Left(s, 3) & Right(s, 2)
End Function
