Function T()
    T = (".e3") - 0
End Function
Show T() ' expect error: 13
