#include "OfficeUtils/Utils/OU_DateTime.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include <unicode/locid.h>
#include <unicode/simpletz.h>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/OU_Assert.h"
#include "host/ResourceManager/OU_ResourceProvider.h"
#include "host/Utils/OU_Errors.h"
#include "host/Utils/OU_NumCast.h"
#include "host/Utils/OU_System.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Utils/OU_DateTime";

// Serial 0: 30 December 1899, 00:00:00.000.
constexpr int EpochYear = 1899;
constexpr int EpochDay = 30;
constexpr int EpochICUMonth = 11;

constexpr std::int64_t MillisecondsPerSecond = 1000;
constexpr std::int64_t MillisecondsPerMinute = 60 * MillisecondsPerSecond;
constexpr std::int64_t MillisecondsPerHour = 60 * MillisecondsPerMinute;
constexpr std::int64_t MillisecondsPerDay = 24 * MillisecondsPerHour;
constexpr double SecondsPerDay = 86400;

// Day counts added for the 1904 date system: 1904-01-01 is serial 1462.
constexpr double Days1904To1900System = 1462;

// A calendar built for a locale name and zone offset, kept to be cloned: creating a calendar
// costs several times as much as cloning one.
struct CalendarPrototype {
  std::string localeName;
  std::int32_t offsetMilliseconds;
  std::unique_ptr<icu::Calendar> calendar;
  double epochMilliseconds;  // 1899-12-30 00:00 in this calendar
  bool gregorian;            // the calendar system whose fields civilFields computes
};

// 1582-10-15, the first day of the Gregorian calendar, in days from 1899-12-30.
constexpr std::int64_t GregorianSwitchDays = -115858;

// Enough for every locale a process works in at once; beyond it the oldest is rebuilt when
// needed again.
constexpr std::size_t MaxCachedPrototypes = 16;

void setToEpoch(icu::Calendar& calendar) {
  DateTime::setICUDateTimeFields(calendar, DateTime::YearTag(EpochYear),
                                 DateTime::MonthTag(EpochICUMonth), DateTime::DayTag(EpochDay),
                                 DateTime::HourTag(0), DateTime::MinuteTag(0),
                                 DateTime::SecondTag(0), DateTime::MillisecondTag(0));
}

CalendarPrototype makePrototype(const std::string& localeName, std::int32_t offsetMilliseconds) {
  const icu::Locale locale = icu::Locale::createFromName(localeName.c_str());
  // The zone has a fixed offset and no daylight saving, so every day is 86,400,000 ms long; the
  // serial conversions rely on that.
  const icu::SimpleTimeZone zone(offsetMilliseconds, icu::UnicodeString(u"custom_TZ"));
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(zone, locale, status));
  throwIfICUFailure(status);
  std::unique_ptr<icu::Calendar> epoch(calendar->clone());
  setToEpoch(*epoch);
  const double epochMilliseconds = epoch->getTime(status);
  throwIfICUFailure(status);
  const bool gregorian = std::string_view(calendar->getType()) == "gregorian";
  return {localeName, offsetMilliseconds, std::move(calendar), epochMilliseconds, gregorian};
}

// Each thread keeps its own prototypes, so no lock is needed and a prototype is only ever read
// by the thread that cloned it.
const CalendarPrototype& getCalendarPrototype(const std::string& localeName,
                                              std::int32_t offsetMilliseconds) {
  thread_local std::vector<CalendarPrototype> prototypes;
  for (const auto& prototype : prototypes) {
    if (prototype.offsetMilliseconds == offsetMilliseconds && prototype.localeName == localeName)
      return prototype;
  }
  auto prototype = makePrototype(localeName, offsetMilliseconds);
  if (prototypes.size() == MaxCachedPrototypes) prototypes.erase(prototypes.begin());
  prototypes.push_back(std::move(prototype));
  return prototypes.back();
}

// The thread's prototype for the context's locale, in the zone of the serial conversions (UTC).
const CalendarPrototype& calendarPrototype(const LocaleContext& context) {
  OU_ASSERT(isICUInitialized());
  return getCalendarPrototype(
      context.getResources().getLocaleName(),
      Vesk::DOM::TimeZone::getUTCTimeZone().getOffset() * static_cast<std::int32_t>(1000));
}

// The decimal text of `number`, filled with "0" on the left up to `width` characters; the fill
// stands before a minus sign ("0-5" for -5 in width 3), as stream output right-aligns.
std::string zeroFilled(std::int64_t number, std::size_t width) {
  std::string text = std::to_string(number);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// Where a calendar stands in years and months of its own system.
struct YearAndMonth {
  std::int64_t year;
  std::int64_t month;
};

YearAndMonth yearAndMonthAt(icu::Calendar& calendar, UDate time) {
  UErrorCode status = U_ZERO_ERROR;
  calendar.setTime(time, status);
  const YearAndMonth result{calendar.get(UCAL_EXTENDED_YEAR, status),
                            calendar.get(UCAL_MONTH, status)};
  throwIfICUFailure(status);
  return result;
}

// Whether `time` lies in the days of valid serials of a calendar with that epoch.
bool isWithinDateLimits(UDate time, double epochMilliseconds) {
  const double fromEpoch = time - epochMilliseconds;
  return fromEpoch >=
             Vesk::floor(DateTime::getMinDaysAndPartOfDay()).getValue() * MillisecondsPerDay &&
         fromEpoch <
             (Vesk::floor(DateTime::getMaxDaysAndPartOfDay()).getValue() + 1) * MillisecondsPerDay;
}

// What `calendar.fieldDifference(target, field)` counts for years or months, and where it
// leaves the calendar: the count furthest from zero whose shift does not pass the target.
// Shifts by years and months move the instant monotonically, so stepping from an estimate by
// the fields finds the same count as ICU's search, which doubles from one; that takes a dozen
// shifts of about a microsecond each, this two or three. Far outside the valid dates shifts
// may stop at the calendar's own limits, where ICU's search is used as it is.
std::int32_t countYearsOrMonths(icu::Calendar& calendar, UDate target, UCalendarDateFields field,
                                double epochMilliseconds) {
  UErrorCode status = U_ZERO_ERROR;
  const UDate start = calendar.getTime(status);
  throwIfICUFailure(status);
  if (!isWithinDateLimits(start, epochMilliseconds) ||
      !isWithinDateLimits(target, epochMilliseconds)) {
    const std::int32_t count = calendar.fieldDifference(target, field, status);
    throwIfICUFailure(status);
    return count;
  }
  if (target == start) return 0;

  const YearAndMonth to = yearAndMonthAt(calendar, target);
  const YearAndMonth from = yearAndMonthAt(calendar, start);
  const std::int64_t years = to.year - from.year;
  // At most one off for years, a few for months; within the valid dates it fits easily.
  const auto estimate =
      static_cast<std::int32_t>(field == UCAL_YEAR ? years : years * 12 + to.month - from.month);
  auto shifted = [&](std::int32_t count) {
    calendar.setTime(start, status);
    calendar.add(field, count, status);
    const UDate time = calendar.getTime(status);
    throwIfICUFailure(status);
    return time;
  };
  const std::int32_t step = target > start ? 1 : -1;
  auto passes = [&](UDate time) { return step > 0 ? time > target : time < target; };
  std::int32_t count = step > 0 ? std::max(estimate, 0) : std::min(estimate, 0);
  UDate reached = count == 0 ? start : shifted(count);
  while (count != 0 && passes(reached)) {
    count -= step;
    reached = count == 0 ? start : shifted(count);
  }
  for (;;) {
    const UDate next = shifted(count + step);
    if (passes(next)) break;
    count += step;
    reached = next;
  }
  // Setting the time reached is cheaper than shifting again and leaves the same calendar.
  calendar.setTime(reached, status);
  throwIfICUFailure(status);
  return count;
}

// ICU's fieldDifference counts in int32_t and fails beyond it.
std::int64_t checkedFieldCount(std::int64_t count) {
  if (count > std::numeric_limits<std::int32_t>::max() ||
      count < std::numeric_limits<std::int32_t>::min())
    throw ICUError(U_ILLEGAL_ARGUMENT_ERROR);
  return count;
}

// The limit dates live in the built-in context of dialect 2. Their time and fields are computed
// before they are shared, so that later reads and clones only read them.
const DateTime& limitDate(bool maximum) {
  auto make = [](int year, int month, int day, int hours, int minutes, int seconds,
                 int milliseconds) {
    DateTime date(DateTime::YearTag(year), DateTime::MonthTag(month), DateTime::DayTag(day),
                  DateTime::HourTag(hours), DateTime::MinuteTag(minutes),
                  DateTime::SecondTag(seconds), DateTime::MillisecondTag(milliseconds),
                  LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType::OOXMLStrict),
                  false);
    (void)date.getYear();
    return date;
  };
  if (maximum) {
    static const DateTime maxDate = make(9999, 12, 31, 23, 59, 59, 999);
    return maxDate;
  }
  static const DateTime minDate = make(1, 1, 1, 0, 0, 0, 0);
  return minDate;
}

}  // namespace

DateTime::Difference::Difference(YearTag years, MonthTag months, DayTag days, HourTag hours,
                                 MinuteTag minutes, SecondTag seconds, MillisecondTag milliseconds)
    : years(years.get()),
      months(months.get()),
      days(days.get()),
      hours(hours.get()),
      minutes(minutes.get()),
      seconds(seconds.get()),
      milliseconds(milliseconds.get()) {}

// Construction

DateTime::DateTime(FloatNumber serial, const LocaleContext& context) : _context(&context) {
  const auto& prototype = calendarPrototype(context);
  _epochMilliseconds = prototype.epochMilliseconds;
  _gregorian = prototype.gregorian;
  if (!isDateValid(serial)) throw DateLimitException();
  FloatNumber days;
  const FloatNumber dayFraction = Vesk::modf(serial, &days);
  FloatNumber wholeSeconds;
  const FloatNumber secondFraction = Vesk::modf(dayFraction * SecondsPerDay, &wholeSeconds);
  // 59.9996 seconds give 1000 milliseconds, which carry into the next second.
  const FloatNumber milliseconds = Vesk::round(secondFraction * 1000);
  // Adding the days, seconds and milliseconds to the epoch field by field moves the instant by
  // exactly this many milliseconds (the zone has no daylight saving); one setTime is five
  // times cheaper.
  // The calendar is made from the instant when first needed; fields the civil arithmetic
  // gives are read without it.
  _lazy = true;
  _fromEpoch = std::int64_t{numCast<int>(days)} * MillisecondsPerDay +
               std::int64_t{numCast<int>(wholeSeconds)} * MillisecondsPerSecond +
               numCast<int>(milliseconds);
}

DateTime::DateTime(YearTag year, MonthTag month, DayTag day, HourTag hours, MinuteTag minutes,
                   SecondTag seconds, MillisecondTag milliseconds, const LocaleContext& context,
                   bool checkLimits)
    : _context(&context) {
  createCalendar();
  // The one month that has no ICU month: it lies 178 million years away.
  if (month.get() == std::numeric_limits<int>::min()) throw DateLimitException();
  setICUDateTimeFields(*_calendar, year, MonthTag(month.get() - 1), day, hours, minutes, seconds,
                       milliseconds);
  if (checkLimits && !isDateValid(calculateDaysAndPartOfDay())) throw DateLimitException();
}

DateTime::DateTime(YearTag year, MonthTag month, DayTag day, HourTag hours, MinuteTag minutes,
                   SecondTag seconds, MillisecondTag milliseconds, const LocaleContext& context)
    : DateTime(year, month, day, hours, minutes, seconds, milliseconds, context, true) {}

DateTime::DateTime(HourTag hours, MinuteTag minutes, SecondTag seconds, MillisecondTag milliseconds,
                   const LocaleContext& context, bool checkLimits)
    : _context(&context) {
  createCalendar();
  UErrorCode status = U_ZERO_ERROR;
  _calendar->setTime(_epochMilliseconds, status);
  throwIfICUFailure(status);
  shiftBy(hours, minutes, seconds, milliseconds);
  if (checkLimits && !isDateValid(calculateDaysAndPartOfDay())) throw DateLimitException();
}

DateTime::DateTime(HourTag hours, MinuteTag minutes, SecondTag seconds, MillisecondTag milliseconds,
                   const LocaleContext& context)
    : DateTime(hours, minutes, seconds, milliseconds, context, true) {}

DateTime::DateTime(const Vesk::DOM::DateTime& dateTime, const LocaleContext& context)
    : DateTime(YearTag(dateTime.year), MonthTag(dateTime.month), DayTag(dateTime.day),
               HourTag(dateTime.hours), MinuteTag(dateTime.minutes), SecondTag(dateTime.seconds),
               MillisecondTag(0), context, true) {}

DateTime::DateTime(const Vesk::DOM::TimeZone& timeZone, const LocaleContext& context)
    : _context(&context) {
  createCalendar();
  UErrorCode status = U_ZERO_ERROR;
  _calendar->setTime(static_cast<UDate>(Vesk::Environment::getSystemTime()), status);
  throwIfICUFailure(status);
  add(UCAL_SECOND, timeZone.getOffset());
}

DateTime::DateTime(const DateTime& other)
    : _context(other._context),
      _epochMilliseconds(other._epochMilliseconds),
      _fromEpoch(other._fromEpoch),
      _gregorian(other._gregorian),
      _lazy(other._lazy),
      _civil(other._civil) {
  if (!other._calendar && !other._lazy) OU_FAIL("other._calendar");
  if (other._calendar) {
    _calendar.reset(other._calendar->clone());
    if (!_calendar) throw ICUError(U_MEMORY_ALLOCATION_ERROR);
  }
}

DateTime::DateTime(DateTime&& other) noexcept
    : _context(other._context),
      _calendar(std::move(other._calendar)),
      _epochMilliseconds(other._epochMilliseconds),
      _fromEpoch(other._fromEpoch),
      _gregorian(other._gregorian),
      _lazy(std::exchange(other._lazy, false)),
      _civil(other._civil) {}

DateTime& DateTime::operator=(const DateTime& other) {
  if (this == &other) return *this;
  DateTime copy(other);
  return *this = std::move(copy);
}

DateTime& DateTime::operator=(DateTime&& other) noexcept {
  _context = other._context;
  _calendar = std::move(other._calendar);
  _epochMilliseconds = other._epochMilliseconds;
  _fromEpoch = other._fromEpoch;
  _gregorian = other._gregorian;
  _lazy = std::exchange(other._lazy, false);
  _civil = other._civil;
  return *this;
}

DateTime::~DateTime() = default;

DateTime DateTime::getNow(const Vesk::DOM::TimeZone& timeZone, const LocaleContext& context) {
  return DateTime(timeZone, context);
}

void DateTime::createCalendar() const {
  const auto& prototype = calendarPrototype(*_context);
  _calendar.reset(prototype.calendar->clone());
  if (!_calendar) throw ICUError(U_MEMORY_ALLOCATION_ERROR);
  _epochMilliseconds = prototype.epochMilliseconds;
  _gregorian = prototype.gregorian;
}

void DateTime::initICUCalendar() {
  createCalendar();
  UErrorCode status = U_ZERO_ERROR;
  _calendar->setTime(icu::Calendar::getNow(), status);
  throwIfICUFailure(status);
}

void DateTime::setICUDateTimeFields(icu::Calendar& calendar, YearTag year, MonthTag month,
                                    DayTag day, HourTag hours, MinuteTag minutes, SecondTag seconds,
                                    MillisecondTag milliseconds) {
  calendar.clear();
  calendar.set(UCAL_YEAR, year.get());
  calendar.set(UCAL_MONTH, month.get());
  calendar.set(UCAL_DATE, day.get());
  calendar.set(UCAL_HOUR_OF_DAY, hours.get());
  calendar.set(UCAL_MINUTE, minutes.get());
  calendar.set(UCAL_SECOND, seconds.get());
  calendar.set(UCAL_MILLISECOND, milliseconds.get());
}

// Conversions

icu::Calendar& DateTime::calendar() const {
  if (!_calendar) {
    if (!_lazy) OU_FAIL("_calendar");  // moved from
    _lazy = false;
    createCalendar();
    UErrorCode status = U_ZERO_ERROR;
    _calendar->setTime(_epochMilliseconds + static_cast<double>(_fromEpoch), status);
    throwIfICUFailure(status);
  }
  return *_calendar;
}

std::int64_t DateTime::millisecondsFromEpoch() const {
  if (_lazy) return _fromEpoch;
  UErrorCode status = U_ZERO_ERROR;
  const UDate time = calendar().getTime(status);
  throwIfICUFailure(status);
  return numCast<std::int64_t>(time - _epochMilliseconds);
}

FloatNumber DateTime::calculateDaysAndPartOfDay() const {
  // Counting days, then seconds, then milliseconds from the epoch with the calendar gives these
  // quotients, each truncated toward zero: every day of the zone is exactly 86,400,000 ms.
  const std::int64_t elapsed = millisecondsFromEpoch();
  const std::int64_t days = elapsed / MillisecondsPerDay;
  const std::int64_t dayRest = elapsed % MillisecondsPerDay;
  const std::int64_t seconds = dayRest / MillisecondsPerSecond;
  const std::int64_t milliseconds = dayRest % MillisecondsPerSecond;
  return FloatNumber(static_cast<double>(days)) +
         FloatNumber(static_cast<double>(seconds)) / SecondsPerDay +
         FloatNumber(static_cast<double>(milliseconds)) / static_cast<double>(MillisecondsPerDay);
}

FloatNumber DateTime::calculateDays() const {
  return Vesk::floor(calculateDaysAndPartOfDay());
}

FloatNumber DateTime::calculatePartOfDay() const {
  FloatNumber days;
  return Vesk::modf(calculateDaysAndPartOfDay(), &days);
}

FloatNumber DateTime::calculateDaysAndPartOfDayWithoutLimits(YearTag year, MonthTag month,
                                                             DayTag day, HourTag hours,
                                                             MinuteTag minutes, SecondTag seconds,
                                                             MillisecondTag milliseconds,
                                                             const LocaleContext& context) {
  return DateTime(year, month, day, hours, minutes, seconds, milliseconds, context, false)
      .calculateDaysAndPartOfDay();
}

FloatNumber DateTime::calculateDaysAndPartOfDayWithoutLimits(HourTag hours, MinuteTag minutes,
                                                             SecondTag seconds,
                                                             MillisecondTag milliseconds,
                                                             const LocaleContext& context) {
  return DateTime(hours, minutes, seconds, milliseconds, context, false)
      .calculateDaysAndPartOfDay();
}

FloatNumber DateTime::convertFrom1904BaseDate(FloatNumber serial) {
  const FloatNumber sum = serial + Days1904To1900System;
  return sum.getValue() == 0 ? FloatNumber(0.0) : sum;
}

DateTime DateTime::getMinDate() {
  return limitDate(false);
}

DateTime DateTime::getMaxDate() {
  return limitDate(true);
}

// The limit dates counted as calculateDaysAndPartOfDay counts them, written out: building the
// dates would cost the first conversion of a process a locale context and two ICU calendars.
FloatNumber DateTime::getMinDaysAndPartOfDay() {
  return FloatNumber(-693595.0);  // 0001-01-01 00:00:00.000
}

FloatNumber DateTime::getMaxDaysAndPartOfDay() {
  // 9999-12-31 23:59:59.999
  return FloatNumber(2958465.0) + FloatNumber(86399.0) / SecondsPerDay +
         FloatNumber(999.0) / static_cast<double>(MillisecondsPerDay);
}

bool isDateValid(FloatNumber serial) {
  return DateTime::getMinDaysAndPartOfDay() <= serial &&
         serial <= DateTime::getMaxDaysAndPartOfDay();
}

Vesk::DOM::DateTime toDOMDateTime(const DateTime& dateTime, const Vesk::DOM::TimeZone& timeZone) {
  Vesk::DOM::DateTime result;
  result.year = numCast<std::uint16_t>(dateTime.getYear());
  result.month = numCast<std::uint8_t>(dateTime.getMonth());
  result.day = numCast<std::uint8_t>(dateTime.getDay());
  result.hours = numCast<std::uint8_t>(dateTime.getHours());
  result.minutes = numCast<std::uint8_t>(dateTime.getMinutes());
  result.seconds = numCast<std::uint8_t>(dateTime.getSeconds());
  result.timeZone = timeZone;
  return result;
}

// Fields

// Fields of a Gregorian date and time from milliseconds since 1899-12-30 00:00, by the civil
// calendar's arithmetic (days to year, month and day in 400-year eras). Only for instants on or
// after the Gregorian switch, where the calendar's fields are these.

DateTime::CivilFields DateTime::civilFields(std::int64_t fromEpoch) {
  std::int64_t days = fromEpoch / MillisecondsPerDay;
  std::int64_t time = fromEpoch % MillisecondsPerDay;
  if (time < 0) {
    time += MillisecondsPerDay;
    --days;
  }
  CivilFields fields{};
  fields.known = true;
  fields.weekDay = static_cast<int>((days % 7 + 7 + 6) % 7) + 1;  // 1899-12-30 was a Saturday
  // Days from 0000-03-01, so that the leap day ends each 4-, 100- and 400-year cycle.
  const std::int64_t shifted = days + 693899;
  const std::int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
  const std::int64_t dayOfEra = shifted - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  fields.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  fields.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  fields.year = static_cast<int>(yearOfEra + era * 400 + (fields.month <= 2 ? 1 : 0));
  fields.hours = static_cast<int>(time / MillisecondsPerHour);
  fields.minutes = static_cast<int>(time / MillisecondsPerMinute % 60);
  fields.seconds = static_cast<int>(time / MillisecondsPerSecond % 60);
  fields.milliseconds = static_cast<int>(time % MillisecondsPerSecond);
  return fields;
}

int DateTime::getPeriod(UCalendarDateFields field) const {
  if (_lazy && _gregorian && _fromEpoch >= GregorianSwitchDays * MillisecondsPerDay) {
    if (!_civil.known) _civil = civilFields(_fromEpoch);
    const CivilFields& fields = _civil;
    switch (field) {
      case UCAL_YEAR:
        return fields.year;
      case UCAL_MONTH:
        return fields.month - 1;
      case UCAL_DATE:
        return fields.day;
      case UCAL_HOUR_OF_DAY:
        return fields.hours;
      case UCAL_MINUTE:
        return fields.minutes;
      case UCAL_SECOND:
        return fields.seconds;
      case UCAL_MILLISECOND:
        return fields.milliseconds;
      case UCAL_DAY_OF_WEEK:
        return fields.weekDay;
      default:
        break;
    }
  }
  UErrorCode status = U_ZERO_ERROR;
  const int value = calendar().get(field, status);
  throwIfICUFailure(status);
  return value;
}

int DateTime::getYear() const {
  return getPeriod(UCAL_YEAR);
}
int DateTime::getMonth() const {
  return getPeriod(UCAL_MONTH) + 1;
}
int DateTime::getDay() const {
  return getPeriod(UCAL_DATE);
}
int DateTime::getHours() const {
  return getPeriod(UCAL_HOUR_OF_DAY);
}
int DateTime::getMinutes() const {
  return getPeriod(UCAL_MINUTE);
}
int DateTime::getSeconds() const {
  return getPeriod(UCAL_SECOND);
}
int DateTime::getMilliseconds() const {
  return getPeriod(UCAL_MILLISECOND);
}

void DateTime::setDay(DayTag day) {
  calendar().set(UCAL_DATE, day.get());
}

void DateTime::setFirstDayOfWeek(UCalendarDaysOfWeek day) {
  calendar().setFirstDayOfWeek(day);
}

void DateTime::setMinimalDaysInFirstWeek(int days) {
  calendar().setMinimalDaysInFirstWeek(static_cast<std::uint8_t>(days));
}

// Arithmetic

void DateTime::add(UCalendarDateFields field, int amount) {
  UErrorCode status = U_ZERO_ERROR;
  calendar().add(field, amount, status);
  throwIfICUFailure(status);
}

void DateTime::shiftBy(YearTag years) {
  add(UCAL_YEAR, years.get());
}

void DateTime::shiftBy(MonthTag months) {
  add(UCAL_MONTH, months.get());
}

void DateTime::shiftBy(DayTag days) {
  add(UCAL_DATE, days.get());
}

void DateTime::shiftByOneDay(bool forward) {
  shiftBy(DayTag(forward ? 1 : -1));
}

void DateTime::shiftBy(HourTag hours, MinuteTag minutes, SecondTag seconds,
                       MillisecondTag milliseconds) {
  add(UCAL_HOUR_OF_DAY, hours.get());
  add(UCAL_MINUTE, minutes.get());
  add(UCAL_SECOND, seconds.get());
  add(UCAL_MILLISECOND, milliseconds.get());
}

void DateTime::shiftBy(const Difference& difference) {
  add(UCAL_YEAR, difference.years);
  add(UCAL_MONTH, difference.months);
  add(UCAL_DATE, difference.days);
  add(UCAL_HOUR_OF_DAY, difference.hours);
  add(UCAL_MINUTE, difference.minutes);
  add(UCAL_SECOND, difference.seconds);
  add(UCAL_MILLISECOND, difference.milliseconds);
}

DateTime::Difference DateTime::diffBy(const DateTime& other) const {
  UErrorCode status = U_ZERO_ERROR;
  const UDate target = other.calendar().getTime(status);
  throwIfICUFailure(status);
  const std::unique_ptr<icu::Calendar> clone(calendar().clone());
  if (!clone) throw ICUError(U_MEMORY_ALLOCATION_ERROR);
  Difference difference;
  // Years and months need the calendar (their lengths vary, and shifts pin to month ends).
  difference.years = countYearsOrMonths(*clone, target, UCAL_YEAR, _epochMilliseconds);
  difference.months = countYearsOrMonths(*clone, target, UCAL_MONTH, _epochMilliseconds);
  const UDate reached = clone->getTime(status);
  throwIfICUFailure(status);
  // What is left is less than a month and has the sign of the direction. Days, hours, minutes
  // and seconds are fixed lengths in the zone, so the calendar's whole-unit counts are these
  // quotients truncated toward zero.
  std::int64_t rest = numCast<std::int64_t>(target - reached);
  difference.days = numCast<std::int32_t>(rest / MillisecondsPerDay);
  rest %= MillisecondsPerDay;
  difference.hours = static_cast<std::int32_t>(rest / MillisecondsPerHour);
  rest %= MillisecondsPerHour;
  difference.minutes = static_cast<std::int32_t>(rest / MillisecondsPerMinute);
  rest %= MillisecondsPerMinute;
  difference.seconds = static_cast<std::int32_t>(rest / MillisecondsPerSecond);
  rest %= MillisecondsPerSecond;
  difference.milliseconds = numCast<int>(rest);
  return difference;
}

bool DateTime::equalsTo(const DateTime& other) const {
  UErrorCode status = U_ZERO_ERROR;
  const bool equal = calendar().equals(other.calendar(), status);
  throwIfICUFailure(status);
  return equal;
}

int DateTime::getLastDayOfMonth() const {
  UErrorCode status = U_ZERO_ERROR;
  const int day = calendar().getActualMaximum(UCAL_DATE, status);
  throwIfICUFailure(status);
  return day;
}

int DateTime::getMaxDaysInYear() const {
  UErrorCode status = U_ZERO_ERROR;
  const int days = calendar().getActualMaximum(UCAL_DAY_OF_YEAR, status);
  throwIfICUFailure(status);
  return days;
}

FloatNumber DateTime::getLastDayOfShiftedMonth(MonthTag months) {
  shiftBy(months);
  // The calendar itself moves to the last day: counting from the day of the month would overshoot
  // in a month with days left out (October 1582 has 21 days numbered up to 31).
  const int day = getDay();
  setDay(DayTag(getLastDayOfMonth()));
  const FloatNumber serial = calculateDaysAndPartOfDay();
  setDay(DayTag(day));
  return serial;
}

std::int64_t DateTime::getNoTruncatePeriod(UCalendarDateFields field) const {
  // Units of a fixed length count as quotients of the milliseconds since the epoch, truncated
  // toward zero as the calendar's fieldDifference counts them; the sub-hour units are the
  // calendar's whole hours scaled up plus the whole units of the rest, which is the same
  // quotient.
  std::int64_t unit = 0;
  switch (field) {
    case UCAL_ERA:
    case UCAL_YEAR:
    case UCAL_MONTH: {
      UErrorCode status = U_ZERO_ERROR;
      const UDate target = calendar().getTime(status);
      throwIfICUFailure(status);
      const std::unique_ptr<icu::Calendar> clone(calendar().clone());
      if (!clone) throw ICUError(U_MEMORY_ALLOCATION_ERROR);
      setToEpoch(*clone);
      if (field == UCAL_ERA) {
        const std::int32_t count = clone->fieldDifference(target, field, status);
        throwIfICUFailure(status);
        return count;
      }
      return countYearsOrMonths(*clone, target, field, _epochMilliseconds);
    }
    case UCAL_WEEK_OF_YEAR:
    case UCAL_WEEK_OF_MONTH:
    case UCAL_DAY_OF_WEEK_IN_MONTH:
      unit = 7 * MillisecondsPerDay;
      break;
    case UCAL_DATE:
    case UCAL_DAY_OF_YEAR:
    case UCAL_DAY_OF_WEEK:
      unit = MillisecondsPerDay;
      break;
    case UCAL_AM_PM:
      unit = 12 * MillisecondsPerHour;
      break;
    case UCAL_HOUR:
      unit = MillisecondsPerHour;
      break;
    case UCAL_MINUTE:
    case UCAL_SECOND:
    case UCAL_MILLISECOND: {
      const std::int64_t elapsed = millisecondsFromEpoch();
      (void)checkedFieldCount(elapsed / MillisecondsPerHour);
      if (field == UCAL_MINUTE) return elapsed / MillisecondsPerMinute;
      if (field == UCAL_SECOND) return elapsed / MillisecondsPerSecond;
      return elapsed;
    }
    default:
      throw DateLimitException();
  }
  return checkedFieldCount(millisecondsFromEpoch() / unit);
}

int DateTime::getWeekDay() const {
  return getPeriod(UCAL_DAY_OF_WEEK);
}

int DateTime::getYearWeek() const {
  return getPeriod(UCAL_WEEK_OF_YEAR);
}

int DateTime::getYearISOWeek() const {
  calendar().setFirstDayOfWeek(UCAL_MONDAY);
  calendar().setMinimalDaysInFirstWeek(4);
  return getPeriod(UCAL_WEEK_OF_YEAR);
}

bool DateTime::isWeekend() const {
  return calendar().isWeekend();
}

bool DateTime::isExtendedWeekend(WeekDays mask) const {
  const int defaultWeekDay = getWeekDay();
  OU_ASSERT(defaultWeekDay > 0 && defaultWeekDay < 8);
  const unsigned bit = defaultWeekDay == 1 ? 1u : 1u << (8 - defaultWeekDay);
  return (static_cast<unsigned>(mask) & bit) != 0;
}

// Rendering

std::string DateTime::getDatePartTextFromResources(std::string key, UCalendarDateFields field,
                                                   int offset) const {
  const std::int64_t index = std::int64_t{getPeriod(field)} - offset;
  const auto names = _context->getResourceProvider().safeGetResourceStringArray(key);
  if (index < 0 || static_cast<std::uint64_t>(index) >= names.size()) return {};
  return names[static_cast<std::size_t>(index)];
}

std::string DateTime::secondsText(const Vesk::DOM::CellFormatModel::DateTimeItem& item,
                                  int width) const {
  std::string text = zeroFilled(getPeriod(UCAL_SECOND), static_cast<std::size_t>(width));
  if (const auto& places = item.getDecimalPlaces()) {
    // The digits are cut, not rounded: 9.087 s with two places is "09.08".
    text += _context->getResources().getSymbol(LocalizableSymbolType::DecimalSeparator);
    text += zeroFilled(getPeriod(UCAL_MILLISECOND), 3).substr(0, std::min<std::size_t>(*places, 3));
  }
  return text;
}

std::string DateTime::toString(const Vesk::DOM::CellFormatModel::DateTimeItem& item,
                               bool twelveHourClock) const {
  namespace Keys = Vesk::ResourceManager::Keys;
  using Type = Vesk::DOM::CellFormatModel::DateTimeItem::Type;
  auto hours = [&](std::size_t width) {
    if (!twelveHourClock) return zeroFilled(getPeriod(UCAL_HOUR_OF_DAY), width);
    const int hour = getPeriod(UCAL_HOUR);
    return zeroFilled(hour == 0 ? 12 : hour, width);
  };
  auto quarter = [&](const char* key) -> std::string {
    const auto names = _context->getResourceProvider().safeGetResourceStringArray(key);
    const int index = getPeriod(UCAL_MONTH) / 3;
    if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return {};
    return names[static_cast<std::size_t>(index)];
  };
  switch (item.getType()) {
    case Type::AmPmShort:
    case Type::AmPmLong:
      return getDatePartTextFromResources(Keys::AMPMNamesPath, UCAL_AM_PM, 0);
    case Type::DayShort:
      return zeroFilled(getPeriod(UCAL_DATE), 1);
    case Type::DayLong:
      return zeroFilled(getPeriod(UCAL_DATE), 2);
    case Type::DayOfWeekShort:
      return getDatePartTextFromResources(Keys::ShortDaysOfWeekNamesPath, UCAL_DAY_OF_WEEK, 1);
    case Type::DayOfWeekLong:
      return getDatePartTextFromResources(Keys::LongDaysOfWeekNamesPath, UCAL_DAY_OF_WEEK, 1);
    case Type::HoursShort:
      return hours(1);
    case Type::HoursLong:
      return hours(2);
    case Type::HoursShortNoTruncate:
      return zeroFilled(getNoTruncatePeriod(UCAL_HOUR), 1);
    case Type::HoursLongNoTruncate:
      return zeroFilled(getNoTruncatePeriod(UCAL_HOUR), 2);
    case Type::MinutesShort:
      return zeroFilled(getPeriod(UCAL_MINUTE), 1);
    case Type::MinutesLong:
      return zeroFilled(getPeriod(UCAL_MINUTE), 2);
    case Type::MinutesShortNoTruncate:
      return zeroFilled(getNoTruncatePeriod(UCAL_MINUTE), 1);
    case Type::MinutesLongNoTruncate:
      return zeroFilled(getNoTruncatePeriod(UCAL_MINUTE), 2);
    case Type::SecondsShort:
      return secondsText(item, 1);
    case Type::SecondsLong:
      return secondsText(item, 2);
    case Type::SecondsShortNoTruncate:
      return zeroFilled(getNoTruncatePeriod(UCAL_SECOND), 1);
    case Type::SecondsLongNoTruncate:
      return zeroFilled(getNoTruncatePeriod(UCAL_SECOND), 2);
    case Type::MonthShortDecimal:
      return zeroFilled(getPeriod(UCAL_MONTH) + 1, 1);
    case Type::MonthLongDecimal:
      return zeroFilled(getPeriod(UCAL_MONTH) + 1, 2);
    case Type::MonthShortText:
      return getDatePartTextFromResources(Keys::ShortMonthNamesPath, UCAL_MONTH, 0);
    case Type::MonthLongText:
      return getDatePartTextFromResources(Keys::LongMonthNamesPath, UCAL_MONTH, 0);
    case Type::MonthFirstLetter:
      return getDatePartTextFromResources(Keys::FirstLetterMonthNamesPath, UCAL_MONTH, 0);
    case Type::YearShort:
      return zeroFilled(getPeriod(UCAL_YEAR), 4).substr(2, 2);
    case Type::YearLong:
      return zeroFilled(getPeriod(UCAL_YEAR), 4);
    case Type::BuddhistYearShort:
    case Type::BuddhistYearLong:
      return {};
    case Type::QuarterShort:
      return quarter(Keys::ShortQuarterNamesPath);
    case Type::QuarterLong:
      return quarter(Keys::LongQuarterNamesPath);
    case Type::EraShort:
      return getDatePartTextFromResources(Keys::ShortEraNamesPath, UCAL_ERA, 0);
    case Type::EraLong:
      return getDatePartTextFromResources(Keys::LongEraNamesPath, UCAL_ERA, 0);
    case Type::WeekOfYear:
      return zeroFilled(getPeriod(UCAL_WEEK_OF_YEAR), 1);
  }
  return {};
}

}  // namespace Vesk::OfficeUtils
