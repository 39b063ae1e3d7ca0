' Numeric strings: CDbl, arithmetic and IsNumeric convert alike; each case a function, its result shown as TypeName:CStr.

Function Case1()
    Case1 = CDbl("17,110")
End Function
Show Case1() ' expect: Double:17110

Function Case2()
    Case2 = ("17,110") - 0
End Function
Show Case2() ' expect: Double:17110

Function Case3()
    Case3 = IsNumeric("17,110")
End Function
Show Case3() ' expect: Boolean:True

Function Case4()
    Case4 = CDbl("1,000,000")
End Function
Show Case4() ' expect: Double:1000000

Function Case5()
    Case5 = ("1,000,000") - 0
End Function
Show Case5() ' expect: Double:1000000

Function Case6()
    Case6 = IsNumeric("1,000,000")
End Function
Show Case6() ' expect: Boolean:True

Function Case7()
    Case7 = CDbl("5,")
End Function
Show Case7() ' expect: Double:5

Function Case8()
    Case8 = ("5,") - 0
End Function
Show Case8() ' expect: Double:5

Function Case9()
    Case9 = IsNumeric("5,")
End Function
Show Case9() ' expect: Boolean:True

Function Case10()
    Case10 = CDbl("1,234.5")
End Function
Show Case10() ' expect: Double:1234.5

Function Case11()
    Case11 = ("1,234.5") - 0
End Function
Show Case11() ' expect: Double:1234.5

Function Case12()
    Case12 = IsNumeric("1,234.5")
End Function
Show Case12() ' expect: Boolean:True

Function Case13()
    Case13 = CDbl("12,34")
End Function
Show Case13() ' expect: Double:1234

Function Case14()
    Case14 = ("12,34") - 0
End Function
Show Case14() ' expect: Double:1234

Function Case15()
    Case15 = IsNumeric("12,34")
End Function
Show Case15() ' expect: Boolean:True

Function Case16()
    Case16 = CDbl("1,,2")
End Function
Show Case16() ' expect: Double:12

Function Case17()
    Case17 = ("1,,2") - 0
End Function
Show Case17() ' expect: Double:12

Function Case18()
    Case18 = IsNumeric("1,,2")
End Function
Show Case18() ' expect: Boolean:True

Function Case19()
    Case19 = CDbl("0,5")
End Function
Show Case19() ' expect: Double:5

Function Case20()
    Case20 = ("0,5") - 0
End Function
Show Case20() ' expect: Double:5

Function Case21()
    Case21 = IsNumeric("0,5")
End Function
Show Case21() ' expect: Boolean:True

Function Case22()
    Case22 = CDbl("000,1")
End Function
Show Case22() ' expect: Double:1

Function Case23()
    Case23 = ("000,1") - 0
End Function
Show Case23() ' expect: Double:1

Function Case24()
    Case24 = IsNumeric("000,1")
End Function
Show Case24() ' expect: Boolean:True

Function Case25()
    Case25 = CDbl("1.000,5")
End Function
Show Case25() ' expect: Double:1.0005

Function Case26()
    Case26 = ("1.000,5") - 0
End Function
Show Case26() ' expect: Double:1.0005

Function Case27()
    Case27 = IsNumeric("1.000,5")
End Function
Show Case27() ' expect: Boolean:True

Function Case28()
    Case28 = CDbl(".,1")
End Function
Show Case28() ' expect: Double:0.1

Function Case29()
    Case29 = (".,1") - 0
End Function
Show Case29() ' expect: Double:0.1

Function Case30()
    Case30 = IsNumeric(".,1")
End Function
Show Case30() ' expect: Boolean:True

Function Case31()
    Case31 = CDbl("1,e3")
End Function
Show Case31() ' expect: Double:1000

Function Case32()
    Case32 = ("1,e3") - 0
End Function
Show Case32() ' expect: Double:1000

Function Case33()
    Case33 = IsNumeric("1,e3")
End Function
Show Case33() ' expect: Boolean:True

Function Case34()
    Case34 = CDbl("1e,3")
End Function
Show Case34() ' expect: Double:1000

Function Case35()
    Case35 = ("1e,3") - 0
End Function
Show Case35() ' expect: Double:1000

Function Case36()
    Case36 = IsNumeric("1e,3")
End Function
Show Case36() ' expect: Boolean:True

Function Case37()
    Case37 = CDbl("1.,e,3,")
End Function
Show Case37() ' expect: Double:1000

Function Case38()
    Case38 = ("1.,e,3,") - 0
End Function
Show Case38() ' expect: Double:1000

Function Case39()
    Case39 = IsNumeric("1.,e,3,")
End Function
Show Case39() ' expect: Boolean:True

Function Case40()
    Case40 = IsNumeric(",5")
End Function
Show Case40() ' expect: Boolean:False

Function Case41()
    Case41 = IsNumeric("-,5")
End Function
Show Case41() ' expect: Boolean:False

Function Case42()
    Case42 = IsNumeric("$,5")
End Function
Show Case42() ' expect: Boolean:False

Function Case43()
    Case43 = IsNumeric("1 ,000")
End Function
Show Case43() ' expect: Boolean:False

Function Case44()
    Case44 = IsNumeric("1" & ChrW(160) & "000")
End Function
Show Case44() ' expect: Boolean:False

Function Case45()
    Case45 = IsNumeric("12 ,")
End Function
Show Case45() ' expect: Boolean:False

Function Case46()
    Case46 = CDbl("12-")
End Function
Show Case46() ' expect: Double:-12

Function Case47()
    Case47 = ("12-") - 0
End Function
Show Case47() ' expect: Double:-12

Function Case48()
    Case48 = IsNumeric("12-")
End Function
Show Case48() ' expect: Boolean:True

Function Case49()
    Case49 = CDbl("12 -")
End Function
Show Case49() ' expect: Double:-12

Function Case50()
    Case50 = ("12 -") - 0
End Function
Show Case50() ' expect: Double:-12

Function Case51()
    Case51 = IsNumeric("12 -")
End Function
Show Case51() ' expect: Boolean:True

Function Case52()
    Case52 = CDbl("- 12")
End Function
Show Case52() ' expect: Double:-12

Function Case53()
    Case53 = ("- 12") - 0
End Function
Show Case53() ' expect: Double:-12

Function Case54()
    Case54 = IsNumeric("- 12")
End Function
Show Case54() ' expect: Boolean:True

Function Case55()
    Case55 = CDbl("+12")
End Function
Show Case55() ' expect: Double:12

Function Case56()
    Case56 = ("+12") - 0
End Function
Show Case56() ' expect: Double:12

Function Case57()
    Case57 = IsNumeric("+12")
End Function
Show Case57() ' expect: Boolean:True

Function Case58()
    Case58 = CDbl("12+")
End Function
Show Case58() ' expect: Double:12

Function Case59()
    Case59 = ("12+") - 0
End Function
Show Case59() ' expect: Double:12

Function Case60()
    Case60 = IsNumeric("12+")
End Function
Show Case60() ' expect: Boolean:True

Function Case61()
    Case61 = CDbl("+-12")
End Function
Show Case61() ' expect: Double:-12

Function Case62()
    Case62 = ("+-12") - 0
End Function
Show Case62() ' expect: Double:-12

Function Case63()
    Case63 = IsNumeric("+-12")
End Function
Show Case63() ' expect: Boolean:True

Function Case64()
    Case64 = CDbl("12-+")
End Function
Show Case64() ' expect: Double:-12

Function Case65()
    Case65 = ("12-+") - 0
End Function
Show Case65() ' expect: Double:-12

Function Case66()
    Case66 = IsNumeric("12-+")
End Function
Show Case66() ' expect: Boolean:True

Function Case67()
    Case67 = CDbl("12.-")
End Function
Show Case67() ' expect: Double:-12

Function Case68()
    Case68 = ("12.-") - 0
End Function
Show Case68() ' expect: Double:-12

Function Case69()
    Case69 = IsNumeric("12.-")
End Function
Show Case69() ' expect: Boolean:True

Function Case70()
    Case70 = CDbl("1e3-")
End Function
Show Case70() ' expect: Double:-1000

Function Case71()
    Case71 = ("1e3-") - 0
End Function
Show Case71() ' expect: Double:-1000

Function Case72()
    Case72 = IsNumeric("1e3-")
End Function
Show Case72() ' expect: Boolean:True

Function Case73()
    Case73 = CDbl("(12)")
End Function
Show Case73() ' expect: Double:-12

Function Case74()
    Case74 = ("(12)") - 0
End Function
Show Case74() ' expect: Double:-12

Function Case75()
    Case75 = IsNumeric("(12)")
End Function
Show Case75() ' expect: Boolean:True

Function Case76()
    Case76 = CDbl("( 12 )")
End Function
Show Case76() ' expect: Double:-12

Function Case77()
    Case77 = ("( 12 )") - 0
End Function
Show Case77() ' expect: Double:-12

Function Case78()
    Case78 = IsNumeric("( 12 )")
End Function
Show Case78() ' expect: Boolean:True

Function Case79()
    Case79 = CDbl("-(12)")
End Function
Show Case79() ' expect: Double:-12

Function Case80()
    Case80 = ("-(12)") - 0
End Function
Show Case80() ' expect: Double:-12

Function Case81()
    Case81 = IsNumeric("-(12)")
End Function
Show Case81() ' expect: Boolean:True

Function Case82()
    Case82 = CDbl("(-12)")
End Function
Show Case82() ' expect: Double:-12

Function Case83()
    Case83 = ("(-12)") - 0
End Function
Show Case83() ' expect: Double:-12

Function Case84()
    Case84 = IsNumeric("(-12)")
End Function
Show Case84() ' expect: Boolean:True

Function Case85()
    Case85 = CDbl("(12-)")
End Function
Show Case85() ' expect: Double:-12

Function Case86()
    Case86 = ("(12-)") - 0
End Function
Show Case86() ' expect: Double:-12

Function Case87()
    Case87 = IsNumeric("(12-)")
End Function
Show Case87() ' expect: Boolean:True

Function Case88()
    Case88 = CDbl("(12)+")
End Function
Show Case88() ' expect: Double:-12

Function Case89()
    Case89 = ("(12)+") - 0
End Function
Show Case89() ' expect: Double:-12

Function Case90()
    Case90 = IsNumeric("(12)+")
End Function
Show Case90() ' expect: Boolean:True

Function Case91()
    Case91 = CDbl("(1e3)")
End Function
Show Case91() ' expect: Double:-1000

Function Case92()
    Case92 = ("(1e3)") - 0
End Function
Show Case92() ' expect: Double:-1000

Function Case93()
    Case93 = IsNumeric("(1e3)")
End Function
Show Case93() ' expect: Boolean:True

Function Case94()
    Case94 = CDbl("$12")
End Function
Show Case94() ' expect: Double:12

Function Case95()
    Case95 = ("$12") - 0
End Function
Show Case95() ' expect: Double:12

Function Case96()
    Case96 = IsNumeric("$12")
End Function
Show Case96() ' expect: Boolean:True

Function Case97()
    Case97 = CDbl("$ 12")
End Function
Show Case97() ' expect: Double:12

Function Case98()
    Case98 = ("$ 12") - 0
End Function
Show Case98() ' expect: Double:12

Function Case99()
    Case99 = IsNumeric("$ 12")
End Function
Show Case99() ' expect: Boolean:True

Function Case100()
    Case100 = CDbl("12$")
End Function
Show Case100() ' expect: Double:12

Function Case101()
    Case101 = ("12$") - 0
End Function
Show Case101() ' expect: Double:12

Function Case102()
    Case102 = IsNumeric("12$")
End Function
Show Case102() ' expect: Boolean:True

Function Case103()
    Case103 = CDbl("$12$")
End Function
Show Case103() ' expect: Double:12

Function Case104()
    Case104 = ("$12$") - 0
End Function
Show Case104() ' expect: Double:12

Function Case105()
    Case105 = IsNumeric("$12$")
End Function
Show Case105() ' expect: Boolean:True

Function Case106()
    Case106 = CDbl("$-12")
End Function
Show Case106() ' expect: Double:-12

Function Case107()
    Case107 = ("$-12") - 0
End Function
Show Case107() ' expect: Double:-12

Function Case108()
    Case108 = IsNumeric("$-12")
End Function
Show Case108() ' expect: Boolean:True

Function Case109()
    Case109 = CDbl("-$12")
End Function
Show Case109() ' expect: Double:-12

Function Case110()
    Case110 = ("-$12") - 0
End Function
Show Case110() ' expect: Double:-12

Function Case111()
    Case111 = IsNumeric("-$12")
End Function
Show Case111() ' expect: Boolean:True

Function Case112()
    Case112 = CDbl("$(12)")
End Function
Show Case112() ' expect: Double:-12

Function Case113()
    Case113 = ("$(12)") - 0
End Function
Show Case113() ' expect: Double:-12

Function Case114()
    Case114 = IsNumeric("$(12)")
End Function
Show Case114() ' expect: Boolean:True

Function Case115()
    Case115 = CDbl("(12$)")
End Function
Show Case115() ' expect: Double:-12

Function Case116()
    Case116 = ("(12$)") - 0
End Function
Show Case116() ' expect: Double:-12

Function Case117()
    Case117 = IsNumeric("(12$)")
End Function
Show Case117() ' expect: Boolean:True

Function Case118()
    Case118 = CDbl("$1,000.50")
End Function
Show Case118() ' expect: Double:1000.5

Function Case119()
    Case119 = ("$1,000.50") - 0
End Function
Show Case119() ' expect: Double:1000.5

Function Case120()
    Case120 = IsNumeric("$1,000.50")
End Function
Show Case120() ' expect: Boolean:True

Function Case121()
    Case121 = CDbl("($1,234.56)")
End Function
Show Case121() ' expect: Double:-1234.56

Function Case122()
    Case122 = ("($1,234.56)") - 0
End Function
Show Case122() ' expect: Double:-1234.56

Function Case123()
    Case123 = IsNumeric("($1,234.56)")
End Function
Show Case123() ' expect: Boolean:True

Function Case124()
    Case124 = CDbl("$1,234.56-")
End Function
Show Case124() ' expect: Double:-1234.56

Function Case125()
    Case125 = ("$1,234.56-") - 0
End Function
Show Case125() ' expect: Double:-1234.56

Function Case126()
    Case126 = IsNumeric("$1,234.56-")
End Function
Show Case126() ' expect: Boolean:True

Function Case127()
    Case127 = IsNumeric("--12")
End Function
Show Case127() ' expect: Boolean:False

Function Case128()
    Case128 = IsNumeric("-12-")
End Function
Show Case128() ' expect: Boolean:False

Function Case129()
    Case129 = IsNumeric("+12+")
End Function
Show Case129() ' expect: Boolean:False

Function Case130()
    Case130 = IsNumeric("(12")
End Function
Show Case130() ' expect: Boolean:False

Function Case131()
    Case131 = IsNumeric("12)")
End Function
Show Case131() ' expect: Boolean:False

Function Case132()
    Case132 = IsNumeric("12)-")
End Function
Show Case132() ' expect: Boolean:False

Function Case133()
    Case133 = IsNumeric("((12))")
End Function
Show Case133() ' expect: Boolean:False

Function Case134()
    Case134 = IsNumeric("$$12")
End Function
Show Case134() ' expect: Boolean:False

Function Case135()
    Case135 = IsNumeric("$")
End Function
Show Case135() ' expect: Boolean:False

Function Case136()
    Case136 = IsNumeric("()")
End Function
Show Case136() ' expect: Boolean:False

Function Case137()
    Case137 = IsNumeric("2-1")
End Function
Show Case137() ' expect: Boolean:False

Function Case138()
    Case138 = IsNumeric("(12))")
End Function
Show Case138() ' expect: Boolean:False

Function Case139()
    Case139 = IsNumeric("12--")
End Function
Show Case139() ' expect: Boolean:False

Function Case140()
    Case140 = IsNumeric("12++")
End Function
Show Case140() ' expect: Boolean:False

Function Case141()
    Case141 = IsNumeric("12$$")
End Function
Show Case141() ' expect: Boolean:False

Function Case142()
    Case142 = CDbl(".5")
End Function
Show Case142() ' expect: Double:0.5

Function Case143()
    Case143 = (".5") - 0
End Function
Show Case143() ' expect: Double:0.5

Function Case144()
    Case144 = IsNumeric(".5")
End Function
Show Case144() ' expect: Boolean:True

Function Case145()
    Case145 = CDbl("5.")
End Function
Show Case145() ' expect: Double:5

Function Case146()
    Case146 = ("5.") - 0
End Function
Show Case146() ' expect: Double:5

Function Case147()
    Case147 = IsNumeric("5.")
End Function
Show Case147() ' expect: Boolean:True

Function Case148()
    Case148 = CDbl("1.e3")
End Function
Show Case148() ' expect: Double:1000

Function Case149()
    Case149 = ("1.e3") - 0
End Function
Show Case149() ' expect: Double:1000

Function Case150()
    Case150 = IsNumeric("1.e3")
End Function
Show Case150() ' expect: Boolean:True

Function Case151()
    Case151 = CDbl("1E+3")
End Function
Show Case151() ' expect: Double:1000

Function Case152()
    Case152 = ("1E+3") - 0
End Function
Show Case152() ' expect: Double:1000

Function Case153()
    Case153 = IsNumeric("1E+3")
End Function
Show Case153() ' expect: Boolean:True

Function Case154()
    Case154 = CDbl("1e-3")
End Function
Show Case154() ' expect: Double:0.001

Function Case155()
    Case155 = ("1e-3") - 0
End Function
Show Case155() ' expect: Double:0.001

Function Case156()
    Case156 = IsNumeric("1e-3")
End Function
Show Case156() ' expect: Boolean:True

Function Case157()
    Case157 = CDbl("1.5e2")
End Function
Show Case157() ' expect: Double:150

Function Case158()
    Case158 = ("1.5e2") - 0
End Function
Show Case158() ' expect: Double:150

Function Case159()
    Case159 = IsNumeric("1.5e2")
End Function
Show Case159() ' expect: Boolean:True

Function Case160()
    Case160 = CDbl("1,000,000.5e2")
End Function
Show Case160() ' expect: Double:100000050

Function Case161()
    Case161 = ("1,000,000.5e2") - 0
End Function
Show Case161() ' expect: Double:100000050

Function Case162()
    Case162 = IsNumeric("1,000,000.5e2")
End Function
Show Case162() ' expect: Boolean:True

Function Case163()
    Case163 = CDbl("1e0003")
End Function
Show Case163() ' expect: Double:1000

Function Case164()
    Case164 = ("1e0003") - 0
End Function
Show Case164() ' expect: Double:1000

Function Case165()
    Case165 = IsNumeric("1e0003")
End Function
Show Case165() ' expect: Boolean:True

Function Case166()
    Case166 = CDbl("1e-400")
End Function
Show Case166() ' expect: Double:0

Function Case167()
    Case167 = ("1e-400") - 0
End Function
Show Case167() ' expect: Double:0

Function Case168()
    Case168 = IsNumeric("1e-400")
End Function
Show Case168() ' expect: Boolean:True

Function Case169()
    Case169 = IsNumeric("1E400")
End Function
Show Case169() ' expect: Boolean:False

Function Case170()
    Case170 = IsNumeric(".")
End Function
Show Case170() ' expect: Boolean:False

Function Case171()
    Case171 = IsNumeric("1..2")
End Function
Show Case171() ' expect: Boolean:False

Function Case172()
    Case172 = IsNumeric("1.2.3")
End Function
Show Case172() ' expect: Boolean:False

Function Case173()
    Case173 = IsNumeric("1e")
End Function
Show Case173() ' expect: Boolean:False

Function Case174()
    Case174 = IsNumeric("1e+")
End Function
Show Case174() ' expect: Boolean:False

Function Case175()
    Case175 = IsNumeric("e3")
End Function
Show Case175() ' expect: Boolean:False

Function Case176()
    Case176 = IsNumeric(".e3")
End Function
Show Case176() ' expect: Boolean:False

Function Case177()
    Case177 = IsNumeric("1e 3")
End Function
Show Case177() ' expect: Boolean:False

Function Case178()
    Case178 = IsNumeric("1e3.5")
End Function
Show Case178() ' expect: Boolean:False

Function Case179()
    Case179 = IsNumeric("1e3e2")
End Function
Show Case179() ' expect: Boolean:False

Function Case180()
    Case180 = IsNumeric("1e--3")
End Function
Show Case180() ' expect: Boolean:False

Function Case181()
    Case181 = IsNumeric("1e3,0")
End Function
Show Case181() ' expect: Boolean:False

Function Case182()
    Case182 = CDbl(" 12 ")
End Function
Show Case182() ' expect: Double:12

Function Case183()
    Case183 = (" 12 ") - 0
End Function
Show Case183() ' expect: Double:12

Function Case184()
    Case184 = IsNumeric(" 12 ")
End Function
Show Case184() ' expect: Boolean:True

Function Case185()
    Case185 = CDbl(ChrW(9) & "12" & ChrW(13) & ChrW(10))
End Function
Show Case185() ' expect: Double:12

Function Case186()
    Case186 = (ChrW(9) & "12" & ChrW(13) & ChrW(10)) - 0
End Function
Show Case186() ' expect: Double:12

Function Case187()
    Case187 = IsNumeric(ChrW(9) & "12" & ChrW(13) & ChrW(10))
End Function
Show Case187() ' expect: Boolean:True

Function Case188()
    Case188 = CDbl(ChrW(160) & "12" & ChrW(11))
End Function
Show Case188() ' expect: Double:12

Function Case189()
    Case189 = (ChrW(160) & "12" & ChrW(11)) - 0
End Function
Show Case189() ' expect: Double:12

Function Case190()
    Case190 = IsNumeric(ChrW(160) & "12" & ChrW(11))
End Function
Show Case190() ' expect: Boolean:True

Function Case191()
    Case191 = CDbl("12" & ChrW(0) & "5")
End Function
Show Case191() ' expect: Double:12

Function Case192()
    Case192 = ("12" & ChrW(0) & "5") - 0
End Function
Show Case192() ' expect: Double:12

Function Case193()
    Case193 = IsNumeric("12" & ChrW(0) & "5")
End Function
Show Case193() ' expect: Boolean:True

Function Case194()
    Case194 = IsNumeric("1 2")
End Function
Show Case194() ' expect: Boolean:False

Function Case195()
    Case195 = IsNumeric("")
End Function
Show Case195() ' expect: Boolean:False

Function Case196()
    Case196 = CDbl(" &H10 ")
End Function
Show Case196() ' expect: Double:16

Function Case197()
    Case197 = (" &H10 ") - 0
End Function
Show Case197() ' expect: Double:16

Function Case198()
    Case198 = IsNumeric(" &H10 ")
End Function
Show Case198() ' expect: Boolean:True

Function Case199()
    Case199 = CDbl("&O17")
End Function
Show Case199() ' expect: Double:15

Function Case200()
    Case200 = ("&O17") - 0
End Function
Show Case200() ' expect: Double:15

Function Case201()
    Case201 = IsNumeric("&O17")
End Function
Show Case201() ' expect: Boolean:True

Function Case202()
    Case202 = IsNumeric("&10")
End Function
Show Case202() ' expect: Boolean:False

Function Case203()
    Case203 = IsNumeric("-&H10")
End Function
Show Case203() ' expect: Boolean:False

Function Case204()
    Case204 = IsNumeric("(&H10)")
End Function
Show Case204() ' expect: Boolean:False

Function Case205()
    Case205 = IsNumeric("0x10")
End Function
Show Case205() ' expect: Boolean:False

Function Case206()
    Case206 = IsNumeric("1_000")
End Function
Show Case206() ' expect: Boolean:False

Function Case207()
    Case207 = IsNumeric("1'000")
End Function
Show Case207() ' expect: Boolean:False

Function Case208()
    Case208 = IsNumeric("12%")
End Function
Show Case208() ' expect: Boolean:False

Function Case209()
    Case209 = IsNumeric("1d2")
End Function
Show Case209() ' expect: Boolean:False

Function Case210()
    Case210 = IsNumeric("Inf")
End Function
Show Case210() ' expect: Boolean:False

Function Case211()
    Case211 = IsNumeric("NaN")
End Function
Show Case211() ' expect: Boolean:False

Function Case212()
    Case212 = IsNumeric(ChrW(8364) & "12")
End Function
Show Case212() ' expect: Boolean:False
