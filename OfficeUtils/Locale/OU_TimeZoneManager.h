// The application time zone of a locale context: the zone that "now" and date-time rendering
// use. Not synchronised; change it only while no other thread reads it.
#pragma once

#include "host/DOM/OU_TimeZone.h"

namespace Vesk::OfficeUtils {

class TimeZoneManager {
 public:
  explicit TimeZoneManager(Vesk::DOM::TimeZone timeZone);

  [[nodiscard]] const Vesk::DOM::TimeZone& getApplicationTimeZone() const { return _timeZone; }
  void setApplicationTimeZone(Vesk::DOM::TimeZone timeZone);

 private:
  Vesk::DOM::TimeZone _timeZone;
};

}  // namespace Vesk::OfficeUtils
