Function T()
    T = CDbl("1_000")
End Function
Show T() ' expect error: 13
