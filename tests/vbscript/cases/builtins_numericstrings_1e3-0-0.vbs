Function T()
    T = ("1e3,0") - 0
End Function
Show T() ' expect error: 13
