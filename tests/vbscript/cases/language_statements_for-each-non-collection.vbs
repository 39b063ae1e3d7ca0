' for each non-collection
Function T()
    Dim x
    For Each x In 5
    Next
End Function
Show T() ' expect error: 451
