// Locale data the detectors read besides their grammar.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Vesk::OfficeUtils {

class LocaleContext;

// The month names a typed date may use, exactly those the shipped grammar accepts, in blocks of
// twelve from January: the provider's long and short names as in a date, then as standing alone
// (where the language inflects them), then the short ones with their trailing dot dropped or
// added; the position mod 12 is the month. Lists that are not twelve long are left out; the
// English long or short names stand for a list the provider lacks, so the built-in contexts with
// their empty provider read "January" and "Jan". A name made only of digits is left empty (a digit
// run is a month number), keeping the positions.
[[nodiscard]] std::vector<std::string> getDetectorMonthNames(const LocaleContext& locale);

// The sign a matched sign text stands for: MinusString ("-") when it holds a hyphen-minus or a
// minus sign (U+2212), whatever bidirectional marks surround it ("\u200E-", "\u2212"),
// otherwise PlusString ("+").
[[nodiscard]] std::string_view readSign(std::string_view signText);

// What a user types for a thousand separator the keyboard lacks: "'" for the right single
// quotation mark U+2019 (1’234 in Switzerland); empty for any other separator.
[[nodiscard]] std::string_view typedThousandSeparator(std::string_view separator);

}  // namespace Vesk::OfficeUtils
