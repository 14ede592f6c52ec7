#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

#include <algorithm>
#include <array>

namespace Vesk::OfficeUtils {
namespace {

constexpr std::array<std::string_view, 27> TypicalNames = {"Sign",
                                                           "OpeningParenthesis",
                                                           "ClosingParenthesis",
                                                           "IntegerPartNumber",
                                                           "DecimalPartNumber",
                                                           "Numerator",
                                                           "Denominator",
                                                           "IntegerPartFraction",
                                                           "ExponentValue",
                                                           "ScientificSign",
                                                           "Day",
                                                           "Month",
                                                           "Year",
                                                           "Hour",
                                                           "Minute",
                                                           "Second",
                                                           "Millisecond",
                                                           "Ampm",
                                                           "Date",
                                                           "Time",
                                                           "CurrencySymbol",
                                                           "CommonNumber",
                                                           "Fraction",
                                                           "Scientific",
                                                           "Currency",
                                                           "DateAndTime",
                                                           "Percentage"};

const std::array<std::string, 31>& whitespaceSymbols() {
  static const std::array<std::string, 31> symbols = {
      "\t",     "\n",     "\v",     "\f",     "\r",     " ",      "\u0085", "\u00A0",
      "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006",
      "\u2007", "\u2008", "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F",
      "\u3000", "\u180E", "\u200B", "\u200C", "\u200D", "\uFEFF", "\u2060"};
  return symbols;
}

}  // namespace

void fillTokensStructures(ValueTokensInfo& info) {
  for (unsigned short i = 0; i < TypicalNames.size(); ++i) {
    info.typicalNames.emplace(std::string(TypicalNames[i]), i);
    if (i < ValueTokensCount) {
      info.valueTokens.insert(i);
    } else {
      info.detectTypes.insert(i);
    }
  }
}

void fillCommonTokensStructures(ValueTokensInfo& info) {
  info.typicalNames.emplace("Final", FinalIndex);
}

unsigned short typicalNameToValueToken(const ValueTokensInfo& info, std::string_view name) {
  const auto found = info.typicalNames.find(std::string(name));
  return found == info.typicalNames.end() ? UnlistedIndex : found->second;
}

bool isDetectType(const ValueTokensInfo& info, unsigned short index) {
  return info.detectTypes.count(index) != 0;
}

bool isValueToken(const ValueTokensInfo& info, unsigned short index) {
  return info.valueTokens.count(index) != 0;
}

const std::vector<std::string>& getAutoDetectNodesNames() {
  static const std::vector<std::string> names = {"Scientific", "Fraction",    "CommonNumber",
                                                 "Currency",   "DateAndTime", "Percentage"};
  return names;
}

const std::vector<std::vector<std::string>>& getAutodetectResourcesPath() {
  static const std::vector<std::vector<std::string>> groups = {
      {"AutodetectRules/AutodetectRules:"},
      {"AutodetectRules/"},
      {"CommonTokens", "NumberTokens", "CurrencyTokens", "ScientificTokens", "PercentageTokens",
       "FractionTokens", "DateTimeTokens"}};
  return groups;
}

StringsView getAllWhitespaceSymbols() {
  const auto& symbols = whitespaceSymbols();
  return StringsView(symbols.data(), boost::extents[symbols.size()]);
}

boost::optional<StringsView> getSimilarAutodetectedItems(const std::string& item) {
  const auto& symbols = whitespaceSymbols();
  if (std::find(symbols.begin(), symbols.end(), item) == symbols.end()) return boost::none;
  return getAllWhitespaceSymbols();
}

}  // namespace Vesk::OfficeUtils
