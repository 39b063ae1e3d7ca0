' growing array
Function T()
    Dim a(), i
    ReDim a(-1)
    For i = 0 To 4
     ReDim Preserve a(UBound(a) + 1)
     a(UBound(a)) = i
    Next
    T = Join(a, "")
End Function
Show T() ' expect: String:01234
