' missing next
For i = 1 To 2

' expect error: 1002
