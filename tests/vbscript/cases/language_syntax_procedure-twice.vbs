' procedure twice
Sub S()
End Sub
Sub S()
End Sub
' expect error: 1041
