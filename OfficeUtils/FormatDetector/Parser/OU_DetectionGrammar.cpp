#include "OfficeUtils/FormatDetector/Parser/OU_DetectionGrammar.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <utility>

#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Keys = Vesk::ResourceManager::Keys;
using Vesk::ResourceManager::ResourceProvider;

constexpr char TokensPath[] = "AutodetectRules/AutodetectRules:AutodetectRules/";

const std::array<std::string_view, 24> EnglishMonthNames = {
    "January",   "February", "March",    "April",    "May", "June", "July", "August",
    "September", "October",  "November", "December", "Jan", "Feb",  "Mar",  "Apr",
    "May",       "Jun",      "Jul",      "Aug",      "Sep", "Oct",  "Nov",  "Dec"};

// The literals of a primitive token, each once, in the order first added.
class Literals {
 public:
  explicit Literals(std::vector<std::string> shipped) {
    for (auto& literal : shipped) add(std::move(literal));
  }
  void add(std::string literal) {
    if (literal.empty() || std::find(_list.begin(), _list.end(), literal) != _list.end()) return;
    _list.push_back(std::move(literal));
  }
  std::vector<std::string> take() { return std::move(_list); }

 private:
  std::vector<std::string> _list;
};

std::vector<std::string> shippedRules(const std::string& tokenKey) {
  return getShippedDetectionGrammar().safeGetResourceStringArray(TokensPath + tokenKey + "/Rules");
}

bool isAllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string withoutDots(std::string_view text) {
  std::string result;
  for (const char c : text)
    if (c != '.') result += c;
  return result;
}

// The text without its white-space code points ("a. m." with a no-break space -> "a.m.").
std::string withoutSpaces(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    const auto symbols = getAllWhitespaceSymbols();
    const auto space = std::find_if(symbols.begin(), symbols.end(), [&](const std::string& s) {
      return text.substr(i).starts_with(s);
    });
    if (space != symbols.end()) {
      i += (*space).size();
      continue;
    }
    result += text[i++];
  }
  return result;
}

// A date separator typed between digits: no white space around it, and neither white space
// alone nor a comma, which would make "5 5" or "1, 2" a date.
void addDateSeparator(Literals& literals, const std::string& separator) {
  std::string trimmed = separator;
  while (!trimmed.empty() && Vesk::ASCII::isSpace(trimmed.back())) trimmed.pop_back();
  while (!trimmed.empty() && Vesk::ASCII::isSpace(trimmed.front())) trimmed.erase(0, 1);
  if (trimmed.empty() || trimmed == "," || getSimilarAutodetectedItems(trimmed) ||
      std::any_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return;
  literals.add(trimmed);
  if (trimmed != separator && separator.front() != ' ') literals.add(separator);  // "2024. 12. 31"
}

// The literal text after the last field of a date format code ("d mmm yyyy' г'." -> " г."),
// without its quotes.
std::string trailingLiteral(std::string_view code) {
  std::string literal;
  bool quoted = false;
  for (const char c : code) {
    if (c == '\'') {
      quoted = !quoted;
    } else if (!quoted && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
      literal.clear();
    } else if (c != '"' && c != '\\') {
      literal += c;
    }
  }
  return literal;
}

// What a user types after a date where the locale's patterns end in text ("г." in Russian): the
// text as written, with a plain space for its leading space, and without it; each also without
// a final dot.
void addDateTrailers(Literals& literals, const std::string& literal) {
  std::string text = literal;
  std::size_t spaces = 0;
  while (spaces < text.size()) {
    const auto symbols = getAllWhitespaceSymbols();
    const auto space = std::find_if(symbols.begin(), symbols.end(), [&](const std::string& s) {
      return std::string_view(text).substr(spaces).starts_with(s);
    });
    if (space == symbols.end()) break;
    spaces += (*space).size();
  }
  const std::string bare = text.substr(spaces);
  if (bare.empty() || bare == ",") return;
  for (std::string variant : {text, spaces ? " " + bare : bare, bare}) {
    literals.add(variant);
    if (variant.size() > 1 && variant.back() == '.') {
      variant.pop_back();
      literals.add(variant);
    }
  }
}

}  // namespace

const ResourceProvider& getShippedDetectionGrammar() {
  struct Shipped {
    std::unique_ptr<const ResourceProvider> provider;
    std::string error;
  };
  static const Shipped shipped = []() -> Shipped {
    try {
      return {std::make_unique<const Vesk::ResourceManager::JsonResourceProvider>(
                  getDefaultResourcesDirectory() / "Detection" / "AutodetectRules.json"),
              {}};
    } catch (const Vesk::ResourceManager::ResourceFileError& error) {
      return {nullptr, error.what()};
    }
  }();
  if (!shipped.provider) throw Vesk::ResourceManager::ResourceFileError(shipped.error);
  return *shipped.provider;
}

std::vector<std::string> getDetectionMonthNames(const LocaleContext& locale) {
  const auto& provider = locale.getResourceProvider();
  std::vector<std::vector<std::string>> blocks;
  std::vector<std::size_t> shortBlocks;
  const std::pair<const char*, bool> lists[] = {{Keys::LongMonthNamesPath, false},
                                                {Keys::ShortMonthNamesPath, true},
                                                {Keys::StandAloneLongMonthNamesPath, false},
                                                {Keys::StandAloneShortMonthNamesPath, true}};
  for (const auto& [key, isShort] : lists) {
    auto names = provider.safeGetResourceStringArray(key);
    if (names.size() != 12) continue;
    if (isShort) shortBlocks.push_back(blocks.size());
    blocks.push_back(std::move(names));
  }
  if (blocks.empty()) {
    blocks.emplace_back(EnglishMonthNames.begin(), EnglishMonthNames.begin() + 12);
    blocks.emplace_back(EnglishMonthNames.begin() + 12, EnglishMonthNames.end());
    shortBlocks.push_back(1);
  }
  for (const std::size_t index : shortBlocks) {
    std::vector<std::string> dotted = blocks[index];
    for (auto& name : dotted) {
      if (name.empty()) continue;
      if (name.back() == '.')
        name.pop_back();
      else
        name += '.';
    }
    blocks.push_back(std::move(dotted));
  }
  std::vector<std::string> names;
  for (auto& block : blocks) {
    for (auto& name : block) names.push_back(isAllDigits(name) ? std::string() : std::move(name));
  }
  return names;
}

std::vector<std::string> getDetectionAmPmWords(const LocaleContext& locale) {
  Literals words(shippedRules("DateTimeTokens/Ampm"));
  const auto names = locale.getResourceProvider().safeGetResourceStringArray(Keys::AMPMNamesPath);
  for (std::size_t half = 0; half < names.size() && half < 2; ++half) {
    const std::string& name = names[half];
    const bool readsAsAm = name.find_first_of("aA") != std::string::npos;
    if (readsAsAm != (half == 0)) continue;
    words.add(name);
    words.add(withoutDots(name));
    words.add(withoutSpaces(withoutDots(name)));
  }
  return words.take();
}

InjectedResourcesMap getLocaleGrammarTokens(const LocaleContext& locale,
                                            const InjectedResourcesMap& injected) {
  const auto& provider = locale.getResourceProvider();
  const auto& resources = locale.getResources();
  auto symbol = [&](LocalizableSymbolType type) { return resources.getSymbol(type); };
  const std::string decimal = symbol(LocalizableSymbolType::DecimalSeparator);
  const std::string group = symbol(LocalizableSymbolType::ThousandSeparator);

  InjectedResourcesMap tokens;
  auto token = [&](const std::string& key, auto&& addLocale) {
    Literals literals(shippedRules(key));
    addLocale(literals);
    tokens.emplace(TokensPath + key + "/Rules", literals.take());
  };
  token("CommonTokens/Sign", [&](Literals& literals) {
    literals.add(provider.safeGetResourceString(Keys::MinusSignPath));
    literals.add(provider.safeGetResourceString(Keys::PlusSignPath));
  });
  token("NumberTokens/DecimalSeparator", [&](Literals& literals) { literals.add(decimal); });
  // A locale grouping with a no-break space also takes any space a user types.
  const bool spaceGroup = getSimilarAutodetectedItems(group).has_value();
  const bool usable = group != decimal;
  token("NumberTokens/GroupSeparator", [&](Literals& literals) {
    if (!usable) return;
    literals.add(group);
    if (spaceGroup) literals.add(" ");
  });
  token("NumberTokens/IndianGroupSeparator", [&](Literals& literals) {
    if (!usable || provider.safeGetResourceString(Keys::SecondaryGroupingSizePath) != "2") return;
    literals.add(group);
    if (spaceGroup) literals.add(" ");
  });
  token("PercentageTokens/PercentSign",
        [&](Literals& literals) { literals.add(symbol(LocalizableSymbolType::PercentageSymbol)); });
  token("ScientificTokens/ExponentSymbol",
        [&](Literals& literals) { literals.add(symbol(LocalizableSymbolType::ExponentLiteral)); });
  token("CurrencyTokens/CurrencySymbol", [&](Literals& literals) {
    literals.add(symbol(LocalizableSymbolType::CurrencySymbol));
    const auto& currencies = locale.getCurrencyLists();
    if (!currencies.codes.empty()) literals.add(currencies.codes.front());
  });
  token("DateTimeTokens/MonthName", [&](Literals& literals) {
    for (auto& name : getDetectionMonthNames(locale)) literals.add(std::move(name));
  });
  token("DateTimeTokens/Ampm", [&](Literals& literals) {
    for (auto& word : getDetectionAmPmWords(locale)) literals.add(std::move(word));
  });
  token("DateTimeTokens/DateSeparator", [&](Literals& literals) {
    const auto found = injected.find(std::string(Keys::DateTimeTokensSubpath) +
                                     Keys::MonthNumberSeparatorRulesSubpath);
    if (found != injected.end())
      for (const auto& separator : found->second) addDateSeparator(literals, separator);
    const auto& shortProps = locale.getFormattingResources().getDateProps(DateType::Short);
    addDateSeparator(literals, shortProps.dayMonthSeparator);
    addDateSeparator(literals, shortProps.yearSeparator);
  });
  token("DateTimeTokens/DateTrailer", [&](Literals& literals) {
    for (const char* key :
         {Keys::MediumDatePatternPath, Keys::LongDatePatternPath, Keys::ShortDatePatternPath})
      addDateTrailers(literals, trailingLiteral(provider.safeGetResourceString(key)));
  });
  token("DateTimeTokens/MillisecondSeparator", [&](Literals& literals) { literals.add(decimal); });
  return tokens;
}

}  // namespace Vesk::OfficeUtils
