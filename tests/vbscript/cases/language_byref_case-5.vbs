Sub SetRef(x)
 x = "changed"
End Sub
Sub SetByRef(ByRef x)
 x = "changed"
End Sub
Sub SetVal(ByVal x)
 x = "changed"
End Sub
Sub Grow(a)
 ReDim Preserve a(UBound(a) + 1)
 a(UBound(a)) = "new"
End Sub
Function Inc(n)
 n = n + 1
 Inc = n
End Function
Function T()
    Dim v : v = "orig"
    SetRef (v)
    t = v
End Function
Show T() ' expect: String:orig
