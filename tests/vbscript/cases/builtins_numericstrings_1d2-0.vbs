Function T()
    T = ("1d2") - 0
End Function
Show T() ' expect error: 13
