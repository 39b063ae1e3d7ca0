Dim g_list()
ReDim g_list(-1)
Sub Append(s)
 ReDim Preserve g_list(UBound(g_list) + 1)
 g_list(UBound(g_list)) = s
End Sub
Function T()
    Append "a"
    Append "b"
    t = Join(g_list, ",") & UBound(g_list)
End Function
Show T() ' expect: String:a,b1
