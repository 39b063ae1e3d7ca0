Function T()
    T = Left("abc", -1)
End Function
Show T() ' expect error: 5
