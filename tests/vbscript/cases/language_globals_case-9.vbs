implicitCount = 1
Sub Bump2()
 implicitCount = implicitCount + 1
End Sub
Function T()
    Bump2
    t = implicitCount
End Function
Show T() ' expect: Integer:2
