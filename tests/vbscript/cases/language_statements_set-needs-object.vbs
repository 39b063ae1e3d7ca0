' set needs object
Function T()
    Dim o
    Set o = 1
End Function
Show T() ' expect error: 424
