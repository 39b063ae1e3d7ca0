Dim g_count
Private Sub Quit()
 g_count = 1
 Exit Sub
 g_count = 2
End Sub
Function T()
    Quit
    t = g_count
End Function
Show T() ' expect: Integer:1
