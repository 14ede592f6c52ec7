#include "host/DOM/OU_TimeZone.h"

namespace Vesk::DOM {

TimeZone TimeZone::getUTCTimeZone() {
  return TimeZone(0);
}

}  // namespace Vesk::DOM
