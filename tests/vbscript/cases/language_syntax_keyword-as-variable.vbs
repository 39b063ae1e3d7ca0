' keyword as variable
Dim If
' expect error: 1010
