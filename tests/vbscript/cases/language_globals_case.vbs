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
Function T1()
    t1 = Twice(21)
End Function
Show T1() ' expect: Integer:42
Function T2()
    Bump
    Call Bump
    Call Bump()
    t2 = g_count
End Function
Show T2() ' expect: Integer:13
Function T3()
    t3 = Fact(10)
End Function
Show T3() ' expect: Long:3628800
Function T4()
    t4 = IsEmpty(NoResult())
End Function
Show T4() ' expect: Boolean:True
Function T5()
    Dim g_count
    g_count = 1
    t5 = g_count
End Function
Show T5() ' expect: Integer:1
