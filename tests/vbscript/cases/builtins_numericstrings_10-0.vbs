Function T()
    T = ("&10") - 0
End Function
Show T() ' expect error: 13
