// Reading a locale's date and time patterns through the format-code parser: the order and
// separators of a date pattern, the clock and separator of a time pattern, and separators made
// safe for codes. Apart from the resources' value type, so that it does not include the parser.
#pragma once

#include <string>

#include <boost/optional.hpp>

#include "OfficeUtils/Formatting/OU_FormattingResources.h"
#include "host/DOM/OU_CellFormatModel.h"

namespace Vesk::OfficeUtils {

// The order and separators of a date pattern. The order comes from the first day, month or
// year; separators the pattern does not show are taken from the other separator or from
// `defaults` (all of them when the pattern does not parse).
[[nodiscard]] DateProps parseDateProps(const std::string& pattern, const DateProps& defaults);

// The 12-hour flag and the first text between two time components (or after the only one);
// ":" when there is none.
[[nodiscard]] TimeProps parseTimeProps(const std::string& pattern);

// A separator ready for a format code: quoted when it holds an escape symbol or reads as
// anything but literal text ("h" is quoted, "." and ", " are not).
[[nodiscard]] std::string makeSeparatorSafe(const std::string& separator);

// The default number rule of `code` when that is all the code holds: "0.00" gives its rule;
// "0;-0", "0;@" and invalid codes give none.
[[nodiscard]] boost::optional<Vesk::DOM::CellFormatModel::Rule>
getExclusiveDefaultNumberRuleFromPattern(std::string code);

}  // namespace Vesk::OfficeUtils
