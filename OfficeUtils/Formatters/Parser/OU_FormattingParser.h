// Reads spreadsheet number-format codes ("#,##0.00;[Red]-#,##0.00;0;@") into the cell-format
// model: conditional rules, a default number rule and a default text rule. Pure functions over
// their arguments; each call owns its scanner, so calls may run on any number of threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <boost/optional.hpp>

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

// The condition that selects rule `ruleIndex` of `expression.getRules()`: the rule's own one, else
// ">= 0" for a single rule, else "> 0" for the first and "< 0" for the second. An index past the
// rules, or a third rule without a condition, is a programming error (assertion).
[[nodiscard]] Vesk::DOM::CellFormatModel::Condition resolveCondition(
    const Vesk::DOM::CellFormatModel::Expression& expression, std::size_t ruleIndex);

// The fixed denominator of a denominator pattern: "16" gives 16; "0", "??" and "?6" give none.
// The pattern is read as a decimal number from its start ("16?" gives 16).
[[nodiscard]] boost::optional<std::uint32_t> calcDenominatorValue(const std::string& pattern);

}  // namespace Vesk::OfficeUtils::Parser
