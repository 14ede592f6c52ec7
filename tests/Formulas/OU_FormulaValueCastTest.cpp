#include "OfficeUtils/Formulas/OU_FormulaValueCast.h"

#include <array>
#include <cmath>
#include <map>
#include <random>
#include <string>

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

// The detection of a real locale, built once per name.
const FormatContext& formats(const std::string& name) {
  static std::map<std::string, FormatContext> contexts;
  return contexts.try_emplace(name, Testing::namedLocale(name)).first->second;
}

enum class Op { Bool, Number, String, StringOrNumber, Error, ErrorOrBool, Complex, Date };

std::string show(double value) {
  return fmt::format("{}", value);
}

// The mode bits: empty 1; number 4/8/16 (toBool); string 32/64/128; boolean 256/512/1024
// (toNumber, toDateTime). The middle ones convert.
constexpr unsigned Convert = 8 | 64 | 512;

// Every cast's outcome as one line: "true", "2.5", "\"TRUE\"", "string \"\"", "error 7",
// "complex 3 4 i", "serial 0", "now", "none", "throws #VALUE!" or "asserts <file>: <message>".
// toBool's default is true.
std::string outcome(Op op, const FormulaValue& value, unsigned bits = Convert,
                    const std::string& name = "en_US") {
  const auto mode = static_cast<Mode>(bits);
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
        return fmt::format("complex {} {} {}", result.getValue().real.getValue(),
                           result.getValue().imaginary.getValue(),
                           suffix.isDefined() ? std::string(1, suffix.toChar()) : "none");
      }
      case Op::Date: {
        const auto serial = [](const DateTime& date) {
          return date.calculateDaysAndPartOfDay().getValue();
        };
        const double read = serial(FormulaValueCast::toDateTime(value, context, mode));
        const double now = serial(DateTime::getNow(Vesk::DOM::TimeZone::getUTCTimeZone(), context));
        return std::fabs(read - now) < 1e-4 ? "now" : "serial " + show(read);
      }
    }
  } catch (const FormulaException& e) {
    return std::string("throws ") + Vesk::DOM::formulaErrorTypeToString(e.getErrorType());
  } catch (const Vesk::AssertionFailure& failure) {
    const auto& text = failure.message().empty() ? failure.condition() : failure.message();
    return "asserts " + failure.file() + ": " + text;
  }
  return "?";
}

const std::string V = "throws #VALUE!", NA = "throws #N/A",
                  A = "asserts OfficeUtils/Formulas/OU_FormulaValueCast: Unexpected cast mode";

// Per operation and mode, the outcome for each input alternative: empty, the number 0, the
// string of the row, true, and the error #N/A. The number and string fields of toBool and the
// string and boolean fields of toDateTime have no refusal for other values: none, and all of the
// field's bits.
TEST(FormulaValueCastTest, CastTable) {
  struct Row {
    Op op;
    unsigned mode;
    const char* text;
    std::array<std::string, 5> outcomes;  // of empty, 0, the text, true and #N/A
  };
  // clang-format off
  const Row rows[] = {
      {Op::Bool, 1 | 4 | 32,        "FALSE",     "true",  "true",  "true",   "true", NA},
      {Op::Bool, 8 | 64,            "FALSE",     V,       "false", "false",  "true", NA},
      {Op::Bool, 16 | 64,           "TRUE",      V,       V,       "true",   "true", NA},
      {Op::Bool, 8 | 128,           "TRUE",      V,       "false", V,        "true", NA},
      {Op::Bool, 1,                 "TRUE",      "true",  A,       A,        "true", NA},
      {Op::Bool, 28 | 224,          "TRUE",      V,       A,       A,        "true", NA},
      {Op::Number, 1 | 32 | 256,    "2.5",       "0",     "0",     "0",      "0",    NA},
      {Op::Number, 64 | 512,        " 1,234.5 ", V,       "0",     "1234.5", "1",    NA},
      {Op::Number, 64 | 512,        "12.5%",     V,       "0",     "0.125",  "1",    NA},
      {Op::Number, 64 | 1024,       "TRUE",      V,       "0",     V,        V,      NA},
      {Op::Number, 128 | 768,       "2.5",       V,       "0",     V,        V,      NA},
      {Op::String, 0,               "x",  "\"\"", "\"0\"", "\"x\"", "\"TRUE\"", "\"#N/A\""},
      {Op::StringOrNumber, 0,       "3",  "string \"\"", "number 0", "string \"3\"", "number 1",
                                          "string \"#N/A\""},
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
      {Op::Date, 1,                 "1",         "serial 0", "serial 0", A,            A,          NA},
      {Op::Date, 224 | 1792,        "1",         V,          "serial 0", A,            A,          NA},
  };
  // clang-format on
  for (const Row& row : rows) {
    const FormulaValue values[] = {FormulaEmpty(), FormulaNumber(0), FormulaString(row.text),
                                   FormulaBoolean(true), FormulaError(ErrorType::NA)};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(outcome(row.op, values[i], row.mode), row.outcomes[i])
          << "op " << int(row.op) << " mode " << row.mode << " text " << row.text << " value " << i;
    }
  }
  // Numbers beyond 0: NaN is true, a number's own text wins, the formula formatter turns
  // scientific below 0.0001.
  EXPECT_EQ(outcome(Op::Bool, FormulaNumber(std::nan("")), Convert), "true");
  EXPECT_EQ(outcome(Op::String, FormulaNumber(2, std::string("two")), Convert), "\"two\"");
  EXPECT_EQ(outcome(Op::String, FormulaNumber(0.00001), Convert), "\"1E-05\"");
  const LocaleContext& en = LocaleContext::getEnLocaleContext();
  const GeneralNumberFormatter plain(en);  // fixed down to 1E-08
  EXPECT_EQ(FormulaValueCast::toString(FormulaNumber(0.00001), en, &plain), "0.00001");
}

TEST(FormulaValueCastTest, ComplexText) {
  // Forms that toString never writes (the property below reads back those it writes).
  const std::pair<const char*, std::string> rows[] = {
      {" 3+4i ", "complex 3 4 i"},
      {"3 - i", "complex 3 -1 i"},
      {"1e+5+2i", "complex 100000 2 i"},
      {"-0-0i", "complex 0 0 i"},
      {"+4i", "complex 0 4 i"},
      {"1 1/2+2 3/4j", "complex 1.5 2.75 j"},
      {"   ", V},
      {"x+2i", V},
      {"3+4I", V},
      {"3+4ii", V},
  };
  for (const auto& [text, expected] : rows)
    EXPECT_EQ(outcome(Op::Complex, FormulaString(text)), expected) << text;
}

// Complex numbers written by ComplexNumber::toString read back as the same number: parts with up
// to 15 significant digits (what the writer keeps in scientific mode) over a wide range of
// magnitudes, unit and zero parts, both letters. The letter comes back only with an imaginary
// part; an undefined one is written as "i".
TEST(FormulaValueCastTest, ComplexTextReadsBackWhatToStringWrites) {
  std::mt19937_64 random(17);
  const auto part = [&random]() -> double {
    const auto kind = random() % 6;
    if (kind < 2) return kind == 0 ? 0.0 : random() % 2 ? 1.0 : -1.0;
    const std::string digits = std::to_string(random() % 1000000000000000ull);
    const int exponent = static_cast<int>(random() % 60) - 40;
    return (random() % 2 ? 1 : -1) * std::stod(digits + "e" + std::to_string(exponent));
  };
  for (const char* name : {"en_US", "de_DE"}) {
    for (int n = 0; n < 1000 / Vesk::Testing::PropertyScale; ++n) {
      const double re = part(), im = part();
      const auto letter = random() % 3;
      const ImaginarySuffix suffix =
          letter == 2 ? ImaginarySuffix() : ImaginarySuffix(static_cast<Suffix>(letter));
      const std::string text = ComplexNumber(re, im, suffix).toString(Testing::namedLocale(name));
      const ImaginarySuffix expectedSuffix =
          im == 0 ? ImaginarySuffix() : ImaginarySuffix(suffix.getEffectiveSuffix());
      ComplexNumber read(0.0, 0.0, {});
      ASSERT_NO_THROW(read = FormulaValueCast::toComplex(FormulaString(text), formats(name)))
          << name << " " << text;
      ASSERT_EQ(read, ComplexNumber(re, im, expectedSuffix)) << name << " " << text;
    }
  }
}

// Text that de_DE reads: numbers in its notation, dates in its order, its boolean and error
// words. Outcomes of toNumber, toBool, toError and toDateTime.
TEST(FormulaValueCastTest, LocaleWords) {
  const std::array<std::string, 5> rows[] = {
      {"1,5", "1.5", V, "none", "serial 1.5"},
      {"31.12.2024", "45657", V, "none", "serial 45657"},
      {"FALSCH", V, "false", "none", V},
      {"#NV", V, V, "error 7", V},
  };
  const Op ops[] = {Op::Number, Op::Bool, Op::Error, Op::Date};
  for (const auto& row : rows) {
    for (int op = 0; op < 4; ++op)
      EXPECT_EQ(outcome(ops[op], FormulaString(row[0]), Convert, "de_DE"), row[op + 1]) << row[0];
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
