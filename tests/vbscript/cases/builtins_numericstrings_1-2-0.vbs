Function T()
    T = ("1..2") - 0
End Function
Show T() ' expect error: 13
