// Complex numbers written under a locale: any two doubles (NaN, infinities, subnormals and the
// largest ones included) and either unit letter. Finite parts give a non-empty text ending in
// the letter when the imaginary part is not zero; a non-finite part gives the "#NUM!"
// formula exception and nothing else.
#include "OfficeUtils/Formulas/OU_ComplexNumber.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "host/FormulaModel/OU_FormulaValue.h"

using namespace Vesk::OfficeUtils;

namespace {

double consumeValue(FuzzedDataProvider& data) {
  using Limits = std::numeric_limits<double>;
  static constexpr double Special[] = {Limits::quiet_NaN(),
                                       Limits::infinity(),
                                       -Limits::infinity(),
                                       Limits::denorm_min(),
                                       -Limits::denorm_min(),
                                       Limits::min(),
                                       Limits::max(),
                                       Limits::lowest(),
                                       -0.0,
                                       0.0,
                                       1.0,
                                       -1.0};
  switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0:
      return data.ConsumeFloatingPoint<double>();
    case 1:
      return data.PickValueInArray(Special);
    default:
      return static_cast<double>(data.ConsumeIntegral<std::int16_t>()) / 8.0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const auto type = static_cast<Vesk::DOM::FormulaType>(data.ConsumeIntegralInRange(0, 3));
  const LocaleContext& context = LocaleContext::getDefaultLocaleContext(type);
  const double real = consumeValue(data);
  const double imaginary = consumeValue(data);
  const auto letter = data.ConsumeIntegralInRange(0, 2);
  const ImaginarySuffix suffix =
      letter == 2 ? ImaginarySuffix()
                  : ImaginarySuffix(static_cast<ImaginarySuffix::Suffix>(letter));
  const ComplexNumber number(Vesk::FloatNumber(real), Vesk::FloatNumber(imaginary), suffix);
  const bool finite = std::isfinite(real) && std::isfinite(imaginary);
  try {
    const std::string text = number.toString(context);
    if (!finite || text.empty()) __builtin_trap();
    if (imaginary != 0.0 && text.back() != suffix.toChar()) __builtin_trap();
  } catch (const Vesk::FormulaModel::FormulaException&) {
    if (finite) __builtin_trap();
  }
  return 0;
}
