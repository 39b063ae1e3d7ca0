Function T()
    T = ("1e3.5") - 0
End Function
Show T() ' expect error: 13
