Function T()
    T = Len()
End Function
Show T() ' expect error: 450
