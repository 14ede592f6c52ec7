#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"

#include <initializer_list>
#include <string>

#include <boost/regex.hpp>

namespace Vesk::OfficeUtils {
namespace {

// Building blocks; the sheet limits (1048576 rows, columns A to XFD, 16384 columns) live here.
// Row 1 to 1048576, no leading zero.
constexpr std::string_view RowNumber =
    R"((104857[0-6]|10485[0-6][0-9]|1048[0-4][0-9]{2}|104[0-7][0-9]{3}|10[0-3][0-9]{4}|[1-9][0-9]{0,5}))";
// A to XFD in either case.
constexpr std::string_view ColumnLetters =
    R"(([Xx][Ff][A-Da-d]|[Xx][A-Ea-e][A-Za-z]|[A-Wa-w][A-Za-z]{2}|[A-Za-z]{1,2}))";
// Nothing, or up to 1048576 with leading zeros allowed.
constexpr std::string_view R1C1RowNumber =
    R"((?:104857[0-6]|10485[0-6][0-9]|1048[0-4][0-9]{2}|104[0-7][0-9]{3}|10[0-3][0-9]{4}|[0-9]{0,6}))";
// Up to 16384, leading zeros allowed.
constexpr std::string_view R1C1ColumnNumber =
    R"((?:1638[0-4]|163[0-7][0-9]|16[0-2][0-9]{2}|1[0-5][0-9]{3}|[0-9]{1,4}))";
// Anything but control characters and [ ] \ : / ? *.
constexpr std::string_view SheetName = R"(([^\x00-\x1F\[\]\\:/?*]+))";

std::string concat(std::initializer_list<std::string_view> parts) {
  std::string result;
  for (const auto part : parts) result += part;
  return result;
}

std::string a1Column() {
  return concat({R"(([$]?))", ColumnLetters});
}
std::string a1Row() {
  return concat({R"(([$]?))", RowNumber});
}
std::string a1Cell() {
  return a1Column() + a1Row();
}
std::string r1c1Row() {
  return concat({R"((?:[Rr])(\[?)([+-]?)", R1C1RowNumber, R"(?)(?:\]?))"});
}
std::string r1c1Column() {
  return concat({R"((?:[Cc])(\[?)([+-]?)", R1C1ColumnNumber, R"(?)(?:\]?))"});
}

// Each pattern is compiled on first use and kept for the life of the process.
const boost::regex& a1CellRegex() {
  static const boost::regex regex(a1Cell(), boost::regex::perl);
  return regex;
}
const boost::regex& r1c1CellRegex() {
  static const boost::regex regex(r1c1Row() + r1c1Column(), boost::regex::perl);
  return regex;
}
const boost::regex& a1ColumnRegex() {
  static const boost::regex regex(a1Column(), boost::regex::perl);
  return regex;
}
const boost::regex& r1c1ColumnRegex() {
  static const boost::regex regex(r1c1Column(), boost::regex::perl);
  return regex;
}
const boost::regex& a1RowRegex() {
  static const boost::regex regex(a1Row(), boost::regex::perl);
  return regex;
}
const boost::regex& r1c1RowRegex() {
  static const boost::regex regex(r1c1Row(), boost::regex::perl);
  return regex;
}
const boost::regex& a1RangeRegex() {
  static const boost::regex regex(a1Cell() + ":" + a1Cell(), boost::regex::perl);
  return regex;
}
const boost::regex& oxmlRefRegex() {
  // Group 1 is the optional opening quote, which \1 requires again before "!".
  static const boost::regex regex(concat({R"((?:('?)(?:([^\[]*)\[([^\]]+)\])?)", SheetName,
                                          R"(?(?::)", SheetName, R"()?\1!)?(.+))"}),
                                  boost::regex::perl);
  return regex;
}
const boost::regex& openFormulaRefRegex() {
  // Group 2 is the optional quote around the sheet name.
  static const boost::regex regex(
      concat({R"((?:'([^#]+)'#)?(?:\$?('?))", SheetName, R"(?\2\.)?(.+))"}), boost::regex::perl);
  return regex;
}

// Matches the whole text into a per-thread match record (reusing its storage saves about a
// fifth of a short match); null when the text does not match. Boost gives up on matches whose
// backtracking exceeds its state limit by throwing; such a text is no reference either.
const boost::cmatch* fullMatch(std::string_view text, const boost::regex& regex) {
  if (text.empty()) return nullptr;
  thread_local boost::cmatch match;
  try {
    if (!boost::regex_match(text.data(), text.data() + text.size(), match, regex)) return nullptr;
  } catch (const std::runtime_error&) {
    return nullptr;
  }
  return &match;
}

// The text of a group; a group that took no part is an empty view.
std::string_view group(const boost::cmatch& match, int index) {
  const auto& sub = match[index];
  if (!sub.matched) return {};
  return {sub.first, static_cast<std::size_t>(sub.second - sub.first)};
}

boost::optional<ShortAxisParts> parseAxis(std::string_view text, const boost::regex& regex) {
  const auto* match = fullMatch(text, regex);
  if (!match) return boost::none;
  return ShortAxisParts{group(*match, 1), group(*match, 2)};
}

}  // namespace

boost::optional<ShortCellParts> A1ShortCellParser::parse(std::string_view text) {
  const auto* match = fullMatch(text, a1CellRegex());
  if (!match) return boost::none;
  return ShortCellParts{group(*match, 1), group(*match, 2), group(*match, 3), group(*match, 4)};
}

boost::optional<ShortCellParts> R1C1ShortCellParser::parse(std::string_view text) {
  const auto* match = fullMatch(text, r1c1CellRegex());
  if (!match) return boost::none;
  // The row comes first in R1C1 text.
  return ShortCellParts{group(*match, 3), group(*match, 4), group(*match, 1), group(*match, 2)};
}

boost::optional<ShortAxisParts> A1ShortColParser::parse(std::string_view text) {
  return parseAxis(text, a1ColumnRegex());
}

boost::optional<ShortAxisParts> R1C1ShortColParser::parse(std::string_view text) {
  return parseAxis(text, r1c1ColumnRegex());
}

boost::optional<ShortAxisParts> A1ShortRowParser::parse(std::string_view text) {
  return parseAxis(text, a1RowRegex());
}

boost::optional<ShortAxisParts> R1C1ShortRowParser::parse(std::string_view text) {
  return parseAxis(text, r1c1RowRegex());
}

boost::optional<ShortRangeParts> parseA1ShortRange(std::string_view text) {
  const auto* match = fullMatch(text, a1RangeRegex());
  if (!match) return boost::none;
  return ShortRangeParts{group(*match, 1), group(*match, 2), group(*match, 3), group(*match, 4),
                         group(*match, 5), group(*match, 6), group(*match, 7), group(*match, 8)};
}

boost::optional<OXMLRefParts> OXMLRefParser::parse(std::string_view text) {
  const auto* match = fullMatch(text, oxmlRefRegex());
  if (!match) return boost::none;
  return OXMLRefParts{group(*match, 2), group(*match, 3), group(*match, 4), group(*match, 5),
                      group(*match, 6)};
}

boost::optional<OpenFormulaRefParts> OpenFormulaRefParser::parse(std::string_view text) {
  const auto* match = fullMatch(text, openFormulaRefRegex());
  if (!match) return boost::none;
  return OpenFormulaRefParts{group(*match, 1), group(*match, 3), group(*match, 4)};
}

}  // namespace Vesk::OfficeUtils
