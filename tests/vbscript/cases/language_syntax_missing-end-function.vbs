' missing end function
Function F()
 F = 1

' expect error: 1002
