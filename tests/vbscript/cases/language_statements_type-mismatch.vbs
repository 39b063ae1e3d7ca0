' type mismatch
Function T()
    t = "a" - 1
End Function
Show T() ' expect error: 13
