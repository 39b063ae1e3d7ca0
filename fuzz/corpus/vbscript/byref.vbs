Sub Swap(ByRef a, ByVal b)
    Dim t : t = a : a = b : b = t
End Sub
Function G(x, y)
    Dim p, q
    p = 1 : q = 2
    Call Swap(p, q)
    Swap p, (q)
    Set o = Nothing
    G = p & q & IsObject(o) & StrComp("a", "A", 1) & Space(3) & String(3, "*") & LCase("AB") & StrReverse("ab") & LTrim(" a") & RTrim("a ")
End Function
