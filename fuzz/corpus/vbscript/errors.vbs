Function E(x)
    Dim a(2)
    E = a(5)
End Function
Function T(x)
    T = 1 / 0
End Function
Function U(x)
    U = CreateObject("Scripting.FileSystemObject")
End Function
