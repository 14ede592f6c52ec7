#include "OfficeUtils/FormatDetector/Detectors/OU_DateTimeFormatDetector.h"

#include <chrono>
#include <cmath>
#include <exception>
#include <utility>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionResources.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Token = Model::DateTimePatternToken;
using Format = std::shared_ptr<const Vesk::DOM::CellFormat>;

constexpr int TwoDigitYearBase = 2000;
constexpr int MaxHour = 23;
constexpr int MaxHalfDayHour = 12;
constexpr int MaxMinute = 59;
constexpr int MaxSecond = 59;

// The formats of the input shapes; they do not depend on the locale until written.
enum class Shape { MonthDay, MonthYear, MonthDayYear, NumericDate, Time, TimeSeconds, Count };

const Format& shapeFormat(Shape shape) {
  static const auto formats = [] {
    auto make = [](std::initializer_list<Model::DateTimePatternItem> items) {
      return CellFormatFactory::makeDateTimeFormat(Model::DateTimePatternItemSet(items));
    };
    std::array<Format, static_cast<std::size_t>(Shape::Count)> all;
    all[0] = make({{Token::Month, 2}, {Token::Day, 0}});
    all[1] = make({{Token::Month, 2}, {Token::Year, 1}});
    all[2] = make({{Token::Month, 2}, {Token::Year, 1}, {Token::Day, 0}});
    all[3] = make({{Token::Month, 0}, {Token::Year, 0}, {Token::Day, 0}});
    all[4] = make({{Token::Hour, 0}, {Token::Minute, 0}});
    all[5] = make({{Token::Hour, 0}, {Token::Minute, 0}, {Token::Second, 0}});
    return all;
  }();
  return formats[static_cast<std::size_t>(shape)];
}

const Format& dateTimeFormat() {
  static const Format format =
      CellFormatFactory::makeDateTimeFormat(Model::DateTimeDefaultType::DateTime);
  return format;
}

bool hasNonDigit(const std::string& text) {
  for (std::size_t position = 0; position < text.size();) {
    UChar32 c = 0;
    U8_NEXT(text.data(), position, text.size(), c);
    if (c < 0 || !u_isdigit(c)) return true;
  }
  return false;
}

// A whole decimal integer of ASCII digits (at most 9, so it fits), none otherwise.
boost::optional<int> readInteger(const std::string& text) {
  if (text.empty() || text.size() > 9) return boost::none;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return boost::none;
    value = value * 10 + (c - '0');
  }
  return value;
}

constexpr std::int64_t MillisecondsPerDay = 86'400'000;

// The serial of a moment `elapsed` milliseconds after 1899-12-30 00:00, summed as DateTime sums
// it: whole days, then whole seconds, then milliseconds, so that both give the same double.
Vesk::FloatNumber serialOf(std::int64_t elapsed) {
  const std::int64_t days = elapsed / MillisecondsPerDay;
  const std::int64_t rest = elapsed % MillisecondsPerDay;
  return Vesk::FloatNumber(static_cast<double>(days)) +
         Vesk::FloatNumber(static_cast<double>(rest / 1000)) / 86400.0 +
         Vesk::FloatNumber(static_cast<double>(rest % 1000)) /
             static_cast<double>(MillisecondsPerDay);
}

constexpr std::chrono::sys_days Epoch = std::chrono::sys_days(std::chrono::year(1899) / 12 / 30);

// The Gregorian days from the epoch, none for a date that does not exist.
boost::optional<std::int64_t> civilDays(int year, int month, int day) {
  const std::chrono::year_month_day date{std::chrono::year(year),
                                         std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return boost::none;
  return (std::chrono::sys_days(date) - Epoch).count();
}

int currentCivilYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<int>(std::chrono::year_month_day(today).year());
}

}  // namespace

DateTimeFormatDetector::DateTimeFormatDetector(const LocaleContext& locale)
    : DateTimeFormatDetector(locale, makeDetectionTokensManager(locale)) {}

DateTimeFormatDetector::DateTimeFormatDetector(const LocaleContext& locale,
                                               std::shared_ptr<TokensManager> manager)
    : FormatDetector(locale, std::move(manager), DateAndTimeIndex) {
  for (const auto& name : getDetectorMonthNames(locale))
    _lowerMonthNames.push_back(Vesk::utf8StringToLowerCase(name));
  // Two dates far apart read as the Gregorian calendar reads them: the locale's calendar counts
  // Gregorian years (not Buddhist, era or lunar ones).
  auto serial = [&](int year, int month, int day) {
    return DateTime(DateTime::YearTag(year), DateTime::MonthTag(month), DateTime::DayTag(day),
                    DateTime::HourTag(0), DateTime::MinuteTag(0), DateTime::SecondTag(0),
                    DateTime::MillisecondTag(0), locale, false)
        .calculateDaysAndPartOfDay()
        .getValue();
  };
  _civilCalendar = serial(1600, 3, 1) == static_cast<double>(*civilDays(1600, 3, 1)) &&
                   serial(2024, 3, 4) == static_cast<double>(*civilDays(2024, 3, 4));
}

Vesk::FormulaModel::FormulaValue DateTimeFormatDetector::detectWithParts(const std::string& text,
                                                                         TokenMap* parts) const {
  return parseText(text, parts);
}

Vesk::FormulaModel::FormulaValue DateTimeFormatDetector::formatDetectorResultProcessing(
    const TokenMap& tokens) const {
  const bool date = tokens.contains(DateIndex);
  const bool time = tokens.contains(TimeIndex);
  if (date && time) return dateAndTimeProcessing(tokens);
  if (date) return dateProcessing(tokens);
  if (time) return timeProcessing(tokens);
  return Vesk::FormulaModel::getFormulaEmpty();
}

int DateTimeFormatDetector::strToMonth(const std::string& text) const {
  if (const auto number = Vesk::strToInt(text, nullptr, 10)) return *number;
  const std::string lower = Vesk::utf8StringToLowerCase(text);
  for (std::size_t i = 0; i < _lowerMonthNames.size(); ++i)
    if (_lowerMonthNames[i] == lower) return static_cast<int>(i % 12) + 1;
  return 0;
}

boost::optional<std::int64_t> DateTimeFormatDetector::dateDays(const TokenMap& tokens) const {
  const auto& locale = getLocaleContext();
  const auto* monthText = tokens.find(MonthIndex);
  const auto* dayText = tokens.find(DayIndex);
  const auto* yearText = tokens.find(YearIndex);
  const int month = monthText ? strToMonth(*monthText) : 1;
  // A day or year the grammar gives that is not a plain integer is no date.
  const auto day = dayText ? readInteger(*dayText) : boost::make_optional(1);
  if (!day || month < 1 || month > 12 || *day < 1 || *day > 31) return boost::none;
  int year = 0;
  if (yearText) {
    const auto read = readInteger(*yearText);
    if (!read) return boost::none;
    year = *read + (yearText->size() <= 2 ? TwoDigitYearBase : 0);
  } else {
    year = _civilCalendar
               ? currentCivilYear()
               : DateTime::getNow(Vesk::DOM::TimeZone::getUTCTimeZone(), locale).getYear();
  }
  if (_civilCalendar && year >= 1583 && year <= 9999) return civilDays(year, month, *day);
  try {
    const DateTime date(DateTime::YearTag(year), DateTime::MonthTag(month), DateTime::DayTag(*day),
                        DateTime::HourTag(0), DateTime::MinuteTag(0), DateTime::SecondTag(0),
                        DateTime::MillisecondTag(0), locale);
    if (date.getYear() != year || date.getMonth() != month || date.getDay() != *day)
      return boost::none;
    return static_cast<std::int64_t>(date.calculateDaysAndPartOfDay().getValue());
  } catch (const std::exception&) {
    return boost::none;
  }
}

boost::optional<std::int64_t> DateTimeFormatDetector::timeMilliseconds(
    const TokenMap& tokens) const {
  const auto& locale = getLocaleContext();
  auto field = [&](unsigned short index) -> boost::optional<int> {
    const auto* text = tokens.find(index);
    return text ? readInteger(*text) : boost::make_optional(0);
  };
  const auto hourRead = field(HourIndex);
  const auto minute = field(MinuteIndex);
  const auto second = field(SecondIndex);
  if (!hourRead || !minute || !second) return boost::none;
  int hour = *hourRead;

  int milliseconds = 0;
  if (const auto* millisecondText = tokens.find(MillisecondIndex)) {
    const auto fraction = stringToDouble(
        "0" + locale.getResources().getSymbol(LocalizableSymbolType::DecimalSeparator) +
            *millisecondText,
        locale);
    if (!fraction) return boost::none;
    milliseconds = static_cast<int>(std::round(*fraction * 1000));
  }

  const auto* ampm = tokens.find(AmpmIndex);
  const bool am = ampm && ampm->find_first_of("aA") != std::string::npos;
  if (hour > (ampm ? MaxHalfDayHour : MaxHour) || *minute > MaxMinute || *second > MaxSecond)
    return boost::none;
  if (ampm && !am && hour != 12) hour += 12;
  if (am && hour == 12) hour = 0;
  return ((hour * 60 + *minute) * 60 + *second) * std::int64_t{1000} + milliseconds;
}

boost::optional<DateTime> DateTimeFormatDetector::getDateFromTokens(const TokenMap& tokens) const {
  const auto days = dateDays(tokens);
  if (!days) return boost::none;
  return DateTime(Vesk::FloatNumber(static_cast<double>(*days)), getLocaleContext());
}

boost::optional<DateTime> DateTimeFormatDetector::getTimeFromTokens(const TokenMap& tokens) const {
  const auto elapsed = timeMilliseconds(tokens);
  if (!elapsed) return boost::none;
  return DateTime(serialOf(*elapsed), getLocaleContext());
}

Vesk::FormulaModel::FormulaValue DateTimeFormatDetector::dateProcessing(
    const TokenMap& tokens) const {
  const bool year = tokens.contains(YearIndex);
  const bool day = tokens.contains(DayIndex);
  const auto* month = tokens.find(MonthIndex);
  Shape shape = Shape::NumericDate;
  if (!year)
    shape = Shape::MonthDay;
  else if (!day)
    shape = Shape::MonthYear;
  else if (!month || hasNonDigit(*month))
    shape = Shape::MonthDayYear;
  const auto days = dateDays(tokens);
  if (!days) return Vesk::FormulaModel::getFormulaEmpty();
  return makeFormulaNumberWithCellFormat(static_cast<double>(*days), shapeFormat(shape));
}

Vesk::FormulaModel::FormulaValue DateTimeFormatDetector::timeProcessing(
    const TokenMap& tokens) const {
  const auto elapsed = timeMilliseconds(tokens);
  if (!elapsed) return Vesk::FormulaModel::getFormulaEmpty();
  return makeFormulaNumberWithCellFormat(
      serialOf(*elapsed),
      shapeFormat(tokens.contains(SecondIndex) ? Shape::TimeSeconds : Shape::Time));
}

Vesk::FormulaModel::FormulaValue DateTimeFormatDetector::dateAndTimeProcessing(
    const TokenMap& tokens) const {
  const auto days = dateDays(tokens);
  const auto elapsed = timeMilliseconds(tokens);
  if (!days || !elapsed) return Vesk::FormulaModel::getFormulaEmpty();
  return makeFormulaNumberWithCellFormat(serialOf(*days * MillisecondsPerDay + *elapsed),
                                         dateTimeFormat());
}

}  // namespace Vesk::OfficeUtils
