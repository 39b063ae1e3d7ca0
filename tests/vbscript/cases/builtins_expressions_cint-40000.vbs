Function T()
    T = CInt(40000)
End Function
Show T() ' expect error: 6
