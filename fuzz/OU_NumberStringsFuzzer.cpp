// The first byte picks the decimal separator of the locale (point or comma); the rest is the
// text, any bytes. parseNumber's parts must be views that tile the text, the conversions must
// accept exactly what it splits, the integer conversions must agree with the double one, and the
// fast reader must answer as ICU, bit for bit.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include <boost/optional.hpp>

#include "OfficeUtils/RegEx/OU_NumberRegex.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"
#include "host/Utils/OU_Errors.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"

using namespace Vesk::OfficeUtils;

namespace {

bool inside(std::string_view part, std::string_view text) {
  return part.empty() ||
         (part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size());
}

// The integer conversion gives the truncated double when that fits, and only a range error
// otherwise; a text that is not a number gives none.
// A conversion's answer: the value's bits, none, or a range error.
template <typename Convert>
std::pair<int, std::uint64_t> answerOf(Convert convert) {
  try {
    const auto value = convert();
    if (!value) return {0, 0};
    if constexpr (std::is_floating_point_v<std::decay_t<decltype(*value)>>) {
      return {1, std::bit_cast<std::uint64_t>(*value)};
    } else {
      return {1, static_cast<std::uint64_t>(*value)};
    }
  } catch (const Vesk::BadNumCastError&) {
    return {2, 0};
  }
}

template <typename Integer, typename Convert>
void checkInteger(const std::string& text, const LocaleContext& context,
                  const boost::optional<double>& asDouble, Convert convert) {
  boost::optional<Integer> value;
  bool rangeError = false;
  try {
    value = convert(text, context);
  } catch (const Vesk::BadNumCastError&) {  // documented for values outside the type
    rangeError = true;
  }
  if (!asDouble) {
    if (value || rangeError) __builtin_trap();
    return;
  }
  const double truncated = std::trunc(*asDouble);
  // Beyond 2^53 the double has rounded what the integer conversion reads exactly.
  if (std::fabs(truncated) >= 9007199254740992.0 && sizeof(Integer) == 8) {
    if (value && std::fabs(static_cast<double>(*value) - truncated) > 1e-15 * std::fabs(truncated))
      __builtin_trap();
    return;
  }
  const bool fits = std::isfinite(truncated) &&
                    truncated >= static_cast<double>(std::numeric_limits<Integer>::lowest()) &&
                    truncated < -static_cast<double>(std::numeric_limits<Integer>::lowest());
  if (fits != static_cast<bool>(value) || fits == rangeError) __builtin_trap();
  if (value && static_cast<double>(*value) != truncated) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Up to 64 KB: the conversions refuse texts longer than any number before reading digits.
  if (size < 1 || size > 65536) return 0;
  const LocaleContext& context =
      data[0] % 2 == 0 ? LocaleContext::getEnLocaleContext() : Testing::commaContext();
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view input(text);

  const auto parts = parseNumber(input, context);
  const auto asDouble = stringToDouble(text, context);
  // Past MaxNumberTextLength a number that splits is refused unread.
  const bool readable = parts && text.size() <= MaxNumberTextLength;
  if (readable != asDouble.has_value()) __builtin_trap();
  if (parts) {
    for (auto part : {parts->sign, parts->number, parts->exponent, parts->exponentLiteral})
      if (!inside(part, input)) __builtin_trap();
    if (parts->numberPosition != parts->sign.size() ||
        std::string(parts->sign) + std::string(parts->number) + std::string(parts->exponent) !=
            text ||
        parts->exponent.substr(0, parts->exponentLiteral.size()) != parts->exponentLiteral)
      __builtin_trap();
  }
  if (asDouble) {
    if (std::isnan(*asDouble)) __builtin_trap();
    const auto number = stringToFloatNumber(text, context);
    if (!number || std::signbit(number->getValue()) != (*asDouble < 0)) __builtin_trap();
  }
  checkInteger<std::int32_t>(
      text, context, asDouble,
      [](const std::string& t, const LocaleContext& c) { return stringToInt(t, c); });
  checkInteger<std::int64_t>(
      text, context, asDouble,
      [](const std::string& t, const LocaleContext& c) { return stringToLong(t, c); });

  if (answerOf([&] { return asDouble; }) !=
          answerOf([&] { return Detail::stringToDoubleIcu(text, context); }) ||
      answerOf([&] { return stringToInt(text, context); }) !=
          answerOf([&] { return Detail::stringToIntIcu(text, context); }) ||
      answerOf([&] { return stringToLong(text, context); }) !=
          answerOf([&] { return Detail::stringToLongIcu(text, context); }))
    __builtin_trap();

  // The locale-free flavour reads anything without failing.
  (void)stringToInt(text);
  (void)stringToDouble(text);
  (void)stringToSizeT(text);
  return 0;
}
