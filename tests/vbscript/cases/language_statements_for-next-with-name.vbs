' for next with name
Function T()
    Dim i
    For i = 1 To 2
     T = T & i
    Next i
End Function
Show T() ' expect: String:12
