Function T()
    T = ("$,5") - 0
End Function
Show T() ' expect error: 13
