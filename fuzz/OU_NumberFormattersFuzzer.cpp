// Renders a fuzzed double with the general display and under fuzzed digit patterns: no crash,
// finite values read back from the general display, and the fixed pattern's "0"s always show.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/OU_NumberFormatter.h"
#include "OfficeUtils/Formatters/OU_ScientificNumberFormatter.h"
#include "OfficeUtils/Utils/OU_Utils.h"

using namespace Vesk::OfficeUtils;

namespace {

// Placeholders with at most one ".", as a number item stores them.
std::string consumePattern(FuzzedDataProvider& data, std::size_t maxLength) {
  static constexpr char Placeholders[] = {'0', '#', '?', '.'};
  std::string pattern;
  const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, maxLength);
  for (std::size_t i = 0; i < length; ++i) {
    const char c = data.PickValueInArray(Placeholders);
    if (c == '.' && pattern.find('.') != std::string::npos) continue;
    pattern += c;
  }
  return pattern;
}

double consumeValue(FuzzedDataProvider& data) {
  using Limits = std::numeric_limits<double>;
  static constexpr double Special[] = {
      Limits::quiet_NaN(),  Limits::infinity(),    -Limits::infinity(),
      Limits::denorm_min(), -Limits::denorm_min(), Limits::min(),
      Limits::max(),        Limits::lowest(),      -0.0};
  switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      return data.ConsumeFloatingPoint<double>();
    case 1:
      return data.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
    case 2:
      return data.PickValueInArray(Special);
    default:
      return static_cast<double>(data.ConsumeIntegral<std::int32_t>()) / 1000.0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const LocaleContext& context = LocaleContext::getEnLocaleContext();
  const double value = consumeValue(data);
  const auto precision = data.ConsumeIntegralInRange<std::size_t>(0, 20);

  GeneralNumberFormatter general(context);
  general.setPrecisionForScientificMode(precision);
  const std::string text = general(value);
  // Beyond 1e307 the rounded mantissa may overflow the double range ("2E+308").
  if (std::isfinite(value) && std::fabs(value) < 1e307) {
    const auto parsed = stringToDouble(text);
    if (!parsed) __builtin_trap();
    const double tolerance = std::fabs(value) * std::pow(10.0, -static_cast<double>(precision));
    if (std::fabs(*parsed - value) > tolerance) __builtin_trap();
  }

  const bool grouping = data.ConsumeBool();
  FixedNumberFormatter fixed(consumePattern(data, 24), context);
  fixed.setGrouping(grouping);
  const std::string fixedText = getFormatterResultAsString(fixed(value), context);
  if (std::isfinite(value)) {
    // Every "0" placeholder shows a digit (ICU's or the padding's).
    const auto& pattern = fixed.getNumberPattern();
    std::size_t zeros = 0, digits = 0;
    for (const char c : pattern) zeros += c == '0';
    for (const char c : fixedText) digits += c >= '0' && c <= '9';
    if (digits < zeros) __builtin_trap();
  }

  // Non-finite values have no digits to pad: both formatters give the general text.
  if (!std::isfinite(value) && fixedText != general(value)) __builtin_trap();
  ScientificFormatter scientific(consumePattern(data, 12), context);
  scientific.setGrouping(data.ConsumeBool());
  scientific.setAlwaysShowExponentSign(data.ConsumeBool());
  scientific.setExponentPattern(consumePattern(data, 4));
  const auto result = scientific(value);
  if (!std::isfinite(value) && (result.which() != 0 || boost::get<std::string>(result) != text))
    __builtin_trap();
  (void)getFormatterResultAsString(result, context);
  return 0;
}
