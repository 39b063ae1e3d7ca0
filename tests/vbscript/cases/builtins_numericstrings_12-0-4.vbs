Function T()
    T = ("+12+") - 0
End Function
Show T() ' expect error: 13
