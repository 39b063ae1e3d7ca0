Dim g
Sub SetRef(x)
 x = "changed"
End Sub
Sub SetByRef(ByRef x)
 x = "changed"
End Sub
Sub SetVal(ByVal x)
 x = "changed"
End Sub
Function Inc(n)
 n = n + 1
 Inc = n
End Function
Function T1()
    Dim v : v = "orig"
    SetRef v
    t1 = v
End Function
Show T1() ' expect: String:changed
Function T2()
    Dim v : v = "orig"
    SetByRef v
    t2 = v
End Function
Show T2() ' expect: String:changed
Function T3()
    Dim v : v = "orig"
    SetVal v
    t3 = v
End Function
Show T3() ' expect: String:orig
Function T4()
    Dim v : v = "orig"
    Call SetRef(v)
    t4 = v
End Function
Show T4() ' expect: String:changed
Function T5()
    Dim v : v = "orig"
    SetRef (v)
    t5 = v
End Function
Show T5() ' expect: String:orig
Function T6()
    Dim v : v = "orig"
    SetRef(v)
    t6 = v
End Function
Show T6() ' expect: String:orig
Function T7()
    Dim v : v = 1
    t7 = Inc(v + 0) & v
End Function
Show T7() ' expect: String:21
Function T8()
    Dim v : v = 1
    t8 = Inc(v) & v
End Function
Show T8() ' expect: String:22
Function T9()
    Dim a : a = Array(1, 2)
    SetRef a(1)
    t9 = a(1)
End Function
Show T9() ' expect: String:changed
Function T10()
    SetRef g
    t10 = g
End Function
Show T10() ' expect: String:changed
