Function T()
    T = ("NaN") - 0
End Function
Show T() ' expect error: 13
