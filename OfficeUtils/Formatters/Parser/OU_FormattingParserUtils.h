// Conversions between the values of bracketed format-code directives ("[>=100]", "[Red]",
// "[Color 12]", "[$€-407]", "[DBNum1]", "B1") and the cell-format model. The tables behind them
// are built once and read-only, so every function may be called from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <boost/optional.hpp>

#include "host/DOM/OU_CellFormatModel.h"
#include "host/Utils/OU_Color.h"

namespace Vesk::OfficeUtils::Parser {

// "<=100", ">= 1.5", "<>-2": an operator, spaces, one number, spaces. The number is read under
// the built-in context of formula dialect 2 (a point as decimal separator); text that is not
// one operator and one number gives none.
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

}  // namespace Vesk::OfficeUtils::Parser
