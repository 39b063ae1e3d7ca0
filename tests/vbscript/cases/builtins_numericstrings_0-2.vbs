Function T()
    T = ("()") - 0
End Function
Show T() ' expect error: 13
