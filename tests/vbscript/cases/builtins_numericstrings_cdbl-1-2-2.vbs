Function T()
    T = CDbl("1 2")
End Function
Show T() ' expect error: 13
