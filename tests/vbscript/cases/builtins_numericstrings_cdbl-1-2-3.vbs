Function T()
    T = CDbl("1.2.3")
End Function
Show T() ' expect error: 13
