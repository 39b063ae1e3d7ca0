Function T()
    T = CStr(Null)
End Function
Show T() ' expect error: 94
