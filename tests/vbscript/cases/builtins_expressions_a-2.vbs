Function T()
    T = "a" * 2
End Function
Show T() ' expect error: 13
