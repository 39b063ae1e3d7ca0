Function T()
    T = CDbl("1e3.5")
End Function
Show T() ' expect error: 13
