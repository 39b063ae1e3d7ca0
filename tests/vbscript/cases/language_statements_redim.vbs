' redim
Function T()
    Dim a()
    ReDim a(3)
    T = UBound(a)
End Function
Show T() ' expect: Long:3

