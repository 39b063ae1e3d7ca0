' class
Class C
End Class
' expect error: 1002
