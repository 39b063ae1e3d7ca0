Function T()
    T = ("2-1") - 0
End Function
Show T() ' expect error: 13
