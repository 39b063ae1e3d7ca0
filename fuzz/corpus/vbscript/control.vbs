Function Classify(x)
    Select Case x
        Case 1, 2
            Classify = "small"
        Case "a,b"
            Classify = "text"
        Case Else
            Classify = "other"
    End Select
    Do While x < 10
        x = x + 3
        If x Mod 2 = 0 Then Exit Do
    Loop
    Do
        x = x - 1
    Loop Until x <= 0
    While x < 2
        x = x + 1
    Wend
End Function
Function Rec(n)
    If n <= 0 Then
        Rec = 0
    ElseIf n = 1 Then
        Rec = 1
    Else
        Rec = Rec(n - 1) + Rec(n - 2)
    End If
End Function
