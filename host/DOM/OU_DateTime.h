// A date and time of day as the host document library stores it: calendar fields to the second,
// in a time zone. A plain value; the fields are not checked.
#pragma once

#include <cstdint>

#include "host/DOM/OU_TimeZone.h"

namespace Vesk::DOM {

struct DateTime {
  std::uint16_t year = 1;
  std::uint8_t month = 1;  // 1 to 12
  std::uint8_t day = 1;    // 1 to 31
  std::uint8_t hours = 0;  // 0 to 23
  std::uint8_t minutes = 0;
  std::uint8_t seconds = 0;
  TimeZone timeZone;

  friend constexpr bool operator==(const DateTime&, const DateTime&) = default;
};

}  // namespace Vesk::DOM
