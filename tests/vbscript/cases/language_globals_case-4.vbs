Dim g_count
g_count = 10
Function Twice(n)
    Twice = n * 2
End Function
Sub Bump()
    g_count = g_count + 1
End Sub
Function Fact(n)
    If n <= 1 Then
        Fact = 1
    Else
        Fact = n * Fact(n - 1)
    End If
End Function
Function NoResult()
End Function
Function T()
    t = IsEmpty(NoResult())
End Function
Show T() ' expect: Boolean:True
