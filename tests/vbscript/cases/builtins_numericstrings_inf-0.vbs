Function T()
    T = ("Inf") - 0
End Function
Show T() ' expect error: 13
