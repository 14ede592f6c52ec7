// Thrown when a date-time value would fall outside the serial-number range the library supports.
#pragma once

#include <stdexcept>

namespace Vesk::OfficeUtils {

// what() is "The date is outside the limit.".
class DateLimitException : public std::logic_error {
 public:
  DateLimitException();
};

}  // namespace Vesk::OfficeUtils
