' unterminated string
x = "abc
' expect error: 1033
