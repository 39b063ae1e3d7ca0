' bad operator
x = 1 +* 2
' expect error: 1002
