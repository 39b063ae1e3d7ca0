' nested function
Function F()
Function G()
End Function
End Function
' expect error: 1002
