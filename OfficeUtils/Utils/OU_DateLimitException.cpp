#include "OfficeUtils/Utils/OU_DateLimitException.h"

namespace Vesk::OfficeUtils {

DateLimitException::DateLimitException() : std::logic_error("The date is outside the limit.") {}

}  // namespace Vesk::OfficeUtils
