' wrong next variable
For i = 1 To 2
Next j
' expect error: 1002
