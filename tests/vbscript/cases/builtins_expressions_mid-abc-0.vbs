Function T()
    T = Mid("abc", 0)
End Function
Show T() ' expect error: 5
