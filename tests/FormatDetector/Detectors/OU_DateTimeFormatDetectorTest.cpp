// The date-time detector on the token maps a grammar gives: which dates exist, two-digit years,
// month names, day halves, milliseconds, and the format shape chosen for each input shape.
#include "OfficeUtils/FormatDetector/Detectors/OU_DateTimeFormatDetector.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Entries = std::vector<std::pair<int, std::string>>;
using Vesk::ResourceManager::MapResourceProvider;

TokenMap makeMap(const Entries& entries) {
  TokenMap map;
  for (const auto& [index, text] : entries) map.insert(index, text);
  return map;
}

std::shared_ptr<TokensManager> emptyGrammar() {
  return std::make_shared<TokensManager>(
      [](const std::string&) { return boost::optional<std::vector<std::string>>(); },
      fillTokensStructures, getAutoDetectNodesNames(), getAutodetectResourcesPath());
}

const DateTimeFormatDetector& english() {
  static const Testing::TestLocale locale;
  static const DateTimeFormatDetector detector(locale, emptyGrammar());
  return detector;
}

double serial(int year, int month, int day) {
  return DateTime(DateTime::YearTag(year), DateTime::MonthTag(month), DateTime::DayTag(day),
                  DateTime::HourTag(0), DateTime::MinuteTag(0), DateTime::SecondTag(0),
                  DateTime::MillisecondTag(0), Testing::TestLocale().get())
      .calculateDaysAndPartOfDay()
      .getValue();
}

TEST(DateTimeFormatDetectorTest, datesThatExist) {
  const int thisYear =
      DateTime::getNow(Vesk::DOM::TimeZone::getUTCTimeZone(), english().getLocaleContext())
          .getYear();
  const bool leap = (thisYear % 4 == 0 && thisYear % 100 != 0) || thisYear % 400 == 0;
  struct Case {
    std::string day, month, year;  // "" for absent
    double expected;               // 0 for no date
  };
  const std::vector<Case> cases = {
      {"29", "2", "2024", 45351},
      {"29", "2", "2023", 0},
      {"31", "4", "2024", 0},
      {"30", "4", "2024", 45412},
      {"1", "13", "2024", 0},
      {"0", "1", "2024", 0},
      {"1", "0", "2024", 0},
      {"32", "1", "2024", 0},
      {"29", "2", "1900", 0},
      {"1", "3", "1900", 61},
      {"31", "12", "1899", 1},
      {"4", "3", "24", 45355},
      {"1", "1", "7", 39083},
      {"1", "1", "07", 39083},
      {"1", "1", "99", serial(2099, 1, 1)},
      {"1", "1", "999", serial(999, 1, 1)},
      {"1", "1", "0024", serial(24, 1, 1)},
      {"1", "1", "0000", 0},
      {"1", "1", "10000", 0},
      {"", "3", "2024", 45352},
      {"4", "Mar", "2024", 45355},
      {"4", "MARCH", "2024", 45355},
      {"4", "mär", "2024", 0},
      {"29", "Feb", "", leap ? serial(thisYear, 2, 29) : 0},
      {"1", "", "2024", 45292},
      {"4", "x1", "2024", 0},
      {"4", "3", "2024\u0660", 0},
  };
  for (const auto& [day, month, year, expected] : cases) {
    Entries entries = {{DateIndex, "-"}};
    if (!day.empty()) entries.push_back({DayIndex, day});
    if (!month.empty()) entries.push_back({MonthIndex, month});
    if (!year.empty()) entries.push_back({YearIndex, year});
    const auto number = Vesk::FormulaModel::asFormulaNumberOpt(
        english().formatDetectorResultProcessing(makeMap(entries)));
    SCOPED_TRACE(day + " " + month + " " + year);
    ASSERT_EQ(number.has_value(), expected != 0);
    if (number) {
      EXPECT_EQ(number->getValue().getValue(), expected);
    }
  }
}

TEST(DateTimeFormatDetectorTest, monthNamesOfTheLocaleThenEnglish) {
  namespace Keys = Vesk::ResourceManager::Keys;
  static const MapResourceProvider provider{
      {Keys::LongMonthNamesPath,
       {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
        "Oktober", "November", "Dezember"}}};
  static const Testing::TestLocale german(LocaleResources::getDefaultSymbols(), "de_DE", provider);
  const DateTimeFormatDetector detector(german, emptyGrammar());
  const std::vector<std::pair<std::string, int>> cases = {
      {"MÄRZ", 3}, {"märz", 3}, {"Dezember", 12}, {"Dec", 12}, {"mar", 3}, {"13", 13}, {"x", 0}};
  for (const auto& [text, month] : cases) EXPECT_EQ(detector.strToMonth(text), month) << text;
  EXPECT_EQ(english().strToMonth("sept"), 0);
  EXPECT_EQ(english().strToMonth("September"), 9);
}

TEST(DateTimeFormatDetectorTest, timesOfDay) {
  struct Case {
    Entries entries;
    int hour, minute, second, millisecond;  // hour -1: rejected
  };
  const std::vector<Case> cases = {
      {{{HourIndex, "12"}, {MinuteIndex, "30"}, {AmpmIndex, "AM"}}, 0, 30, 0, 0},
      {{{HourIndex, "12"}, {MinuteIndex, "30"}, {AmpmIndex, "PM"}}, 12, 30, 0, 0},
      {{{HourIndex, "1"}, {MinuteIndex, "05"}, {AmpmIndex, "pm"}}, 13, 5, 0, 0},
      {{{HourIndex, "1"}, {AmpmIndex, "am"}}, 1, 0, 0, 0},
      {{{HourIndex, "11"}, {AmpmIndex, "p.m."}}, 23, 0, 0, 0},
      {{{HourIndex, "13"}, {MinuteIndex, "00"}, {AmpmIndex, "PM"}}, -1, 0, 0, 0},
      {{{HourIndex, "24"}, {MinuteIndex, "00"}}, -1, 0, 0, 0},
      {{{HourIndex, "10"}, {MinuteIndex, "60"}}, -1, 0, 0, 0},
      {{{HourIndex, "23"}, {MinuteIndex, "59"}, {SecondIndex, "60"}}, -1, 0, 0, 0},
      {{{HourIndex, "23"}, {MinuteIndex, "59"}, {SecondIndex, "59"}}, 23, 59, 59, 0},
      {{{HourIndex, "1"}, {MinuteIndex, "2"}, {SecondIndex, "3"}, {MillisecondIndex, "5"}},
       1,
       2,
       3,
       500},
      {{{HourIndex, "1"}, {MinuteIndex, "2"}, {SecondIndex, "3"}, {MillisecondIndex, "05"}},
       1,
       2,
       3,
       50},
      {{{HourIndex, "1"}, {MinuteIndex, "2"}, {SecondIndex, "3"}, {MillisecondIndex, "1234"}},
       1,
       2,
       3,
       123},
      {{{HourIndex, "1"}, {MinuteIndex, "2"}, {MillisecondIndex, "1235"}}, 1, 2, 0, 124},
      {{{HourIndex, "99999999999"}}, -1, 0, 0, 0},
  };
  for (const auto& [entries, hour, minute, second, millisecond] : cases) {
    const auto time = english().getTimeFromTokens(makeMap(entries));
    SCOPED_TRACE(testing::Message() << hour << ":" << minute << ":" << second);
    ASSERT_EQ(time.has_value(), hour >= 0);
    if (!time) continue;
    EXPECT_EQ(time->getHours(), hour);
    EXPECT_EQ(time->getMinutes(), minute);
    EXPECT_EQ(time->getSeconds(), second);
    EXPECT_EQ(time->getMilliseconds(), millisecond);
    EXPECT_EQ(time->calculateDays().getValue(), 0);
  }
}

TEST(DateTimeFormatDetectorTest, formatMirrorsTheShapeTyped) {
  using Token = Model::DateTimePatternToken;
  using Items = Model::DateTimePatternItemSet;
  const Items monthDay{{Token::Month, 2}, {Token::Day, 0}};
  const Items monthYear{{Token::Month, 2}, {Token::Year, 1}};
  const Items textual{{Token::Month, 2}, {Token::Year, 1}, {Token::Day, 0}};
  const Items numeric{{Token::Month, 0}, {Token::Year, 0}, {Token::Day, 0}};
  const std::vector<std::pair<Entries, Items>> cases = {
      {{{DateIndex, "-"}, {DayIndex, "4"}, {MonthIndex, "3"}}, monthDay},
      {{{DateIndex, "-"}, {MonthIndex, "Mar"}, {YearIndex, "24"}}, monthYear},
      {{{DateIndex, "-"}, {DayIndex, "4"}, {YearIndex, "2024"}}, textual},
      {{{DateIndex, "-"}, {DayIndex, "4"}, {MonthIndex, "Mar"}, {YearIndex, "2024"}}, textual},
      {{{DateIndex, "-"}, {DayIndex, "4"}, {MonthIndex, "3"}, {YearIndex, "24"}}, numeric},
      {{{TimeIndex, "-"}, {HourIndex, "4"}, {MinuteIndex, "30"}, {AmpmIndex, "pm"}},
       {{Token::Hour, 0}, {Token::Minute, 0}}},
      {{{TimeIndex, "-"}, {HourIndex, "4"}, {MinuteIndex, "30"}, {SecondIndex, "1"}},
       {{Token::Hour, 0}, {Token::Minute, 0}, {Token::Second, 0}}},
  };
  for (const auto& [entries, items] : cases) {
    const auto number = Vesk::FormulaModel::asFormulaNumberOpt(
        english().formatDetectorResultProcessing(makeMap(entries)));
    ASSERT_TRUE(number);
    EXPECT_EQ(*number->getProps().getCellFormat(), *CellFormatFactory::makeDateTimeFormat(items))
        << entries.back().second;
  }
  const auto both = Vesk::FormulaModel::asFormulaNumberOpt(
      english().formatDetectorResultProcessing(makeMap({{DateIndex, "-"},
                                                        {TimeIndex, "-"},
                                                        {DayIndex, "4"},
                                                        {MonthIndex, "3"},
                                                        {YearIndex, "2024"},
                                                        {HourIndex, "18"},
                                                        {MillisecondIndex, "5"}})));
  ASSERT_TRUE(both);
  EXPECT_DOUBLE_EQ(both->getValue().getValue(), 45355.75 + 0.5 / 86400);
  EXPECT_EQ(*both->getProps().getCellFormat(),
            *CellFormatFactory::makeDateTimeFormat(Model::DateTimeDefaultType::DateTime));
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(
      english().formatDetectorResultProcessing(makeMap({{DateIndex, "-"},
                                                        {TimeIndex, "-"},
                                                        {DayIndex, "31"},
                                                        {MonthIndex, "4"},
                                                        {YearIndex, "2024"},
                                                        {HourIndex, "1"}}))));
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(
      english().formatDetectorResultProcessing(makeMap({{DayIndex, "4"}, {MonthIndex, "3"}}))));
}

}  // namespace
}  // namespace Vesk::OfficeUtils
