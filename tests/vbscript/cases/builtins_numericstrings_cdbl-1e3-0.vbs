Function T()
    T = CDbl("1e3,0")
End Function
Show T() ' expect error: 13
