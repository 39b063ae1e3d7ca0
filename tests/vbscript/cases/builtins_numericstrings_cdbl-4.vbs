Function T()
    T = CDbl("")
End Function
Show T() ' expect error: 13
