Function T()
    T = CDbl("1" & ChrW(160) & "000")
End Function
Show T() ' expect error: 13
