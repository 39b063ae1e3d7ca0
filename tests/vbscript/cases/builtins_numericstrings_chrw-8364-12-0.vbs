Function T()
    T = (ChrW(8364) & "12") - 0
End Function
Show T() ' expect error: 13
