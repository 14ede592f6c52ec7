#include "host/Utils/OU_Errors.h"

#include <fmt/format.h>
#include <unicode/utypes.h>

namespace Vesk {

ICUError::ICUError(UErrorCode status)
    : BaseRuntimeError(fmt::format("ICU error: {}", u_errorName(status))), _status(status) {}

}  // namespace Vesk
