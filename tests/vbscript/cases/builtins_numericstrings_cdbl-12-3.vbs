Function T()
    T = CDbl("-12-")
End Function
Show T() ' expect error: 13
