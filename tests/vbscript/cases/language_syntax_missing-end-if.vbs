' missing end if
If x Then
 y = 1

' expect error: 1002
