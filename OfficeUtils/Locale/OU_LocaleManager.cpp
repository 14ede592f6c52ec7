#include "OfficeUtils/Locale/OU_LocaleManager.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include <unicode/uchar.h>
#include <utf8.h>

#include "OfficeUtils/Formatting/OU_DatePatterns.h"
#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Locale/OU_LocaleManager";

namespace Keys = Vesk::ResourceManager::Keys;
using Vesk::DOM::FormulaErrorType;
using Vesk::DOM::FormulaFunctionType;
using Symbol = LocalizableSymbolType;

constexpr std::uint16_t LastFunctionType = 444;
constexpr const char* FunctionsPrefix = "Tooltips/FunctionsLocalizedNames:Functions/";
constexpr const char* ConstantsPrefix = "LocaleResources/LocaleResources:Constants/";

// clang-format off
constexpr struct { const char* key; FormulaErrorType type; } ErrorKeys[] = {
    {"Errors/Div0", FormulaErrorType::Div0},   {"Errors/Name", FormulaErrorType::Name},
    {"Errors/NA", FormulaErrorType::NA},       {"Errors/Null", FormulaErrorType::Null},
    {"Errors/Num", FormulaErrorType::Num},     {"Errors/Ref", FormulaErrorType::Ref},
    {"Errors/Value", FormulaErrorType::Value}, {"Errors/GettingData", FormulaErrorType::GettingData},
};

// In the order the symbols are settled: each is checked against those before it.
constexpr struct { Symbol symbol; const char* key; const char* english; } SymbolKeys[] = {
    {Symbol::DecimalSeparator, Keys::DecimalSeparatorPath, "."},
    {Symbol::ThousandSeparator, Keys::ThousandSeparatorPath, ","},
    {Symbol::ArgumentListSeparator, Keys::ArgumentListSeparatorPath, ","},
    {Symbol::ArrayListSeparator, Keys::ArrayListSeparatorPath, ","},
    {Symbol::ExponentLiteral, Keys::ExponentLiteralPath, "E"},
    {Symbol::PercentageSymbol, Keys::PercentageSymbolPath, "%"},
    {Symbol::CurrencySymbol, Keys::CurrencySymbolPath, "$"},
};

// The symbol each extension key 0 to 4 overrides.
constexpr struct { LocaleExtensionType key; Symbol symbol; } SymbolExtensions[] = {
    {LocaleExtensionType::DecimalSeparator, Symbol::DecimalSeparator},
    {LocaleExtensionType::ThousandSeparator, Symbol::ThousandSeparator},
    {LocaleExtensionType::ArgumentListSeparator, Symbol::ArgumentListSeparator},
    {LocaleExtensionType::ArrayListSeparator, Symbol::ArrayListSeparator},
    {LocaleExtensionType::CurrencySymbol, Symbol::CurrencySymbol},
};
// clang-format on

constexpr std::string_view SeparatorForbidden = "-/:$!;[]{}*=+<>()%\"";
constexpr std::string_view PercentForbidden = "-/:$!;[]{}*=+<>()\"";
constexpr std::string_view CurrencyForbidden = "-;[]{}*=+<>\"";

// The code points of a valid UTF-8 text without control characters; none otherwise.
boost::optional<std::vector<UChar32>> codePoints(const std::string& text) {
  if (text.empty() || !utf8::is_valid(text.begin(), text.end())) return boost::none;
  std::vector<UChar32> points;
  for (auto it = text.begin(); it != text.end();) {
    const auto c = static_cast<UChar32>(utf8::unchecked::next(it));
    if (u_iscntrl(c)) return boost::none;
    points.push_back(c);
  }
  return points;
}

bool holdsAny(const std::vector<UChar32>& points, std::string_view characters) {
  for (const UChar32 c : points) {
    if (c < 0x80 && characters.find(static_cast<char>(c)) != std::string_view::npos) return true;
  }
  return false;
}

bool isSingleSign(const std::vector<UChar32>& points, bool allowSpace) {
  if (points.size() != 1) return false;
  const UChar32 c = points.front();
  return !u_isdigit(c) && !u_isalpha(c) && (allowSpace || !u_isUWhiteSpace(c));
}

// The checks of the header comment; `settled` holds the symbols decided before this one.
bool isAcceptable(Symbol symbol, const std::string& value,
                  const std::array<std::string, 7>& settled) {
  const auto points = codePoints(value);
  if (!points) return false;
  auto at = [&](Symbol other) -> const std::string& {
    return settled[static_cast<std::size_t>(other)];
  };
  auto isSeparator = [&] {
    return value == at(Symbol::DecimalSeparator) || value == at(Symbol::ThousandSeparator) ||
           value == at(Symbol::ArgumentListSeparator) || value == at(Symbol::ArrayListSeparator);
  };
  switch (symbol) {
    case Symbol::DecimalSeparator:
      return isSingleSign(*points, false) && !holdsAny(*points, SeparatorForbidden);
    case Symbol::ThousandSeparator:
      return isSingleSign(*points, true) && !holdsAny(*points, SeparatorForbidden) &&
             value != at(Symbol::DecimalSeparator);
    case Symbol::ArgumentListSeparator:
    case Symbol::ArrayListSeparator:
      return isSingleSign(*points, false) &&
             (value == ";" || !holdsAny(*points, SeparatorForbidden)) &&
             value != at(Symbol::DecimalSeparator);
    case Symbol::ExponentLiteral:
      for (const UChar32 c : *points) {
        if (!u_isalpha(c)) return false;
      }
      return true;
    case Symbol::PercentageSymbol:
      return isSingleSign(*points, false) && !holdsAny(*points, PercentForbidden) && !isSeparator();
    case Symbol::CurrencySymbol:
      for (const UChar32 c : *points) {
        if (u_isdigit(c)) return false;
      }
      return !holdsAny(*points, CurrencyForbidden) && !isSeparator() &&
             value != at(Symbol::PercentageSymbol) && value != at(Symbol::ExponentLiteral);
  }
  return false;
}

// The English symbol, or where the decimal separator is "," the one that keeps clear of it.
std::string fallbackSymbol(Symbol symbol, const char* english, const std::string& decimal) {
  if (decimal == ",") {
    if (symbol == Symbol::ThousandSeparator) return ".";
    if (symbol == Symbol::ArgumentListSeparator || symbol == Symbol::ArrayListSeparator) return ";";
  }
  return english;
}

LocaleResources::SymbolStrings loadSymbols(const Vesk::ResourceManager::ResourceProvider& provider,
                                           const LocaleExtensions& extensions) {
  std::array<std::string, 7> settled;
  LocaleResources::SymbolStrings symbols;
  for (const auto& row : SymbolKeys) {
    std::string value = provider.safeGetResourceString(row.key);
    for (const auto& extension : SymbolExtensions) {
      if (extension.symbol != row.symbol) continue;
      const auto found = extensions.find(extension.key);
      if (found != extensions.end()) value = found->second;
    }
    if (!isAcceptable(row.symbol, value, settled))
      value = fallbackSymbol(row.symbol, row.english, settled[0]);
    settled[static_cast<std::size_t>(row.symbol)] = value;
    symbols.add(row.symbol, std::move(value), true);
  }
  return symbols;
}

template <typename T>
T& deref(const std::unique_ptr<T>& pointer) {
  T* plainPtr = pointer.get();
  OU_ASSERT(plainPtr);
  return *plainPtr;
}

}  // namespace

LocaleManager::LocaleManager(const Vesk::DOM::TimeZone& timeZone)
    : _provider(Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider()),
      _functionsNamesMap(&DefaultEnResourceLoader::getDefaultFunctionsNamesMap()),
      _resources(std::make_unique<LocaleResources>()),
      _formattingResources(std::make_unique<FormattingResources>(_provider)),
      _systemSettingsProvider(
          std::make_unique<SystemSettingsResourceProvider>(_provider, *_resources)),
      _context(std::make_unique<LocaleContext>(*_systemSettingsProvider, *_resources,
                                               *_formattingResources, timeZone)) {}

LocaleManager::LocaleManager(const Vesk::ResourceManager::ResourceProvider& provider,
                             const Vesk::DOM::TimeZone& timeZone, LocaleExtensions extensions)
    : _provider(provider),
      _functionsNamesMap(&DefaultEnResourceLoader::getDefaultFunctionsNamesMap()) {
  loadLocalizedFunctionsData();
  loadLocaleResourcesData(extensions);
  _systemSettingsProvider =
      std::make_unique<SystemSettingsResourceProvider>(_provider, *_resources);
  _context = std::make_unique<LocaleContext>(*_systemSettingsProvider, *_resources,
                                             *_formattingResources, timeZone);
}

const LocaleContext& LocaleManager::getLocaleContext() const {
  return deref(_context);
}

bool LocaleManager::isFunctionWithExamples(FormulaFunctionType type) const {
  return _functionsWithExamples.count(type) != 0;
}

void LocaleManager::setApplicationTimeZone(const Vesk::DOM::TimeZone& timeZone) {
  deref(_context).setApplicationTimeZone(timeZone);
}

void LocaleManager::loadLocalizedFunctionsData() {
  const auto listed =
      _provider.safeGetResourceStringArray("Tooltips/FunctionsData:FunctionsWithExamples");
  const boost::unordered_set<std::string> withExamples(listed.begin(), listed.end());
  const FunctionsNamesMap& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  for (std::uint16_t value = 1; value <= LastFunctionType; ++value) {
    const auto type = static_cast<FormulaFunctionType>(value);
    const boost::string_ref enFunctionNameValue = english.getName(type);
    OU_ASSERT(!enFunctionNameValue.empty());
    const std::string englishName(enFunctionNameValue);
    if (withExamples.count(englishName)) _functionsWithExamples.insert(type);

    const std::string prefix = FunctionsPrefix + englishName + "/";
    const auto found = _provider.getResourceString(prefix + "LocalizedName");
    if (!found) continue;
    const std::string& localizedName = *found;
    if (localizedName != englishName) {
      OU_ASSERT(localizedName == utf8StringToUpperCase(localizedName));
      if (!_localizedFunctionsNames) {
        _localizedFunctionsNames.emplace(english);
        _functionsNamesMap = &*_localizedFunctionsNames;
      }
      _localizedFunctionsNames->addName(type, localizedName,
                                        FunctionsNamesMap::PrimaryParameter::Primary);
    }
    if (tryLoadFunctionData(type, localizedName, prefix)) continue;
    // Variants "SUM1/", "SUM2/" ... up to the first number without a description.
    for (unsigned variant = 1; tryLoadFunctionData(
             type, localizedName, FunctionsPrefix + englishName + std::to_string(variant) + "/");
         ++variant) {
    }
  }
}

bool LocaleManager::tryLoadFunctionData(FormulaFunctionType type, const std::string& localizedName,
                                        const std::string& keyPrefix) {
  auto description = _provider.getResourceString(keyPrefix + "Description");
  if (!description) return false;
  auto required = [](auto opt) {
    OU_ASSERT(opt);
    return std::move(*opt);
  };
  FormulaFunctionInfo info;
  info.name = localizedName;
  info.description = std::move(*description);
  info.descriptionURL = required(_provider.getResourceString(keyPrefix + "DescriptionURL"));
  info.argumentsNames = required(_provider.getResourceStringArray(keyPrefix + "ArgumentsNames"));
  info.argumentsDescriptions =
      required(_provider.getResourceStringArray(keyPrefix + "ArgumentsDescriptions"));
  info.argumentsExamples =
      required(_provider.getResourceStringArray(keyPrefix + "ArgumentsExamples"));
  _functionsLocalizedInfos.addInfo(type, info);
  return true;
}

void LocaleManager::loadLocaleResourcesData(const LocaleExtensions& extensions) {
  auto booleans = LocaleResources::getDefaultBooleanStrings();
  for (const bool value : {true, false}) {
    const auto word = _provider.getResourceString(std::string(ConstantsPrefix) +
                                                  (value ? "Booleans/True" : "Booleans/False"));
    if (word) booleans.replace(value, *word);
  }
  auto errors = LocaleResources::getDefaultErrorStrings();
  for (const auto& row : ErrorKeys) {
    if (const auto word = _provider.getResourceString(std::string(ConstantsPrefix) + row.key))
      errors.replace(row.type, *word);
  }
  auto symbols = loadSymbols(_provider, extensions);
  std::string localeName = _provider.safeGetResourceString(Keys::LanguageNamePath) + "_" +
                           _provider.safeGetResourceString(Keys::RegionNamePath);

  const FormattingResources fromProvider(_provider);
  auto pattern = [&](LocaleExtensionType key) -> const std::string* {
    const auto found = extensions.find(key);
    return found == extensions.end() ? nullptr : &found->second;
  };
  DateProps longProps = fromProvider.getDateProps(DateType::Long);
  if (const auto* code = pattern(LocaleExtensionType::LongDatePattern))
    longProps = parseDateProps(*code, longProps);
  DateProps mediumProps = fromProvider.getDateProps(DateType::Medium);
  if (const auto* code = pattern(LocaleExtensionType::MediumDatePattern))
    mediumProps = parseDateProps(*code, mediumProps);
  const auto* timeCode = pattern(LocaleExtensionType::TimePattern);
  _formattingResources = std::make_unique<FormattingResources>(
      std::move(longProps), std::move(mediumProps), fromProvider.getDateProps(DateType::Short),
      timeCode ? parseTimeProps(*timeCode) : fromProvider.getTimeProps());

  _resources =
      std::make_unique<LocaleResources>(*_functionsNamesMap, std::move(booleans), std::move(errors),
                                        std::move(symbols), std::move(localeName));
}

}  // namespace Vesk::OfficeUtils
