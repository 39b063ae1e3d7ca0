Function T()
    T = CDbl("NaN")
End Function
Show T() ' expect error: 13
