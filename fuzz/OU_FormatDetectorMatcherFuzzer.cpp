// Typed-input detection of any bytes (invalid UTF-8 too) under five locales with every mask:
// detect gives a value or FormulaEmpty, never an exception, abort or hang, the explanation
// gives the same value, and the walk's indexed literal lookups give the value, detector and parts
// that the general scan of every literal gives. The first byte picks the locale, the second the
// mask, the rest is the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionExplanation.h"
#include "OfficeUtils/FormatDetector/Parser/OU_Nodes.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"

using namespace Vesk::OfficeUtils;
using Vesk::ResourceManager::ResourceProvider;

namespace {

struct Locale {
  explicit Locale(const char* name) {
    provider = makeLocaleProvider(name);
    manager = std::make_unique<LocaleManager>(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
    matcher = std::make_unique<FormatDetectorMatcher>(context());
  }
  const LocaleContext& context() const { return manager->getLocaleContext(); }

  std::shared_ptr<const ResourceProvider> provider;
  std::unique_ptr<LocaleManager> manager;
  std::unique_ptr<FormatDetectorMatcher> matcher;
};

const std::vector<std::unique_ptr<Locale>>& locales() {
  static const auto all = [] {
    std::vector<std::unique_ptr<Locale>> built;
    for (const char* name : {"en_US", "de_DE", "ru_RU", "ja_JP", "ar_EG"})
      built.push_back(std::make_unique<Locale>(name));
    return built;
  }();
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto& locale = *locales()[data[0] % locales().size()];
  const unsigned char mask = data[1];
  const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
  const auto value = locale.matcher->detect(text, mask);
  const auto explanation = explainDetection(*locale.matcher, text, mask);
  if (!(explanation.value == value)) std::abort();
  if (Vesk::FormulaModel::isFormulaEmpty(value) != explanation.parts.empty()) std::abort();
  const auto indexed = locale.matcher->detectWithParts(text, mask);
  const GeneralLiteralMatchingScope general;
  const auto scanned = locale.matcher->detectWithParts(text, mask);
  if (!(indexed.value == value) || !(scanned.value == value) ||
      indexed.position != scanned.position || !(indexed.parts == scanned.parts))
    std::abort();
  return 0;
}
