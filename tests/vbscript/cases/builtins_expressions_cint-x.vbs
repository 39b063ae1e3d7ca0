Function T()
    T = CInt("x")
End Function
Show T() ' expect error: 13
