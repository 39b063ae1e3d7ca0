Function T()
    T = UBound(1)
End Function
Show T() ' expect error: 13
