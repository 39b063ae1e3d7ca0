Const c_Limit = 17110
Function N(a)
    Dim d
    d = CDbl("3.5") * 2 ^ 3 / 4 \ 1 + &HFF - &O17 + CLng(2.5) + CInt("12") + Abs(-4) + Sgn(-2)
    N = Array(d, Int(-2.5), Fix(-2.5), Round(2.345, 2), Hex(255), Oct(8), CBool(a), IsNumeric("1e3"), _
        VarType(d), TypeName(Null), IsEmpty(Empty), IsNull(Null), IsArray(Array()), d > c_Limit, _
        Not True Or False And True Xor False Eqv True Imp False, "10.0" > "10.0.17666", Chr(65), Asc("A"), ChrW(8364), AscW("x"), Now() > 0, Year(Date))
End Function
