Function T()
    T = CDbl(".e3")
End Function
Show T() ' expect error: 13
