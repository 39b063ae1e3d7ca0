' 600,000 conversions of numeric strings in plain notation, as every engine version reads them.
Dim i, s
s = 0
For i = 1 To 200000
    s = s + CDbl("12345.678") + CLng(" 17110 ") + ("42" - 0)
Next
WScript.Echo s
