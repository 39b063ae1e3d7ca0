Function T()
    T = ("1e--3") - 0
End Function
Show T() ' expect error: 13
