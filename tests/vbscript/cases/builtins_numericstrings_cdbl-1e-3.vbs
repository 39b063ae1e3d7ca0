Function T()
    T = CDbl("1e 3")
End Function
Show T() ' expect error: 13
