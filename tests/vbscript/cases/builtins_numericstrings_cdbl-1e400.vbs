Function T()
    T = CDbl("1E400")
End Function
Show T() ' expect error: 6
