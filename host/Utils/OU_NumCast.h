// Checked numeric conversion: the value or BadNumCastError. A floating value converts to an
// integer by truncation toward zero (2.9 -> 2, -2.9 -> -2) and must fit after truncation.
#pragma once

#include <cmath>
#include <limits>
#include <type_traits>

#include <boost/numeric/conversion/cast.hpp>

#include "host/Utils/OU_Errors.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk {

template <typename Target, typename Source>
Target numCast(Source value) {
  if constexpr (std::is_same_v<Source, FloatNumber>) {
    return numCast<Target>(value.getValue());
  } else if constexpr (std::is_same_v<Target, FloatNumber>) {
    return FloatNumber(numCast<double>(value));
  } else if constexpr (std::is_floating_point_v<Source> && std::is_integral_v<Target>) {
    if (std::isnan(value)) throw BadNumCastError("bad numeric conversion: overflow");
    // long double holds every 64-bit integer exactly, so the bounds are exact.
    const long double truncated = std::trunc(static_cast<long double>(value));
    if (truncated < static_cast<long double>(std::numeric_limits<Target>::lowest()))
      throw BadNumCastError("bad numeric conversion: negative overflow");
    if (truncated > static_cast<long double>(std::numeric_limits<Target>::max()))
      throw BadNumCastError("bad numeric conversion: positive overflow");
    return static_cast<Target>(truncated);
  } else {
    try {
      return boost::numeric_cast<Target>(value);
    } catch (const boost::numeric::bad_numeric_cast& error) {
      throw BadNumCastError(error.what());
    }
  }
}

}  // namespace Vesk
