Function T()
    T = CDate("x")
End Function
Show T() ' expect error: 13
