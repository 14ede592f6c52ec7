// Numeric collation and currency spacing under a locale: one of a few prepared locales, or a
// locale built from a fuzzed name (up to 600 bytes) through the ICU provider, so that any name
// makeLocaleProvider accepts reaches ICU's collator. The comparison must be reflexive and
// antisymmetric; the spacing is "" or " ".
#include "OfficeUtils/OU_NumericStringsComparator.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "host/Utils/OU_Errors.h"

using namespace Vesk::OfficeUtils;

namespace {

// A locale's provider, manager and comparator, built once.
struct Locale {
  explicit Locale(std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> built)
      : provider(std::move(built)),
        manager(*provider, Vesk::DOM::TimeZone()),
        comparator(manager.getLocaleContext()) {}

  std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
  LocaleManager manager;
  NumericStringComparator comparator;
};

const Locale& preparedLocale(std::uint8_t pick) {
  static const char* const Names[] = {"en_US", "de_DE", "fr_CH", "ja_JP", "ar_EG", "sv_SE"};
  static std::map<std::size_t, std::unique_ptr<Locale>> locales;
  const std::size_t index = pick % std::size(Names);
  auto& locale = locales[index];
  if (!locale) locale = std::make_unique<Locale>(makeLocaleProvider(Names[index]));
  return *locale;
}

void check(const Locale& locale, const std::string& a, const std::string& b) {
  const int ab = locale.comparator(a, b);
  const int ba = locale.comparator(b, a);
  if (ab < -1 || ab > 1 || ba != -ab || locale.comparator(a, a) != 0) __builtin_trap();
  const auto& context = locale.manager.getLocaleContext();
  const std::string spacing = getCurrencySeparationSymbol(a, context);
  if (spacing != "" && spacing != " ") __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 1 || size > 65536) return 0;  // the .options budget holds it to linear cost
  FuzzedDataProvider data(bytes, size);
  const auto pick = data.ConsumeIntegral<std::uint8_t>();
  if (pick < 8) {
    // A fuzzed locale name: a provider and a working comparator, or no provider.
    const std::string name = data.ConsumeRandomLengthString(600);
    const auto provider = makeLocaleProvider(name);
    if (!provider) return 0;
    try {
      const Locale locale(provider);
      const std::string a = data.ConsumeRandomLengthString(64);
      check(locale, a, data.ConsumeRemainingBytesAsString());
    } catch (const Vesk::ICUError&) {
      __builtin_trap();  // ICU accepted the name's data: its collator must build
    }
    return 0;
  }
  const std::string a = data.ConsumeRandomLengthString(size);
  check(preparedLocale(pick), a, data.ConsumeRemainingBytesAsString());
  return 0;
}
