Function T()
    T = CDbl("1d2")
End Function
Show T() ' expect error: 13
