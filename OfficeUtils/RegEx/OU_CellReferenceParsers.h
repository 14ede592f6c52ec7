// Splits cell-reference text ("$B$7", "R[-1]C2", "'[Book.xlsx]Sheet 1'!A1") into its parts for
// the formula engine, converting and resolving nothing. Results are views into the caller's text,
// which must outlive them; a part that is absent is an empty view. Safe to call from any thread.
#pragma once

#include <string_view>

#include <boost/optional.hpp>

namespace Vesk::OfficeUtils {

// A1: each marker is "$" (absolute) or empty. R1C1: each marker is "[" (relative offset) or empty.
struct ShortCellParts {
  std::string_view columnMarker;
  std::string_view column;
  std::string_view rowMarker;
  std::string_view row;
};

struct ShortAxisParts {
  std::string_view marker;
  std::string_view value;
};

struct ShortRangeParts {
  std::string_view firstColumnMarker;
  std::string_view firstColumn;
  std::string_view firstRowMarker;
  std::string_view firstRow;
  std::string_view secondColumnMarker;
  std::string_view secondColumn;
  std::string_view secondRowMarker;
  std::string_view secondRow;
};

// "[path][workbook]first:last!reference", every prefix part optional.
struct OXMLRefParts {
  std::string_view path;
  std::string_view workbook;
  std::string_view firstSheet;
  std::string_view lastSheet;
  std::string_view reference;
};

// "'document'#$sheet.reference", every prefix part optional.
struct OpenFormulaRefParts {
  std::string_view document;
  std::string_view sheet;
  std::string_view reference;
};

// Each parser matches the whole text; anything else (an empty text included) gives none.

class A1ShortCellParser {
 public:
  // "a1" and "$XFD$1048576" give parts; "A01", "A0", "XFE1" and "A1048577" give none.
  [[nodiscard]] static boost::optional<ShortCellParts> parse(std::string_view text);
};

class R1C1ShortCellParser {
 public:
  // "R[-1]C2" gives row marker "[", row "-1", no column marker, column "2". Brackets are each
  // optional ("R[2C3" is accepted) and a missing number is an empty view ("RC", "R[]C[]"), which
  // callers read as offset 0. Rows go up to 1048576, columns up to 16384, leading zeros allowed.
  [[nodiscard]] static boost::optional<ShortCellParts> parse(std::string_view text);
};

class A1ShortColParser {
 public:
  // "$B" gives "$" and "B"; "xfd" is the last column.
  [[nodiscard]] static boost::optional<ShortAxisParts> parse(std::string_view text);
};

class R1C1ShortColParser {
 public:
  // "C[-2]" gives "[" and "-2"; "C" gives two empty views.
  [[nodiscard]] static boost::optional<ShortAxisParts> parse(std::string_view text);
};

class A1ShortRowParser {
 public:
  // "$7" gives "$" and "7"; "07" and "0" give none.
  [[nodiscard]] static boost::optional<ShortAxisParts> parse(std::string_view text);
};

class R1C1ShortRowParser {
 public:
  // "R[3]" gives "[" and "3"; "R" gives two empty views.
  [[nodiscard]] static boost::optional<ShortAxisParts> parse(std::string_view text);
};

// "A1:$B$2"; both cells as for A1ShortCellParser, so "A1:B" gives none.
[[nodiscard]] boost::optional<ShortRangeParts> parseA1ShortRange(std::string_view text);

class OXMLRefParser {
 public:
  // "'[Book1.xlsx]Sheet 1'!A1" gives workbook "Book1.xlsx", first sheet "Sheet 1", reference "A1";
  // "Sheet1:Sheet3!A1:B2" gives two sheets. A quote opened before the prefix must close before
  // "!". Text without a valid prefix is all reference ("Sheet1!" gives reference "Sheet1!").
  [[nodiscard]] static boost::optional<OXMLRefParts> parse(std::string_view text);
};

class OpenFormulaRefParser {
 public:
  // "'file:///x.ods'#$Sheet1.A1" gives document "file:///x.ods", sheet "Sheet1", reference "A1";
  // "$'My Sheet'.B2" gives sheet "My Sheet". Text without a valid prefix is all reference.
  [[nodiscard]] static boost::optional<OpenFormulaRefParts> parse(std::string_view text);
};

}  // namespace Vesk::OfficeUtils
