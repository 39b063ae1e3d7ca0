Function T()
    T = 1 / 0
End Function
Show T() ' expect error: 11
