Function T()
    T = ("1e3e2") - 0
End Function
Show T() ' expect error: 13
