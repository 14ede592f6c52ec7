#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"

#include <initializer_list>
#include <string>

#include <boost/regex.hpp>

#include "OfficeUtils/RegEx/OU_CellReferenceParsersTesting.h"

namespace Vesk::OfficeUtils {
namespace {

// The grammar of each reference as a full-match regular expression: the definition that the
// hand-written scanners below follow, and the reference they are tested against. Building blocks;
// the sheet limits (1048576 rows, columns A to XFD, 16384 columns) live here. Row 1 to 1048576, no
// leading zero.
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

namespace Detail {

boost::optional<ShortCellParts> matchA1ShortCell(std::string_view text) {
  const auto* match = fullMatch(text, a1CellRegex());
  if (!match) return boost::none;
  return ShortCellParts{group(*match, 1), group(*match, 2), group(*match, 3), group(*match, 4)};
}

boost::optional<ShortCellParts> matchR1C1ShortCell(std::string_view text) {
  const auto* match = fullMatch(text, r1c1CellRegex());
  if (!match) return boost::none;
  // The row comes first in R1C1 text.
  return ShortCellParts{group(*match, 3), group(*match, 4), group(*match, 1), group(*match, 2)};
}

boost::optional<ShortAxisParts> matchA1ShortCol(std::string_view text) {
  return parseAxis(text, a1ColumnRegex());
}

boost::optional<ShortAxisParts> matchR1C1ShortCol(std::string_view text) {
  return parseAxis(text, r1c1ColumnRegex());
}

boost::optional<ShortAxisParts> matchA1ShortRow(std::string_view text) {
  return parseAxis(text, a1RowRegex());
}

boost::optional<ShortAxisParts> matchR1C1ShortRow(std::string_view text) {
  return parseAxis(text, r1c1RowRegex());
}

boost::optional<ShortRangeParts> matchA1ShortRange(std::string_view text) {
  const auto* match = fullMatch(text, a1RangeRegex());
  if (!match) return boost::none;
  return ShortRangeParts{group(*match, 1), group(*match, 2), group(*match, 3), group(*match, 4),
                         group(*match, 5), group(*match, 6), group(*match, 7), group(*match, 8)};
}

boost::optional<OXMLRefParts> matchOXMLRef(std::string_view text) {
  const auto* match = fullMatch(text, oxmlRefRegex());
  if (!match) return boost::none;
  return OXMLRefParts{group(*match, 2), group(*match, 3), group(*match, 4), group(*match, 5),
                      group(*match, 6)};
}

boost::optional<OpenFormulaRefParts> matchOpenFormulaRef(std::string_view text) {
  const auto* match = fullMatch(text, openFormulaRefRegex());
  if (!match) return boost::none;
  return OpenFormulaRefParts{group(*match, 1), group(*match, 3), group(*match, 4)};
}

}  // namespace Detail

// The scanners: the grammars above, written out. Each pattern is deterministic except the two
// prefix patterns, whose backtracking order is followed choice by choice (see scanOXMLPrefix), so
// every scanner gives the same parts as its pattern in one or a few linear passes.
namespace {

constexpr std::size_t None = std::string_view::npos;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
char upper(char c) {
  return static_cast<char>(c & ~0x20);
}

// The view of text[from, to).
std::string_view span(std::string_view text, std::size_t from, std::size_t to) {
  return {text.data() + from, to - from};
}

std::size_t digitsEnd(std::string_view text, std::size_t i) {
  while (i < text.size() && isDigit(text[i])) ++i;
  return i;
}

// A digit run read as a number, or None past `limit` or past seven digits.
std::size_t digitsValue(std::string_view digits, std::size_t limit) {
  if (digits.size() > 7) return None;
  std::size_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::size_t>(c - '0');
  return value <= limit ? value : None;
}

// An A1 column ("$XFD") or row ("$1048576") from `i`, which moves past it.
bool scanA1Axis(std::string_view text, std::size_t& i, bool column, ShortAxisParts& parts) {
  const std::size_t markerStart = i;
  if (i < text.size() && text[i] == '$') ++i;
  parts.marker = span(text, markerStart, i);
  const std::size_t start = i;
  if (column) {
    while (i < text.size() && isLetter(text[i]) && i - start < 4) ++i;
    const std::size_t count = i - start;
    if (count == 0 || count > 3) return false;
    if (count == 3) {
      const char a = upper(text[start]), b = upper(text[start + 1]), c = upper(text[start + 2]);
      if (a > 'X' || (a == 'X' && (b > 'F' || (b == 'F' && c > 'D')))) return false;
    }
  } else {
    // 1 to 1048576 without a leading zero, read in the same pass.
    std::size_t row = 0;
    for (; i < text.size() && isDigit(text[i]) && i - start < 8; ++i)
      row = row * 10 + static_cast<std::size_t>(text[i] - '0');
    if (i == start || text[start] == '0' || row > 1048576 || (i < text.size() && isDigit(text[i])))
      return false;
  }
  parts.value = span(text, start, i);
  return true;
}

bool scanA1Cell(std::string_view text, std::size_t& i, ShortCellParts& parts) {
  ShortAxisParts column, row;
  if (!scanA1Axis(text, i, true, column) || !scanA1Axis(text, i, false, row)) return false;
  parts = {column.marker, column.value, row.marker, row.value};
  return true;
}

// An R1C1 row ("R[-12]") or column ("C5") from `i`, which moves past it: the letter, an optional
// "[", an optional sign, a number that may be missing, an optional "]".
bool scanR1C1Axis(std::string_view text, std::size_t& i, char letter, ShortAxisParts& parts) {
  if (i >= text.size() || upper(text[i]) != letter) return false;
  const std::size_t markerStart = ++i;
  if (i < text.size() && text[i] == '[') ++i;
  parts.marker = span(text, markerStart, i);
  const std::size_t valueStart = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digitsStart = i;
  i = digitsEnd(text, i);
  const auto digits = span(text, digitsStart, i);
  // Rows: any six digits, or seven up to 1048576; columns: any four, or five up to 16384.
  const std::size_t freeDigits = letter == 'R' ? 6 : 4;
  if (digits.size() > freeDigits && (digits.size() > freeDigits + 1 || digits[0] != '1' ||
                                     digitsValue(digits, letter == 'R' ? 1048576 : 16384) == None))
    return false;
  parts.value = span(text, valueStart, i);
  if (i < text.size() && text[i] == ']') ++i;
  return true;
}

template <typename Scan>
boost::optional<ShortAxisParts> scanWholeAxis(std::string_view text, Scan scan) {
  ShortAxisParts parts;
  std::size_t i = 0;
  if (text.empty() || !scan(text, i, parts) || i != text.size()) return boost::none;
  return parts;
}

// A character of a sheet name: anything but control characters and [ ] \ : / ? *.
bool isSheetChar(char c) {
  switch (c) {
    case '[':
    case ']':
    case '\\':
    case ':':
    case '/':
    case '?':
    case '*':
      return false;
    default:
      return static_cast<unsigned char>(c) >= 0x20;
  }
}

std::size_t sheetEnd(std::string_view text, std::size_t i) {
  while (i < text.size() && isSheetChar(text[i])) ++i;
  return i;
}

// A sheet name that may run to any point of text[from, to) before the prefix's end mark ("!" or
// "."), after a closing quote when the prefix opened one, with some reference left after it:
// the last such point, as the greedy pattern finds it first, or None. Quotes and marks are
// themselves sheet characters, so the name may hold them.
std::size_t lastSheetEnd(std::string_view text, std::size_t from, std::size_t to, bool quoted,
                         char mark) {
  const std::size_t closing = quoted ? 2 : 1;
  for (std::size_t p = to; p-- > from;) {
    if (p + closing >= text.size()) continue;
    if (quoted ? text[p] == '\'' && text[p + 1] == mark : text[p] == mark) return p;
  }
  return None;
}

// "[path][workbook]first:last!" with the given opening: quoted or not, with the bracketed
// workbook or without. The workbook part has one possible extent (path to the first "[",
// workbook to the next "]"); then the greedy first sheet takes its whole run, trying a last
// sheet after a ":" there, before it gives back one character at a time.
boost::optional<OXMLRefParts> scanOXMLPrefix(std::string_view text, bool quoted, bool workbook) {
  OXMLRefParts parts;
  std::size_t i = quoted ? 1 : 0;
  if (workbook) {
    const std::size_t open = text.find('[', i);
    if (open == None) return boost::none;
    const std::size_t close = text.find(']', open + 1);
    if (close == None || close == open + 1) return boost::none;
    parts.path = span(text, i, open);
    parts.workbook = span(text, open + 1, close);
    i = close + 1;
  }
  const std::size_t firstEnd = sheetEnd(text, i);
  const std::size_t closing = quoted ? 2 : 1;
  if (firstEnd < text.size() && text[firstEnd] == ':') {
    const std::size_t lastEnd = sheetEnd(text, firstEnd + 1);
    if (const auto p = lastSheetEnd(text, firstEnd + 2, lastEnd, quoted, '!'); p != None) {
      parts.firstSheet = span(text, i, firstEnd);
      parts.lastSheet = span(text, firstEnd + 1, p);
      parts.reference = text.substr(p + closing);
      return parts;
    }
  }
  const auto p = lastSheetEnd(text, i, firstEnd, quoted, '!');
  if (p == None) return boost::none;
  parts.firstSheet = span(text, i, p);
  parts.reference = text.substr(p + closing);
  return parts;
}

// "$'sheet'." from `start`, dollar and quote each tried taken before left out.
boost::optional<OpenFormulaRefParts> scanOpenFormulaSheet(std::string_view text,
                                                          std::size_t start) {
  for (const bool dollar : {true, false}) {
    if (dollar && (start >= text.size() || text[start] != '$')) continue;
    const std::size_t afterDollar = start + dollar;
    for (const bool quoted : {true, false}) {
      if (quoted && (afterDollar >= text.size() || text[afterDollar] != '\'')) continue;
      const std::size_t nameStart = afterDollar + quoted;
      const auto p = lastSheetEnd(text, nameStart, sheetEnd(text, nameStart), quoted, '.');
      if (p != None)
        return OpenFormulaRefParts{{}, span(text, nameStart, p), text.substr(p + 1 + quoted)};
    }
  }
  if (start >= text.size()) return boost::none;
  return OpenFormulaRefParts{{}, {}, text.substr(start)};
}

}  // namespace

boost::optional<ShortCellParts> A1ShortCellParser::parse(std::string_view text) {
  ShortCellParts parts;
  std::size_t i = 0;
  if (!scanA1Cell(text, i, parts) || i != text.size()) return boost::none;
  return parts;
}

boost::optional<ShortCellParts> R1C1ShortCellParser::parse(std::string_view text) {
  ShortAxisParts row, column;
  std::size_t i = 0;
  if (!scanR1C1Axis(text, i, 'R', row) || !scanR1C1Axis(text, i, 'C', column) || i != text.size())
    return boost::none;
  return ShortCellParts{column.marker, column.value, row.marker, row.value};
}

boost::optional<ShortAxisParts> A1ShortColParser::parse(std::string_view text) {
  return scanWholeAxis(text, [](auto t, auto& i, auto& p) { return scanA1Axis(t, i, true, p); });
}

boost::optional<ShortAxisParts> R1C1ShortColParser::parse(std::string_view text) {
  return scanWholeAxis(text, [](auto t, auto& i, auto& p) { return scanR1C1Axis(t, i, 'C', p); });
}

boost::optional<ShortAxisParts> A1ShortRowParser::parse(std::string_view text) {
  return scanWholeAxis(text, [](auto t, auto& i, auto& p) { return scanA1Axis(t, i, false, p); });
}

boost::optional<ShortAxisParts> R1C1ShortRowParser::parse(std::string_view text) {
  return scanWholeAxis(text, [](auto t, auto& i, auto& p) { return scanR1C1Axis(t, i, 'R', p); });
}

boost::optional<ShortRangeParts> parseA1ShortRange(std::string_view text) {
  ShortCellParts first, second;
  std::size_t i = 0;
  if (!scanA1Cell(text, i, first) || i >= text.size() || text[i] != ':' ||
      !scanA1Cell(text, ++i, second) || i != text.size())
    return boost::none;
  return ShortRangeParts{first.columnMarker,  first.column,  first.rowMarker,  first.row,
                         second.columnMarker, second.column, second.rowMarker, second.row};
}

boost::optional<OXMLRefParts> OXMLRefParser::parse(std::string_view text) {
  if (text.empty()) return boost::none;
  for (const bool quoted : {true, false}) {
    if (quoted && text[0] != '\'') continue;
    for (const bool workbook : {true, false}) {
      if (auto parts = scanOXMLPrefix(text, quoted, workbook)) return parts;
    }
  }
  OXMLRefParts parts;
  parts.reference = text;
  return parts;
}

boost::optional<OpenFormulaRefParts> OpenFormulaRefParser::parse(std::string_view text) {
  if (text.empty()) return boost::none;
  // "'document'#": the document runs to the first "#", which a quote must precede.
  const std::size_t hash = text[0] == '\'' ? text.find('#', 1) : None;
  if (hash != None && hash >= 3 && text[hash - 1] == '\'') {
    if (auto parts = scanOpenFormulaSheet(text, hash + 1)) {
      parts->document = span(text, 1, hash - 1);
      return parts;
    }
  }
  return scanOpenFormulaSheet(text, 0);
}
}  // namespace Vesk::OfficeUtils
