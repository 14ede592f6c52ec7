#include "OfficeUtils/Locale/OU_SystemSettingsResourceProvider.h"

#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::ResourceManager::MapResourceProvider;
using Symbol = LocalizableSymbolType;
using Strings = std::vector<std::string>;

const LocaleResources& commaLocale() {
  static const LocaleResources resources(
      LocaleResources::SymbolStrings{{Symbol::DecimalSeparator, ","},
                                     {Symbol::ThousandSeparator, "\xC2\xA0"}},
      "fr_FR");
  return resources;
}

const MapResourceProvider& wrapped() {
  static const MapResourceProvider provider{
      {"k/decimal", "@sys:decimal-separator"},
      {"k/inside", "x@sys:decimal-separator"},
      {"k/upper", "@SYS:decimal-separator"},
      {"k/list", {"@sys:decimal-separator", "a", "@sys:thousand-separator", "@sys:other"}},
      {"k/bool", true},
  };
  return provider;
}

// Each key read as a string ("none" when absent), a list and a boolean.
TEST(SystemSettingsResourceProvider, WholeReferencesBecomeTheLocaleSymbols) {
  const SystemSettingsResourceProvider provider(wrapped(), commaLocale());
  const Strings list{",", "a", "\xC2\xA0", "@sys:other"};
  const struct {
    std::string key, text;
    Strings strings;
    boost::optional<bool> flag;
  } cases[] = {
      {"k/decimal", ",", {}, {}},
      {"k/inside", "x@sys:decimal-separator", {}, {}},
      {"k/upper", "@SYS:decimal-separator", {}, {}},
      {"k/list", "none", list, {}},
      {"k/bool", "none", {}, true},
      {"k/missing", "none", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(provider.getResourceString(c.key).value_or("none"), c.text);
    EXPECT_EQ(provider.getResourceStringArray(c.key).value_or(Strings{"none"}),
              c.strings.empty() ? Strings{"none"} : c.strings);
    EXPECT_EQ(provider.getResourceBoolean(c.key), c.flag);
  }
}

TEST(SystemSettingsResourceProvider, SymbolsAreCopiedAtConstruction) {
  auto resources = std::make_unique<LocaleResources>(
      LocaleResources::SymbolStrings{{Symbol::DecimalSeparator, "'"},
                                     {Symbol::ThousandSeparator, "_"}},
      "xx_XX");
  const SystemSettingsResourceProvider provider(wrapped(), *resources);
  resources.reset();
  std::string value = "@sys:decimal-separator";
  provider.resolveSystemSettings(value);
  EXPECT_EQ(value, "'");
  Strings values{"@sys:thousand-separator", "@sys:decimal-separator", ""};
  provider.resolveSystemSettings(values);
  EXPECT_EQ(values, (Strings{"_", "'", ""}));
}

TEST(SystemSettingsResourceProvider, EmptyProviderFindsNothingAndUsesEnglishSymbols) {
  const auto& provider = SystemSettingsResourceProvider::getEmptyResourceProvider();
  EXPECT_FALSE(provider.getResourceStringArray(Vesk::ResourceManager::Keys::AMPMNamesPath));
  Strings values{"@sys:decimal-separator", "@sys:thousand-separator"};
  provider.resolveSystemSettings(values);
  EXPECT_EQ(values, (Strings{".", ","}));
}

}  // namespace
}  // namespace Vesk::OfficeUtils
