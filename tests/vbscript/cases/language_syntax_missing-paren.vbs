' missing paren
x = (1 + 2
' expect error: 1006
