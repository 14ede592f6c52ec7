// Every cast of a formula string of arbitrary bytes, under en_US or de_DE: the first byte picks
// the locale and the cast modes, the rest is the text. A cast gives a value or throws the
// formula exception, nothing else; the casts that keep text keep it byte for byte, a number read
// from text is finite, and the error-or-boolean cast agrees with the error cast.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"
#include "OfficeUtils/Formulas/OU_FormulaValueCast.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"

using namespace Vesk::OfficeUtils;
using Mode = FormulaValueCast::CastMode;

namespace {

struct Locale {
  explicit Locale(const char* name)
      : provider(makeLocaleProvider(name)),
        manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone()),
        format(manager.getLocaleContext()) {}
  std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
  LocaleManager manager;
  FormatContext format;
};

const Locale& locale(bool german) {
  static const Locale en("en_US"), de("de_DE");
  return german ? de : en;
}

// Runs `cast`; a formula exception is an accepted outcome, anything else escapes and crashes.
template <typename Cast>
void tryCast(Cast&& cast) {
  try {
    cast();
  } catch (const Vesk::FormulaModel::FormulaException&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size == 0 || size > 512) return 0;  // longer texts add detection time, not coverage
  const Locale& chosen = locale(bytes[0] & 1);
  const LocaleContext& context = chosen.manager.getLocaleContext();
  static constexpr Mode StringModes[] = {Mode::StringToDefault, Mode::StringConvert,
                                         Mode::StringToError};
  // toNumber takes any field value; toBool and toDateTime only the listed ones.
  const Mode anyMode = static_cast<Mode>(bytes[0] >> 1 << 5);
  const Mode listedMode = StringModes[(bytes[0] >> 1) % 3];
  const std::string text(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  const Vesk::FormulaModel::FormulaValue value = Vesk::FormulaModel::FormulaString(text);

  tryCast([&] { (void)FormulaValueCast::toBool(value, context, listedMode, false); });
  tryCast([&] {
    if (!std::isfinite(FormulaValueCast::toNumber(value, chosen.format, anyMode).getValue()))
      __builtin_trap();
  });
  tryCast([&] { (void)FormulaValueCast::toComplex(value, chosen.format); });
  tryCast([&] { (void)FormulaValueCast::toDateTime(value, context, listedMode); });
  if (FormulaValueCast::toString(value, context) != text) __builtin_trap();
  const auto stringOrNumber = FormulaValueCast::toStringOrNumber(value, context);
  if (boost::get<std::string>(stringOrNumber) != text) __builtin_trap();
  const auto error = FormulaValueCast::toError(value, context);
  const auto errorOrBool = FormulaValueCast::toErrorOrBool(value, context);
  if (error && (!errorOrBool || boost::get<Vesk::DOM::FormulaErrorType>(*errorOrBool) !=
                                    error->getType()))
    __builtin_trap();
  return 0;
}
