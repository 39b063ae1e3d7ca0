Function T()
    T = Left("a")
End Function
Show T() ' expect error: 450
