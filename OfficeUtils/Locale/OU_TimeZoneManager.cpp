#include "OfficeUtils/Locale/OU_TimeZoneManager.h"

namespace Vesk::OfficeUtils {

TimeZoneManager::TimeZoneManager(Vesk::DOM::TimeZone timeZone) : _timeZone(timeZone) {}

void TimeZoneManager::setApplicationTimeZone(Vesk::DOM::TimeZone timeZone) {
  _timeZone = timeZone;
}

}  // namespace Vesk::OfficeUtils
