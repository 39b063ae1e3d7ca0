Function T()
    T = CDbl("&10")
End Function
Show T() ' expect error: 13
