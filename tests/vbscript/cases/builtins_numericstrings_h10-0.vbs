Function T()
    T = ("-&H10") - 0
End Function
Show T() ' expect error: 13
