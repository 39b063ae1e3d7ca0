' exit function
Function T()
    t = 1
    Exit Function
    t = 2
End Function
Show T() ' expect: Integer:1
