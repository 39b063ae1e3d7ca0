Function T()
    T = ("1 ,000") - 0
End Function
Show T() ' expect error: 13
