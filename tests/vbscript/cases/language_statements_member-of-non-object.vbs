' member of non-object
Function T()
    Dim o
    t = o.Name
End Function
Show T() ' expect error: 424
