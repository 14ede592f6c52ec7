// The library's date-time value: a spreadsheet serial number (whole days since 1899-12-30, the
// time of day as the fraction) held as an ICU calendar that each value owns, with the date
// arithmetic and the rendering of format-code date-time items. The locale context is referred
// to, not owned, and must outlive the value. A value is used by one thread at a time: ICU
// computes calendar fields lazily, so even reading a field writes to the calendar.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <unicode/calendar.h>
#include <unicode/ucal.h>

#include "OfficeUtils/Utils/OU_DateLimitException.h"
#include "host/DOM/OU_CellFormatModel.h"
#include "host/DOM/OU_DateTime.h"
#include "host/DOM/OU_TimeZone.h"
#include "host/Utils/OU_FloatNumber.h"
#include "host/Utils/OU_TaggedValue.h"

namespace Vesk::OfficeUtils {

class LocaleContext;

// A set of weekdays, one bit each; read from Monday to Sunday the bits run from the most to the
// least significant of the low seven. Saturday and Sunday: WeekDays{3}.
enum class WeekDays : std::uint8_t {
  None = 0,
  Sunday = 1,
  Saturday = 2,
  Friday = 4,
  Thursday = 8,
  Wednesday = 16,
  Tuesday = 32,
  Monday = 64,
};

constexpr WeekDays operator|(WeekDays a, WeekDays b) {
  return WeekDays(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr WeekDays operator&(WeekDays a, WeekDays b) {
  return WeekDays(static_cast<std::uint8_t>(a) & static_cast<std::uint8_t>(b));
}

class DateTime {
 public:
  struct YearKind {};
  struct MonthKind {};
  struct DayKind {};
  struct HourKind {};
  struct MinuteKind {};
  struct SecondKind {};
  struct MillisecondKind {};
  // Months are 1 to 12 (ICU's month plus one), hours 0 to 23, unless a function says otherwise.
  using YearTag = Vesk::TaggedValue<int, YearKind>;
  using MonthTag = Vesk::TaggedValue<int, MonthKind>;
  using DayTag = Vesk::TaggedValue<int, DayKind>;
  using HourTag = Vesk::TaggedValue<int, HourKind>;
  using MinuteTag = Vesk::TaggedValue<int, MinuteKind>;
  using SecondTag = Vesk::TaggedValue<int, SecondKind>;
  using MillisecondTag = Vesk::TaggedValue<int, MillisecondKind>;

  // The distance between two values, greatest units first; every part has the sign of the
  // direction.
  struct Difference {
    Difference() = default;
    Difference(YearTag years, MonthTag months, DayTag days, HourTag hours, MinuteTag minutes,
               SecondTag seconds, MillisecondTag milliseconds);

    std::int32_t years = 0;
    std::int32_t months = 0;
    std::int32_t days = 0;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t milliseconds = 0;

    friend bool operator==(const Difference&, const Difference&) = default;
  };

  // Serial 0 is 1899-12-30 00:00, 1 is 1899-12-31, 61 is 1900-03-01 (there is no 29 February
  // 1900); -1.25 is 1899-12-28 18:00 (the day and the time both go back). Throws
  // DateLimitException when isDateValid(serial) is false.
  DateTime(FloatNumber serial, const LocaleContext& context);
  // From fields (ICU rolls over fields out of their range, as 13 months). With `checkLimits`,
  // throws DateLimitException when the serial of the result is not valid.
  DateTime(YearTag year, MonthTag month, DayTag day, HourTag hours, MinuteTag minutes,
           SecondTag seconds, MillisecondTag milliseconds, const LocaleContext& context,
           bool checkLimits);
  DateTime(YearTag year, MonthTag month, DayTag day, HourTag hours, MinuteTag minutes,
           SecondTag seconds, MillisecondTag milliseconds, const LocaleContext& context);
  // A time of the epoch day: serial 0 shifted by the given time.
  DateTime(HourTag hours, MinuteTag minutes, SecondTag seconds, MillisecondTag milliseconds,
           const LocaleContext& context, bool checkLimits);
  DateTime(HourTag hours, MinuteTag minutes, SecondTag seconds, MillisecondTag milliseconds,
           const LocaleContext& context);
  // The host value's fields with 0 milliseconds, checked; its time zone is not used.
  DateTime(const Vesk::DOM::DateTime& dateTime, const LocaleContext& context);
  // The current moment as the wall clock of `timeZone` shows it. Not checked.
  DateTime(const Vesk::DOM::TimeZone& timeZone, const LocaleContext& context);

  // A value made from a serial makes its ICU calendar only when something needs it: the date and
  // time fields of a Gregorian calendar from 1582-10-15 on come from arithmetic. Copies clone the
  // calendar when there is one; a moved-from value may only be assigned to or destroyed.
  DateTime(const DateTime& other);
  DateTime(DateTime&& other) noexcept;
  DateTime& operator=(const DateTime& other);
  DateTime& operator=(DateTime&& other) noexcept;
  ~DateTime();

  [[nodiscard]] static DateTime getNow(const Vesk::DOM::TimeZone& timeZone,
                                       const LocaleContext& context);

  // The serial number of the value, exact to the millisecond: whole days, whole seconds and
  // milliseconds since the epoch, each counted toward zero, summed in that order.
  [[nodiscard]] FloatNumber calculateDaysAndPartOfDay() const;
  // The floor of the serial: -2 for -1.25.
  [[nodiscard]] FloatNumber calculateDays() const;
  // The fraction of the serial with its sign: -0.25 for -1.25.
  [[nodiscard]] FloatNumber calculatePartOfDay() const;

  [[nodiscard]] static FloatNumber calculateDaysAndPartOfDayWithoutLimits(
      YearTag year, MonthTag month, DayTag day, HourTag hours, MinuteTag minutes, SecondTag seconds,
      MillisecondTag milliseconds, const LocaleContext& context);
  [[nodiscard]] static FloatNumber calculateDaysAndPartOfDayWithoutLimits(
      HourTag hours, MinuteTag minutes, SecondTag seconds, MillisecondTag milliseconds,
      const LocaleContext& context);
  // A serial of the 1904 date system in this one: plus 1462 days.
  [[nodiscard]] static FloatNumber convertFrom1904BaseDate(FloatNumber serial);

  // 0001-01-01 00:00:00.000 and 9999-12-31 23:59:59.999, and their serials -693595 and
  // 2958465.99999998843 (days before 1582-10-15 are Julian). Built on first use.
  [[nodiscard]] static DateTime getMinDate();
  [[nodiscard]] static DateTime getMaxDate();
  [[nodiscard]] static FloatNumber getMinDaysAndPartOfDay();
  [[nodiscard]] static FloatNumber getMaxDaysAndPartOfDay();

  // Fields; the month is 1 to 12 and the hours 0 to 23.
  [[nodiscard]] int getYear() const;
  [[nodiscard]] int getMonth() const;
  [[nodiscard]] int getDay() const;
  [[nodiscard]] int getHours() const;
  [[nodiscard]] int getMinutes() const;
  [[nodiscard]] int getSeconds() const;
  [[nodiscard]] int getMilliseconds() const;
  // The raw ICU field (month 0 to 11, day of week 1 Sunday to 7 Saturday).
  [[nodiscard]] int getPeriod(UCalendarDateFields field) const;

  void setDay(DayTag day);
  void setFirstDayOfWeek(UCalendarDaysOfWeek day);
  void setMinimalDaysInFirstWeek(int days);

  // Replaces the calendar with a new one for the context's locale, set to the current moment.
  void initICUCalendar();
  // Clears `calendar` and sets the fields; here the month is ICU's, 0 to 11.
  static void setICUDateTimeFields(icu::Calendar& calendar, YearTag year, MonthTag month,
                                   DayTag day, HourTag hours, MinuteTag minutes, SecondTag seconds,
                                   MillisecondTag milliseconds);

  // Shifts by calendar units: a month or year shift that lands past the end of a month stays on
  // its last day (31 January + 1 month is 28 or 29 February); lower fields carry into higher
  // ones. No shift checks the date limits.
  void shiftBy(YearTag years);
  void shiftBy(MonthTag months);
  void shiftBy(DayTag days);
  void shiftByOneDay(bool forward);
  void shiftBy(HourTag hours, MinuteTag minutes, SecondTag seconds, MillisecondTag milliseconds);
  void shiftBy(const Difference& difference);

  // other - this, greatest units first: 2020-01-15 10:30 to 2021-03-20 08:15:30.250 is 1 year,
  // 2 months, 4 days, 21 hours, 45 minutes, 30 seconds and 250 milliseconds.
  [[nodiscard]] Difference diffBy(const DateTime& other) const;
  // Whether both denote the same instant.
  [[nodiscard]] bool equalsTo(const DateTime& other) const;

  [[nodiscard]] int getLastDayOfMonth() const;  // 28 to 31
  [[nodiscard]] int getMaxDaysInYear() const;   // 365 or 366
  // Shifts the value by `months` (it stays shifted) and returns the serial of the last day of
  // that month at the value's time of day.
  FloatNumber getLastDayOfShiftedMonth(MonthTag months);
  // Whole units from the epoch to the value: minutes since the epoch for UCAL_MINUTE, not the
  // minute of the hour; 2160 minutes for serial 1.5. Fields up to UCAL_HOUR, UCAL_MINUTE,
  // UCAL_SECOND and UCAL_MILLISECOND; any other throws DateLimitException.
  [[nodiscard]] std::int64_t getNoTruncatePeriod(UCalendarDateFields field) const;
  [[nodiscard]] int getWeekDay() const;  // 1 Sunday to 7 Saturday
  // The week of the year under the calendar's week rules (the locale's unless changed).
  [[nodiscard]] int getYearWeek() const;
  // The ISO week: switches the value's week rules to Monday first and 4 days in the first
  // week, which stay.
  [[nodiscard]] int getYearISOWeek() const;
  // The locale's weekend, and a weekend of the given days.
  [[nodiscard]] bool isWeekend() const;
  [[nodiscard]] bool isExtendedWeekend(WeekDays mask) const;

  // One date-time item of a format code: "dd" -> "07", "mmmm" -> the month's long name from the
  // locale's resources, "ss.00" -> "09.08". `twelveHourClock` (the rule has an AM/PM item)
  // affects only "h" and "hh". A name the locale's list does not hold renders as "".
  [[nodiscard]] std::string toString(const Vesk::DOM::CellFormatModel::DateTimeItem& item,
                                     bool twelveHourClock) const;
  // Entry (the field's value - `offset`) of the provider's list under `key`; "" when the list
  // has no such entry.
  [[nodiscard]] std::string getDatePartTextFromResources(std::string key, UCalendarDateFields field,
                                                         int offset) const;

 private:
  // A calendar for the context's locale; its time is not set.
  void createCalendar() const;
  // The calendar, made from the instant first (see _fromEpoch) when there is none yet.
  [[nodiscard]] icu::Calendar& calendar() const;
  // The value's instant minus the epoch, in milliseconds.
  [[nodiscard]] std::int64_t millisecondsFromEpoch() const;
  void add(UCalendarDateFields field, int amount);
  [[nodiscard]] std::string secondsText(const Vesk::DOM::CellFormatModel::DateTimeItem& item,
                                        int width) const;

  // Fields by the civil calendar's arithmetic: month 1 to 12, week day 1 (Sunday) to 7.
  struct CivilFields {
    int year = 0, month = 0, day = 0, hours = 0, minutes = 0, seconds = 0, milliseconds = 0,
        weekDay = 0;
    bool known = false;
  };
  // The fields of an instant in milliseconds from the epoch, by the Gregorian arithmetic.
  [[nodiscard]] static CivilFields civilFields(std::int64_t fromEpoch);

  const LocaleContext* _context;
  // Made on demand by calendar() for a value made from a serial; once made it holds the instant.
  mutable std::unique_ptr<icu::Calendar> _calendar;
  // 1899-12-30 00:00 in the calendar, in ICU milliseconds; fixed per calendar type and zone.
  mutable double _epochMilliseconds = 0;
  // The instant, in milliseconds from the epoch, while there is no calendar.
  std::int64_t _fromEpoch = 0;
  // Whether the context's calendar is the Gregorian one.
  mutable bool _gregorian = false;
  // Whether the instant is in _fromEpoch and no calendar is made yet; a value with neither a
  // calendar nor this is a moved-from one.
  mutable bool _lazy = false;
  // The Gregorian fields of _fromEpoch, computed on the first read.
  mutable CivilFields _civil;
};

// Whether `serial` lies between the serials of the minimum and the maximum date, compared with
// FloatNumber's tolerance. NaN and infinities are not valid.
[[nodiscard]] bool isDateValid(FloatNumber serial);

// The host's date-time of the value's fields in `timeZone`, without the milliseconds. Throws
// BadNumCastError when the year does not fit 16 bits.
[[nodiscard]] Vesk::DOM::DateTime toDOMDateTime(const DateTime& dateTime,
                                                const Vesk::DOM::TimeZone& timeZone);

}  // namespace Vesk::OfficeUtils
