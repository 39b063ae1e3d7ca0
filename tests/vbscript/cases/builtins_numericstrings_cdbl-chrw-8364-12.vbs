Function T()
    T = CDbl(ChrW(8364) & "12")
End Function
Show T() ' expect error: 13
