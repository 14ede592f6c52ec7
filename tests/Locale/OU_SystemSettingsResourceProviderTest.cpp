#include "OfficeUtils/Locale/OU_SystemSettingsResourceProvider.h"

#include <memory>

#include <gtest/gtest.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/host/OU_ResourceTestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Symbol = LocalizableSymbolType;

// What each key answers through a provider whose locale resources are gone: the symbols were
// copied at construction. Only a whole, exact reference is replaced.
TEST(SystemSettingsResourceProvider, WholeReferencesBecomeTheLocaleSymbols) {
  const Vesk::ResourceManager::MapResourceProvider wrapped{
      {"k/decimal", "@sys:decimal-separator"},
      {"k/inside", "x@sys:decimal-separator"},
      {"k/upper", "@SYS:decimal-separator"},
      {"k/list", {"@sys:decimal-separator", "a", "@sys:thousand-separator", "@sys:other"}},
      {"k/bool", true},
  };
  auto locale = std::make_unique<LocaleResources>(
      LocaleResources::SymbolStrings{{Symbol::DecimalSeparator, ","},
                                     {Symbol::ThousandSeparator, "\xC2\xA0"}},
      "fr_FR");
  const SystemSettingsResourceProvider provider(wrapped, *locale);
  locale.reset();
  const std::pair<const char*, const char*> cases[] = {
      {"k/decimal", "\",\" none none"},
      {"k/inside", "\"x@sys:decimal-separator\" none none"},
      {"k/upper", "\"@SYS:decimal-separator\" none none"},
      {"k/list", "none [,|a|\xC2\xA0|@sys:other] none"},
      {"k/bool", "none none true"},
      {"k/missing", "none none none"},
  };
  for (const auto& [key, expected] : cases)
    EXPECT_EQ(Vesk::ResourceManager::Testing::answers(provider, key), expected);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
