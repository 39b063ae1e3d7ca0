Function T()
    T = CDbl("-&H10")
End Function
Show T() ' expect error: 13
