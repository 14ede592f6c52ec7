// A value shown under a whole number-format code, as a spreadsheet cell displays it: the section
// the value selects, its colour, the digits, fractions, exponents, dates and literals of that
// section, and where the section's fill ("*x") and blanks ("_x") stand so that a host can lay
// the text out in a column.
//
// Section choice. Without explicit conditions: one number section serves every number and a
// negative number gets a leading "-"; with two sections the second takes negative numbers, with
// three the third takes zero, and such a negative section shows the number without its sign
// (the section writes its own). With explicit conditions ("[>=100]") the conditional sections
// are tried in order and the last unconditional number section takes the rest; a negative
// number shown this way gets a leading "-" unless the chosen section holds a literal "-" of its
// own. A number that no section takes is shown in the general display. A negative number that
// rounds to zero in the shown digits is shown without a minus.
//
// Fractions take the best approximation whose denominator has at most as many digits as the
// denominator's placeholders (up to 7), or the fixed denominator ("# ?/16", not reduced); the
// numerator is padded on the left, the denominator on the right; a zero numerator under an
// integer part blanks the fraction to spaces ("5    " for 5 under "# ?/?"). Scientific codes
// take an exponent that is a multiple of the count of integer placeholders ("##0.0E+0" is
// engineering notation).
//
// Numbers are rounded half away from zero on the decimal value that the double shows with 15
// significant digits (2.675 under "0.00" is "2.68"). Dates and times are rounded to the
// precision of the section's seconds ("ss.00": hundredths, otherwise whole seconds) before the
// fields are read; "A/P" shows the first letter of the locale's AM/PM word, and a negative
// number in a date-time section shows its magnitude under the sign rules above. Serials follow
// the library's date-time value (serial 61 is 1900-03-01, 45000 is 2023-03-15). A value that cannot
// be shown (not finite, outside the date range, a percentage or display factor that overflows) is
// shown as the locale's "#NUM!" word.
//
// Text values are shown by the text section with "@" replaced by the text, or unchanged when
// the code has no text section; booleans and errors are shown in the locale's words.
//
// The text is never longer than 16 bytes per byte of the code the expression was parsed from,
// plus 1024, plus a text value's own length: a fill is written once and repeated only by the
// host, and digit counts are bounded by the double range and the code's placeholders.
//
// The renderer only reads the parsed model, so one parsed code serves any number of values and
// threads at once.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <boost/optional.hpp>

#include "host/DOM/OU_CellFormat.h"
#include "host/DOM/OU_CellFormatModel.h"
#include "host/FormulaModel/OU_FormulaValue.h"
#include "host/Utils/OU_Color.h"

namespace Vesk::OfficeUtils {

class LocaleContext;

// A layout instruction inside the rendered text: the bytes [offset, offset + length) hold the
// character x of a "*x" fill (repeat it until the text fills the cell) or of an "_x" blank
// (draw a space as wide as x).
struct RenderMark {
  enum class Kind : std::uint8_t { Fill = 0, Blank = 1 };
  Kind kind;
  std::size_t offset;
  std::size_t length;

  friend bool operator==(const RenderMark&, const RenderMark&) = default;
};

struct RenderedValue {
  std::string text;               // the marks' characters included, once each
  boost::optional<Color> color;   // the chosen section's colour, none without one
  std::vector<RenderMark> marks;  // in text order

  // The text as one line: fills dropped, each blank one space.
  [[nodiscard]] std::string plainText() const;
};

// The value under the parsed code, with words, separators and names from `context` (a
// "[$-407]" section takes its names from the tagged locale). Never throws for a code the parser
// accepted.
[[nodiscard]] RenderedValue formatValue(const Vesk::FormulaModel::FormulaValue& value,
                                        const Vesk::DOM::CellFormatModel::Expression& format,
                                        const LocaleContext& context);
// The same for a number.
[[nodiscard]] RenderedValue formatValue(double value,
                                        const Vesk::DOM::CellFormatModel::Expression& format,
                                        const LocaleContext& context);
// A cell format: an expression as above, a localized date-time format as its code is written
// under `context`.
[[nodiscard]] RenderedValue formatValue(const Vesk::FormulaModel::FormulaValue& value,
                                        const Vesk::DOM::CellFormat& format,
                                        const LocaleContext& context);
// formatValue(...).plainText().
[[nodiscard]] std::string formatValueAsText(const Vesk::FormulaModel::FormulaValue& value,
                                            const Vesk::DOM::CellFormatModel::Expression& format,
                                            const LocaleContext& context);

}  // namespace Vesk::OfficeUtils
