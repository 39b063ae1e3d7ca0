Function T()
    T = ("1E400") - 0
End Function
Show T() ' expect error: 6
