Function T()
    T = CDbl("Inf")
End Function
Show T() ' expect error: 13
