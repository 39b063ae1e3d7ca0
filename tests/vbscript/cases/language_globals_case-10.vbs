Function Later()
Later = "ok"
End Function
Function T()
    t = Later()
End Function
Show T() ' expect: String:ok
