#include "OfficeUtils/Utils/OU_DateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Errors.h"
#include "host/Utils/OU_System.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {

namespace {

using Item = Vesk::DOM::CellFormatModel::DateTimeItem;
using Type = Item::Type;
using YearTag = DateTime::YearTag;
using MonthTag = DateTime::MonthTag;
using DayTag = DateTime::DayTag;
using HourTag = DateTime::HourTag;
using MinuteTag = DateTime::MinuteTag;
using SecondTag = DateTime::SecondTag;
using MillisecondTag = DateTime::MillisecondTag;
namespace Keys = Vesk::ResourceManager::Keys;

constexpr std::int64_t DayMs = 86400000;
// Julian day numbers: serial 0 (1899-12-30) and the first Gregorian day, 1582-10-15.
constexpr std::int64_t EpochJulianDay = 2415019;
constexpr std::int64_t FirstGregorianJulianDay = 2299161;
// The instants of 0001-01-01 00:00 and 9999-12-31 23:59:59.999 in milliseconds from the epoch.
constexpr std::int64_t MinInstant = -693595 * DayMs;
constexpr std::int64_t MaxInstant = 2958465 * DayMs + DayMs - 1;

using Vesk::Testing::PropertyScale;

const LocaleContext& english() {
  return LocaleContext::getEnLocaleContext();
}

// A German locale over an in-memory provider: the names no rendered corpus row reaches.
const LocaleContext& german() {
  static const Vesk::ResourceManager::MapResourceProvider provider{
      {Keys::AMPMNamesPath, {"vorm.", "nachm."}},
      {Keys::ShortQuarterNamesPath, {"Q1", "Q2", "Q3", "Q4"}},
      {Keys::LongQuarterNamesPath, {"1. Quartal", "2. Quartal", "3. Quartal", "4. Quartal"}},
      {Keys::ShortEraNamesPath, {"v. Chr.", "n. Chr."}},
      {Keys::LongEraNamesPath, {"vor Christus", "nach Christus"}},
  };
  static const Testing::TestLocale locale({{LocalizableSymbolType::DecimalSeparator, ","}}, "de_DE",
                                          provider);
  return locale;
}

DateTime makeDate(int year, int month, int day, int hours = 0, int minutes = 0, int seconds = 0,
                  int milliseconds = 0, const LocaleContext& context = english(),
                  bool checkLimits = false) {
  return DateTime(YearTag(year), MonthTag(month), DayTag(day), HourTag(hours), MinuteTag(minutes),
                  SecondTag(seconds), MillisecondTag(milliseconds), context, checkLimits);
}

// "yyyy-mm-dd hh:mm:ss.fff".
std::string text(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hours,
                 std::int64_t minutes, std::int64_t seconds, std::int64_t milliseconds) {
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}.{:03}", year, month, day, hours, minutes,
                     seconds, milliseconds);
}

std::string fields(const DateTime& v) {
  return text(v.getYear(), v.getMonth(), v.getDay(), v.getHours(), v.getMinutes(), v.getSeconds(),
              v.getMilliseconds());
}

// Independent calendar arithmetic: the Julian day number of a date of the Gregorian or the Julian
// calendar (all arguments positive here).
std::int64_t dayNumber(std::int64_t year, std::int64_t month, std::int64_t day,
                       bool julian = false) {
  const std::int64_t a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 + (julian ? -32083 : -y / 100 + y / 400 - 32045);
}

bool isLeapYear(std::int64_t year, bool julian) {
  return julian ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int64_t monthLength(std::int64_t year, std::int64_t month) {
  static constexpr std::int64_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year, year < 1582) ? 29 : lengths[month - 1];
}

// The serial of an instant given in milliseconds from the epoch, as the library sums it.
double serialOf(std::int64_t instant) {
  const std::int64_t days = instant / DayMs, rest = instant % DayMs;
  return static_cast<double>(days) + static_cast<double>(rest / 1000) / 86400.0 +
         static_cast<double>(rest % 1000) / 86400000.0;
}

// A date with a time of day in the calendar in force on it: Julian before 1582-10-15.
struct Civil {
  std::int64_t year, month, day, timeOfDay;
};

std::string text(const Civil& c) {
  return text(c.year, c.month, c.day, c.timeOfDay / 3600000, c.timeOfDay / 60000 % 60,
              c.timeOfDay / 1000 % 60, c.timeOfDay % 1000);
}

// Milliseconds from the epoch.
std::int64_t instantOf(const Civil& c) {
  std::int64_t day = dayNumber(c.year, c.month, c.day);
  if (day < FirstGregorianJulianDay) day = dayNumber(c.year, c.month, c.day, true);
  return (day - EpochJulianDay) * DayMs + c.timeOfDay;
}

// `c` shifted by whole months: a day past the month's end pins to it, and a day the 1582 change
// skipped is read in the Julian calendar, ten days on.
Civil shifted(Civil c, std::int64_t months) {
  const std::int64_t total = c.year * 12 + c.month - 1 + months;
  c.year = (total >= 0 ? total : total - 11) / 12;  // years before 1 count down from 0 (1 BC)
  c.month = total - c.year * 12 + 1;
  c.day = std::min(c.day, monthLength(c.year, c.month));
  if (c.year == 1582 && c.month == 10 && c.day > 4 && c.day < 15) c.day += 10;
  return c;
}

// The whole years (`unit` 12) or months (`unit` 1) from `from` toward `to` whose shift does not
// pass `to`. Shifting by the difference of the fields lands in the month or year of `to`; if that
// passes it, one unit less does not.
std::int64_t wholeUnits(const Civil& from, const Civil& to, std::int64_t unit) {
  const std::int64_t target = instantOf(to), start = instantOf(from);
  const std::int64_t direction = (target > start) - (target < start);
  std::int64_t count = (to.year - from.year) * 12 / unit + (unit == 1 ? to.month - from.month : 0);
  if ((instantOf(shifted(from, count * unit)) - target) * direction > 0) count -= direction;
  return count;
}

// What diffBy gives: whole years, then whole months from there, then the rest in fixed units.
DateTime::Difference difference(const Civil& from, const Civil& to) {
  const std::int64_t years = wholeUnits(from, to, 12);
  const Civil afterYears = shifted(from, 12 * years);
  const std::int64_t months = wholeUnits(afterYears, to, 1);
  const std::int64_t rest = instantOf(to) - instantOf(shifted(afterYears, months));
  const auto part = [](std::int64_t count) { return static_cast<int>(count); };
  return DateTime::Difference(YearTag(part(years)), MonthTag(part(months)),
                              DayTag(part(rest / DayMs)), HourTag(part(rest / 3600000 % 24)),
                              MinuteTag(part(rest / 60000 % 60)), SecondTag(part(rest / 1000 % 60)),
                              MillisecondTag(part(rest % 1000)));
}

// The week of `day` when weeks start on `first` and week 1 holds at least `minimalDays` days of
// January.
int weekOf(std::chrono::sys_days day, std::chrono::weekday first, unsigned minimalDays) {
  using namespace std::chrono;
  const auto weekOne = [&](int y) {
    const sys_days january1{year(y) / January / 1};
    const sys_days start = january1 - (weekday(january1) - first);
    return january1 - start < days(8 - minimalDays) ? start : start + days(7);
  };
  const int y = static_cast<int>(year_month_day(day).year());
  if (day >= weekOne(y + 1)) return 1;
  return static_cast<int>((day - weekOne(day < weekOne(y) ? y - 1 : y)).count() / 7 + 1);
}

// A date of the whole range; a third near leap days, the epoch, the 1582 change and the limits,
// half of them at month ends, where shifts by years and months pin and skip.
Civil randomCivil(std::mt19937_64& random) {
  const auto below = [&](std::uint64_t n) { return static_cast<std::int64_t>(random() % n); };
  static constexpr std::int64_t centres[] = {4, 1582, 1899, 1900, 2000, 9999};
  const std::int64_t year =
      below(3) ? 1 + below(9999)
               : std::clamp<std::int64_t>(centres[below(6)] + below(5) - 2, 1, 9999);
  const std::int64_t day = below(2) ? 1 + below(31) : 27 + below(5);
  return shifted({year, 1 + below(12), day, below(DayMs)}, 0);
}

// ----- Serial numbers -----

// Milliseconds round, carrying into the next second; days are floored and the part of the day
// keeps the serial's sign. Fields of other serials are checked by the property below.
TEST(DateTime, SerialsRoundToMillisecondsSplitIntoDaysAndConvertFrom1904) {
  const std::pair<double, const char*> cases[] = {
      {1 - 0.0004 / 86400, "1899-12-31 00:00:00.000"},
      {-59.9996 / 86400, "1899-12-29 23:59:00.000"},
      // Above the maximum by less than the tolerance of the comparison, so still valid.
      {2958465 + 86399.9994 / 86400, "9999-12-31 23:59:59.999"},
  };
  for (const auto& [serial, expected] : cases)
    EXPECT_EQ(fields(DateTime(serial, english())), expected) << serial;
  const DateTime value(-1.25, english());
  EXPECT_EQ(value.calculateDays().getValue(), -2);
  EXPECT_EQ(value.calculatePartOfDay().getValue(), -0.25);
  // Serials of the other date system start four years later; their zero has no sign.
  EXPECT_EQ(DateTime::convertFrom1904BaseDate(0.5).getValue(), 1462.5);
  EXPECT_EQ(DateTime::convertFrom1904BaseDate(-1462).getValue(), 0);
  EXPECT_FALSE(std::signbit(DateTime::convertFrom1904BaseDate(-1462).getValue()));
}

TEST(DateTime, LimitsAndOneMillisecondBeyond) {
  const double maxSerial = 2958465 + 86399.0 / 86400 + 999.0 / 86400000;
  EXPECT_EQ(DateTime::getMaxDaysAndPartOfDay().getValue(), maxSerial);
  EXPECT_EQ(fields(DateTime::getMinDate()), "0001-01-01 00:00:00.000");
  EXPECT_EQ(fields(DateTime(maxSerial, english())), "9999-12-31 23:59:59.999");
  for (const double serial : {maxSerial, -693595.0, 0.0}) EXPECT_TRUE(isDateValid(serial));
  for (const double serial : {maxSerial + 1.0 / 86400000, -693595 - 1.0 / 86400000, 2958466.0,
                              -693596.0, 1e300, -1e300, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
    EXPECT_FALSE(isDateValid(serial)) << serial;
    EXPECT_THROW(DateTime(serial, english()), DateLimitException) << serial;
  }
}

TEST(DateTime, FieldConstructionChecksTheLimitsUnlessToldNot) {
  // One millisecond beyond each limit; year 0 is 1 BC.
  EXPECT_THROW(DateTime(YearTag(10000), MonthTag(1), DayTag(1), HourTag(0), MinuteTag(0),
                        SecondTag(0), MillisecondTag(0), english()),
               DateLimitException);
  EXPECT_THROW(makeDate(0, 12, 31, 23, 59, 59, 999, english(), true), DateLimitException);
  EXPECT_STREQ(DateLimitException().what(), "The date is outside the limit.");
  // Fields out of their range roll over: month 13 of 2020 is January 2021.
  EXPECT_EQ(fields(makeDate(2020, 13, 1, 25, 0, 0, 0, english(), true)), "2021-01-02 01:00:00.000");
  const std::pair<FloatNumber, double> serials[] = {
      {makeDate(10000, 1, 1).calculateDaysAndPartOfDay(), 2958466},
      {DateTime::calculateDaysAndPartOfDayWithoutLimits(HourTag(36), MinuteTag(0), SecondTag(0),
                                                        MillisecondTag(0), english()),
       1.5},
      {DateTime(HourTag(-6), MinuteTag(0), SecondTag(0), MillisecondTag(0), english())
           .calculateDaysAndPartOfDay(),
       -0.25}};
  for (const auto& [serial, expected] : serials) EXPECT_EQ(serial.getValue(), expected);
}

TEST(DateTime, HostDateTimesBothWays) {
  const Vesk::DOM::DateTime host{2024, 2, 29, 23, 59, 58, Vesk::DOM::TimeZone(3600)};
  const DateTime value(host, english());
  EXPECT_EQ(fields(value), "2024-02-29 23:59:58.000");
  EXPECT_EQ(toDOMDateTime(value, Vesk::DOM::TimeZone(-12600)),
            (Vesk::DOM::DateTime{2024, 2, 29, 23, 59, 58, Vesk::DOM::TimeZone(-12600)}));
  // Milliseconds are dropped; a year beyond 16 bits does not convert.
  EXPECT_EQ(toDOMDateTime(makeDate(2000, 1, 2, 3, 4, 5, 999), Vesk::DOM::TimeZone()).seconds, 5);
  EXPECT_THROW((void)toDOMDateTime(makeDate(70000, 1, 1), Vesk::DOM::TimeZone()),
               Vesk::BadNumCastError);
  EXPECT_THROW(DateTime(Vesk::DOM::DateTime{0, 1, 1, 0, 0, 0, Vesk::DOM::TimeZone()}, english()),
               DateLimitException);
}

TEST(DateTime, NowIsTheWallClockOfTheZone) {
  const std::int64_t before = Vesk::Environment::getSystemTime();
  const DateTime now = DateTime::getNow(Vesk::DOM::TimeZone(-12600), english());
  const std::int64_t after = Vesk::Environment::getSystemTime();
  // 1970-01-01 is serial 25569.
  const double serial = now.calculateDaysAndPartOfDay().getValue();
  EXPECT_GE(serial, 25569 + (before - 12600000) / 86400000.0 - 1e-9);
  EXPECT_LE(serial, 25569 + (after - 12600000) / 86400000.0 + 1e-9);
}

TEST(DateTime, MovedFromValuesFailTheAssertion) {
  DateTime original = makeDate(2021, 1, 31);
  const DateTime moved = std::move(original);
  // NOLINTBEGIN(bugprone-use-after-move)
  EXPECT_ASSERTION((void)original.getPeriod(UCAL_YEAR), "OfficeUtils/Utils/OU_DateTime",
                   "_calendar");
  EXPECT_ASSERTION(const DateTime copy(original), "OfficeUtils/Utils/OU_DateTime",
                   "other._calendar");
  original = moved;  // a moved-from value may be assigned to
  // NOLINTEND(bugprone-use-after-move)
  EXPECT_EQ(fields(original), "2021-01-31 00:00:00.000");
}

// Dates of the whole range against the civil arithmetic above, in two locales: their serials come
// back with their fields and bit for bit; month lengths, week days, whole units from the epoch,
// differences with another date, shifts and month ends agree. Four in five draws check only the
// fields, which are cheap. (Serials between milliseconds: the rounding table above and the
// date-time fuzzer.)
TEST(DateTime, PropertyAgreesWithCivilArithmetic) {
  using namespace std::chrono;
  std::mt19937_64 random(20240229);
  std::uniform_int_distribution<int> shift(-40, 40);
  const Civil epoch{1899, 12, 30, 0};
  // Fields counted in units of a fixed length, and the lengths.
  const UCalendarDateFields fixedFields[] = {
      UCAL_WEEK_OF_YEAR, UCAL_WEEK_OF_MONTH, UCAL_DAY_OF_WEEK_IN_MONTH,
      UCAL_DATE,         UCAL_DAY_OF_YEAR,   UCAL_DAY_OF_WEEK,
      UCAL_AM_PM,        UCAL_HOUR,          UCAL_MINUTE,
      UCAL_SECOND,       UCAL_MILLISECOND};
  const std::int64_t units[] = {7 * DayMs, 7 * DayMs, 7 * DayMs, DayMs, DayMs, DayMs,
                                DayMs / 2, 3600000,   60000,     1000,  1};
  for (int i = 0; i < 100'000 / PropertyScale; ++i) {
    const Civil date = randomCivil(random);
    const std::int64_t instant = instantOf(date);
    const LocaleContext& context = i % 2 ? english() : german();
    DateTime value(serialOf(instant), context);
    ASSERT_EQ(fields(value), text(date));
    ASSERT_EQ(value.calculateDaysAndPartOfDay().getValue(), serialOf(instant)) << text(date);
    if (i % 5) continue;
    SCOPED_TRACE(text(date));
    ASSERT_EQ(value.getLastDayOfMonth(), monthLength(date.year, date.month));
    ASSERT_EQ(value.getMaxDaysInYear(), isLeapYear(date.year, date.year < 1582) ? 366 : 365);
    const sys_days day = floor<days>(sys_days{1899y / December / 30} + milliseconds{instant});
    const weekday weekDay{day};
    ASSERT_EQ(value.getWeekDay(), weekDay.c_encoding() + 1);
    ASSERT_EQ(value.isWeekend(), weekDay == Saturday || weekDay == Sunday);
    for (unsigned bit = 0; bit < 7; ++bit)  // a mask's bits run from Sunday up to Monday
      ASSERT_EQ(value.isExtendedWeekend(WeekDays(1 << bit)), bit == (7 - weekDay.c_encoding()) % 7);
    for (std::size_t f = 0; f < std::size(units); ++f)
      ASSERT_EQ(value.getNoTruncatePeriod(fixedFields[f]), instant / units[f]) << fixedFields[f];
    ASSERT_EQ(value.getNoTruncatePeriod(UCAL_YEAR), wholeUnits(epoch, date, 12));
    ASSERT_EQ(value.getNoTruncatePeriod(UCAL_MONTH), wholeUnits(epoch, date, 1));

    const Civil other = randomCivil(random);
    const DateTime otherValue(serialOf(instantOf(other)), context);
    ASSERT_EQ(value.diffBy(otherValue), difference(date, other)) << text(other);
    ASSERT_EQ(otherValue.diffBy(value), difference(other, date)) << text(other);
    ASSERT_EQ(value.equalsTo(otherValue), instant == instantOf(other));
    ASSERT_TRUE(value.equalsTo(DateTime(serialOf(instant), context)));
    if (date.year > 1583) {  // en_US weeks start on Sunday, the German ones are ISO weeks
      ASSERT_EQ(value.getYearWeek(), i % 2 ? weekOf(day, Sunday, 1) : weekOf(day, Monday, 4));
      ASSERT_EQ(value.getYearISOWeek(), weekOf(day, Monday, 4));
      ASSERT_EQ(value.getYearWeek(), weekOf(day, Monday, 4));  // the ISO rules stay on the value
    }

    const int years = shift(random) / 10, months = shift(random) / 3, daysBy = shift(random);
    const int hours = shift(random), minutes = 2 * shift(random), seconds = shift(random);
    const int milliseconds = 50 * shift(random);
    // The last day of the month shifted to, at the same time.
    Civil monthEnd = shifted(date, months);
    monthEnd.day = monthLength(monthEnd.year, monthEnd.month);
    ASSERT_NEAR(DateTime(value).getLastDayOfShiftedMonth(MonthTag(months)).getValue(),
                serialOf(instantOf(monthEnd)), 0.5 / 86400000);
    const Civil afterMonths = shifted(shifted(date, 12 * years), months);
    const std::int64_t expected = instantOf(afterMonths) + daysBy * DayMs + hours * 3600000 +
                                  minutes * 60000 + seconds * 1000 + milliseconds;
    if (date.year + years < 1 || date.year + years > 9999 || expected < MinInstant ||
        expected > MaxInstant)
      continue;
    if (i % 2) {
      value.shiftBy(DateTime::Difference(YearTag(years), MonthTag(months), DayTag(daysBy),
                                         HourTag(hours), MinuteTag(minutes), SecondTag(seconds),
                                         MillisecondTag(milliseconds)));
    } else {
      value.shiftBy(YearTag(years));
      value.shiftBy(MonthTag(months));
      value.shiftBy(DayTag(daysBy));
      value.shiftBy(HourTag(hours), MinuteTag(minutes), SecondTag(seconds),
                    MillisecondTag(milliseconds));
    }
    ASSERT_EQ(value.calculateDaysAndPartOfDay().getValue(), serialOf(expected));
  }
}

// ----- Arithmetic -----

// October 1582 has 21 days, numbered 1 to 4 and 15 to 31: its last day is not found by counting
// from the day of the month. The value stays on the day it was shifted to.
TEST(DateTime, LastDayOfAMonthWithDaysLeftOut) {
  DateTime value(serialOf(instantOf({1582, 8, 2, 0})), english());
  EXPECT_EQ(value.getLastDayOfShiftedMonth(MonthTag(2)).getValue(),
            serialOf(instantOf({1582, 10, 31, 0})));
  EXPECT_EQ(fields(value), text({1582, 10, 2, 0}));
}

TEST(DateTime, SettersChangeTheDayAndTheWeekRules) {
  DateTime value = makeDate(2021, 3, 1, 10);
  value.shiftByOneDay(false);
  EXPECT_EQ(fields(value), "2021-02-28 10:00:00.000");
  value.shiftByOneDay(true);
  value.setDay(DayTag(15));
  EXPECT_EQ(fields(value), "2021-03-15 10:00:00.000");
  value = makeDate(2021, 1, 1);
  value.setFirstDayOfWeek(UCAL_MONDAY);
  value.setMinimalDaysInFirstWeek(7);
  EXPECT_EQ(value.getYearWeek(), 52);  // the first full week of 2020 began on 6 January
}

// Other fields and dates are compared with civil arithmetic by the property above.
TEST(DateTime, NoTruncatePeriodsOfErasLimitsAndOtherFields) {
  EXPECT_EQ(DateTime(0, english()).getNoTruncatePeriod(UCAL_ERA), 0);
  EXPECT_EQ(DateTime::getMinDate().getNoTruncatePeriod(UCAL_YEAR), -1898);
  EXPECT_EQ(DateTime::getMaxDate().getNoTruncatePeriod(UCAL_MILLISECOND), 255611462399999);
  const DateTime value(1.5, english());
  // Shifting by eras cannot reach a later day of the same era, so the calendar gives up.
  EXPECT_THROW((void)value.getNoTruncatePeriod(UCAL_ERA), Vesk::ICUError);
  for (const auto field : {UCAL_HOUR_OF_DAY, UCAL_ZONE_OFFSET, UCAL_DOW_LOCAL, UCAL_FIELD_COUNT})
    EXPECT_THROW((void)value.getNoTruncatePeriod(field), DateLimitException) << field;
}

// ----- Rendering -----

// In German, the items the rendered corpus (tests/data/format_render.tsv) does not reach: names,
// quarters, eras, ISO weeks; the twelve-hour flag changes only "h" and "hh"; the digits of
// fractions are cut, not rounded; totals keep their sign.
TEST(DateTime, RendersNamesClocksFractionsAndTotalsInGerman) {
  const double sunday = 38571 + 47109.087 / 86400;  // 2005-08-07 13:05:09.087, in the 3rd quarter
  const double at1309 = 47109 / 86400.0, at0009 = 9 / 86400.0;
  const struct {
    double serial;
    Type type;
    int places;
    const char* expected;
  } cases[] = {
      {sunday, Type::AmPmLong, 0, "nachm."},
      {sunday, Type::QuarterShort, 0, "Q3"},
      {sunday, Type::QuarterLong, 0, "3. Quartal"},
      {sunday, Type::EraShort, 0, "n. Chr."},
      {sunday, Type::EraLong, 0, "nach Christus"},
      {sunday, Type::WeekOfYear, 0, "31"},  // an ISO week; en_US weeks start on Sunday
      {sunday, Type(255), 0, ""},
      {at1309, Type::HoursLong, 0, "01"},
      {at1309 - 2.0 / 24, Type::AmPmShort, 0, "vorm."},
      {at0009 + 0.087 / 86400, Type::SecondsShort, 5, "9,087"},
      {at0009 + 0.087 / 86400, Type::SecondsLong, 0, "09,"},
      {at0009 + 0.999 / 86400, Type::SecondsLong, 2, "09,99"},
      {0.01, Type::HoursLongNoTruncate, 0, "00"},
      {-1.25, Type::HoursShortNoTruncate, 0, "-30"},
      {-0.25, Type::HoursLongNoTruncate, 0, "-6"},
      {-690308, Type::YearLong, 0, "0010"},
  };
  for (const auto& c : cases) {
    const Item item(c.type, static_cast<std::uint8_t>(c.places));
    EXPECT_EQ(DateTime(c.serial, german()).toString(item, true), c.expected) << c.serial;
  }
}

TEST(DateTime, NamesMissingFromShortListsRenderEmpty) {
  const Vesk::ResourceManager::MapResourceProvider provider{
      {Keys::LongMonthNamesPath, {"Januar", "Februar"}},
      {Keys::LongDaysOfWeekNamesPath, {"Sonntag"}},
      {Keys::ShortEraNamesPath, std::vector<std::string>{}},
  };
  const Testing::TestLocale context(LocaleResources::getDefaultSymbols(), "en_US", provider);
  const DateTime february = makeDate(2021, 2, 7, 9, 0, 0, 0, context);  // a Sunday morning
  const DateTime august = makeDate(2021, 8, 9, 21, 0, 0, 0, context);   // a Monday evening
  EXPECT_EQ(february.toString(Item(Type::MonthLongText), false), "Februar");
  EXPECT_EQ(february.toString(Item(Type::DayOfWeekLong), false), "Sonntag");
  for (const auto type : {Type::MonthLongText, Type::DayOfWeekLong, Type::EraShort})
    EXPECT_EQ(august.toString(Item(type), false), "") << static_cast<int>(type);
  const std::pair<int, const char*> shifts[] = {{7, "Januar"}, {8, ""}, {-1, ""}};
  for (const auto& [shift, expected] : shifts)
    EXPECT_EQ(august.getDatePartTextFromResources(Keys::LongMonthNamesPath, UCAL_MONTH, shift),
              expected)
        << shift;
}

// Values made from serials read their fields by arithmetic in the Gregorian calendar from
// 1582-10-15 on (checked by the civil property), and from their ICU calendar otherwise: in other
// calendar systems a value read before its calendar is made agrees with one read after.
TEST(DateTime, OtherCalendarSystemsReadTheirOwnFields) {
  std::mt19937_64 random(15821015);
  std::uniform_real_distribution<double> anySerial(-693595, 2958465.99);
  for (const char* name : {"th_TH", "ja_JP@calendar=japanese", "fa_IR"}) {
    const Testing::TestLocale context(LocaleResources::SymbolStrings{}, name);
    for (int n = 0; n < 500 / PropertyScale; ++n) {
      const double serial = anySerial(random);
      const DateTime lazy(serial, context);
      DateTime calendar(serial, context);
      (void)calendar.getPeriod(UCAL_ERA);  // makes the calendar
      ASSERT_EQ(fields(lazy), fields(calendar)) << name << " serial " << serial;
      ASSERT_EQ(lazy.getWeekDay(), calendar.getWeekDay()) << name << " serial " << serial;
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
