Function Len(s)
Len = -1
End Function
Function T()
    t = Len("abc")
End Function
Show T() ' expect: Integer:-1
