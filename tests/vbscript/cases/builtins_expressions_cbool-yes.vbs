Function T()
    T = CBool("yes")
End Function
Show T() ' expect error: 13
