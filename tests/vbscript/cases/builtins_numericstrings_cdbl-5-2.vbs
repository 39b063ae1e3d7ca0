Function T()
    T = CDbl("-,5")
End Function
Show T() ' expect error: 13
