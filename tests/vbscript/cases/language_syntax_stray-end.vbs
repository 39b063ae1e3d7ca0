' stray end
End
' expect error: 1002
