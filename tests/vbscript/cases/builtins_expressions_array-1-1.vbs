Function T()
    T = Array(1)(1)
End Function
Show T() ' expect error: 9
