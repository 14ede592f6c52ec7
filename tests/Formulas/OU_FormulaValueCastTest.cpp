#include "OfficeUtils/Formulas/OU_FormulaValueCast.h"

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"
#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using namespace Vesk::FormulaModel;
using Mode = FormulaValueCast::CastMode;
using ErrorType = Vesk::DOM::FormulaErrorType;
using Suffix = ImaginarySuffix::Suffix;

constexpr const char* SourceFile = "OfficeUtils/Formulas/OU_FormulaValueCast";

// The detection of a real locale, built once per name.
const FormatContext& formats(const std::string& name) {
  static std::map<std::string, FormatContext> contexts;
  return contexts.try_emplace(name, Testing::namedLocale(name)).first->second;
}

enum class Op { Bool, Number, String, StringOrNumber, Error, ErrorOrBool, Complex, Date };

std::string show(double value) {
  return fmt::format("{}", value);
}

// Every cast's outcome as one line: "true", "2.5", "\"TRUE\"", "string \"\"", "error 7",
// "complex 3 4 i", "serial 0", "now", "none", or "throws #VALUE!". toBool's default is true.
std::string outcome(Op op, const FormulaValue& value, Mode mode,
                    const std::string& name = "en_US") {
  const LocaleContext& context = Testing::namedLocale(name);
  const FormatContext& format = formats(name);
  try {
    switch (op) {
      case Op::Bool:
        return FormulaValueCast::toBool(value, context, mode, true) ? "true" : "false";
      case Op::Number:
        return show(FormulaValueCast::toNumber(value, format, mode).getValue());
      case Op::String:
        return '"' + FormulaValueCast::toString(value, context) + '"';
      case Op::StringOrNumber: {
        const auto result = FormulaValueCast::toStringOrNumber(value, context);
        if (const auto* text = boost::get<std::string>(&result)) return "string \"" + *text + '"';
        return "number " + show(boost::get<Vesk::FloatNumber>(result).getValue());
      }
      case Op::Error: {
        const auto result = FormulaValueCast::toError(value, context);
        return result ? "error " + std::to_string(int(result->getType())) : "none";
      }
      case Op::ErrorOrBool: {
        const auto result = FormulaValueCast::toErrorOrBool(value, context);
        if (!result) return "none";
        if (const auto* b = boost::get<bool>(&*result)) return *b ? "true" : "false";
        return "error " + std::to_string(int(boost::get<ErrorType>(*result)));
      }
      case Op::Complex: {
        const auto result = FormulaValueCast::toComplex(value, format);
        const auto& suffix = result.getSuffix();
        return "complex " + show(result.getValue().real.getValue()) + ' ' +
               show(result.getValue().imaginary.getValue()) + ' ' +
               (suffix.isDefined() ? std::string(1, suffix.toChar()) : "none");
      }
      case Op::Date: {
        const double now = DateTime::getNow(Vesk::DOM::TimeZone::getUTCTimeZone(), context)
                               .calculateDaysAndPartOfDay()
                               .getValue();
        const double serial = FormulaValueCast::toDateTime(value, context, mode)
                                  .calculateDaysAndPartOfDay()
                                  .getValue();
        return std::fabs(serial - now) < 10.0 / 86400 ? "now" : "serial " + show(serial);
      }
    }
  } catch (const FormulaException& e) {
    return std::string("throws ") + Vesk::DOM::formulaErrorTypeToString(e.getErrorType());
  }
  return "?";
}

Mode mode(unsigned bits) {
  return static_cast<Mode>(bits);
}

const std::string V = "throws #VALUE!", NA = "throws #N/A";

// Per operation and mode, the outcome for each input alternative: empty, the number 0, the
// string of the row, true, and the error #N/A. Mode bits: empty 1; number 4/8/16 (toBool);
// string 32/64/128; boolean 256/512/1024 (toNumber, toDateTime).
TEST(FormulaValueCastTest, CastTable) {
  struct Row {
    Op op;
    unsigned mode;
    const char* text;
    std::string empty, number, string, boolean, error;
  };
  // clang-format off
  const Row rows[] = {
      {Op::Bool, 1 | 4 | 32,        "FALSE",     "true",  "true",  "true",   "true", NA},
      {Op::Bool, 8 | 64,            "FALSE",     V,       "false", "false",  "true", NA},
      {Op::Bool, 16 | 64,           "TRUE",      V,       V,       "true",   "true", NA},
      {Op::Bool, 8 | 64,            "true",      V,       "false", V,        "true", NA},
      {Op::Bool, 8 | 128,           "TRUE",      V,       "false", V,        "true", NA},
      {Op::Number, 1 | 32 | 256,    "2.5",       "0",     "0",     "0",      "0",    NA},
      {Op::Number, 64 | 512,        " 1,234.5 ", V,       "0",     "1234.5", "1",    NA},
      {Op::Number, 64 | 512,        "12.5%",     V,       "0",     "0.125",  "1",    NA},
      {Op::Number, 64 | 1024,       "TRUE",      V,       "0",     V,        V,      NA},
      {Op::Number, 128 | 768,       "2.5",       V,       "0",     V,        V,      NA},
      {Op::Number, 96,              "2.5",       V,       "0",     V,        V,      NA},
      {Op::Number, 64,              "1e400",     V,       "0",     V,        V,      NA},
      {Op::String, 0,               "x",  "\"\"", "\"0\"", "\"x\"", "\"TRUE\"", "\"#N/A\""},
      {Op::StringOrNumber, 0,       "3",  "string \"\"", "number 0", "string \"3\"", "number 1",
                                          "string \"#N/A\""},
      {Op::Error, 0,                "#N/A",      "none",  "none",  "error 7", "none",  "error 7"},
      {Op::Error, 0,                "#n/a",      "none",  "none",  "none",    "none",  "error 7"},
      {Op::Error, 0,                "#GETTING_DATA", "none", "none", "error 8", "none", "error 7"},
      {Op::ErrorOrBool, 0,          "FALSE",     "none",  "none",  "false",   "true",  "error 7"},
      {Op::ErrorOrBool, 0,          "#REF!",     "none",  "none",  "error 4", "true",  "error 7"},
      {Op::ErrorOrBool, 0,          "abc",       "none",  "none",  "none",    "true",  "error 7"},
      {Op::Complex, 0,              "3+4i",      "complex 0 0 none", "complex 0 0 none",
                                                 "complex 3 4 i", "complex 1 0 none", NA},
      {Op::Date, 1 | 32 | 256,      "x",         "serial 0", "serial 0", "now",        "now",      NA},
      {Op::Date, 64 | 512,          "2.5",       V,          "serial 0", "serial 2.5", "serial 1", NA},
      {Op::Date, 128 | 1024,        "2.5",       V,          "serial 0", V,            V,          NA},
      {Op::Date, 64 | 512,          "1e300",     V,          "serial 0", V,            "serial 1", NA},
      {Op::Date, 64 | 512,          "-0",        V,          "serial 0", "serial 0",   "serial 1", NA},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << "op " << int(row.op) << " mode " << row.mode << " text " << row.text);
    const auto cast = [&](const FormulaValue& value) {
      return outcome(row.op, value, mode(row.mode));
    };
    EXPECT_EQ(cast(FormulaEmpty()), row.empty);
    EXPECT_EQ(cast(FormulaNumber(0)), row.number);
    EXPECT_EQ(cast(FormulaString(row.text)), row.string);
    EXPECT_EQ(cast(FormulaBoolean(true)), row.boolean);
    EXPECT_EQ(cast(FormulaError(ErrorType::NA)), row.error);
  }
  // Numbers beyond 0: NaN is true, a number's own text wins, the formula formatter turns
  // scientific below 0.0001.
  EXPECT_EQ(outcome(Op::Bool, FormulaNumber(std::nan("")), Mode::NumberConvert), "true");
  EXPECT_EQ(outcome(Op::String, FormulaNumber(2, std::string("two")), mode(0)), "\"two\"");
  EXPECT_EQ(outcome(Op::String, FormulaNumber(0.00001), mode(0)), "\"1E-05\"");
  const LocaleContext& en = LocaleContext::getEnLocaleContext();
  const GeneralNumberFormatter plain(en);  // fixed down to 1E-08
  EXPECT_EQ(FormulaValueCast::toString(FormulaNumber(0.00001), en, &plain), "0.00001");
  EXPECT_EQ(FormulaValueCast::toString(FormulaNumber(1, std::string("one")), en, &plain), "one");
}

// The number and string fields of toBool and the string and boolean fields of toDateTime have
// no refusal for other values: none, two at once, and all of the field's bits.
TEST(FormulaValueCastTest, UnlistedModeFieldsFailTheAssertion) {
  const LocaleContext& en = LocaleContext::getEnLocaleContext();
  for (const unsigned bits : {0u, 4u | 8u, 28u}) {
    EXPECT_ASSERTION((void)FormulaValueCast::toBool(FormulaNumber(1), en, mode(bits), false),
                     SourceFile, "Unexpected cast mode");
  }
  for (const unsigned bits : {0u, 32u | 64u, 224u}) {
    EXPECT_ASSERTION((void)FormulaValueCast::toBool(FormulaString("TRUE"), en, mode(bits), false),
                     SourceFile, "Unexpected cast mode");
    EXPECT_ASSERTION((void)FormulaValueCast::toDateTime(FormulaString("1"), en, mode(bits)),
                     SourceFile, "Unexpected cast mode");
    EXPECT_ASSERTION((void)FormulaValueCast::toDateTime(FormulaBoolean(true), en, mode(bits << 3)),
                     SourceFile, "Unexpected cast mode");
  }
}

TEST(FormulaValueCastTest, ComplexText) {
  // Forms that toString never writes (the property below reads back those it writes).
  // clang-format off
  const std::pair<const char*, std::string> rows[] = {
      {" 3+4i ", "complex 3 4 i"},        {"3 - i", "complex 3 -1 i"},
      {"1e+5+2i", "complex 100000 2 i"},  {"-0-0i", "complex 0 0 i"},
      {"+4i", "complex 0 4 i"},           {"3+4 i", "complex 3 4 i"},
      {"1 1/2+2 3/4j", "complex 1.5 2.75 j"},
      {"   ", V},  {"x+2i", V},  {"3+4I", V},  {"3+4ii", V},  {"--4i", V},  {"3+4i+5", V},
  };
  // clang-format on
  for (const auto& [text, expected] : rows) {
    EXPECT_EQ(outcome(Op::Complex, FormulaString(text), Mode::StringConvert), expected) << text;
  }
}

// Complex numbers written by ComplexNumber::toString read back as the same number: parts with up
// to 15 significant digits (what the writer keeps in scientific mode) over a wide range of
// magnitudes, unit and zero parts, both letters. The letter comes back only with an imaginary
// part; an undefined one is written as "i".
TEST(FormulaValueCastTest, ComplexTextReadsBackWhatToStringWrites) {
  std::mt19937_64 random(17);
  const auto part = [&random]() -> double {
    switch (random() % 6) {
      case 0:
        return 0.0;
      case 1:
        return random() % 2 ? 1.0 : -1.0;
      default: {
        const auto digits = static_cast<double>(random() % 1000000000000000ull);
        const int exponent = static_cast<int>(random() % 60) - 40;
        return (random() % 2 ? 1 : -1) * std::stod(std::to_string(static_cast<long long>(digits)) +
                                                   "e" + std::to_string(exponent));
      }
    }
  };
  for (const char* name : {"en_US", "de_DE"}) {
    const LocaleContext& context = Testing::namedLocale(name);
    for (int n = 0; n < 1000 / Vesk::Testing::PropertyScale; ++n) {
      const double re = part(), im = part();
      const auto letter = random() % 3;
      const ImaginarySuffix suffix =
          letter == 2 ? ImaginarySuffix() : ImaginarySuffix(static_cast<Suffix>(letter));
      const std::string text = ComplexNumber(re, im, suffix).toString(context);
      const ImaginarySuffix expectedSuffix =
          im == 0 ? ImaginarySuffix() : ImaginarySuffix(suffix.getEffectiveSuffix());
      try {
        const ComplexNumber read =
            FormulaValueCast::toComplex(FormulaString(text.c_str()), formats(name));
        ASSERT_EQ(read, ComplexNumber(re, im, expectedSuffix)) << name << " " << text;
      } catch (const FormulaException& e) {
        FAIL() << name << " " << text << " " << e.what();
      }
    }
  }
}

// Text that de_DE reads, and text it does not: numbers in its notation, dates in its order, its
// boolean and error words (exact, so English words are plain text). Outcomes of toNumber,
// toBool, toError and toDateTime.
TEST(FormulaValueCastTest, LocaleWords) {
  const std::array<std::string, 5> rows[] = {
      {"1,5", "1.5", V, "none", "serial 1.5"},
      {"31.12.2024", "45657", V, "none", "serial 45657"},
      {"FALSCH", V, "false", "none", V},
      {"TRUE", V, V, "none", V},
      {"#NV", V, V, "error 7", V},
      {"#N/A", V, V, "none", V},
  };
  const Op ops[] = {Op::Number, Op::Bool, Op::Error, Op::Date};
  for (const auto& row : rows) {
    for (int op = 0; op < 4; ++op)
      EXPECT_EQ(outcome(ops[op], FormulaString(row[0]), Mode::StringConvert, "de_DE"), row[op + 1])
          << row[0];
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
