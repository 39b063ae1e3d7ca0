Dim g_list()
ReDim g_list(-1)
Sub Add(item)
    ReDim Preserve g_list(UBound(g_list) + 1)
    g_list(UBound(g_list)) = item
End Sub
Function Main(n)
    Dim i, grid(2, 3), total
    For i = 0 To n Step 1
        Add "item" & i
    Next
    grid(1, 2) = 7
    For Each i In g_list
        total = total + Len(i)
    Next
    Erase grid
    Main = total + UBound(g_list)
End Function
