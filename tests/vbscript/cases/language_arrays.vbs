' Arrays are values; each case a function, its result shown as TypeName:CStr.

Function Case1()
    Dim a, b
    a = Array(1, 2)
    b = a
    b(0) = 9
    Case1 = a(0) & b(0)
End Function
Show Case1() ' expect: String:19

Function Case2()
    Dim a, x
    a = Array(1, 2, 3)
    For Each x In a
     a(2) = 0
     Case2 = Case2 & x
    Next
End Function
Show Case2() ' expect: String:123

Function Case3()
    Dim a(1), b
    b = a
    ReDim Preserve b(3)
    Case3 = UBound(a) & UBound(b)
End Function
Show Case3() ' expect: String:13
