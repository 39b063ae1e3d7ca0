' dynamic array without bounds
Function T()
    Dim a()
    t = UBound(a)
End Function
Show T() ' expect error: 9
