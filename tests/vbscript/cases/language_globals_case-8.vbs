Public P
Private Q
P = 1 : Q = 2
Public Function Unused()
End Function
Function T()
    t = P + Q
End Function
Show T() ' expect: Integer:3
