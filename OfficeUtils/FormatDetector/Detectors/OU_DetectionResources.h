// Locale data the detectors read besides their grammar.
#pragma once

#include <string>
#include <vector>

namespace Vesk::OfficeUtils {

class LocaleContext;

// The month names a typed date may use: the locale provider's long names, then its short names
// (the position mod 12 is the month). A list the provider lacks is replaced by the English one,
// so the built-in contexts with their empty provider read "January" and "Jan".
[[nodiscard]] std::vector<std::string> getDetectorMonthNames(const LocaleContext& locale);

}  // namespace Vesk::OfficeUtils
