Function T()
    T = ("1_000") - 0
End Function
Show T() ' expect error: 13
