// The built-in function-name maps against their documented vocabularies. The vocabularies are
// written here as the rules that describe them (the English names by value, the functions a
// dialect writes with "COM.MICROSOFT." or "_xlfn." ...), and each expected table is computed from
// those rules, independently of how the library stores its tables.
#include "OfficeUtils/Formulas/OU_FunctionsNamesTables.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaFunctionType;
using Vesk::DOM::FormulaType;

// clang-format off
// The English primary name of each function, in value order from 1.
constexpr std::string_view EnglishNames = R"(
DSUM DATE DAY EOMONTH MONTH NOW TODAY YEAR DATEVALUE EDATE HOUR ISOWEEKNUM MINUTE COMPLEX IMABS
IRR NPV PMT PV COUPPCD DOLLARDE DOLLARFR CELL ISBLANK ISERR ISERROR ISNA ISNUMBER ISREF ISTEXT NA
ISLOGICAL INFO ISEVEN ISODD AND IF IFERROR OR FALSE IFNA SWITCH TRUE ADDRESS COLUMN COLUMNS
HLOOKUP HYPERLINK INDEX INDIRECT LOOKUP MATCH OFFSET ROW ROWS VLOOKUP CHOOSE AREAS ABS INT LOG
POWER PRODUCT ROUND ROUNDUP ROUNDDOWN SQRT SUM SUMIF SUMIFS SUMPRODUCT ACOS ACOSH ACOT ASIN ATAN
ATAN2 ATANH CSC CSCH DEGREES EXP FACTDOUBLE LN LOG10 QUOTIENT RAND SECH SINH SQRTPI SUMSQ TANH
COSH COTH PI SEC AVERAGE COUNT COUNTA COUNTBLANK COUNTIF COUNTIFS F.DIST F.DIST.RT LARGE LINEST
MAX MIN NORM.DIST RANK.EQ SMALL STDEV.S VAR VARA VARPA FISHER CONCATENATE FIND FINDB LEFT LEFTB
LEN LENB LOWER MID MIDB RIGHT RIGHTB SEARCH SEARCHB TEXT UPPER ASC CLEAN CODE DBCS EXACT JIS
PROPER SUBSTITUTE TRIM UNICODE FV NPER RATE IPMT PPMT ACCRINT ACCRINTM AMORDEGRC AMORLINC
COUPDAYBS COUPDAYS COUPDAYSNC COUPNCD COUPNUM CUMIPMT CUMPRINC DB DDB DISC DURATION EFFECT
FVSCHEDULE INTRATE ISPMT MDURATION MIRR NOMINAL ODDFPRICE ODDFYIELD ODDLPRICE ODDLYIELD PDURATION
PRICE PRICEDISC PRICEMAT RECEIVED RRI SLN SYD TBILLEQ TBILLPRICE TBILLYIELD VDB XIRR XNPV YIELD
YIELDDISC YIELDMAT ERROR.TYPE ISNONTEXT N SHEET SHEETS TYPE ISFORMULA CURRENT XOR NOT IFS
FORMULATEXT TRANSPOSE STYLE SIN COS TAN COT ASINH ACOTH EVEN ODD RADIANS SIGN SUBTOTAL FACT BASE
DECIMAL CEILING CEILING.PRECISE FLOOR FLOOR.PRECISE MROUND MOD TRUNC RANDBETWEEN ROMAN ARABIC
COMBIN COMBINA GCD GCD_ADD LCM LCM_ADD MULTINOMIAL SERIESSUM SUMX2MY2 SUMX2PY2 SUMXMY2 AGGREGATE
FLOOR.MATH ISO.CEILING CEILING.MATH MDETERM MINVERSE MMULT MUNIT AVERAGEA FREQUENCY MAXA MEDIAN
MINA MODE STANDARDIZE DEVSQ SLOPE CORREL PEARSON RSQ INTERCEPT GEOMEAN PERMUTATIONA PERMUT
NORM.S.DIST NORM.S.INV NORM.INV FISHERINV GAUSS PHI GAMMA GAMMALN GAMMA.DIST STDEVA STDEV.P
STDEVPA AVEDEV AVERAGEIF AVERAGEIFS BETA.DIST BETADIST BETA.INV BINOM.DIST BINOM.DIST.RANGE
BINOM.INV CHISQ.DIST CHISQ.DIST.RT CHISQ.INV CHISQ.INV.RT CHISQ.TEST CONFIDENCE.NORM CONFIDENCE.T
COVARIANCE.P COVARIANCE.S EXPON.DIST F.INV F.INV.RT F.TEST FORECAST.LINEAR FORECAST.ETS
FORECAST.ETS.SEASONALITY FORECAST.ETS.CONFINT FORECAST.ETS.STAT GAMMA.INV GAMMALN.PRECISE GROWTH
HARMEAN HYPGEOM.DIST HYPGEOMDIST KURT LOGEST LOGNORM.DIST LOGNORMDIST LOGNORM.INV MAXIFS MINIFS
MODE.MULT MODE.SNGL NEGBINOM.DIST NEGBINOMDIST PERCENTILE.EXC PERCENTILE.INC PERCENTRANK.EXC
PERCENTRANK.INC POISSON.DIST PROB QUARTILE.EXC QUARTILE.INC RANK.AVG SKEW SKEW.P STEYX TDIST
T.DIST T.DIST.2T T.DIST.RT T.INV T.INV.2T T.TEST TREND TRIMMEAN VAR.P VAR.S WEIBULL.DIST Z.TEST B
DATEDIF DAYSINMONTH DAYSINYEAR EASTERSUNDAY ISLEAPYEAR MONTHS WEEKS WEEKSINYEAR YEARS CONVERT REPT
REPLACE REPLACEB T FIXED CHAR UNICHAR PHONETIC DOLLAR BAHTTEXT VALUE NUMBERVALUE ROT13 TEXTJOIN
SECOND TIME TIMEVALUE DAYS WEEKDAY WEEKNUM WEEKNUM_OOO WORKDAY NETWORKDAYS WORKDAY.INTL DAYS360
NETWORKDAYS.INTL YEARFRAC BESSELJ BESSELY BESSELI BESSELK BIN2DEC BIN2HEX BIN2OCT BITAND BITLSHIFT
BITOR BITRSHIFT BITXOR DEC2BIN DEC2HEX DEC2OCT DELTA ERF ERF.PRECISE ERFC ERFC.PRECISE GESTEP
HEX2BIN HEX2DEC HEX2OCT IMAGINARY IMARGUMENT IMCONJUGATE IMCOS IMCOSH IMCOT IMCSC IMCSCH IMDIV
IMEXP IMLN IMLOG10 IMLOG2 IMPOWER IMPRODUCT IMREAL IMSEC IMSECH IMSIN IMSINH IMSQRT IMSUB IMSUM
IMTAN OCT2BIN OCT2DEC OCT2HEX DAVERAGE DCOUNT DCOUNTA DGET DMAX DMIN DPRODUCT DSTDEV DSTDEVP DVAR
DVARP
)";

constexpr std::string_view EnglishSecondary = R"(
CUMPRINC:CUMPRINC_ADD CUMIPMT:CUMIPMT_ADD EFFECT:EFFECT_ADD NOMINAL:NOMINAL_ADD
ERROR.TYPE:ERRORTYPE:ORG.OPENOFFICE.ERRORTYPE ISEVEN:ISEVEN_ADD ISODD:ISODD_ADD
CURRENT:ORG.OPENOFFICE.CURRENT FORMULATEXT:FORMULA STYLE:ORG.OPENOFFICE.STYLE
CEILING.PRECISE:COM.MICROSOFT.CEILING.PRECISE FLOOR.PRECISE:COM.MICROSOFT.FLOOR.PRECISE
GCD:ORG.OPENOFFICE.GCD LCM:ORG.OPENOFFICE.LCM AGGREGATE:COM.MICROSOFT.AGGREGATE
ISO.CEILING:COM.MICROSOFT.ISO.CEILING NORM.S.DIST:COM.MICROSOFT.NORM.S.DIST:NORMSDIST
NORM.DIST:COM.MICROSOFT.NORM.DIST:NORMDIST NORM.S.INV:COM.MICROSOFT.NORM.S.INV:NORMSINV
NORM.INV:COM.MICROSOFT.NORM.INV:NORMINV GAMMA.DIST:COM.MICROSOFT.GAMMA.DIST:GAMMADIST
STDEV.S:STDEV:COM.MICROSOFT.STDEV.S STDEV.P:COM.MICROSOFT.STDEV.P:STDEVP
BETA.DIST:COM.MICROSOFT.BETA.DIST BETA.INV:COM.MICROSOFT.BETA.INV:BETAINV
BINOM.DIST:COM.MICROSOFT.BINOM.DIST:BINOMDIST BINOM.DIST.RANGE:COM.MICROSOFT.BINOM.DIST.RANGE
BINOM.INV:COM.MICROSOFT.BINOM.INV:CRITBINOM CHISQ.DIST:COM.MICROSOFT.CHISQ.DIST:CHISQDIST
CHISQ.DIST.RT:COM.MICROSOFT.CHISQ.DIST.RT:CHIDIST CHISQ.INV:COM.MICROSOFT.CHISQ.INV:CHISQINV
CHISQ.INV.RT:COM.MICROSOFT.CHISQ.INV.RT:CHIINV CHISQ.TEST:COM.MICROSOFT.CHISQ.TEST:CHITEST
CONFIDENCE.NORM:COM.MICROSOFT.CONFIDENCE.NORM:CONFIDENCE CONFIDENCE.T:COM.MICROSOFT.CONFIDENCE.T
COVARIANCE.P:COM.MICROSOFT.COVARIANCE.P:COVAR COVARIANCE.S:COM.MICROSOFT.COVARIANCE.S
EXPON.DIST:COM.MICROSOFT.EXPON.DIST:EXPONDIST F.DIST:COM.MICROSOFT.F.DIST
F.DIST.RT:COM.MICROSOFT.F.DIST.RT:FDIST F.INV:COM.MICROSOFT.F.INV
F.INV.RT:COM.MICROSOFT.F.INV.RT:FINV F.TEST:COM.MICROSOFT.F.TEST:FTEST FORECAST.LINEAR:FORECAST
GAMMA.INV:COM.MICROSOFT.GAMMA.INV:GAMMAINV GAMMALN.PRECISE:COM.MICROSOFT.GAMMALN.PRECISE
HYPGEOM.DIST:COM.MICROSOFT.HYPGEOM.DIST LOGNORM.DIST:COM.MICROSOFT.LOGNORM.DIST
LOGNORM.INV:COM.MICROSOFT.LOGNORM.INV:LOGINV MODE.MULT:COM.MICROSOFT.MODE.MULT
MODE.SNGL:COM.MICROSOFT.MODE.SNGL NEGBINOM.DIST:COM.MICROSOFT.NEGBINOM.DIST
PERCENTILE.EXC:COM.MICROSOFT.PERCENTILE.EXC PERCENTILE.INC:PERCENTILE:COM.MICROSOFT.PERCENTILE.INC
PERCENTRANK.EXC:COM.MICROSOFT.PERCENTRANK.EXC
PERCENTRANK.INC:PERCENTRANK:COM.MICROSOFT.PERCENTRANK.INC
POISSON.DIST:COM.MICROSOFT.POISSON.DIST:POISSON QUARTILE.EXC:COM.MICROSOFT.QUARTILE.EXC
QUARTILE.INC:QUARTILE:COM.MICROSOFT.QUARTILE.INC RANK.AVG:COM.MICROSOFT.RANK.AVG
RANK.EQ:COM.MICROSOFT.RANK.EQ:RANK SKEW.P:SKEWP TDIST:COM.MICROSOFT.TDIST
T.DIST:COM.MICROSOFT.T.DIST T.DIST.2T:COM.MICROSOFT.T.DIST.2T T.DIST.RT:COM.MICROSOFT.T.DIST.RT
T.INV:COM.MICROSOFT.T.INV T.INV.2T:COM.MICROSOFT.T.INV.2T:TINV T.TEST:TTEST:COM.MICROSOFT.T.TEST
VAR.P:COM.MICROSOFT.VAR.P:VARP VAR.S:COM.MICROSOFT.VAR.S
WEIBULL.DIST:COM.MICROSOFT.WEIBULL.DIST:WEIBULL Z.TEST:COM.MICROSOFT.Z.TEST:ZTEST
DAYSINMONTH:ORG.OPENOFFICE.DAYSINMONTH DAYSINYEAR:ORG.OPENOFFICE.DAYSINYEAR
EASTERSUNDAY:ORG.OPENOFFICE.EASTERSUNDAY ISLEAPYEAR:ORG.OPENOFFICE.ISLEAPYEAR
MONTHS:ORG.OPENOFFICE.MONTHS WEEKS:ORG.OPENOFFICE.WEEKS WEEKSINYEAR:ORG.OPENOFFICE.WEEKSINYEAR
YEARS:ORG.OPENOFFICE.YEARS CONCATENATE:CONCAT CONVERT:CONVERT_ADD BAHTTEXT:COM.MICROSOFT.BAHTTEXT
ROT13:ORG.OPENOFFICE.ROT13 WEEKNUM:WEEKNUM_ADD:WEEKNUM_EXCEL2003
WORKDAY.INTL:COM.MICROSOFT.WORKDAY.INTL NETWORKDAYS.INTL:COM.MICROSOFT.NETWORKDAYS.INTL
ERF.PRECISE:COM.MICROSOFT.ERF.PRECISE ERFC.PRECISE:COM.MICROSOFT.ERFC.PRECISE
)";

constexpr std::string_view OdfAbsent = R"(
FORECAST.ETS FORECAST.ETS.CONFINT FORECAST.ETS.STAT
)";

constexpr std::string_view OdfComMicrosoft = R"(
CEILING.PRECISE FLOOR.PRECISE AGGREGATE FLOOR.MATH:FLOOR ISO.CEILING CEILING.MATH:CEILING
NORM.S.DIST:NORMSDIST:LEGACY.NORMSDIST NORM.DIST:NORMDIST NORM.S.INV:NORMSINV:LEGACY.NORMSINV
NORM.INV:NORMINV GAMMA.DIST:GAMMADIST STDEV.S:STDEV STDEV.P:STDEVP BETA.DIST BETA.INV:BETAINV
BINOM.DIST:BINOMDIST BINOM.DIST.RANGE BINOM.INV:CRITBINOM CHISQ.DIST:CHISQDIST
CHISQ.DIST.RT:CHIDIST:LEGACY.CHIDIST CHISQ.INV:CHISQINV CHISQ.INV.RT:CHIINV:LEGACY.CHIINV
CHISQ.TEST:CHITEST:LEGACY.CHITEST CONFIDENCE.NORM:CONFIDENCE CONFIDENCE.T COVARIANCE.P:COVAR
COVARIANCE.S F.DIST:FDIST F.DIST.RT:LEGACY.FDIST F.INV.RT:LEGACY.FINV F.TEST:FTEST
GAMMA.INV:GAMMAINV GAMMALN.PRECISE HYPGEOM.DIST LOGNORM.DIST LOGNORM.INV:LOGINV MODE.MULT
MODE.SNGL NEGBINOM.DIST PERCENTILE.EXC PERCENTILE.INC:PERCENTILE PERCENTRANK.EXC
PERCENTRANK.INC:PERCENTRANK POISSON.DIST:POISSON QUARTILE.EXC QUARTILE.INC:QUARTILE RANK.AVG
RANK.EQ:RANK T.DIST T.DIST.2T T.DIST.RT T.INV T.INV.2T:TINV T.TEST VAR.P:VARP VAR.S
WEIBULL.DIST:WEIBULL Z.TEST:ZTEST BAHTTEXT WORKDAY.INTL NETWORKDAYS.INTL ERF.PRECISE ERFC.PRECISE
)";

constexpr std::string_view OdfOrgOpenOffice = R"(
CURRENT STYLE ROT13 DAYSINMONTH DAYSINYEAR EASTERSUNDAY ISLEAPYEAR MONTHS WEEKS WEEKSINYEAR YEARS
)";

constexpr std::string_view OdfRenamed = R"(
IFS=COM.MICROSOFT.IFS SWITCH=COM.MICROSOFT.SWITCH FORMULATEXT=FORMULA
CEILING=COM.MICROSOFT.CEILING FLOOR=COM.MICROSOFT.FLOOR MAXIFS=COM.MICROSOFT.MAXIFS
MINIFS=COM.MICROSOFT.MINIFS FORECAST.ETS.SEASONALITY=COM.MICROSOFT.FORECAST.ETS.SEASONALITY
TEXTJOIN=COM.MICROSOFT.TEXTJOIN WEEKNUM_OOO=ORG.LIBREOFFICE.WEEKNUM_OOO
)";

constexpr std::string_view OdfListed = R"(
EFFECT=EFFECT*:EFFECT_ADD:EFFECTIVE NOMINAL=NOMINAL*:NOMINAL_ADD
EXPON.DIST=COM.MICROSOFT.EXPON.DIST*:EXPONDIST F.INV=FINV*:F.INV:COM.MICROSOFT.F.INV
FORECAST.LINEAR=FORECAST:COM.MICROSOFT.FORECAST.LINEAR SKEW.P=SKEWP:SKEW.P
TDIST=LEGACY.TDIST*:TDIST CONCATENATE=CONCATENATE*:COM.MICROSOFT.CONCAT
WEEKNUM=WEEKNUM:WEEKNUM_ADD CUMIPMT=CUMIPMT:CUMIPMT_ADD CUMPRINC=CUMPRINC:CUMPRINC_ADD
ISEVEN=ISEVEN:ISEVEN_ADD ISODD=ISODD:ISODD_ADD
ERROR.TYPE=ERROR.TYPE*:ERRORTYPE:ORG.OPENOFFICE.ERRORTYPE
)";

constexpr std::string_view OoxmlAbsent = R"(
CURRENT STYLE GCD_ADD LCM_ADD B DATEDIF DAYSINMONTH DAYSINYEAR EASTERSUNDAY ISLEAPYEAR MONTHS
WEEKS WEEKSINYEAR YEARS ROT13 WEEKNUM_OOO
)";

constexpr std::string_view OoxmlXlfn = R"(
PDURATION RRI SHEET SHEETS ISFORMULA XOR IFNA IFS SWITCH FORMULATEXT COT SEC CSC ACOT COTH ACOTH
SECH CSCH BASE DECIMAL CEILING.PRECISE FLOOR.PRECISE ARABIC COMBINA AGGREGATE FLOOR.MATH
CEILING.MATH MUNIT MAXIFS MINIFS PERMUTATIONA GAUSS PHI GAMMA BETA.DIST* BINOM.DIST.RANGE
CHISQ.DIST CHISQ.INV CONFIDENCE.T COVARIANCE.S F.DIST F.INV FORECAST.ETS FORECAST.ETS.CONFINT
FORECAST.ETS.SEASONALITY FORECAST.ETS.STAT GAMMALN.PRECISE HYPGEOM.DIST* LOGNORM.DIST* MODE.MULT
MODE.SNGL NEGBINOM.DIST* PERCENTILE.EXC PERCENTRANK.EXC QUARTILE.EXC RANK.AVG SKEW.P T.DIST*
T.DIST.2T T.DIST.RT T.INV* VAR.S TEXTJOIN UNICHAR UNICODE NUMBERVALUE ISOWEEKNUM DAYS BITAND
BITLSHIFT BITOR BITRSHIFT BITXOR ERF.PRECISE ERFC.PRECISE IMCOSH IMCOT IMCSC IMCSCH IMSEC IMSECH
IMSINH IMTAN
)";

constexpr std::string_view OoxmlXlfnWithOld = R"(
NORM.S.DIST:NORMSDIST NORM.DIST:NORMDIST NORM.S.INV:NORMSINV NORM.INV:NORMINV GAMMA.DIST:GAMMADIST
STDEV.S:STDEV STDEV.P:STDEVP BETA.INV:BETAINV BINOM.DIST:BINOMDIST BINOM.INV:CRITBINOM
CHISQ.DIST.RT:CHIDIST CHISQ.INV.RT:CHIINV CHISQ.TEST:CHITEST CONFIDENCE.NORM:CONFIDENCE
COVARIANCE.P:COVAR EXPON.DIST:EXPONDIST F.DIST.RT:FDIST F.INV.RT:FINV F.TEST:FTEST
GAMMA.INV:GAMMAINV LOGNORM.INV:LOGINV PERCENTILE.INC:PERCENTILE PERCENTRANK.INC:PERCENTRANK
POISSON.DIST:POISSON QUARTILE.INC:QUARTILE RANK.EQ:RANK VAR.P:VARP WEIBULL.DIST:WEIBULL
Z.TEST:ZTEST
)";

constexpr std::string_view OoxmlListed = R"(
FORECAST.LINEAR=FORECAST:_xlfn.FORECAST.LINEAR T.INV.2T=_xlfn.T.INV.2T:TINV
T.TEST=_xlfn.T.TEST:TTEST* CONCATENATE=CONCATENATE*:_xlfn.CONCAT
)";

// clang-format on

std::vector<std::string_view> split(std::string_view text, const char* separators) {
  std::vector<std::string_view> parts;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t end = std::min(text.find_first_of(separators, begin), text.size());
    if (end > begin) parts.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return parts;
}

struct Name {
  std::string text;
  bool primary;
};

// Function value -> its names in stored order.
using Vocabulary = std::map<std::uint16_t, std::vector<Name>>;

std::uint16_t valueOf(std::string_view englishName) {
  const auto names = split(EnglishNames, " \n");
  const auto found = std::find(names.begin(), names.end(), englishName);
  if (found == names.end()) ADD_FAILURE() << "no function " << englishName;
  return static_cast<std::uint16_t>(found - names.begin() + 1);
}

// "NAME*" is a name marked primary.
Name markedName(std::string_view text) {
  const bool primary = text.ends_with('*');
  return {std::string(primary ? text.substr(0, text.size() - 1) : text), primary};
}

// Functions not in `vocabulary` and not `absent` get their English name alone.
void addEnglishNames(Vocabulary& vocabulary, std::string_view absent, bool primary) {
  const auto absentNames = split(absent, " \n");
  const auto names = split(EnglishNames, " \n");
  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto value = static_cast<std::uint16_t>(i + 1);
    if (vocabulary.count(value) || std::count(absentNames.begin(), absentNames.end(), names[i]))
      continue;
    vocabulary[value] = {{std::string(names[i]), primary}};
  }
}

// "FUNCTION=NAME:NAME*:..." groups: every name of the function in stored order.
void addListed(Vocabulary& vocabulary, std::string_view groups) {
  for (const auto group : split(groups, " \n")) {
    const auto parts = split(group, "=:");
    auto& names = vocabulary[valueOf(parts[0])];
    for (std::size_t i = 1; i < parts.size(); ++i) names.push_back(markedName(parts[i]));
  }
}

// "ENGLISH:NAME:..." groups: `prefix` + English name (primary), the English name itself when
// `withEnglish`, then the names after ':'.
void addPrefixed(Vocabulary& vocabulary, std::string_view groups, const std::string& prefix,
                 bool withEnglish) {
  for (const auto group : split(groups, " \n")) {
    const auto parts = split(group, ":");
    auto& names = vocabulary[valueOf(parts[0])];
    names.push_back({prefix + std::string(parts[0]), true});
    if (withEnglish) names.push_back({std::string(parts[0]), false});
    for (std::size_t i = 1; i < parts.size(); ++i) names.push_back({std::string(parts[i]), false});
  }
}

Vocabulary englishVocabulary() {
  Vocabulary vocabulary;
  addPrefixed(vocabulary, EnglishSecondary, "", false);
  addEnglishNames(vocabulary, "", true);
  return vocabulary;
}

Vocabulary openDocumentVocabulary() {
  Vocabulary vocabulary;
  addPrefixed(vocabulary, OdfComMicrosoft, "COM.MICROSOFT.", true);
  addPrefixed(vocabulary, OdfOrgOpenOffice, "ORG.OPENOFFICE.", true);
  addListed(vocabulary, OdfRenamed);
  addListed(vocabulary, OdfListed);
  addEnglishNames(vocabulary, OdfAbsent, false);
  return vocabulary;
}

Vocabulary ooxmlVocabulary() {
  Vocabulary vocabulary;
  // Single "_xlfn." names, primary only where starred.
  for (const auto name : split(OoxmlXlfn, " \n")) {
    const Name english = markedName(name);
    vocabulary[valueOf(english.text)] = {{"_xlfn." + english.text, english.primary}};
  }
  addPrefixed(vocabulary, OoxmlXlfnWithOld, "_xlfn.", false);
  addListed(vocabulary, OoxmlListed);
  addEnglishNames(vocabulary, OoxmlAbsent, false);
  return vocabulary;
}

// "value NAME primary" lines, sorted, for readable set differences.
std::vector<std::string> dump(const Vocabulary& vocabulary) {
  std::vector<std::string> lines;
  for (const auto& [value, names] : vocabulary)
    for (const auto& name : names)
      lines.push_back(std::to_string(value) + " " + name.text + (name.primary ? " primary" : ""));
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> dump(const FunctionsNamesMap& map) {
  std::vector<std::string> lines;
  const auto [begin, end] = map.getInfosWithNamePrefix("");
  for (auto it = begin; it != end; ++it)
    lines.push_back(std::to_string(static_cast<unsigned>(it->type)) + " " + it->name +
                    (it->primary ? " primary" : ""));
  std::sort(lines.begin(), lines.end());
  return lines;
}

template <FormulaType Dialect>
const FunctionsNamesMap& filterMap() {
  return FilterFunctionsNamesMap::getMap(Dialect);
}

struct BuiltInMap {
  const char* title;
  std::function<const FunctionsNamesMap&()> map;
  std::function<Vocabulary()> vocabulary;
  std::size_t records, types;
};

const BuiltInMap BuiltInMaps[] = {
    {"English", &DefaultEnResourceLoader::getDefaultFunctionsNamesMap, englishVocabulary, 569, 444},
    {"OpenDocument", &filterMap<FormulaType::OpenDocument>, openDocumentVocabulary, 571, 441},
    {"OOXML", &filterMap<FormulaType::OOXML>, ooxmlVocabulary, 461, 428},
};

void PrintTo(const BuiltInMap& builtIn, std::ostream* out) {
  *out << builtIn.title;
}

class FunctionsNamesTables : public testing::TestWithParam<BuiltInMap> {};

TEST_P(FunctionsNamesTables, MapHoldsExactlyTheNamesOfItsRules) {
  const Vocabulary vocabulary = GetParam().vocabulary();
  EXPECT_EQ(vocabulary.size(), GetParam().types);
  const auto expected = dump(vocabulary), actual = dump(GetParam().map());
  EXPECT_EQ(expected.size(), GetParam().records);
  EXPECT_EQ(actual.size(), GetParam().records);
  std::vector<std::string> missing, unexpected;
  std::set_difference(expected.begin(), expected.end(), actual.begin(), actual.end(),
                      std::back_inserter(missing));
  std::set_difference(actual.begin(), actual.end(), expected.begin(), expected.end(),
                      std::back_inserter(unexpected));
  EXPECT_EQ(missing, std::vector<std::string>());
  EXPECT_EQ(unexpected, std::vector<std::string>());
}

// getAllNames gives the names marked primary, then the others, each in stored order; getName
// the first of them, "" for none.
TEST_P(FunctionsNamesTables, NamesOfEveryTypeComePrimaryFirstThenInStoredOrder) {
  const Vocabulary vocabulary = GetParam().vocabulary();
  const FunctionsNamesMap& map = GetParam().map();
  std::size_t types = 0;
  for (std::uint16_t value = 0; value <= 445; ++value) {
    SCOPED_TRACE(value);
    std::vector<std::string> expected;
    if (const auto found = vocabulary.find(value); found != vocabulary.end()) {
      for (const bool primary : {true, false})
        for (const auto& name : found->second)
          if (name.primary == primary) expected.push_back(name.text);
    }
    const auto type = static_cast<FormulaFunctionType>(value);
    const auto all = map.getAllNames(type);
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.end()), expected);
    EXPECT_EQ(std::string(map.getName(type)), expected.empty() ? "" : expected.front());
    types += !map.getName(type).empty();
  }
  EXPECT_EQ(types, GetParam().types);
}

TEST_P(FunctionsNamesTables, EveryNameFindsItsTypeInAnyLetterCase) {
  const FunctionsNamesMap& map = GetParam().map();
  std::mt19937 random(7);
  std::size_t checked = 0;
  for (const auto& [value, names] : GetParam().vocabulary()) {
    for (const auto& name : names) {
      std::string lower = name.text, upper = name.text, mixed = name.text;
      for (std::size_t i = 0; i < name.text.size(); ++i) {
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name.text[i])));
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name.text[i])));
        mixed[i] = random() % 2 ? lower[i] : upper[i];
      }
      for (const auto& spelling : {name.text, lower, upper, mixed}) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(static_cast<unsigned>(map.getType(spelling)), value);
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, GetParam().records);
}

TEST_P(FunctionsNamesTables, NameIndexRunsInCaseInsensitiveOrder) {
  const auto [begin, end] = GetParam().map().getInfosWithNamePrefix("");
  std::vector<std::string> lowered;
  for (auto it = begin; it != end; ++it) {
    std::string name = it->name;
    for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    lowered.push_back(name);
  }
  EXPECT_TRUE(std::is_sorted(lowered.begin(), lowered.end()));
  EXPECT_EQ(std::adjacent_find(lowered.begin(), lowered.end()), lowered.end());
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, FunctionsNamesTables, testing::ValuesIn(BuiltInMaps),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(FunctionsNamesTables, DocumentedExamples) {
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  const auto& openDocument = FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument);
  const auto& ooxml = FilterFunctionsNamesMap::getMap(FormulaType::OOXML);
  const struct {
    const FunctionsNamesMap& map;
    FormulaFunctionType type;
    std::string name;
  } cases[] = {
      {ooxml, FormulaFunctionType::TTest, "TTEST"},
      {ooxml, FormulaFunctionType::NormSDist, "_xlfn.NORM.S.DIST"},
      {ooxml, FormulaFunctionType::BetaDist, "_xlfn.BETA.DIST"},
      {ooxml, FormulaFunctionType::ForecastLinear, "FORECAST"},
      {ooxml, FormulaFunctionType::Current, ""},
      {openDocument, FormulaFunctionType::FInv, "FINV"},
      {openDocument, FormulaFunctionType::SkewP, "SKEWP"},
      {openDocument, FormulaFunctionType::TDistLegacy, "LEGACY.TDIST"},
      {openDocument, FormulaFunctionType::WeekNumOoo, "ORG.LIBREOFFICE.WEEKNUM_OOO"},
      {openDocument, FormulaFunctionType::ForecastEts, ""},
      {english, FormulaFunctionType::DSum, "DSUM"},
      {english, FormulaFunctionType::Sum, "SUM"},
      {english, FormulaFunctionType::NormSDist, "NORM.S.DIST"},
      {english, FormulaFunctionType::BetaDistLegacy, "BETADIST"},
      {english, FormulaFunctionType::DVarP, "DVARP"},
      {english, FormulaFunctionType::None, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(std::string(c.map.getName(c.type)), c.name);
  }
  EXPECT_EQ(static_cast<unsigned>(FormulaFunctionType::Sum), 68u);
  EXPECT_EQ(static_cast<unsigned>(FormulaFunctionType::NormSDist), 264u);
  EXPECT_EQ(static_cast<unsigned>(Vesk::DOM::LastFormulaFunctionType), 444u);
}

TEST(FunctionsNamesTables, OOXMLDialectsShareOneMap) {
  const auto* ooxml = &FilterFunctionsNamesMap::getMap(FormulaType::OOXML);
  EXPECT_EQ(&FilterFunctionsNamesMap::getMap(FormulaType::OOXMLStrict), ooxml);
  EXPECT_EQ(&FilterFunctionsNamesMap::getMap(FormulaType::OOXMLTransitional), ooxml);
  EXPECT_NE(&FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument), ooxml);
  EXPECT_NE(&DefaultEnResourceLoader::getDefaultFunctionsNamesMap(), ooxml);
}

TEST(FunctionsNamesTables, UnknownFormulaTypeFailsTheAssertion) {
  for (const int value : {4, 5, 255}) {
    SCOPED_TRACE(value);
    Testing::expectAssertion(
        [&] { (void)FilterFunctionsNamesMap::getMap(static_cast<FormulaType>(value)); },
        "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap", "Unknown FormulaType");
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
