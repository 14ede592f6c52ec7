#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"

#include <random>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>

#include "OfficeUtils/RegEx/OU_CellReferenceParsersTesting.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

// Results as compact one-liners: parts joined by "|", "none" for no match.
template <typename Parts, typename Fields>
std::string dump(const boost::optional<Parts>& p, Fields fields) {
  return p ? fmt::format("{}", fmt::join(fields(*p), "|")) : "none";
}
std::string dump(const boost::optional<ShortCellParts>& p) {
  return dump(p, [](const auto& x) {
    return std::vector{x.columnMarker, x.column, x.rowMarker, x.row};
  });
}
std::string dump(const boost::optional<ShortAxisParts>& p) {
  return dump(p, [](const auto& x) { return std::vector{x.marker, x.value}; });
}
std::string dump(const boost::optional<ShortRangeParts>& p) {
  return dump(p, [](const auto& x) {
    return std::vector{x.firstColumnMarker,  x.firstColumn,  x.firstRowMarker,  x.firstRow,
                       x.secondColumnMarker, x.secondColumn, x.secondRowMarker, x.secondRow};
  });
}
std::string dump(const boost::optional<OXMLRefParts>& p) {
  return dump(p, [](const auto& x) {
    return std::vector{x.path, x.workbook, x.firstSheet, x.lastSheet, x.reference};
  });
}
std::string dump(const boost::optional<OpenFormulaRefParts>& p) {
  return dump(p, [](const auto& x) { return std::vector{x.document, x.sheet, x.reference}; });
}

// The rules generated texts rarely reach: sheet names holding "!" and "'" (the last "!" that
// leaves a reference ends the prefix, and a quote that does not close before it belongs to the
// name) and a path before the workbook. The property at the end compares every parser with the
// pattern that defines its grammar.
TEST(CellReferenceParsers, SheetPrefixRows) {
  const struct {
    bool openFormula;
    std::string text, expected;
  } cases[] = {
      {false, "'C:\\dir\\[Book.xlsx]Data'!B2", "C:\\dir\\|Book.xlsx|Data||B2"},
      {false, "Sheet1!A1!B2", "||Sheet1!A1||B2"},
      {false, "'Sheet1!A1", "||'Sheet1||A1"},
      {true, "'file:///x.ods'#$Sheet1.A1", "file:///x.ods|Sheet1|A1"},
      {true, "'My Sheet.B2", "|'My Sheet|B2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.openFormula ? dump(OpenFormulaRefParser::parse(c.text))
                            : dump(OXMLRefParser::parse(c.text)),
              c.expected)
        << c.text;
  }
}

// Columns against their number, written in bijective base-26 letters or in digits: accepted
// exactly up to XFD (16384); and in step, the rows 16,384 either side of the last, 1048576, with
// no leading zero.
TEST(CellReferenceParsers, ColumnsAndRowsAgreeWithTheirNumericValue) {
  auto letters = [](unsigned number, char base) {
    std::string text;
    for (; number > 0; number = (number - 1) / 26)
      text.insert(text.begin(), static_cast<char>(base + (number - 1) % 26));
    return text;
  };
  for (unsigned column = 1; column <= 18278; ++column) {  // A to ZZZ, and their numbers
    const bool valid = column <= 16384;
    const std::string number = std::to_string(column), row = std::to_string(column + 1032192);
    const int parsersAccepting = A1ShortRowParser::parse(row).has_value() +
                                 A1ShortCellParser::parse("A" + row).has_value() +
                                 R1C1ShortRowParser::parse("R" + row).has_value() +
                                 R1C1ShortCellParser::parse("R" + row + "C1").has_value();
    if (parsersAccepting != (valid ? 4 : 0)) FAIL() << row;
    if (A1ShortCellParser::parse("A0" + row) || A1ShortRowParser::parse("0" + row)) FAIL() << row;
    if (R1C1ShortColParser::parse("C" + number).has_value() != valid) FAIL() << number;
    if (R1C1ShortCellParser::parse("R1C" + number).has_value() != valid) FAIL() << number;
    for (char base : {'A', 'a'}) {
      const std::string text = letters(column, base);
      if (A1ShortColParser::parse(text).has_value() != valid) FAIL() << text;
      if (A1ShortCellParser::parse(text + "1").has_value() != valid) FAIL() << text << "1";
    }
  }
}

TEST(CellReferenceParsers, PartsAreViewsIntoTheTextAndLongTextsGiveAResult) {
  const std::string text = "$AB$123";
  const auto parts = A1ShortCellParser::parse(text);
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->columnMarker.data(), text.data());
  EXPECT_EQ(parts->row.data() + parts->row.size(), text.data() + text.size());
  // A long adversarial prefix must end in a result, not in an exception from the matcher.
  EXPECT_TRUE(OXMLRefParser::parse(std::string(20000, '[')));
  EXPECT_TRUE(OXMLRefParser::parse("'" + std::string(5000, 'x') + "[" + std::string(5000, 'y')));
  EXPECT_TRUE(OpenFormulaRefParser::parse("'" + std::string(20000, 'a') + "#"));
  EXPECT_FALSE(A1ShortCellParser::parse(std::string(20000, 'A') + "1"));
}

// The scanners against the regular expressions that define the grammars, on generated texts
// that mix valid references, near misses and the characters every rule turns on.
TEST(CellReferenceParsers, ScannersAgreeWithThePatterns) {
  std::vector<std::string> pieces = {
      "$", "A",        "b",     "x",           "F",       "d",  "XFD", "XFE",     "R",    "r",
      "C", "c",        "[",     "]",           "+",       "-",  "0",   "1",       "7",    "104857",
      "6", "16384",    "'",     "!",           ":",       ".",  "#",   "/",       "*",    "\n",
      " ", "\xC3\xA9", "Sheet", "[Book.xlsx]", "Sheet1!", "'#", "A1",  "R[-1]C2", "$A$1:"};
  pieces.emplace_back(1, '\0');
  std::mt19937 random(20261205);
  for (int n = 0; n < 50000; ++n) {
    const std::string text = Vesk::Testing::randomText(random, pieces, 8);
    SCOPED_TRACE(testing::PrintToString(text));
    ASSERT_EQ(dump(A1ShortCellParser::parse(text)), dump(Detail::matchA1ShortCell(text)));
    ASSERT_EQ(dump(R1C1ShortCellParser::parse(text)), dump(Detail::matchR1C1ShortCell(text)));
    ASSERT_EQ(dump(A1ShortColParser::parse(text)), dump(Detail::matchA1ShortCol(text)));
    ASSERT_EQ(dump(R1C1ShortColParser::parse(text)), dump(Detail::matchR1C1ShortCol(text)));
    ASSERT_EQ(dump(A1ShortRowParser::parse(text)), dump(Detail::matchA1ShortRow(text)));
    ASSERT_EQ(dump(R1C1ShortRowParser::parse(text)), dump(Detail::matchR1C1ShortRow(text)));
    ASSERT_EQ(dump(parseA1ShortRange(text)), dump(Detail::matchA1ShortRange(text)));
    ASSERT_EQ(dump(OXMLRefParser::parse(text)), dump(Detail::matchOXMLRef(text)));
    ASSERT_EQ(dump(OpenFormulaRefParser::parse(text)), dump(Detail::matchOpenFormulaRef(text)));
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
