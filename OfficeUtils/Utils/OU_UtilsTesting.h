// Test and benchmark hooks of the number-text conversions; not installed with the library.
#pragma once

#include <cstdint>
#include <string>

#include <boost/optional.hpp>

#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils::Detail {

// stringToDouble building its ICU symbols and format afresh for the call, as the cached
// conversions would without their cache: the reference they are measured and tested against.
[[nodiscard]] boost::optional<double> stringToDoubleUncached(const std::string& text,
                                                             const LocaleContext& context);
// The locale-aware conversions with every value read by ICU, as the fast reader must match.
[[nodiscard]] boost::optional<double> stringToDoubleIcu(const std::string& text,
                                                        const LocaleContext& context);
[[nodiscard]] boost::optional<std::int32_t> stringToIntIcu(const std::string& text,
                                                           const LocaleContext& context);
[[nodiscard]] boost::optional<std::int64_t> stringToLongIcu(const std::string& text,
                                                            const LocaleContext& context);
// getCurrencySeparationSymbol reading and lower-casing the symbols list afresh for the call.
[[nodiscard]] std::string getCurrencySeparationSymbolUncached(
    const boost::optional<std::string>& currency, const LocaleContext& context);

}  // namespace Vesk::OfficeUtils::Detail
