// The typical names of the detection grammar and their indices, the detect types, the built-in
// lists the detectors load their grammar with, and the whitespace group that a one-space
// primitive stands for. Everything here is immutable once built; statics are built on first use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <boost/multi_array.hpp>
#include <boost/optional.hpp>

namespace Vesk::OfficeUtils {

// Indices of the typical names. 0 ... 20 are value tokens (the matcher records their text),
// 21 ... 26 detect types (one matching tree each).
inline constexpr unsigned short SignIndex = 0;
inline constexpr unsigned short OpeningParenthesisIndex = 1;
inline constexpr unsigned short ClosingParenthesisIndex = 2;
inline constexpr unsigned short IntegerPartNumberIndex = 3;
inline constexpr unsigned short DecimalPartNumberIndex = 4;
inline constexpr unsigned short NumeratorIndex = 5;
inline constexpr unsigned short DenominatorIndex = 6;
inline constexpr unsigned short IntegerPartFractionIndex = 7;
inline constexpr unsigned short ExponentValueIndex = 8;
inline constexpr unsigned short ScientificSignIndex = 9;
inline constexpr unsigned short DayIndex = 10;
inline constexpr unsigned short MonthIndex = 11;
inline constexpr unsigned short YearIndex = 12;
inline constexpr unsigned short HourIndex = 13;
inline constexpr unsigned short MinuteIndex = 14;
inline constexpr unsigned short SecondIndex = 15;
inline constexpr unsigned short MillisecondIndex = 16;
inline constexpr unsigned short AmpmIndex = 17;
inline constexpr unsigned short DateIndex = 18;
inline constexpr unsigned short TimeIndex = 19;
inline constexpr unsigned short CurrencySymbolIndex = 20;
inline constexpr unsigned short CommonNumberIndex = 21;
inline constexpr unsigned short FractionIndex = 22;
inline constexpr unsigned short ScientificIndex = 23;
inline constexpr unsigned short CurrencyIndex = 24;
inline constexpr unsigned short DateAndTimeIndex = 25;
inline constexpr unsigned short PercentageIndex = 26;
inline constexpr unsigned short FinalIndex = 1026;     // the end-of-rule marker "Final"
inline constexpr unsigned short UnlistedIndex = 1027;  // any typical name the table lacks

// Number of value-token indices (0 ... 20) of the built-in table.
inline constexpr std::size_t ValueTokensCount = 21;

// The name of the end-of-rule marker token.
inline constexpr std::string_view FinalTokenName = "final";

struct ValueTokensInfo {
  std::unordered_map<std::string, unsigned short> typicalNames;
  std::unordered_set<unsigned short> valueTokens;
  std::unordered_set<unsigned short> detectTypes;
};

// The typical names 0 ... 26 with their value-token and detect-type sets; existing entries stay.
void fillTokensStructures(ValueTokensInfo& info);
// "Final" -> 1026; an existing entry stays.
void fillCommonTokensStructures(ValueTokensInfo& info);

// The index of a typical name, UnlistedIndex (1027) when the table lacks it.
[[nodiscard]] unsigned short typicalNameToValueToken(const ValueTokensInfo& info,
                                                     std::string_view name);
[[nodiscard]] bool isDetectType(const ValueTokensInfo& info, unsigned short index);
[[nodiscard]] bool isValueToken(const ValueTokensInfo& info, unsigned short index);

// The six detect-type tokens the detectors load: "Scientific", "Fraction", "CommonNumber",
// "Currency", "DateAndTime", "Percentage".
[[nodiscard]] const std::vector<std::string>& getAutoDetectNodesNames();
// The path groups of the shipped grammar; a token's key path is one piece of each group, joined.
[[nodiscard]] const std::vector<std::vector<std::string>>& getAutodetectResourcesPath();

using StringsView = boost::const_multi_array_ref<std::string, 1>;

// The 31 whitespace code points (U+0009 ... U+2060), each one UTF-8 string; lives until exit.
[[nodiscard]] StringsView getAllWhitespaceSymbols();
// The whole whitespace table when `item` is exactly one of its entries, none otherwise.
[[nodiscard]] boost::optional<StringsView> getSimilarAutodetectedItems(const std::string& item);

}  // namespace Vesk::OfficeUtils
