// A fixed offset from UTC, as the host document library hands time zones to the library.
#pragma once

#include <cstdint>

namespace Vesk::DOM {

class TimeZone {
 public:
  // Seconds east of UTC: 3600 for UTC+1, -12600 for UTC-3:30.
  constexpr explicit TimeZone(std::int32_t offsetSeconds = 0) : _offset(offsetSeconds) {}

  [[nodiscard]] constexpr std::int32_t getOffset() const { return _offset; }

  [[nodiscard]] static TimeZone getUTCTimeZone();

  friend constexpr bool operator==(const TimeZone&, const TimeZone&) = default;

 private:
  std::int32_t _offset;
};

}  // namespace Vesk::DOM
