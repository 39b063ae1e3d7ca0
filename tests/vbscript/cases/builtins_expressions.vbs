' Operators, conversions and built-in functions; each case a function, its result shown as TypeName:CStr.

Function Case1()
    Case1 = 1 + 2
End Function
Show Case1() ' expect: Integer:3

Function Case2()
    Case2 = 32767 + 1
End Function
Show Case2() ' expect: Long:32768

Function Case3()
    Case3 = 2147483647 + 1
End Function
Show Case3() ' expect: Double:2147483648

Function Case4()
    Case4 = "5" + 1
End Function
Show Case4() ' expect: Double:6

Function Case5()
    Case5 = "5" + "1"
End Function
Show Case5() ' expect: String:51

Function Case6()
    Case6 = Empty + Empty
End Function
Show Case6() ' expect: Integer:0

Function Case7()
    Case7 = Empty + "5"
End Function
Show Case7() ' expect: String:5

Function Case8()
    Case8 = True + True
End Function
Show Case8() ' expect: Integer:-2

Function Case9()
    Case9 = 10 / 4
End Function
Show Case9() ' expect: Double:2.5

Function Case10()
    Case10 = 10 / 5
End Function
Show Case10() ' expect: Double:2

Function Case11()
    Case11 = 7 \ 2
End Function
Show Case11() ' expect: Integer:3

Function Case12()
    Case12 = 5.5 \ 2
End Function
Show Case12() ' expect: Long:3

Function Case13()
    Case13 = 7 Mod 3
End Function
Show Case13() ' expect: Integer:1

Function Case14()
    Case14 = -7 Mod 3
End Function
Show Case14() ' expect: Integer:-1

Function Case15()
    Case15 = 2 ^ 3 ^ 2
End Function
Show Case15() ' expect: Double:64

Function Case16()
    Case16 = -2 ^ 2
End Function
Show Case16() ' expect: Double:4

Function Case17()
    Case17 = -3 * 2
End Function
Show Case17() ' expect: Integer:-6

Function Case18()
    Case18 = 1000000 * 1000000
End Function
Show Case18() ' expect: Double:1000000000000

Function Case19()
    Case19 = 0.1 + 0.2
End Function
Show Case19() ' expect: Double:0.3

Function Case20()
    Case20 = 1 / 3
End Function
Show Case20() ' expect: Double:0.333333333333333

Function Case21()
    Case21 = 1E15
End Function
Show Case21() ' expect: Double:1E+15

Function Case22()
    Case22 = 1E-5
End Function
Show Case22() ' expect: Double:1E-05

Function Case23()
    Case23 = 123456789012345
End Function
Show Case23() ' expect: Double:123456789012345

Function Case24()
    Case24 = &HFF
End Function
Show Case24() ' expect: Integer:255

Function Case25()
    Case25 = &HFFFF
End Function
Show Case25() ' expect: Integer:-1

Function Case26()
    Case26 = &H10000
End Function
Show Case26() ' expect: Long:65536

Function Case27()
    Case27 = 1 + 2 * 3
End Function
Show Case27() ' expect: Integer:7

Function Case28()
    Case28 = (1 + 2) * 3
End Function
Show Case28() ' expect: Integer:9

Function Case29()
    Case29 = "a" & 1 + 2 & "b"
End Function
Show Case29() ' expect: String:a3b

Function Case30()
    Case30 = 1 & 2 + 3
End Function
Show Case30() ' expect: String:15

Function Case31()
    Case31 = Not 1 = 2
End Function
Show Case31() ' expect: Boolean:True

Function Case32()
    Case32 = True Or False And False
End Function
Show Case32() ' expect: Boolean:True

Function Case33()
    Case33 = 3 = 1 + 2
End Function
Show Case33() ' expect: Boolean:True

Function Case34()
    Case34 = 2 * 3 Mod 4
End Function
Show Case34() ' expect: Integer:2

Function Case35()
    Case35 = 10 \ 3 * 2
End Function
Show Case35() ' expect: Integer:1

Function Case36()
    Case36 = 3 And 5
End Function
Show Case36() ' expect: Integer:1

Function Case37()
    Case37 = 3 Or 5
End Function
Show Case37() ' expect: Integer:7

Function Case38()
    Case38 = 3 Xor 5
End Function
Show Case38() ' expect: Integer:6

Function Case39()
    Case39 = Not 0
End Function
Show Case39() ' expect: Integer:-1

Function Case40()
    Case40 = Not True
End Function
Show Case40() ' expect: Boolean:False

Function Case41()
    Case41 = True And 3
End Function
Show Case41() ' expect: Integer:3

Function Case42()
    Case42 = True Eqv False
End Function
Show Case42() ' expect: Boolean:False

Function Case43()
    Case43 = False Imp False
End Function
Show Case43() ' expect: Boolean:True

Function Case44()
    Case44 = "10" < "9"
End Function
Show Case44() ' expect: Boolean:True

Function Case45()
    Case45 = 10 < 9
End Function
Show Case45() ' expect: Boolean:False

Function Case46()
    Case46 = 1 < "2"
End Function
Show Case46() ' expect: Boolean:True

Function Case47()
    Case47 = 5 = "5"
End Function
Show Case47() ' expect: Boolean:False

Function Case48()
    Case48 = "abc" < "abd"
End Function
Show Case48() ' expect: Boolean:True

Function Case49()
    Case49 = "a" = "A"
End Function
Show Case49() ' expect: Boolean:False

Function Case50()
    Case50 = "B" < "a"
End Function
Show Case50() ' expect: Boolean:True

Function Case51()
    Case51 = Empty = 0
End Function
Show Case51() ' expect: Boolean:True

Function Case52()
    Case52 = Empty = ""
End Function
Show Case52() ' expect: Boolean:True

Function Case53()
    Case53 = True = -1
End Function
Show Case53() ' expect: Boolean:True

Function Case54()
    Case54 = 3 = 3.0
End Function
Show Case54() ' expect: Boolean:True

Function Case55()
    Case55 = 2 >= 2
End Function
Show Case55() ' expect: Boolean:True

Function Case56()
    Case56 = 2 <> 2
End Function
Show Case56() ' expect: Boolean:False

Function Case57()
    Case57 = Nothing Is Nothing
End Function
Show Case57() ' expect: Boolean:True

Function Case58()
    Case58 = Null
End Function
Show Case58() ' expect: Null

Function Case59()
    Case59 = Null + 1
End Function
Show Case59() ' expect: Null

Function Case60()
    Case60 = Null & "a"
End Function
Show Case60() ' expect: String:a

Function Case61()
    Case61 = Null & Null
End Function
Show Case61() ' expect: Null

Function Case62()
    Case62 = Null = 1
End Function
Show Case62() ' expect: Null

Function Case63()
    Case63 = Null And False
End Function
Show Case63() ' expect: Boolean:False

Function Case64()
    Case64 = Null And True
End Function
Show Case64() ' expect: Null

Function Case65()
    Case65 = Null Or True
End Function
Show Case65() ' expect: Boolean:True

Function Case66()
    Case66 = Not Null
End Function
Show Case66() ' expect: Null

Function Case67()
    Case67 = Len(Null)
End Function
Show Case67() ' expect: Null

Function Case68()
    Case68 = UCase(Null)
End Function
Show Case68() ' expect: Null

Function Case69()
    Case69 = Empty & ""
End Function
Show Case69() ' expect: String:

Function Case70()
    Case70 = -Empty
End Function
Show Case70() ' expect: Integer:0

Function Case71()
    Case71 = Len("abc")
End Function
Show Case71() ' expect: Long:3

Function Case72()
    Case72 = Len(12)
End Function
Show Case72() ' expect: Long:2

Function Case73()
    Case73 = Len(Empty)
End Function
Show Case73() ' expect: Long:0

Function Case74()
    Case74 = Left("abc", 2)
End Function
Show Case74() ' expect: String:ab

Function Case75()
    Case75 = Left("abc", 10)
End Function
Show Case75() ' expect: String:abc

Function Case76()
    Case76 = Right("abc", 2)
End Function
Show Case76() ' expect: String:bc

Function Case77()
    Case77 = Mid("abc", 2)
End Function
Show Case77() ' expect: String:bc

Function Case78()
    Case78 = Mid("abcdef", 2, 3)
End Function
Show Case78() ' expect: String:bcd

Function Case79()
    Case79 = Mid("abc", 5)
End Function
Show Case79() ' expect: String:

Function Case80()
    Case80 = InStr(1, "abc", "B", vbTextCompare)
End Function
Show Case80() ' expect: Long:2

Function Case81()
    Case81 = InStr("abc", "B")
End Function
Show Case81() ' expect: Long:0

Function Case82()
    Case82 = InStr("abc", "b")
End Function
Show Case82() ' expect: Long:2

Function Case83()
    Case83 = InStr(2, "abcabc", "a")
End Function
Show Case83() ' expect: Long:4

Function Case84()
    Case84 = InStr(5, "abc", "c")
End Function
Show Case84() ' expect: Long:0

Function Case85()
    Case85 = InStr("abc", "")
End Function
Show Case85() ' expect: Long:1

Function Case86()
    Case86 = InStr("", "")
End Function
Show Case86() ' expect: Long:0

Function Case87()
    Case87 = InStr(1, "ABC", "b", vbBinaryCompare)
End Function
Show Case87() ' expect: Long:0

Function Case88()
    Case88 = InStr("abc", Null)
End Function
Show Case88() ' expect: Null

Function Case89()
    Case89 = InStrRev("abcabc", "b")
End Function
Show Case89() ' expect: Long:5

Function Case90()
    Case90 = InStrRev("abcabc", "c", 4)
End Function
Show Case90() ' expect: Long:3

Function Case91()
    Case91 = InStrRev("ABC", "b", -1, 1)
End Function
Show Case91() ' expect: Long:2

Function Case92()
    Case92 = UCase("aBc")
End Function
Show Case92() ' expect: String:ABC

Function Case93()
    Case93 = LCase("aBc")
End Function
Show Case93() ' expect: String:abc

Function Case94()
    Case94 = Trim("  a b  ")
End Function
Show Case94() ' expect: String:a b

Function Case95()
    Case95 = LTrim("  a ")
End Function
Show Case95() ' expect: String:a 

Function Case96()
    Case96 = RTrim("  a ")
End Function
Show Case96() ' expect: String:  a

Function Case97()
    Case97 = Replace("aAbA", "a", "x")
End Function
Show Case97() ' expect: String:xAbA

Function Case98()
    Case98 = Replace("aAbA", "a", "x", 1, -1, vbTextCompare)
End Function
Show Case98() ' expect: String:xxbx

Function Case99()
    Case99 = Replace("abcabc", "b", "", 3)
End Function
Show Case99() ' expect: String:cac

Function Case100()
    Case100 = Replace("aaa", "a", "b", 1, 2)
End Function
Show Case100() ' expect: String:bba

Function Case101()
    Case101 = Join(Split("a,b,,c", ","), "|")
End Function
Show Case101() ' expect: String:a|b||c

Function Case102()
    Case102 = UBound(Split(""))
End Function
Show Case102() ' expect: Long:-1

Function Case103()
    Case103 = UBound(Split("a b  c"))
End Function
Show Case103() ' expect: Long:3

Function Case104()
    Case104 = Split("a-b-c", "-", 2)
End Function
Show Case104() ' expect: Array(String:a, String:b-c)

Function Case105()
    Case105 = Split("aXbxc", "x", -1, 1)
End Function
Show Case105() ' expect: Array(String:a, String:b, String:c)

Function Case106()
    Case106 = Join(Array(1, "b", True))
End Function
Show Case106() ' expect: String:1 b True

Function Case107()
    Case107 = Join(Array())
End Function
Show Case107() ' expect: String:

Function Case108()
    Case108 = StrComp("a", "B")
End Function
Show Case108() ' expect: Integer:1

Function Case109()
    Case109 = StrComp("a", "B", 1)
End Function
Show Case109() ' expect: Integer:-1

Function Case110()
    Case110 = StrComp("a", "a")
End Function
Show Case110() ' expect: Integer:0

Function Case111()
    Case111 = StrReverse("abc")
End Function
Show Case111() ' expect: String:cba

Function Case112()
    Case112 = Space(3) & "|"
End Function
Show Case112() ' expect: String:   |

Function Case113()
    Case113 = String(3, "xy")
End Function
Show Case113() ' expect: String:xxx

Function Case114()
    Case114 = Chr(65) & Asc("a")
End Function
Show Case114() ' expect: String:A97

Function Case115()
    Case115 = Hex(255)
End Function
Show Case115() ' expect: String:FF

Function Case116()
    Case116 = "a" & vbCrLf & "b"
End Function
Show Case116() ' expect: String:a
' expect: b

Function Case117()
    Case117 = CStr(True)
End Function
Show Case117() ' expect: String:True

Function Case118()
    Case118 = CStr(1.5)
End Function
Show Case118() ' expect: String:1.5

Function Case119()
    Case119 = CStr(-0.5)
End Function
Show Case119() ' expect: String:-0.5

Function Case120()
    Case120 = CInt(2.5)
End Function
Show Case120() ' expect: Integer:2

Function Case121()
    Case121 = CInt(3.5)
End Function
Show Case121() ' expect: Integer:4

Function Case122()
    Case122 = CInt(-2.5)
End Function
Show Case122() ' expect: Integer:-2

Function Case123()
    Case123 = CInt("3")
End Function
Show Case123() ' expect: Integer:3

Function Case124()
    Case124 = CLng("12")
End Function
Show Case124() ' expect: Long:12

Function Case125()
    Case125 = CLng(" &H10 ")
End Function
Show Case125() ' expect: Long:16

Function Case126()
    Case126 = CDbl("1e3")
End Function
Show Case126() ' expect: Double:1000

Function Case127()
    Case127 = CDbl("1.5")
End Function
Show Case127() ' expect: Double:1.5

Function Case128()
    Case128 = CBool("true")
End Function
Show Case128() ' expect: Boolean:True

Function Case129()
    Case129 = CBool(0)
End Function
Show Case129() ' expect: Boolean:False

Function Case130()
    Case130 = CBool("1")
End Function
Show Case130() ' expect: Boolean:True

Function Case131()
    Case131 = "17,110" + 1
End Function
Show Case131() ' expect: Double:17111

Function Case132()
    Case132 = "(12)" * 2
End Function
Show Case132() ' expect: Double:-24

Function Case133()
    Case133 = CInt("1,000")
End Function
Show Case133() ' expect: Integer:1000

Function Case134()
    Case134 = CInt("(5)")
End Function
Show Case134() ' expect: Integer:-5

Function Case135()
    Case135 = CLng("$1,234.56-")
End Function
Show Case135() ' expect: Long:-1235

Function Case136()
    Case136 = CBool("(0)")
End Function
Show Case136() ' expect: Boolean:False

Function Case137()
    Case137 = Not "1,0"
End Function
Show Case137() ' expect: Long:-11

Function Case138()
    Case138 = "1,000" \ 3
End Function
Show Case138() ' expect: Long:333

Function Case139()
    Case139 = CLng("17,110") >= 17110
End Function
Show Case139() ' expect: Boolean:True

Function Case140()
    Case140 = "17,110" = 17110
End Function
Show Case140() ' expect: Boolean:False

Function Case141()
    Case141 = Abs(-3)
End Function
Show Case141() ' expect: Integer:3

Function Case142()
    Case142 = Abs(-2.5)
End Function
Show Case142() ' expect: Double:2.5

Function Case143()
    Case143 = Int(-2.5)
End Function
Show Case143() ' expect: Double:-3

Function Case144()
    Case144 = Fix(-2.5)
End Function
Show Case144() ' expect: Double:-2

Function Case145()
    Case145 = Int(7)
End Function
Show Case145() ' expect: Integer:7

Function Case146()
    Case146 = Round(2.5)
End Function
Show Case146() ' expect: Double:2

Function Case147()
    Case147 = Round(3.5)
End Function
Show Case147() ' expect: Double:4

Function Case148()
    Case148 = Round(2.375, 2)
End Function
Show Case148() ' expect: Double:2.38

Function Case149()
    Case149 = Sgn(-2)
End Function
Show Case149() ' expect: Integer:-1

Function Case150()
    Case150 = Sqr(16)
End Function
Show Case150() ' expect: Double:4

Function Case151()
    Case151 = TypeName(Empty)
End Function
Show Case151() ' expect: String:Empty

Function Case152()
    Case152 = TypeName(Null)
End Function
Show Case152() ' expect: String:Null

Function Case154()
    Case154 = TypeName(Array())
End Function
Show Case154() ' expect: String:Variant()

Function Case155()
    Case155 = TypeName(1)
End Function
Show Case155() ' expect: String:Integer

Function Case156()
    Case156 = TypeName(70000)
End Function
Show Case156() ' expect: String:Long

Function Case157()
    Case157 = TypeName(1.5)
End Function
Show Case157() ' expect: String:Double

Function Case158()
    Case158 = TypeName("")
End Function
Show Case158() ' expect: String:String

Function Case159()
    Case159 = TypeName(True)
End Function
Show Case159() ' expect: String:Boolean

Function Case160()
    Case160 = VarType(Array())
End Function
Show Case160() ' expect: Integer:8204

Function Case161()
    Case161 = VarType("a")
End Function
Show Case161() ' expect: Integer:8

Function Case162()
    Case162 = VarType(1)
End Function
Show Case162() ' expect: Integer:2

Function Case163()
    Case163 = VarType(True)
End Function
Show Case163() ' expect: Integer:11

Function Case164()
    Case164 = VarType(Nothing)
End Function
Show Case164() ' expect: Integer:9

Function Case165()
    Case165 = IsNull(Null)
End Function
Show Case165() ' expect: Boolean:True

Function Case166()
    Case166 = IsNull(Empty)
End Function
Show Case166() ' expect: Boolean:False

Function Case167()
    Case167 = IsEmpty(Empty)
End Function
Show Case167() ' expect: Boolean:True

Function Case168()
    Case168 = IsEmpty("")
End Function
Show Case168() ' expect: Boolean:False

Function Case169()
    Case169 = IsObject(Nothing)
End Function
Show Case169() ' expect: Boolean:True

Function Case170()
    Case170 = IsObject(1)
End Function
Show Case170() ' expect: Boolean:False

Function Case171()
    Case171 = IsArray(Array(1))
End Function
Show Case171() ' expect: Boolean:True

Function Case172()
    Case172 = IsArray("a")
End Function
Show Case172() ' expect: Boolean:False

Function Case173()
    Case173 = IsNumeric("12")
End Function
Show Case173() ' expect: Boolean:True

Function Case174()
    Case174 = IsNumeric("1e5")
End Function
Show Case174() ' expect: Boolean:True

Function Case175()
    Case175 = IsNumeric("a")
End Function
Show Case175() ' expect: Boolean:False

Function Case176()
    Case176 = IsNumeric("")
End Function
Show Case176() ' expect: Boolean:False

Function Case177()
    Case177 = IsNumeric(Empty)
End Function
Show Case177() ' expect: Boolean:True

Function Case178()
    Case178 = UBound(Array())
End Function
Show Case178() ' expect: Long:-1

Function Case179()
    Case179 = UBound(Array(1, 2, 3))
End Function
Show Case179() ' expect: Long:2

Function Case180()
    Case180 = LBound(Array(1))
End Function
Show Case180() ' expect: Long:0

Function Case181()
    Case181 = Array(1, "a")(1)
End Function
Show Case181() ' expect: String:a

Function Case182()
    Case182 = Filter(Array("ab", "cd", "xb"), "b")
End Function
Show Case182() ' expect: Array(String:ab, String:xb)

Function Case183()
    Case183 = IsDate("2000-01-02")
End Function
Show Case183() ' expect: Boolean:True

Function Case184()
    Case184 = IsDate("x")
End Function
Show Case184() ' expect: Boolean:False

Function Case185()
    Case185 = Weekday(CDate("2000-01-02"))
End Function
Show Case185() ' expect: Integer:1

Function Case186()
    Case186 = Hour(CDate("13:04:05")) & Minute(CDate("13:04:05")) & Second(CDate("13:04:05"))
End Function
Show Case186() ' expect: String:1345

Function Case187()
    Case187 = CDate("2000-01-02") + 1 = CDate("2000-01-03")
End Function
Show Case187() ' expect: Boolean:True

Function Case188()
    Case188 = Oct(8)
End Function
Show Case188() ' expect: String:10

Function Case189()
    Case189 = ChrW(AscW("z"))
End Function
Show Case189() ' expect: String:z

Function Case190()
    Case190 = vbTextCompare
End Function
Show Case190() ' expect: Integer:1

Function Case191()
    Case191 = vbBinaryCompare
End Function
Show Case191() ' expect: Integer:0

Function Case192()
    Case192 = vbGeneralDate
End Function
Show Case192() ' expect: Integer:0
