// Reads spreadsheet number-format codes ("#,##0.00;[Red]-#,##0.00;0;@") into the cell-format
// model: conditional rules, a default number rule and a default text rule. Pure functions over
// their arguments; each call owns its scanner, so calls may run on any number of threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <boost/optional.hpp>

#include "host/DOM/OU_CellFormat.h"
#include "host/DOM/OU_CellFormatModel.h"

namespace Vesk::OfficeUtils::Parser {

// The dialect of a code. Restricted is the dialect of files that allow at most two conditional
// sections and no quarter, era or week codes: there "q", "r" and "w" are literal letters.
enum class ParserType : std::uint8_t {
  Default = 0,
  Restricted = 1,
};

// Sections whose condition follows from their position: "0;-0" means "[>0]0;[<0]-0".
inline constexpr std::size_t MaxConditionRulesCount = 2;
// Decimal places of seconds: "ss.000" at most.
inline constexpr std::size_t MaxZeroCount = 3;

// The model of a code, or none when the code is not valid (unbalanced quotes or brackets, an
// unknown bracketed directive, two colours in a section, digits in a date, too many sections,
// text that is not UTF-8 ...). "" gives an expression whose default number rule is empty; "0"
// gives only a default number rule; "0;-0;0;@" gives rules [0, -0], default number rule 0 and
// default text rule @. In a number item "#,##0.00" is the pattern "###0.00" with grouping.
[[nodiscard]] boost::optional<Vesk::DOM::CellFormatModel::Expression> parse(const std::string& code,
                                                                            ParserType type);

// The sections of a code, as views into it: ";" outside double quotes, square brackets and
// after a backslash ends one ("0;\"a;b\";[;]0" has three). None when a quote, bracket or escape
// is left open at the end or a "]" stands outside brackets. A valid code parses into one rule
// per section.
[[nodiscard]] boost::optional<std::vector<std::string_view>> splitSections(std::string_view code);

// The condition that selects rule `ruleIndex` of `expression.getRules()`: the rule's own one, else
// ">= 0" for a single rule, else "> 0" for the first and "< 0" for the second. An index past the
// rules, or a third rule without a condition, is a programming error (assertion).
[[nodiscard]] Vesk::DOM::CellFormatModel::Condition resolveCondition(
    const Vesk::DOM::CellFormatModel::Expression& expression, std::size_t ruleIndex);

// The fixed denominator of a denominator pattern: "16" gives 16; "0", "??" and "?6" give none.
// The pattern is read as a decimal number from its start ("16?" gives 16).
[[nodiscard]] boost::optional<std::uint32_t> calcDenominatorValue(const std::string& pattern);

// What kind of value a cell format shows. The numbers are those of
// DateTimeLocalizedExpression::getFormatType in the host model (4, 5, 6 and 12).
enum class FormatType : std::uint8_t {
  General = 0,     // the single item "General"
  Number = 1,      // digits without percent, or "General" among other items
  Currency = 2,    // a currency without a fill
  Accounting = 3,  // a currency and a fill ("* ")
  Date = 4,        // date items, no time items
  Time = 5,        // time items only
  DateTime = 6,    // date and time items
  Percentage = 7,  // digits and "%"
  Fraction = 8,    // a fraction slash
  Scientific = 9,  // an exponent
  Text = 10,       // the single item "@"
  Other = 12,  // nothing recognisable, sections of different kinds, or a code that does not parse
};

// The English name of a kind ("Number", "DateTime"), for diagnostics; "Unknown" outside the
// enumeration.
[[nodiscard]] const char* formatTypeName(FormatType type);

// "0.00" is Number, "0%" Percentage, "[$€-407]#,##0.00" Currency, "dd.mm.yyyy hh:mm" DateTime.
[[nodiscard]] FormatType calcFormatType(const Vesk::DOM::CellFormatModel::Rule& rule);
// The common kind of the sections: "0;-0;@" is Number, "0;dd.mm.yyyy" Other. A section of kind
// Other takes the kind of the sections after it, but not of those before it; the text section
// counts only when the others give Other.
[[nodiscard]] FormatType calcFormatType(const Vesk::DOM::CellFormatModel::Expression& expression);
[[nodiscard]] FormatType calcFormatType(const Vesk::DOM::CellFormat& format);
// A null format is General.
[[nodiscard]] FormatType calcFormatType(const std::shared_ptr<const Vesk::DOM::CellFormat>& format);
// Parsed with ParserType::Default; a code that does not parse is Other.
[[nodiscard]] FormatType calcFormatType(const std::string& code);

// Facts about a NumberItem pattern ("0", "#", "?" and at most one "."):
// the characters after the first "." ("0.000" -> 3, "0" -> 0).
[[nodiscard]] std::size_t calcDecimalPlaces(const std::string& pattern);
// The character right after the first "." ("0.#0" -> '#'; "0." and "0" -> none).
[[nodiscard]] boost::optional<char> calcFirstDecimalPlaceHolder(const std::string& pattern);
// The "0"s of the integer part, from the first "0" to the first "#", "." or "?": "##0.00" -> 1,
// "#00" -> 2, "0#0" -> 1, "00?" -> 2, "?0" -> 0. Any other character is a programming error
// (assertion "Unexpected cell formatting pattern").
[[nodiscard]] std::size_t calcMinIntegerDigits(const std::string& pattern);
// The pattern length.
[[nodiscard]] std::size_t calcMinExponentDigits(const std::string& pattern);
[[nodiscard]] std::size_t calcMinNumeratorDigits(const std::string& pattern);
[[nodiscard]] std::size_t calcMinDenominatorDigits(const std::string& pattern);

}  // namespace Vesk::OfficeUtils::Parser
