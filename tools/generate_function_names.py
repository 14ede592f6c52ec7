#!/usr/bin/env python3
"""Writes the spreadsheet function enumeration and the built-in function-name tables.

    python3 tools/generate_function_names.py [SOURCE_ROOT]

writes host/DOM/OU_FormulaFunctionType.h and OfficeUtils/Formulas/OU_FunctionsNamesTables.cpp
below SOURCE_ROOT (default: the folder above tools/). Each table is derived from the English
names below by the rules of its vocabulary; the script checks the counts and that no name occurs
twice in one table ignoring case. The source it writes keeps only what differs from the English
names: the functions a vocabulary lacks and the names of the functions it writes otherwise; the
full tables are assembled from them at compile time (OU_FunctionsNamesTables.h).
"""

import pathlib
import sys

# The functions in value order (1, 2, ...): English primary name and enumerator.
FUNCTION_TYPES = """
DSUM:DSum DATE:Date DAY:Day EOMONTH:EoMonth MONTH:Month NOW:Now TODAY:Today YEAR:Year
DATEVALUE:DateValue EDATE:EDate HOUR:Hour ISOWEEKNUM:IsoWeekNum MINUTE:Minute COMPLEX:Complex
IMABS:ImAbs IRR:Irr NPV:Npv PMT:Pmt PV:Pv COUPPCD:CoupPcd DOLLARDE:DollarDe DOLLARFR:DollarFr
CELL:Cell ISBLANK:IsBlank ISERR:IsErr ISERROR:IsError ISNA:IsNa ISNUMBER:IsNumber ISREF:IsRef
ISTEXT:IsText NA:Na ISLOGICAL:IsLogical INFO:Info ISEVEN:IsEven ISODD:IsOdd AND:And IF:If
IFERROR:IfError OR:Or FALSE:False IFNA:IfNa SWITCH:Switch TRUE:True ADDRESS:Address
COLUMN:Column COLUMNS:Columns HLOOKUP:HLookup HYPERLINK:Hyperlink INDEX:Index INDIRECT:Indirect
LOOKUP:Lookup MATCH:Match OFFSET:Offset ROW:Row ROWS:Rows VLOOKUP:VLookup CHOOSE:Choose
AREAS:Areas ABS:Abs INT:Int LOG:Log POWER:Power PRODUCT:Product ROUND:Round ROUNDUP:RoundUp
ROUNDDOWN:RoundDown SQRT:Sqrt SUM:Sum SUMIF:SumIf SUMIFS:SumIfs SUMPRODUCT:SumProduct ACOS:Acos
ACOSH:Acosh ACOT:Acot ASIN:Asin ATAN:Atan ATAN2:Atan2 ATANH:Atanh CSC:Csc CSCH:Csch
DEGREES:Degrees EXP:Exp FACTDOUBLE:FactDouble LN:Ln LOG10:Log10 QUOTIENT:Quotient RAND:Rand
SECH:Sech SINH:Sinh SQRTPI:SqrtPi SUMSQ:SumSq TANH:Tanh COSH:Cosh COTH:Coth PI:Pi SEC:Sec
AVERAGE:Average COUNT:Count COUNTA:CountA COUNTBLANK:CountBlank COUNTIF:CountIf
COUNTIFS:CountIfs F.DIST:FDist F.DIST.RT:FDistRt LARGE:Large LINEST:LinEst MAX:Max MIN:Min
NORM.DIST:NormDist RANK.EQ:RankEq SMALL:Small STDEV.S:StDevS VAR:Var VARA:VarA VARPA:VarPA
FISHER:Fisher CONCATENATE:Concatenate FIND:Find FINDB:FindB LEFT:Left LEFTB:LeftB LEN:Len
LENB:LenB LOWER:Lower MID:Mid MIDB:MidB RIGHT:Right RIGHTB:RightB SEARCH:Search SEARCHB:SearchB
TEXT:Text UPPER:Upper ASC:Asc CLEAN:Clean CODE:Code DBCS:Dbcs EXACT:Exact JIS:Jis PROPER:Proper
SUBSTITUTE:Substitute TRIM:Trim UNICODE:Unicode FV:Fv NPER:NPer RATE:Rate IPMT:IPmt PPMT:PPmt
ACCRINT:AccrInt ACCRINTM:AccrIntM AMORDEGRC:AmorDegrc AMORLINC:AmorLinc COUPDAYBS:CoupDayBs
COUPDAYS:CoupDays COUPDAYSNC:CoupDaysNc COUPNCD:CoupNcd COUPNUM:CoupNum CUMIPMT:CumIPmt
CUMPRINC:CumPrinc DB:Db DDB:Ddb DISC:Disc DURATION:Duration EFFECT:Effect FVSCHEDULE:FvSchedule
INTRATE:IntRate ISPMT:IsPmt MDURATION:MDuration MIRR:Mirr NOMINAL:Nominal ODDFPRICE:OddFPrice
ODDFYIELD:OddFYield ODDLPRICE:OddLPrice ODDLYIELD:OddLYield PDURATION:PDuration PRICE:Price
PRICEDISC:PriceDisc PRICEMAT:PriceMat RECEIVED:Received RRI:Rri SLN:Sln SYD:Syd TBILLEQ:TBillEq
TBILLPRICE:TBillPrice TBILLYIELD:TBillYield VDB:Vdb XIRR:Xirr XNPV:Xnpv YIELD:Yield
YIELDDISC:YieldDisc YIELDMAT:YieldMat ERROR.TYPE:ErrorType ISNONTEXT:IsNonText N:N SHEET:Sheet
SHEETS:Sheets TYPE:Type ISFORMULA:IsFormula CURRENT:Current XOR:Xor NOT:Not IFS:Ifs
FORMULATEXT:FormulaText TRANSPOSE:Transpose STYLE:Style SIN:Sin COS:Cos TAN:Tan COT:Cot
ASINH:Asinh ACOTH:Acoth EVEN:Even ODD:Odd RADIANS:Radians SIGN:Sign SUBTOTAL:Subtotal FACT:Fact
BASE:Base DECIMAL:Decimal CEILING:Ceiling CEILING.PRECISE:CeilingPrecise FLOOR:Floor
FLOOR.PRECISE:FloorPrecise MROUND:MRound MOD:Mod TRUNC:Trunc RANDBETWEEN:RandBetween ROMAN:Roman
ARABIC:Arabic COMBIN:Combin COMBINA:CombinA GCD:Gcd GCD_ADD:GcdAdd LCM:Lcm LCM_ADD:LcmAdd
MULTINOMIAL:Multinomial SERIESSUM:SeriesSum SUMX2MY2:SumX2My2 SUMX2PY2:SumX2Py2 SUMXMY2:SumXMy2
AGGREGATE:Aggregate FLOOR.MATH:FloorMath ISO.CEILING:IsoCeiling CEILING.MATH:CeilingMath
MDETERM:MDeterm MINVERSE:MInverse MMULT:MMult MUNIT:MUnit AVERAGEA:AverageA FREQUENCY:Frequency
MAXA:MaxA MEDIAN:Median MINA:MinA MODE:Mode STANDARDIZE:Standardize DEVSQ:DevSq SLOPE:Slope
CORREL:Correl PEARSON:Pearson RSQ:Rsq INTERCEPT:Intercept GEOMEAN:GeoMean
PERMUTATIONA:PermutationA PERMUT:Permut NORM.S.DIST:NormSDist NORM.S.INV:NormSInv
NORM.INV:NormInv FISHERINV:FisherInv GAUSS:Gauss PHI:Phi GAMMA:Gamma GAMMALN:GammaLn
GAMMA.DIST:GammaDist STDEVA:StDevA STDEV.P:StDevP STDEVPA:StDevPA AVEDEV:AveDev
AVERAGEIF:AverageIf AVERAGEIFS:AverageIfs BETA.DIST:BetaDist BETADIST:BetaDistLegacy
BETA.INV:BetaInv BINOM.DIST:BinomDist BINOM.DIST.RANGE:BinomDistRange BINOM.INV:BinomInv
CHISQ.DIST:ChiSqDist CHISQ.DIST.RT:ChiSqDistRt CHISQ.INV:ChiSqInv CHISQ.INV.RT:ChiSqInvRt
CHISQ.TEST:ChiSqTest CONFIDENCE.NORM:ConfidenceNorm CONFIDENCE.T:ConfidenceT
COVARIANCE.P:CovarianceP COVARIANCE.S:CovarianceS EXPON.DIST:ExponDist F.INV:FInv
F.INV.RT:FInvRt F.TEST:FTest FORECAST.LINEAR:ForecastLinear FORECAST.ETS:ForecastEts
FORECAST.ETS.SEASONALITY:ForecastEtsSeasonality FORECAST.ETS.CONFINT:ForecastEtsConfInt
FORECAST.ETS.STAT:ForecastEtsStat GAMMA.INV:GammaInv GAMMALN.PRECISE:GammaLnPrecise
GROWTH:Growth HARMEAN:HarMean HYPGEOM.DIST:HypGeomDist HYPGEOMDIST:HypGeomDistLegacy KURT:Kurt
LOGEST:LogEst LOGNORM.DIST:LogNormDist LOGNORMDIST:LogNormDistLegacy LOGNORM.INV:LogNormInv
MAXIFS:MaxIfs MINIFS:MinIfs MODE.MULT:ModeMult MODE.SNGL:ModeSngl NEGBINOM.DIST:NegBinomDist
NEGBINOMDIST:NegBinomDistLegacy PERCENTILE.EXC:PercentileExc PERCENTILE.INC:PercentileInc
PERCENTRANK.EXC:PercentRankExc PERCENTRANK.INC:PercentRankInc POISSON.DIST:PoissonDist PROB:Prob
QUARTILE.EXC:QuartileExc QUARTILE.INC:QuartileInc RANK.AVG:RankAvg SKEW:Skew SKEW.P:SkewP
STEYX:StEyx TDIST:TDistLegacy T.DIST:TDist T.DIST.2T:TDist2T T.DIST.RT:TDistRt T.INV:TInv
T.INV.2T:TInv2T T.TEST:TTest TREND:Trend TRIMMEAN:TrimMean VAR.P:VarP VAR.S:VarS
WEIBULL.DIST:WeibullDist Z.TEST:ZTest B:B DATEDIF:DateDif DAYSINMONTH:DaysInMonth
DAYSINYEAR:DaysInYear EASTERSUNDAY:EasterSunday ISLEAPYEAR:IsLeapYear MONTHS:Months WEEKS:Weeks
WEEKSINYEAR:WeeksInYear YEARS:Years CONVERT:Convert REPT:Rept REPLACE:Replace REPLACEB:ReplaceB
T:T FIXED:Fixed CHAR:Char UNICHAR:UniChar PHONETIC:Phonetic DOLLAR:Dollar BAHTTEXT:BahtText
VALUE:Value NUMBERVALUE:NumberValue ROT13:Rot13 TEXTJOIN:TextJoin SECOND:Second TIME:Time
TIMEVALUE:TimeValue DAYS:Days WEEKDAY:WeekDay WEEKNUM:WeekNum WEEKNUM_OOO:WeekNumOoo
WORKDAY:WorkDay NETWORKDAYS:NetWorkDays WORKDAY.INTL:WorkDayIntl DAYS360:Days360
NETWORKDAYS.INTL:NetWorkDaysIntl YEARFRAC:YearFrac BESSELJ:BesselJ BESSELY:BesselY
BESSELI:BesselI BESSELK:BesselK BIN2DEC:Bin2Dec BIN2HEX:Bin2Hex BIN2OCT:Bin2Oct BITAND:BitAnd
BITLSHIFT:BitLShift BITOR:BitOr BITRSHIFT:BitRShift BITXOR:BitXor DEC2BIN:Dec2Bin
DEC2HEX:Dec2Hex DEC2OCT:Dec2Oct DELTA:Delta ERF:Erf ERF.PRECISE:ErfPrecise ERFC:Erfc
ERFC.PRECISE:ErfcPrecise GESTEP:GeStep HEX2BIN:Hex2Bin HEX2DEC:Hex2Dec HEX2OCT:Hex2Oct
IMAGINARY:Imaginary IMARGUMENT:ImArgument IMCONJUGATE:ImConjugate IMCOS:ImCos IMCOSH:ImCosh
IMCOT:ImCot IMCSC:ImCsc IMCSCH:ImCsch IMDIV:ImDiv IMEXP:ImExp IMLN:ImLn IMLOG10:ImLog10
IMLOG2:ImLog2 IMPOWER:ImPower IMPRODUCT:ImProduct IMREAL:ImReal IMSEC:ImSec IMSECH:ImSech
IMSIN:ImSin IMSINH:ImSinh IMSQRT:ImSqrt IMSUB:ImSub IMSUM:ImSum IMTAN:ImTan OCT2BIN:Oct2Bin
OCT2DEC:Oct2Dec OCT2HEX:Oct2Hex DAVERAGE:DAverage DCOUNT:DCount DCOUNTA:DCountA DGET:DGet
DMAX:DMax DMIN:DMin DPRODUCT:DProduct DSTDEV:DStDev DSTDEVP:DStDevP DVAR:DVar DVARP:DVarP
"""

# English table: every function under its English name (primary), then these accepted names.
ENGLISH_SECONDARY = {
    "CUMPRINC": ["CUMPRINC_ADD"], "CUMIPMT": ["CUMIPMT_ADD"], "EFFECT": ["EFFECT_ADD"],
    "NOMINAL": ["NOMINAL_ADD"], "ERROR.TYPE": ["ERRORTYPE", "ORG.OPENOFFICE.ERRORTYPE"],
    "ISEVEN": ["ISEVEN_ADD"], "ISODD": ["ISODD_ADD"], "CURRENT": ["ORG.OPENOFFICE.CURRENT"],
    "FORMULATEXT": ["FORMULA"], "STYLE": ["ORG.OPENOFFICE.STYLE"],
    "CEILING.PRECISE": ["COM.MICROSOFT.CEILING.PRECISE"],
    "FLOOR.PRECISE": ["COM.MICROSOFT.FLOOR.PRECISE"], "GCD": ["ORG.OPENOFFICE.GCD"],
    "LCM": ["ORG.OPENOFFICE.LCM"], "AGGREGATE": ["COM.MICROSOFT.AGGREGATE"],
    "ISO.CEILING": ["COM.MICROSOFT.ISO.CEILING"],
    "NORM.S.DIST": ["COM.MICROSOFT.NORM.S.DIST", "NORMSDIST"],
    "NORM.DIST": ["COM.MICROSOFT.NORM.DIST", "NORMDIST"],
    "NORM.S.INV": ["COM.MICROSOFT.NORM.S.INV", "NORMSINV"],
    "NORM.INV": ["COM.MICROSOFT.NORM.INV", "NORMINV"],
    "GAMMA.DIST": ["COM.MICROSOFT.GAMMA.DIST", "GAMMADIST"],
    "STDEV.S": ["STDEV", "COM.MICROSOFT.STDEV.S"],
    "STDEV.P": ["COM.MICROSOFT.STDEV.P", "STDEVP"], "BETA.DIST": ["COM.MICROSOFT.BETA.DIST"],
    "BETA.INV": ["COM.MICROSOFT.BETA.INV", "BETAINV"],
    "BINOM.DIST": ["COM.MICROSOFT.BINOM.DIST", "BINOMDIST"],
    "BINOM.DIST.RANGE": ["COM.MICROSOFT.BINOM.DIST.RANGE"],
    "BINOM.INV": ["COM.MICROSOFT.BINOM.INV", "CRITBINOM"],
    "CHISQ.DIST": ["COM.MICROSOFT.CHISQ.DIST", "CHISQDIST"],
    "CHISQ.DIST.RT": ["COM.MICROSOFT.CHISQ.DIST.RT", "CHIDIST"],
    "CHISQ.INV": ["COM.MICROSOFT.CHISQ.INV", "CHISQINV"],
    "CHISQ.INV.RT": ["COM.MICROSOFT.CHISQ.INV.RT", "CHIINV"],
    "CHISQ.TEST": ["COM.MICROSOFT.CHISQ.TEST", "CHITEST"],
    "CONFIDENCE.NORM": ["COM.MICROSOFT.CONFIDENCE.NORM", "CONFIDENCE"],
    "CONFIDENCE.T": ["COM.MICROSOFT.CONFIDENCE.T"],
    "COVARIANCE.P": ["COM.MICROSOFT.COVARIANCE.P", "COVAR"],
    "COVARIANCE.S": ["COM.MICROSOFT.COVARIANCE.S"],
    "EXPON.DIST": ["COM.MICROSOFT.EXPON.DIST", "EXPONDIST"], "F.DIST": ["COM.MICROSOFT.F.DIST"],
    "F.DIST.RT": ["COM.MICROSOFT.F.DIST.RT", "FDIST"], "F.INV": ["COM.MICROSOFT.F.INV"],
    "F.INV.RT": ["COM.MICROSOFT.F.INV.RT", "FINV"], "F.TEST": ["COM.MICROSOFT.F.TEST", "FTEST"],
    "FORECAST.LINEAR": ["FORECAST"], "GAMMA.INV": ["COM.MICROSOFT.GAMMA.INV", "GAMMAINV"],
    "GAMMALN.PRECISE": ["COM.MICROSOFT.GAMMALN.PRECISE"],
    "HYPGEOM.DIST": ["COM.MICROSOFT.HYPGEOM.DIST"],
    "LOGNORM.DIST": ["COM.MICROSOFT.LOGNORM.DIST"],
    "LOGNORM.INV": ["COM.MICROSOFT.LOGNORM.INV", "LOGINV"],
    "MODE.MULT": ["COM.MICROSOFT.MODE.MULT"], "MODE.SNGL": ["COM.MICROSOFT.MODE.SNGL"],
    "NEGBINOM.DIST": ["COM.MICROSOFT.NEGBINOM.DIST"],
    "PERCENTILE.EXC": ["COM.MICROSOFT.PERCENTILE.EXC"],
    "PERCENTILE.INC": ["PERCENTILE", "COM.MICROSOFT.PERCENTILE.INC"],
    "PERCENTRANK.EXC": ["COM.MICROSOFT.PERCENTRANK.EXC"],
    "PERCENTRANK.INC": ["PERCENTRANK", "COM.MICROSOFT.PERCENTRANK.INC"],
    "POISSON.DIST": ["COM.MICROSOFT.POISSON.DIST", "POISSON"],
    "QUARTILE.EXC": ["COM.MICROSOFT.QUARTILE.EXC"],
    "QUARTILE.INC": ["QUARTILE", "COM.MICROSOFT.QUARTILE.INC"],
    "RANK.AVG": ["COM.MICROSOFT.RANK.AVG"], "RANK.EQ": ["COM.MICROSOFT.RANK.EQ", "RANK"],
    "SKEW.P": ["SKEWP"], "TDIST": ["COM.MICROSOFT.TDIST"], "T.DIST": ["COM.MICROSOFT.T.DIST"],
    "T.DIST.2T": ["COM.MICROSOFT.T.DIST.2T"], "T.DIST.RT": ["COM.MICROSOFT.T.DIST.RT"],
    "T.INV": ["COM.MICROSOFT.T.INV"], "T.INV.2T": ["COM.MICROSOFT.T.INV.2T", "TINV"],
    "T.TEST": ["TTEST", "COM.MICROSOFT.T.TEST"], "VAR.P": ["COM.MICROSOFT.VAR.P", "VARP"],
    "VAR.S": ["COM.MICROSOFT.VAR.S"], "WEIBULL.DIST": ["COM.MICROSOFT.WEIBULL.DIST", "WEIBULL"],
    "Z.TEST": ["COM.MICROSOFT.Z.TEST", "ZTEST"], "DAYSINMONTH": ["ORG.OPENOFFICE.DAYSINMONTH"],
    "DAYSINYEAR": ["ORG.OPENOFFICE.DAYSINYEAR"],
    "EASTERSUNDAY": ["ORG.OPENOFFICE.EASTERSUNDAY"],
    "ISLEAPYEAR": ["ORG.OPENOFFICE.ISLEAPYEAR"], "MONTHS": ["ORG.OPENOFFICE.MONTHS"],
    "WEEKS": ["ORG.OPENOFFICE.WEEKS"], "WEEKSINYEAR": ["ORG.OPENOFFICE.WEEKSINYEAR"],
    "YEARS": ["ORG.OPENOFFICE.YEARS"], "CONCATENATE": ["CONCAT"], "CONVERT": ["CONVERT_ADD"],
    "BAHTTEXT": ["COM.MICROSOFT.BAHTTEXT"], "ROT13": ["ORG.OPENOFFICE.ROT13"],
    "WEEKNUM": ["WEEKNUM_ADD", "WEEKNUM_EXCEL2003"],
    "WORKDAY.INTL": ["COM.MICROSOFT.WORKDAY.INTL"],
    "NETWORKDAYS.INTL": ["COM.MICROSOFT.NETWORKDAYS.INTL"],
    "ERF.PRECISE": ["COM.MICROSOFT.ERF.PRECISE"], "ERFC.PRECISE": ["COM.MICROSOFT.ERFC.PRECISE"],
}

ODF_ABSENT = ["FORECAST.ETS", "FORECAST.ETS.CONFINT", "FORECAST.ETS.STAT"]

ODF_COM_MICROSOFT = {
    "CEILING.PRECISE": [], "FLOOR.PRECISE": [], "AGGREGATE": [], "FLOOR.MATH": ["FLOOR"],
    "ISO.CEILING": [], "CEILING.MATH": ["CEILING"],
    "NORM.S.DIST": ["NORMSDIST", "LEGACY.NORMSDIST"], "NORM.DIST": ["NORMDIST"],
    "NORM.S.INV": ["NORMSINV", "LEGACY.NORMSINV"], "NORM.INV": ["NORMINV"],
    "GAMMA.DIST": ["GAMMADIST"], "STDEV.S": ["STDEV"], "STDEV.P": ["STDEVP"], "BETA.DIST": [],
    "BETA.INV": ["BETAINV"], "BINOM.DIST": ["BINOMDIST"], "BINOM.DIST.RANGE": [],
    "BINOM.INV": ["CRITBINOM"], "CHISQ.DIST": ["CHISQDIST"],
    "CHISQ.DIST.RT": ["CHIDIST", "LEGACY.CHIDIST"], "CHISQ.INV": ["CHISQINV"],
    "CHISQ.INV.RT": ["CHIINV", "LEGACY.CHIINV"], "CHISQ.TEST": ["CHITEST", "LEGACY.CHITEST"],
    "CONFIDENCE.NORM": ["CONFIDENCE"], "CONFIDENCE.T": [], "COVARIANCE.P": ["COVAR"],
    "COVARIANCE.S": [], "F.DIST": ["FDIST"], "F.DIST.RT": ["LEGACY.FDIST"],
    "F.INV.RT": ["LEGACY.FINV"], "F.TEST": ["FTEST"], "GAMMA.INV": ["GAMMAINV"],
    "GAMMALN.PRECISE": [], "HYPGEOM.DIST": [], "LOGNORM.DIST": [], "LOGNORM.INV": ["LOGINV"],
    "MODE.MULT": [], "MODE.SNGL": [], "NEGBINOM.DIST": [], "PERCENTILE.EXC": [],
    "PERCENTILE.INC": ["PERCENTILE"], "PERCENTRANK.EXC": [], "PERCENTRANK.INC": ["PERCENTRANK"],
    "POISSON.DIST": ["POISSON"], "QUARTILE.EXC": [], "QUARTILE.INC": ["QUARTILE"],
    "RANK.AVG": [], "RANK.EQ": ["RANK"], "T.DIST": [], "T.DIST.2T": [], "T.DIST.RT": [],
    "T.INV": [], "T.INV.2T": ["TINV"], "T.TEST": [], "VAR.P": ["VARP"], "VAR.S": [],
    "WEIBULL.DIST": ["WEIBULL"], "Z.TEST": ["ZTEST"], "BAHTTEXT": [], "WORKDAY.INTL": [],
    "NETWORKDAYS.INTL": [], "ERF.PRECISE": [], "ERFC.PRECISE": [],
}

ODF_ORG_OPENOFFICE = [
    "CURRENT", "STYLE", "ROT13", "DAYSINMONTH", "DAYSINYEAR", "EASTERSUNDAY", "ISLEAPYEAR",
    "MONTHS", "WEEKS", "WEEKSINYEAR", "YEARS",
]

ODF_RENAMED = {
    "IFS": "COM.MICROSOFT.IFS", "SWITCH": "COM.MICROSOFT.SWITCH", "FORMULATEXT": "FORMULA",
    "CEILING": "COM.MICROSOFT.CEILING", "FLOOR": "COM.MICROSOFT.FLOOR",
    "MAXIFS": "COM.MICROSOFT.MAXIFS", "MINIFS": "COM.MICROSOFT.MINIFS",
    "FORECAST.ETS.SEASONALITY": "COM.MICROSOFT.FORECAST.ETS.SEASONALITY",
    "TEXTJOIN": "COM.MICROSOFT.TEXTJOIN", "WEEKNUM_OOO": "ORG.LIBREOFFICE.WEEKNUM_OOO",
}

ODF_EXPLICIT = {
    "EFFECT": ["EFFECT*", "EFFECT_ADD", "EFFECTIVE"], "NOMINAL": ["NOMINAL*", "NOMINAL_ADD"],
    "EXPON.DIST": ["COM.MICROSOFT.EXPON.DIST*", "EXPONDIST"],
    "F.INV": ["FINV*", "F.INV", "COM.MICROSOFT.F.INV"],
    "FORECAST.LINEAR": ["FORECAST", "COM.MICROSOFT.FORECAST.LINEAR"],
    "SKEW.P": ["SKEWP", "SKEW.P"], "TDIST": ["LEGACY.TDIST*", "TDIST"],
    "CONCATENATE": ["CONCATENATE*", "COM.MICROSOFT.CONCAT"],
    "WEEKNUM": ["WEEKNUM", "WEEKNUM_ADD"], "CUMIPMT": ["CUMIPMT", "CUMIPMT_ADD"],
    "CUMPRINC": ["CUMPRINC", "CUMPRINC_ADD"], "ISEVEN": ["ISEVEN", "ISEVEN_ADD"],
    "ISODD": ["ISODD", "ISODD_ADD"],
    "ERROR.TYPE": ["ERROR.TYPE*", "ERRORTYPE", "ORG.OPENOFFICE.ERRORTYPE"],
}

OOXML_ABSENT = [
    "CURRENT", "STYLE", "GCD_ADD", "LCM_ADD", "B", "DATEDIF", "DAYSINMONTH", "DAYSINYEAR",
    "EASTERSUNDAY", "ISLEAPYEAR", "MONTHS", "WEEKS", "WEEKSINYEAR", "YEARS", "ROT13",
    "WEEKNUM_OOO",
]

OOXML_XLFN = [
    "PDURATION", "RRI", "SHEET", "SHEETS", "ISFORMULA", "XOR", "IFNA", "IFS", "SWITCH",
    "FORMULATEXT", "COT", "SEC", "CSC", "ACOT", "COTH", "ACOTH", "SECH", "CSCH", "BASE",
    "DECIMAL", "CEILING.PRECISE", "FLOOR.PRECISE", "ARABIC", "COMBINA", "AGGREGATE",
    "FLOOR.MATH", "CEILING.MATH", "MUNIT", "MAXIFS", "MINIFS", "PERMUTATIONA", "GAUSS", "PHI",
    "GAMMA", "BETA.DIST*", "BINOM.DIST.RANGE", "CHISQ.DIST", "CHISQ.INV", "CONFIDENCE.T",
    "COVARIANCE.S", "F.DIST", "F.INV", "FORECAST.ETS", "FORECAST.ETS.CONFINT",
    "FORECAST.ETS.SEASONALITY", "FORECAST.ETS.STAT", "GAMMALN.PRECISE", "HYPGEOM.DIST*",
    "LOGNORM.DIST*", "MODE.MULT", "MODE.SNGL", "NEGBINOM.DIST*", "PERCENTILE.EXC",
    "PERCENTRANK.EXC", "QUARTILE.EXC", "RANK.AVG", "SKEW.P", "T.DIST*", "T.DIST.2T",
    "T.DIST.RT", "T.INV*", "VAR.S", "TEXTJOIN", "UNICHAR", "UNICODE", "NUMBERVALUE",
    "ISOWEEKNUM", "DAYS", "BITAND", "BITLSHIFT", "BITOR", "BITRSHIFT", "BITXOR", "ERF.PRECISE",
    "ERFC.PRECISE", "IMCOSH", "IMCOT", "IMCSC", "IMCSCH", "IMSEC", "IMSECH", "IMSINH", "IMTAN",
]

OOXML_XLFN_WITH_OLD = {
    "NORM.S.DIST": "NORMSDIST", "NORM.DIST": "NORMDIST", "NORM.S.INV": "NORMSINV",
    "NORM.INV": "NORMINV", "GAMMA.DIST": "GAMMADIST", "STDEV.S": "STDEV", "STDEV.P": "STDEVP",
    "BETA.INV": "BETAINV", "BINOM.DIST": "BINOMDIST", "BINOM.INV": "CRITBINOM",
    "CHISQ.DIST.RT": "CHIDIST", "CHISQ.INV.RT": "CHIINV", "CHISQ.TEST": "CHITEST",
    "CONFIDENCE.NORM": "CONFIDENCE", "COVARIANCE.P": "COVAR", "EXPON.DIST": "EXPONDIST",
    "F.DIST.RT": "FDIST", "F.INV.RT": "FINV", "F.TEST": "FTEST", "GAMMA.INV": "GAMMAINV",
    "LOGNORM.INV": "LOGINV", "PERCENTILE.INC": "PERCENTILE", "PERCENTRANK.INC": "PERCENTRANK",
    "POISSON.DIST": "POISSON", "QUARTILE.INC": "QUARTILE", "RANK.EQ": "RANK", "VAR.P": "VARP",
    "WEIBULL.DIST": "WEIBULL", "Z.TEST": "ZTEST",
}

OOXML_EXPLICIT = {
    "FORECAST.LINEAR": ["FORECAST", "_xlfn.FORECAST.LINEAR"],
    "T.INV.2T": ["_xlfn.T.INV.2T", "TINV"], "T.TEST": ["_xlfn.T.TEST", "TTEST*"],
    "CONCATENATE": ["CONCATENATE*", "_xlfn.CONCAT"],
}


# The OpenDocument table (records not marked primary unless a name carries "*"):
# - functions absent from the dialect: ODF_ABSENT;
# - "COM.MICROSOFT." + English name (primary), the English name, then the listed names;
# - "ORG.OPENOFFICE." + English name (primary), then the English name;
# - a single name other than the English one: ODF_RENAMED;
# - every name in stored order: ODF_EXPLICIT;
# - every other function: its English name alone.
# The OOXML table:
# - functions absent from the dialect: OOXML_ABSENT;
# - "_xlfn." + English name alone, primary where marked "*": OOXML_XLFN;
# - "_xlfn." + English name (primary), then one older name: OOXML_XLFN_WITH_OLD;
# - every name in stored order: OOXML_EXPLICIT;
# - every other function: its English name alone.

EXPECTED = {  # table: (records, function types)
    "English": (569, 444),
    "OpenDocument": (571, 441),
    "OOXML": (461, 428),
}


def function_types():
    pairs = [item.split(":") for item in FUNCTION_TYPES.split()]
    assert len(pairs) == 444 and len({e for _, e in pairs}) == 444
    return pairs


def split_mark(name):
    """"NAME*" -> ("NAME", True): a star marks the primary name."""
    return (name[:-1], True) if name.endswith("*") else (name, False)


def english_table(names):
    table = []
    for name in names:
        table.append((name, name, True))
        table += [(name, other, False) for other in ENGLISH_SECONDARY.get(name, [])]
    return table


def open_document_table(names):
    table = []
    for name in names:
        if name in ODF_ABSENT:
            continue
        if name in ODF_COM_MICROSOFT:
            records = [("COM.MICROSOFT." + name, True), (name, False)]
            records += [(other, False) for other in ODF_COM_MICROSOFT[name]]
        elif name in ODF_ORG_OPENOFFICE:
            records = [("ORG.OPENOFFICE." + name, True), (name, False)]
        elif name in ODF_RENAMED:
            records = [(ODF_RENAMED[name], False)]
        elif name in ODF_EXPLICIT:
            records = [split_mark(other) for other in ODF_EXPLICIT[name]]
        else:
            records = [(name, False)]
        table += [(name, text, primary) for text, primary in records]
    return table


def ooxml_table(names):
    xlfn = dict(split_mark(name) for name in OOXML_XLFN)
    table = []
    for name in names:
        if name in OOXML_ABSENT:
            continue
        if name in xlfn:
            records = [("_xlfn." + name, xlfn[name])]
        elif name in OOXML_XLFN_WITH_OLD:
            records = [("_xlfn." + name, True), (OOXML_XLFN_WITH_OLD[name], False)]
        elif name in OOXML_EXPLICIT:
            records = [split_mark(other) for other in OOXML_EXPLICIT[name]]
        else:
            records = [(name, False)]
        table += [(name, text, primary) for text, primary in records]
    return table


def check(title, table, names):
    rule_names = {
        "English": [ENGLISH_SECONDARY],
        "OpenDocument": [ODF_ABSENT, ODF_COM_MICROSOFT, ODF_ORG_OPENOFFICE, ODF_RENAMED,
                         ODF_EXPLICIT],
        "OOXML": [OOXML_ABSENT, [split_mark(n)[0] for n in OOXML_XLFN], OOXML_XLFN_WITH_OLD,
                  OOXML_EXPLICIT],
    }[title]
    listed = [name for rule in rule_names for name in rule]
    assert len(listed) == len(set(listed)), f"{title}: a function is listed under two rules"
    unknown = set(listed) - set(names)
    assert not unknown, f"{title}: unknown functions {sorted(unknown)}"
    types = [name for name, _, _ in table]
    assert (len(table), len(set(types))) == EXPECTED[title], (title, len(table), len(set(types)))
    folded = [text.upper() for _, text, _ in table]
    assert len(folded) == len(set(folded)), f"{title}: a name occurs twice"
    for name in set(types):
        assert sum(1 for t, _, p in table if t == name and p) <= 1, f"{title}: two primaries"


def enum_header(pairs):
    width = max(len(f"{enumerator} = {len(pairs)},") for _, enumerator in pairs)
    lines = [f"  {f'{enumerator} = {value},':<{width}}  // {name}"
             for value, (name, enumerator) in enumerate(pairs, start=1)]
    return f"""// Generated by tools/generate_function_names.py; do not edit.
// The spreadsheet functions, 1 to {len(pairs)}, commented with their English names; 0 names no
// function. 16 bits wide.
#pragma once

#include <cstdint>

namespace Vesk::DOM {{

// clang-format off
enum class FormulaFunctionType : std::uint16_t {{
  None = 0,
{chr(10).join(lines)}
}};
// clang-format on

// The highest function value; values above it name no function.
inline constexpr FormulaFunctionType LastFormulaFunctionType = FormulaFunctionType::{pairs[-1][1]};
static_assert(static_cast<std::uint16_t>(LastFormulaFunctionType) == {len(pairs)});

}}  // namespace Vesk::DOM
"""


TABLES = [  # title, accessor, builder, flag of a function written under its English name alone
    ("English", "englishFunctionsNamesTable", english_table, True),
    ("OpenDocument", "openDocumentFunctionsNamesTable", open_document_table, False),
    ("OOXML", "ooxmlFunctionsNamesTable", ooxml_table, False),
]


def wrap(items, indent, width=100):
    """Packs comma-separated items into lines of at most `width` columns."""
    lines, line = [], ""
    for item in items:
        if line and len(indent) + len(line) + 1 + len(item) + 1 > width:
            lines.append(indent + line)
            line = ""
        line = f"{line} {item}," if line else f"{item},"
    return lines + ([indent + line] if line else [])


def record(enumerators, name, text, primary):
    return f'{{T::{enumerators[name]}, "{text}", {"P" if primary else "S"}}}'


def tables_source(pairs):
    names = [name for name, _ in pairs]
    enumerators = dict(pairs)
    english = "\n".join(wrap([f'"{name}"' for name in names], "    "))
    parts = []
    for title, accessor, build, english_flag in TABLES:
        table = build(names)
        check(title, table, names)
        records, types = EXPECTED[title]
        by_type = {}
        for name, text, primary in table:
            by_type.setdefault(name, []).append((text, primary))
        absent = [f"T::{enumerators[name]}" for name in names if name not in by_type]
        own = [name for name in names
               if name in by_type and by_type[name] != [(name, english_flag)]]
        own_lines = "\n".join(
            line for name in own
            for line in wrap([record(enumerators, name, text, primary)
                              for text, primary in by_type[name]], "    ", 100))
        absent_array = ""
        if absent:
            absent_array = f"""constexpr T {title}Absent[] = {{
{chr(10).join(wrap(absent, "    "))}
}};
"""
        parts.append(f"""// {title}: {records} records of {types} functions. The {len(own)} functions listed have names other
// than their English name alone{"; that name is primary" if english_flag else ""}.
{absent_array}constexpr FunctionsNamesMap::StorageInfo {title}OwnNames[] = {{
{own_lines}
}};
constexpr auto {title}Table = buildFunctionsNamesTable<{records}>(
    EnglishNames, {{{"P" if english_flag else "S"}, {f"{title}Absent" if absent else "{}"}, {title}OwnNames}});
static_assert(countFunctionTypes({title}Table) == {types});""")
    accessors = "\n\n".join(
        f"""boost::const_multi_array_ref<FunctionsNamesMap::StorageInfo, 1> {accessor}() {{
  return makeStorageTable({title}Table);
}}""" for title, accessor, _, _ in TABLES)
    return f"""// Generated by tools/generate_function_names.py; do not edit.
#include "OfficeUtils/Formulas/OU_FunctionsNamesTables.h"

namespace Vesk::OfficeUtils::Detail {{
namespace {{

using T = Vesk::DOM::FormulaFunctionType;
constexpr auto P = FunctionsNamesMap::PrimaryParameter::Primary;
constexpr auto S = FunctionsNamesMap::PrimaryParameter::Secondary;

// clang-format off
// The English name of each function, by value; index 0 names no function.
constexpr const char* EnglishNames[] = {{
    nullptr,
{english}
}};
static_assert(std::size(EnglishNames) == {len(names) + 1});

{(chr(10) * 2).join(parts)}
// clang-format on

}}  // namespace

{accessors}

}}  // namespace Vesk::OfficeUtils::Detail
"""


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1]
    pairs = function_types()
    outputs = {
        "host/DOM/OU_FormulaFunctionType.h": enum_header(pairs),
        "OfficeUtils/Formulas/OU_FunctionsNamesTables.cpp": tables_source(pairs),
    }
    for path, text in outputs.items():
        (root / path).write_text(text)
        print(f"wrote {path}")


if __name__ == "__main__":
    main()
