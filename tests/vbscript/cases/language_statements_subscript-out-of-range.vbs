' subscript out of range
Function T()
    Dim a(2)
    a(3) = 1
End Function
Show T() ' expect error: 9
