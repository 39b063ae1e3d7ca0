
' let
Function T()
    Let T = 5
End Function
Show T() ' expect: Integer:5
