Function T()
    T = CDbl("1e")
End Function
Show T() ' expect error: 13
