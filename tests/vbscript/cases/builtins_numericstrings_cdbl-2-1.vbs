Function T()
    T = CDbl("2-1")
End Function
Show T() ' expect error: 13
