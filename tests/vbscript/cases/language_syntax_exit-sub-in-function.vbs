' exit sub in function
Function F()
Exit Sub
End Function
' expect error: 1002
