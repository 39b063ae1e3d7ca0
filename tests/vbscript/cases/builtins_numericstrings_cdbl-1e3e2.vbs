Function T()
    T = CDbl("1e3e2")
End Function
Show T() ' expect error: 13
