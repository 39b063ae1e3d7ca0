' Put before every case file: Show echoes a value as "TypeName:CStr", arrays item by item.
Function Describe(v)
    Dim s, item
    If IsArray(v) Then
        For Each item In v
            If Len(s) > 0 Then s = s & ", "
            s = s & Describe(item)
        Next
        Describe = "Array(" & s & ")"
    ElseIf IsObject(v) Then
        Describe = TypeName(v)
    ElseIf IsNull(v) Then
        Describe = "Null"
    ElseIf IsEmpty(v) Then
        Describe = "Empty"
    Else
        Describe = TypeName(v) & ":" & CStr(v)
    End If
End Function

Sub Show(v)
    WScript.Echo Describe(v)
End Sub
