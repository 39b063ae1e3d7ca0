' Statements; each case a function, its result shown as TypeName:CStr.

' case-insensitive names
Function Case1()
    Dim abc
    ABC = 3
    Case1 = aBc + 1
End Function
Show Case1() ' expect: Integer:4

' comments
Function Case2()
    Case2 = 1 ' a comment
    Rem another
    Case2 = Case2 + 1 : Rem after a colon
End Function
Show Case2() ' expect: Integer:2

' line continuation
Function Case3()
    Case3 = "a" & _
       "b" & _
    "c"
End Function
Show Case3() ' expect: String:abc

' colon separator
Function Case4()
    Dim a : a = 1 : Case4 = a + 1
End Function
Show Case4() ' expect: Integer:2

' block if
Function Case5()
    Dim x : x = 5
    If x > 3 Then
     Case5 = "big"
    ElseIf x > 1 Then
     Case5 = "mid"
    Else
     Case5 = "small"
    End If
End Function
Show Case5() ' expect: String:big

' elseif
Function Case6()
    Dim x : x = 2
    If x > 3 Then
     Case6 = "big"
    ElseIf x > 1 Then
     Case6 = "mid"
    Else
     Case6 = "small"
    End If
End Function
Show Case6() ' expect: String:mid

' else
Function Case7()
    Dim x : x = 0
    If x > 3 Then
     Case7 = "big"
    ElseIf x > 1 Then
     Case7 = "mid"
    Else
     Case7 = "small"
    End If
End Function
Show Case7() ' expect: String:small

' single-line if
Function Case8()
    If 1 = 1 Then Case8 = "yes" Else Case8 = "no"
End Function
Show Case8() ' expect: String:yes

' single-line else
Function Case9()
    If 1 = 2 Then Case9 = "yes" Else Case9 = "no"
End Function
Show Case9() ' expect: String:no

' single-line statements
Function Case10()
    If True Then Case10 = 1 : Case10 = Case10 + 1
End Function
Show Case10() ' expect: Integer:2

' single-line nested
Function Case11()
    If True Then If False Then Case11 = 1 Else Case11 = 2
End Function
Show Case11() ' expect: Integer:2

' null condition is false
Function Case12()
    Case12 = 0
    If Null Then Case12 = 1
End Function
Show Case12() ' expect: Integer:0

' for
Function Case13()
    Dim i
    For i = 1 To 5
     Case13 = Case13 & i
    Next
End Function
Show Case13() ' expect: String:12345

' for step
Function Case14()
    Dim i
    For i = 10 To 1 Step -3
     Case14 = Case14 & i & ","
    Next
End Function
Show Case14() ' expect: String:10,7,4,1,

' for fractional step
Function Case15()
    Dim i
    For i = 0 To 1 Step 0.25
     Case15 = Case15 + 1
    Next
End Function
Show Case15() ' expect: Integer:5

' for never runs
Function Case16()
    Dim i
    Case16 = 0
    For i = 5 To 1
     Case16 = 1
    Next
End Function
Show Case16() ' expect: Integer:0

' for counter after loop
Function Case17()
    Dim i
    For i = 1 To 3
    Next
    Case17 = i
End Function
Show Case17() ' expect: Integer:4

' exit for
Function Case19()
    Dim i
    For i = 1 To 10
     If i = 3 Then Exit For
    Next
    Case19 = i
End Function
Show Case19() ' expect: Integer:3

' nested for
Function Case20()
    Dim i, j
    For i = 1 To 2
    For j = 1 To 2
     Case20 = Case20 & i & j & " "
    Next
    Next
End Function
Show Case20() ' expect: String:11 12 21 22 

' for each array
Function Case21()
    Dim x
    For Each x In Array("a", "b")
     Case21 = Case21 & x
    Next
End Function
Show Case21() ' expect: String:ab

' for each empty array
Function Case22()
    Dim x
    Case22 = 0
    For Each x In Array()
     Case22 = 1
    Next
End Function
Show Case22() ' expect: Integer:0

' for each exit
Function Case23()
    Dim x
    For Each x In Array(1, 2, 3)
     Case23 = x
     If x = 2 Then Exit For
    Next
End Function
Show Case23() ' expect: Integer:2

' do while
Function Case24()
    Dim i : i = 0
    Do While i < 3
     i = i + 1
    Loop
    Case24 = i
End Function
Show Case24() ' expect: Integer:3

' do until
Function Case25()
    Dim i : i = 0
    Do Until i = 4
     i = i + 1
    Loop
    Case25 = i
End Function
Show Case25() ' expect: Integer:4

' loop while runs once
Function Case26()
    Dim i : i = 10
    Do
     i = i + 1
    Loop While i < 3
    Case26 = i
End Function
Show Case26() ' expect: Integer:11

' loop until
Function Case27()
    Dim i : i = 0
    Do
     i = i + 2
    Loop Until i >= 5
    Case27 = i
End Function
Show Case27() ' expect: Integer:6

' exit do
Function Case28()
    Dim i
    Do
     i = i + 1
     If i = 7 Then Exit Do
    Loop
    Case28 = i
End Function
Show Case28() ' expect: Integer:7

' while wend
Function Case29()
    Dim i
    While i < 5
     i = i + 1
    Wend
    Case29 = i
End Function
Show Case29() ' expect: Integer:5

' select case
Function Case30()
    Dim x : x = 3
    Select Case x
    Case 1, 2
     Case30 = "low"
    Case 3
     Case30 = "three"
    Case Else
     Case30 = "other"
    End Select
End Function
Show Case30() ' expect: String:three

' select case list
Function Case31()
    Select Case "b"
    Case "a", "b"
     Case31 = 1
    Case Else
     Case31 = 2
    End Select
End Function
Show Case31() ' expect: Integer:1

' select case else
Function Case32()
    Select Case 9
    Case 1
     Case32 = 1
    Case Else
     Case32 = 2
    End Select
End Function
Show Case32() ' expect: Integer:2

' select case none
Function Case33()
    Case33 = 0
    Select Case 9
    Case 1
     Case33 = 1
    End Select
End Function
Show Case33() ' expect: Integer:0

' select case strings are exact
Function Case34()
    Case34 = 0
    Select Case "A"
    Case "a"
     Case34 = 1
    End Select
End Function
Show Case34() ' expect: Integer:0

' select case first match
Function Case35()
    Select Case 1
    Case 1
     Case35 = "a"
    Case 1
     Case35 = "b"
    End Select
End Function
Show Case35() ' expect: String:a

' dim array
Function Case36()
    Dim a(2)
    a(0) = "x" : a(2) = "z"
    Case36 = UBound(a) & a(0) & a(1) & a(2)
End Function
Show Case36() ' expect: String:2xz

' two dimensions
Function Case37()
    Dim a(1, 2)
    a(1, 2) = 5
    Case37 = a(1, 2) + UBound(a, 2)
End Function
Show Case37() ' expect: Long:7

' redim preserve
Function Case39()
    Dim a : a = Array(1, 2)
    ReDim Preserve a(3)
    Case39 = UBound(a) & a(1) & IsEmpty(a(3))
End Function
Show Case39() ' expect: String:32True

' redim preserve shrinks
Function Case40()
    Dim a : a = Array(1, 2, 3)
    ReDim Preserve a(0)
    Case40 = Join(a, ",")
End Function
Show Case40() ' expect: String:1

' redim clears
Function Case41()
    Dim a : a = Array(1, 2)
    ReDim a(1)
    Case41 = IsEmpty(a(0))
End Function
Show Case41() ' expect: Boolean:True


' redim preserve of unsized array
Function Case43()
    Dim a()
    ReDim Preserve a(2)
    Case43 = UBound(a)
End Function
Show Case43() ' expect: Long:2

' erase
Function Case44()
    Dim a : a = Array(1)
    Erase a
    Case44 = IsArray(a)
End Function
Show Case44() ' expect: Boolean:True

' const
Function Case45()
    Const LIMIT = 10, NAME = "n"
    Case45 = LIMIT & NAME
End Function
Show Case45() ' expect: String:10n

' set nothing
Function Case46()
    Dim o
    Set o = Nothing
    Case46 = o Is Nothing
End Function
Show Case46() ' expect: Boolean:True

' implicit variable
Function Case47()
    x = 4
    Case47 = x * 2
End Function
Show Case47() ' expect: Integer:8

' string with quotes
Function Case48()
    Case48 = "say ""hi"""
End Function
Show Case48() ' expect: String:say "hi"

' exit do inside for
Function Case50()
    Dim i, j
    Do
     For i = 1 To 3
      j = j + 1
      If i = 2 Then Exit Do
     Next
    Loop
    Case50 = j
End Function
Show Case50() ' expect: Integer:2

' do inside select
Function Case51()
    Select Case 1
    Case 1
     Do
      Case51 = Case51 + 1
     Loop While Case51 < 3
    End Select
End Function
Show Case51() ' expect: Integer:3
