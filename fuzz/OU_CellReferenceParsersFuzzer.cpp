// The first byte picks one of the eight reference parsers, the rest is the text. Every part a
// parser returns must be a view inside the text, parts that tile the text must rebuild it, and
// each parser must give the same parts as the regular expression that defines its grammar.
#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "OfficeUtils/RegEx/OU_CellReferenceParsersTesting.h"

using namespace Vesk::OfficeUtils;

namespace {

std::string_view input;

void checkInside(std::string_view part) {
  if (part.empty()) return;
  if (part.data() < input.data() || part.data() + part.size() > input.data() + input.size())
    __builtin_trap();
}

void checkSuffix(std::string_view part) {
  if (part.empty() || part.data() + part.size() != input.data() + input.size()) __builtin_trap();
}

// R1C1 numbers hold only a sign and digits.
void checkNumber(std::string_view value) {
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (!(c >= '0' && c <= '9') && !(i == 0 && (c == '+' || c == '-'))) __builtin_trap();
  }
}

void checkCell(const ShortCellParts& p) {
  for (auto part : {p.columnMarker, p.column, p.rowMarker, p.row}) checkInside(part);
}

bool same(const ShortCellParts& a, const ShortCellParts& b) {
  return a.columnMarker == b.columnMarker && a.column == b.column && a.rowMarker == b.rowMarker &&
         a.row == b.row;
}
bool same(const ShortAxisParts& a, const ShortAxisParts& b) {
  return a.marker == b.marker && a.value == b.value;
}
bool same(const ShortRangeParts& a, const ShortRangeParts& b) {
  return same(ShortCellParts{a.firstColumnMarker, a.firstColumn, a.firstRowMarker, a.firstRow},
              ShortCellParts{b.firstColumnMarker, b.firstColumn, b.firstRowMarker, b.firstRow}) &&
         same(ShortCellParts{a.secondColumnMarker, a.secondColumn, a.secondRowMarker, a.secondRow},
              ShortCellParts{b.secondColumnMarker, b.secondColumn, b.secondRowMarker, b.secondRow});
}
bool same(const OXMLRefParts& a, const OXMLRefParts& b) {
  return a.path == b.path && a.workbook == b.workbook && a.firstSheet == b.firstSheet &&
         a.lastSheet == b.lastSheet && a.reference == b.reference;
}
bool same(const OpenFormulaRefParts& a, const OpenFormulaRefParts& b) {
  return a.document == b.document && a.sheet == b.sheet && a.reference == b.reference;
}

// The scanner's result against the pattern's; the patterns backtrack, so only texts of
// reference length are compared.
template <typename Parts>
void checkSame(const boost::optional<Parts>& scanned, const boost::optional<Parts>& matched) {
  if (scanned.has_value() != matched.has_value() || (scanned && !same(*scanned, *matched)))
    __builtin_trap();
}
constexpr std::size_t ComparedLength = 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 65536) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);  // any bytes
  input = text;
  if (text.size() <= ComparedLength) {
    checkSame(A1ShortCellParser::parse(input), Detail::matchA1ShortCell(input));
    checkSame(R1C1ShortCellParser::parse(input), Detail::matchR1C1ShortCell(input));
    checkSame(A1ShortColParser::parse(input), Detail::matchA1ShortCol(input));
    checkSame(R1C1ShortColParser::parse(input), Detail::matchR1C1ShortCol(input));
    checkSame(A1ShortRowParser::parse(input), Detail::matchA1ShortRow(input));
    checkSame(R1C1ShortRowParser::parse(input), Detail::matchR1C1ShortRow(input));
    checkSame(parseA1ShortRange(input), Detail::matchA1ShortRange(input));
    checkSame(OXMLRefParser::parse(input), Detail::matchOXMLRef(input));
    checkSame(OpenFormulaRefParser::parse(input), Detail::matchOpenFormulaRef(input));
  }

  switch (data[0] % 8) {
    case 0:
      if (const auto p = A1ShortCellParser::parse(input)) {
        checkCell(*p);
        const std::string joined = std::string(p->columnMarker) + std::string(p->column) +
                                   std::string(p->rowMarker) + std::string(p->row);
        if (joined != text || p->column.empty() || p->row.empty()) __builtin_trap();
      }
      break;
    case 1:
      if (const auto p = R1C1ShortCellParser::parse(input)) {
        checkCell(*p);
        checkNumber(p->row);
        checkNumber(p->column);
      }
      break;
    case 2:
    case 3:
    case 4:
    case 5: {
      using Parse = boost::optional<ShortAxisParts> (*)(std::string_view);
      const Parse parsers[] = {A1ShortColParser::parse, A1ShortRowParser::parse,
                               R1C1ShortColParser::parse, R1C1ShortRowParser::parse};
      if (const auto p = parsers[data[0] % 8 - 2](input)) {
        checkInside(p->marker);
        checkInside(p->value);
        if (data[0] % 8 < 4 && std::string(p->marker) + std::string(p->value) != text)
          __builtin_trap();
        if (data[0] % 8 >= 4) checkNumber(p->value);
      }
      break;
    }
    case 6:
      if (const auto p = parseA1ShortRange(input)) {
        std::string joined;
        for (auto part : {p->firstColumnMarker, p->firstColumn, p->firstRowMarker, p->firstRow}) {
          checkInside(part);
          joined += part;
        }
        joined += ':';
        for (auto part :
             {p->secondColumnMarker, p->secondColumn, p->secondRowMarker, p->secondRow}) {
          checkInside(part);
          joined += part;
        }
        if (joined != text) __builtin_trap();
      }
      break;
    case 7:
      if (const auto p = OXMLRefParser::parse(input)) {
        for (auto part : {p->path, p->workbook, p->firstSheet, p->lastSheet}) checkInside(part);
        checkSuffix(p->reference);
      }
      if (const auto p = OpenFormulaRefParser::parse(input)) {
        checkInside(p->document);
        checkInside(p->sheet);
        checkSuffix(p->reference);
      }
      // Only the empty text has no reference at all.
      if (!text.empty() && (!OXMLRefParser::parse(input) || !OpenFormulaRefParser::parse(input)))
        __builtin_trap();
      break;
  }
  return 0;
}
