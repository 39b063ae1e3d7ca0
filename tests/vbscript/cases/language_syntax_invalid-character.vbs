' invalid character
x = 1 $ 2
' expect error: 1032
