#include "OfficeUtils/Formatters/OU_CellFormatRenderer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

namespace FM = Vesk::FormulaModel;

using Vesk::Testing::PropertyScale;

using Testing::namedLocale;

Vesk::DOM::CellFormatModel::Expression parsed(const std::string& code) {
  auto expression = Parser::parse(code, Parser::ParserType::Default);
  EXPECT_TRUE(expression) << code;
  return expression.value_or(Vesk::DOM::CellFormatModel::Expression{});
}

std::string shown(double value, const std::string& code, const std::string& localeName = "en_US") {
  return formatValue(value, parsed(code), namedLocale(localeName)).plainText();
}

// tests/data/format_render.tsv: what spreadsheets show (fills dropped, blanks as one space).
TEST(CellFormatRenderer, ConformanceTable) {
  const std::map<std::string, Color> colours = {
      {"Red", {255, 0, 0, 255}}, {"Blue", {0, 0, 255, 255}}, {"Green", {0, 255, 0, 255}}};
  std::ifstream in(OU_TEST_DATA_DIR "/format_render.tsv");
  ASSERT_TRUE(in);
  std::string line;
  int rows = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
    fields.resize(5);
    const auto& [code, input, localeName, expected, colour] =
        std::tie(fields[0], fields[1], fields[2], fields[3], fields[4]);
    FM::FormulaValue value = FM::FormulaEmpty{};
    if (input.size() >= 2 && input.front() == '"')
      value = FM::FormulaString(input.substr(1, input.size() - 2));
    else if (input == "TRUE" || input == "FALSE")
      value = FM::FormulaBoolean(input == "TRUE");
    else {
      double number = 0;
      std::from_chars(input.data(), input.data() + input.size(), number);
      value = FM::FormulaNumber(number);
    }
    const RenderedValue result = formatValue(value, parsed(code), namedLocale(localeName));
    const boost::optional<Color> expectedColour =
        colour.empty() ? boost::none : boost::make_optional(colours.at(colour));
    ++rows;
    EXPECT_TRUE(result.plainText() == expected && result.color == expectedColour)
        << code << " | " << input << " | " << localeName << ": \"" << result.plainText()
        << "\", expected \"" << expected << "\" " << colour;
  }
  EXPECT_GE(rows, 600);
}

TEST(CellFormatRenderer, MarksFillsAndBlanks) {
  const auto result = formatValue(
      1234.5, parsed("_($* #,##0.00_);_($* (#,##0.00);_($* \"-\"??_);_(@_)"), namedLocale("en_US"));
  EXPECT_EQ(result.text, "($ 1,234.50)");
  const std::vector<RenderMark> marks = {{RenderMark::Kind::Blank, 0, 1},
                                         {RenderMark::Kind::Fill, 2, 1},
                                         {RenderMark::Kind::Blank, 11, 1}};
  EXPECT_EQ(result.marks, marks);
  // Not-a-number values, errors and dates out of range.
  const struct {
    FM::FormulaValue value;
    std::string code, localeName, expected;
  } cases[] = {
      {FM::FormulaNumber(std::numeric_limits<double>::infinity()), "0.00", "en_US", "#NUM!"},
      {FM::FormulaNumber(std::nan("")), "dd.mm.yyyy", "de_DE", "#ZAHL!"},
      {FM::FormulaNumber(3e6), "dd.mm.yyyy", "en_US", "#NUM!"},
      {FM::FormulaError(Vesk::DOM::FormulaErrorType::Value), "0.00", "de_DE", "#WERT!"},
      {FM::FormulaString("abc"), "0;0;0;General", "en_US", "abc"},
      {FM::FormulaNumber(-0.0), "General", "en_US", "0"},
      {FM::FormulaNumber(-1e-20), "General;General", "en_US", "1E-20"},
  };
  for (const auto& [value, code, localeName, expected] : cases)
    EXPECT_EQ(formatValueAsText(value, parsed(code), namedLocale(localeName)), expected) << code;
  // A localized date format shows as its code is written under the locale.
  const Vesk::DOM::CellFormat localized(Vesk::DOM::CellFormatModel::DateTimeLocalizedExpression(
      Vesk::DOM::CellFormatModel::DateTimeDefaultType::Date));
  EXPECT_EQ(formatValue(FM::FormulaNumber(45000), localized, namedLocale("de_DE")).text,
            "15.3.2023");
}

// The digits of |value| rounded half away from zero to `places` decimals, from the 15
// significant digits of the double, by integer arithmetic.
std::string referenceDigits(double value, int places, bool grouping) {
  char buffer[40];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, 14)
                       .ptr;
  std::string text(buffer, end);
  const auto e = text.find('e');
  std::int64_t mantissa = std::stoll(text.substr(0, 1) + text.substr(2, e - 2));
  int shift = std::stoi(text.substr(e + 1)) - 14 + places;  // mantissa x 10^shift, in units
  std::string units;
  if (shift >= 0) {
    units = std::to_string(mantissa) + std::string(shift, '0');
  } else if (shift < -16) {
    units = "0";
  } else {
    std::int64_t divisor = 1;
    for (int i = 0; i < -shift; ++i) divisor *= 10;
    units = std::to_string(mantissa / divisor + (mantissa % divisor * 2 >= divisor ? 1 : 0));
  }
  if (units.size() <= static_cast<std::size_t>(places))
    units.insert(0, places + 1 - units.size(), '0');
  std::string integer = units.substr(0, units.size() - places);
  if (grouping)
    for (int at = static_cast<int>(integer.size()) - 3; at > 0; at -= 3) integer.insert(at, ",");
  return places ? integer + "." + units.substr(units.size() - places) : integer;
}

// Property: plain number codes agree with the reference rounding, signs included.
TEST(CellFormatRenderer, AgreesWithReferenceRounding) {
  std::mt19937_64 random(16);
  const int count = 15000 / PropertyScale;
  for (int i = 0; i < count; ++i) {
    const int places = static_cast<int>(random() % 7);
    const bool grouping = random() % 2;
    // At a .5 boundary of the last shown place, or of any magnitude.
    double value = random() % 2
                       ? (static_cast<double>(random() % 2000000) + 0.5) / std::pow(10.0, places)
                       : std::ldexp(static_cast<double>(random() % (1ULL << 53)),
                                    static_cast<int>(random() % 240) - 160);
    if (random() % 2) value = -value;
    std::string code = grouping ? "#,##0" : "0";
    if (places) code += "." + std::string(places, '0');
    std::string expected = referenceDigits(value, places, grouping);
    if (value < 0 && expected.find_first_of("123456789") != std::string::npos)
      expected.insert(0, "-");
    ASSERT_EQ(shown(value, code), expected) << value << " " << code;
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
