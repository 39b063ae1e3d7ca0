Function T()
    T = 1 Is Nothing
End Function
Show T() ' expect error: 424
