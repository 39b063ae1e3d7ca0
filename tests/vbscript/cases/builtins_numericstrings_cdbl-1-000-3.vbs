Function T()
    T = CDbl("1'000")
End Function
Show T() ' expect error: 13
