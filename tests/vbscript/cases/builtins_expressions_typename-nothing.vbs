' TypeName of Nothing
Function T()
    T = TypeName(Nothing)
End Function
Show T() ' expect: String:Nothing
