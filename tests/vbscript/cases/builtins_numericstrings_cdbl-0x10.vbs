Function T()
    T = CDbl("0x10")
End Function
Show T() ' expect error: 13
