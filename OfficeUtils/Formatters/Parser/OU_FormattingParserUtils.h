// Conversions between the values of bracketed format-code directives ("[>=100]", "[Red]",
// "[Color 12]", "[$€-407]", "[DBNum1]", "B1") and the cell-format model, and the writer that
// turns a model back into a code. The tables behind them are built once and read-only, so every
// function may be called from any thread.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include <boost/optional.hpp>
#include <boost/variant.hpp>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/DOM/OU_CellFormatModel.h"
#include "host/Utils/OU_Color.h"

namespace Vesk::OfficeUtils::Parser {

// "<=100", ">= 1.5", "<>-2": an operator, spaces, one number, spaces. The number is read under
// the built-in context of formula dialect 2 (a point as decimal separator); text that is not
// one operator and one finite number ("<1e999" is none) gives none.
[[nodiscard]] boost::optional<Vesk::DOM::CellFormatModel::Condition> stringToCondition(
    const std::string& text);

// A lower-case colour name ("red", as the scanner hands it over) or a palette index from 1 to
// 56 ("12" gives 0,128,0); none for anything else.
[[nodiscard]] boost::optional<Vesk::Color> stringToColor(const std::string& text);

// The reverse lookups, as a format code writes a colour back: the lower-case name of one of the
// eight named colours; the palette index, the lower one for the ten colours that occur twice
// (0,0,255 gives 5, not 32). None when the colour has no name or no index.
[[nodiscard]] boost::optional<std::string_view> colorToName(const Vesk::Color& color);
[[nodiscard]] boost::optional<std::uint32_t> colorToPaletteIndex(const Vesk::Color& color);

// "B1" and "B2", "DBNum1" to "DBNum4" exactly as the scanner spells them; any other text is a
// programming error (assertion), since the scanner yields no other values.
[[nodiscard]] Vesk::DOM::CellFormatModel::Calendar stringToCalendar(const std::string& text);
[[nodiscard]] Vesk::DOM::CellFormatModel::Transliteration stringToTransliteration(
    const std::string& text);

// An LCID in hexadecimal ("409" gives 0x409); none when the text does not start with a
// hexadecimal number or the number is negative or beyond 0x7FFFFFFF.
[[nodiscard]] boost::optional<std::uint32_t> stringToLanguage(const std::string& text);

// The value of "[$...]": "€-407" gives symbol "€" with language 0x407, "USD" the symbol alone.
// Empty pieces between dashes are dropped ("" and "-" give the empty symbol); three pieces, or a
// second piece that is no language, give none.
[[nodiscard]] boost::optional<Vesk::DOM::CellFormatModel::CurrencyItem> stringToCurrency(
    const std::string& text);

// The writer. Each function writes what the parser reads back into the same model, with these
// exceptions, where the model keeps too little of the code:
// - leading empty sections vanish: a section is preceded by ";" only after non-empty text, so
//   ";;;@" writes "@" and ";0" writes "0";
// - a grouped number part starts "#,##" (addGrouping), so "0,0" and "#,#" come back as "###00"
//   and "###" with grouping, the same digits shown;
// - what only a directive or the skipped letter "g" separated runs together: "d[Red]d" and "dgd"
//   write "dd", "s[Red]dd" writes "sdd" (the currency code SDD), "ss[Red]." writes seconds with
//   a point; a language tag that alone parted an integer part from its numerator
//   ("#[$-409]?/?") moves to the front, where the two parts merge into one numerator;
// - a fill or blank of a quote, backslash or bracket ("*\", "_[") changes how the text after it
//   splits into sections.
// Otherwise the written code writes itself again; where items ran together, from the next write.

// The whole code: the rules in order (the first two only under Restricted), then the default
// number rule, then the default text rule, separated by ";".
[[nodiscard]] std::string toRegEx(const Vesk::DOM::CellFormatModel::Expression& expression,
                                  ParserType type);
// One section: condition, colour, transliteration, language and calendar, then the items.
// Under Restricted the quarter, era and week items are left out. A number item shows its
// embedded items between its placeholders, grouping as addGrouping puts it (before the items
// in front of the first placeholder, so "[$€-407]#,##0" keeps its order) and one "," per unit of
// display factor after the last placeholder, past any literal digits that follow it ("01," keeps
// its comma after the "1", where it still divides). A number item whose pattern is empty
// ("1/2" and "1E+0" have one: a literal digit alone is a number part) writes its embedded items,
// with the grouping comma between the first two literal digits, where the parser found it.
[[nodiscard]] std::string toRegEx(const Vesk::DOM::CellFormatModel::Rule& rule,
                                  const ParserType& type);
// The code of a date-time format in the locale's order, separators and clock: the default date
// is "m/d/yyyy" in the built-in locales.
[[nodiscard]] std::string toRegEx(
    const Vesk::DOM::CellFormatModel::DateTimeLocalizedExpression& expression,
    const LocaleContext& context);
// The code of a cell format's content.
[[nodiscard]] std::string toRegEx(
    const boost::variant<Vesk::DOM::CellFormatModel::Expression,
                         Vesk::DOM::CellFormatModel::DateTimeLocalizedExpression>& format,
    ParserType type, const LocaleContext& context);

// "[red]" for a named colour, "[color 23]" for a palette colour without a name (the lower index
// of a colour listed twice), "" for any other colour.
[[nodiscard]] std::string colorToRegEx(const Vesk::Color& color);

// Puts the thousands separator into placeholders: "0.00" -> "#,##0.00", "###0" -> "#,##0",
// "####0" -> "#,###0". The result always starts with "#,##". An empty pattern is a programming
// error (assertion).
void addGrouping(std::string& pattern);

// The components of `items` in `order`, each preceded by the separator of it and the component
// written before it: weekday "dddd", month "m", "mmmm" or "mmm" (variant 0, 1, 2), day "d", year
// "yyyy" or "yy", hour "h", minute "mm", second "ss". A missing separator or an item variant
// without a code throws std::out_of_range ("map::at key not found").
[[nodiscard]] std::string createPatternByTokens(
    const Vesk::DOM::CellFormatModel::DateTimePatternItemSet& items,
    const DateTimeSeparatorsMap& separators,
    std::span<const Vesk::DOM::CellFormatModel::DateTimePatternToken> order);

// The date pattern whose order and separators a localized date uses: Long for a month name with
// day and year, Short for a month name without one of them, Medium otherwise.
[[nodiscard]] DateType getDateTypeByTokenSet(
    const Vesk::DOM::CellFormatModel::DateTimePatternItemSet& items);

}  // namespace Vesk::OfficeUtils::Parser
