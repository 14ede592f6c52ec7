// Any bytes as locale input, never a crash or an assertion. The first byte picks what they feed:
//  0: an ICU date-time pattern: its conversion holds balanced quotes, and literal text quoted
//     after a day field reads back as exactly that text ("d''" would be an apostrophe, so
//     not for empty text);
//  1: symbols, patterns and extensions of a LocaleManager: the settled symbols keep their rules;
//  2: a locale name for makeLocaleProvider, and a manager over what it gives.
#include "OfficeUtils/Locale/OU_LocaleManager.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>
#include <utf8.h>

#include "OfficeUtils/Formatting/OU_DatePatterns.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_ICUResourceProvider.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_StringUtils.h"

namespace {

using namespace Vesk::OfficeUtils;
namespace Model = Vesk::DOM::CellFormatModel;

void checkPattern(const std::string& text) {
  const std::string converted = Vesk::ResourceManager::convertICUDateTimePattern(text);
  if (std::count(converted.begin(), converted.end(), '\'') % 2 != 0) __builtin_trap();
  (void)getExclusiveDefaultNumberRuleFromPattern(convertDateTimePatternToFormatCode(converted));

  // The quotes themselves are replaced (U+2019, U+201D) and ill-formed text reads as U+FFFD.
  if (text.empty() || !utf8::is_valid(text.begin(), text.end()) ||
      text.find_first_of("'\"") != std::string::npos)
    return;
  const auto rule = getExclusiveDefaultNumberRuleFromPattern(convertDateTimePatternToFormatCode(
      Vesk::ResourceManager::convertICUDateTimePattern("d'" + text + "'")));
  if (!rule) __builtin_trap();
  std::string literal;
  for (const auto& item : rule->getItems()) {
    if (const auto* textItem = boost::get<Model::TextItem>(&item))
      literal += textItem->getTextValue();
  }
  if (literal != text) __builtin_trap();
}

void checkSymbols(const LocaleContext& context) {
  const auto& resources = context.getResources();
  const std::string& decimal = resources.getSymbol(LocalizableSymbolType::DecimalSeparator);
  for (auto type :
       {LocalizableSymbolType::DecimalSeparator, LocalizableSymbolType::ThousandSeparator,
        LocalizableSymbolType::ArgumentListSeparator, LocalizableSymbolType::ArrayListSeparator}) {
    const std::string& separator = resources.getSymbol(type);
    if (Vesk::getUnicodeCharsCount(separator) != 1) __builtin_trap();
    if (type != LocalizableSymbolType::DecimalSeparator && separator == decimal) __builtin_trap();
  }
  if (resources.getSymbol(LocalizableSymbolType::CurrencySymbol).empty()) __builtin_trap();
}

void checkManager(FuzzedDataProvider& input) {
  const char* const keys[] = {
      Vesk::ResourceManager::Keys::DecimalSeparatorPath,
      Vesk::ResourceManager::Keys::ThousandSeparatorPath,
      Vesk::ResourceManager::Keys::ArgumentListSeparatorPath,
      Vesk::ResourceManager::Keys::ArrayListSeparatorPath,
      Vesk::ResourceManager::Keys::ExponentLiteralPath,
      Vesk::ResourceManager::Keys::PercentageSymbolPath,
      Vesk::ResourceManager::Keys::CurrencySymbolPath,
      Vesk::ResourceManager::Keys::LongDatePatternPath,
      Vesk::ResourceManager::Keys::MediumDatePatternPath,
      Vesk::ResourceManager::Keys::ShortDatePatternPath,
      Vesk::ResourceManager::Keys::TimePatternPath,
      "LocaleResources/LocaleResources:Constants/Booleans/True",
  };
  std::vector<Vesk::ResourceManager::MapResourceProvider::Row> rows;
  for (const char* key : keys) rows.emplace_back(key, input.ConsumeRandomLengthString(16));
  LocaleExtensions extensions;
  for (int key = 0; key <= 7; ++key) {
    if (input.ConsumeBool())
      extensions[static_cast<LocaleExtensionType>(key)] = input.ConsumeRandomLengthString(16);
  }
  const Vesk::ResourceManager::MapResourceProvider provider(rows);
  const LocaleManager manager(provider, Vesk::DOM::TimeZone(), extensions);
  checkSymbols(manager.getLocaleContext());
}

void checkLocaleName(const std::string& name) {
  const auto provider = makeLocaleProvider(name);
  if (!provider) return;
  const LocaleManager manager(*provider, Vesk::DOM::TimeZone());
  checkSymbols(manager.getLocaleContext());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 4096) return 0;  // longer inputs add run time, not new shapes
  FuzzedDataProvider input(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      checkPattern(input.ConsumeRemainingBytesAsString());
      break;
    case 1:
      checkManager(input);
      break;
    default:
      // Past ICU's own limit (157 bytes with the provider's keywords) names must be refused.
      checkLocaleName(input.ConsumeRandomLengthString(600));
      break;
  }
  return 0;
}
