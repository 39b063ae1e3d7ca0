Function T()
    T = ("1" & ChrW(160) & "000") - 0
End Function
Show T() ' expect error: 13
