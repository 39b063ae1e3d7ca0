Function T()
    T = ("0x10") - 0
End Function
Show T() ' expect error: 13
