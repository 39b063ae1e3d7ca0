' member of nothing
Function T()
    Dim o
    Set o = Nothing
    t = o.Name
End Function
Show T() ' expect error: 91
