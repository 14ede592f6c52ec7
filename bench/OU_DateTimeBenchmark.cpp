// DateTime against plain calendar arithmetic on the same serials (the baselines), and against
// the calendar used field by field without shared prototypes (what the value's conversions
// would cost computed the direct way). Serials span 1900 to 2100, with times of day.
#include "OfficeUtils/Utils/OU_DateTime.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/simpletz.h>

#include "OfficeUtils/Locale/OU_LocaleContext.h"

namespace {

using Vesk::FloatNumber;
using Vesk::OfficeUtils::DateTime;
using Vesk::OfficeUtils::LocaleContext;
using Item = Vesk::DOM::CellFormatModel::DateTimeItem;

constexpr std::size_t InputCount = 1024;

const LocaleContext& context() {
  return LocaleContext::getEnLocaleContext();
}

// Serials of whole milliseconds, so that every conversion is exact.
const std::vector<double>& serials() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::int64_t> days(2, 73050);
    std::uniform_int_distribution<std::int64_t> milliseconds(0, 86399999);
    std::vector<double> result;
    for (std::size_t i = 0; i < InputCount; ++i) {
      const std::int64_t ms = milliseconds(random);
      result.push_back(static_cast<double>(days(random)) + (ms / 1000) / 86400.0 +
                       (ms % 1000) / 86400000.0);
    }
    return result;
  }();
  return values;
}

std::vector<DateTime> values() {
  std::vector<DateTime> result;
  for (const double serial : serials()) result.emplace_back(serial, context());
  return result;
}

struct Fields {
  std::int64_t year;
  int month, day, hours, minutes, seconds, milliseconds;
};

// Proleptic Gregorian arithmetic on day counts since 1970-01-01 (era-based, 400-year cycles).
Fields fieldsOfSerial(double serial) {
  double wholeDays;
  const double fraction = std::modf(serial, &wholeDays);
  double wholeSeconds;
  const double secondFraction = std::modf(fraction * 86400, &wholeSeconds);
  std::int64_t instant = static_cast<std::int64_t>(wholeDays) * 86400000 +
                         static_cast<std::int64_t>(wholeSeconds) * 1000 +
                         static_cast<std::int64_t>(std::round(secondFraction * 1000));
  std::int64_t days = instant / 86400000;
  std::int64_t timeOfDay = instant % 86400000;
  if (timeOfDay < 0) {
    timeOfDay += 86400000;
    --days;
  }
  const std::int64_t z = days - 25569 + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  Fields fields;
  fields.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  fields.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  fields.year = yearOfEra + era * 400 + (fields.month <= 2);
  fields.hours = static_cast<int>(timeOfDay / 3600000);
  fields.minutes = static_cast<int>(timeOfDay / 60000 % 60);
  fields.seconds = static_cast<int>(timeOfDay / 1000 % 60);
  fields.milliseconds = static_cast<int>(timeOfDay % 1000);
  return fields;
}

double serialOfFields(const Fields& f) {
  const std::int64_t year = f.year - (f.month <= 2);
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear =
      (153 * (f.month > 2 ? f.month - 3 : f.month + 9) + 2) / 5 + f.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t days = era * 146097 + dayOfEra - 719468 + 25569;
  const std::int64_t ms =
      ((f.hours * 60 + f.minutes) * 60 + f.seconds) * std::int64_t{1000} + f.milliseconds;
  return static_cast<double>(days) + (ms / 1000) / 86400.0 + (ms % 1000) / 86400000.0;
}

// The calendar the value uses, built afresh each time.
std::unique_ptr<icu::Calendar> createCalendar() {
  UErrorCode status = U_ZERO_ERROR;
  return std::unique_ptr<icu::Calendar>(icu::Calendar::createInstance(
      icu::SimpleTimeZone(0, u"custom_TZ"), icu::Locale::createFromName("en_US"), status));
}

void setToEpoch(icu::Calendar& calendar) {
  calendar.clear();
  calendar.set(1899, 11, 30, 0, 0, 0);
  calendar.set(UCAL_MILLISECOND, 0);
}

std::vector<Fields> fieldsOfSerials() {
  std::vector<Fields> result;
  for (const double serial : serials()) result.push_back(fieldsOfSerial(serial));
  return result;
}

// A calendar set to each serial.
std::vector<std::unique_ptr<icu::Calendar>> calendarsOfSerials() {
  std::vector<std::unique_ptr<icu::Calendar>> result;
  UErrorCode status = U_ZERO_ERROR;
  for (const double serial : serials()) {
    result.push_back(createCalendar());
    result.back()->setTime(-2209161600000.0 + std::round(serial * 86400000), status);
  }
  return result;
}

// The measured loop: `operation` of the next input index on each iteration, its result kept.
template <typename Operation>
void cycle(benchmark::State& state, Operation operation) {
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(operation(i++ % InputCount));
}

// ----- Baselines: arithmetic -----

void BM_ArithmeticSerialToFields(benchmark::State& state) {
  const auto& inputs = serials();
  cycle(state, [&](std::size_t k) { return fieldsOfSerial(inputs[k]); });
  const Fields check = fieldsOfSerial(61);
  if (check.year != 1900 || check.month != 3 || check.day != 1) state.SkipWithError("wrong");
}
BENCHMARK(BM_ArithmeticSerialToFields);

void BM_ArithmeticFieldsToSerial(benchmark::State& state) {
  const auto inputs = fieldsOfSerials();
  cycle(state, [&](std::size_t k) { return serialOfFields(inputs[k]); });
  if (serialOfFields(inputs[5]) != serials()[5]) state.SkipWithError("wrong");
}
BENCHMARK(BM_ArithmeticFieldsToSerial);

// ----- DateTime -----

void BM_DateTimeFromSerial(benchmark::State& state) {
  const auto& inputs = serials();
  cycle(state, [&](std::size_t k) { return DateTime(inputs[k], context()); });
  if (DateTime(61, context()).getDay() != 1) state.SkipWithError("wrong");
}
BENCHMARK(BM_DateTimeFromSerial);

void BM_DateTimeToSerial(benchmark::State& state) {
  const auto inputs = values();
  cycle(state, [&](std::size_t k) { return inputs[k].calculateDaysAndPartOfDay(); });
  if (inputs[5].calculateDaysAndPartOfDay().getValue() != serials()[5])
    state.SkipWithError("wrong");
}
BENCHMARK(BM_DateTimeToSerial);

void BM_DateTimeFromSerialAndFields(benchmark::State& state) {
  const auto& inputs = serials();
  cycle(state, [&](std::size_t k) {
    const DateTime value(inputs[k], context());
    return value.getYear() + value.getMonth() + value.getDay() + value.getHours() +
           value.getMinutes() + value.getSeconds() + value.getMilliseconds() +
           value.getWeekDay();
  });
}
BENCHMARK(BM_DateTimeFromSerialAndFields);

void BM_DateTimeFromFieldsChecked(benchmark::State& state) {
  const auto inputs = fieldsOfSerials();
  cycle(state, [&](std::size_t k) {
    const Fields& f = inputs[k];
    return DateTime(DateTime::YearTag(static_cast<int>(f.year)), DateTime::MonthTag(f.month),
                    DateTime::DayTag(f.day), DateTime::HourTag(f.hours),
                    DateTime::MinuteTag(f.minutes), DateTime::SecondTag(f.seconds),
                    DateTime::MillisecondTag(f.milliseconds), context());
  });
}
BENCHMARK(BM_DateTimeFromFieldsChecked);

void BM_DateTimeDiffBy(benchmark::State& state) {
  const auto inputs = values();
  cycle(state, [&](std::size_t k) { return inputs[k].diffBy(inputs[(k + 1) % InputCount]); });
  if (inputs[0].diffBy(inputs[0]) != DateTime::Difference()) state.SkipWithError("wrong");
}
BENCHMARK(BM_DateTimeDiffBy);

// "dd.mm.yyyy hh:mm:ss": six items and the literal texts between them.
void BM_DateTimeRenderFullDateTime(benchmark::State& state) {
  using Type = Item::Type;
  const Item items[] = {Item(Type::DayLong),     Item(Type::MonthLongDecimal),
                        Item(Type::YearLong),    Item(Type::HoursLong),
                        Item(Type::MinutesLong), Item(Type::SecondsLong)};
  const char* const separators[] = {".", ".", " ", ":", ":", ""};
  const auto inputs = values();
  auto render = [&](const DateTime& value) {
    std::string text;
    for (std::size_t k = 0; k < std::size(items); ++k) {
      text += value.toString(items[k], false);
      text += separators[k];
    }
    return text;
  };
  cycle(state, [&](std::size_t k) { return render(inputs[k]); });
  if (render(DateTime(61.5, context())) != "01.03.1900 12:00:00") state.SkipWithError("wrong");
}
BENCHMARK(BM_DateTimeRenderFullDateTime);

// ----- The calendar used directly, without prototypes or arithmetic -----

void BM_CalendarCreateInstance(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(createCalendar());
}
BENCHMARK(BM_CalendarCreateInstance);

void BM_CalendarClone(benchmark::State& state) {
  const auto prototype = createCalendar();
  for (auto _ : state) benchmark::DoNotOptimize(std::unique_ptr<icu::Calendar>(prototype->clone()));
}
BENCHMARK(BM_CalendarClone);

// A new calendar (or a clone of a prototype) set to the epoch, then days, seconds and
// milliseconds added.
void BM_CalendarFromSerialByAdding(benchmark::State& state) {
  const bool clonePrototype = state.range(0) != 0;
  const auto prototype = createCalendar();
  const auto& inputs = serials();
  cycle(state, [&](std::size_t k) {
    auto calendar =
        clonePrototype ? std::unique_ptr<icu::Calendar>(prototype->clone()) : createCalendar();
    setToEpoch(*calendar);
    double days, seconds;
    const double secondFraction = std::modf(std::modf(inputs[k], &days) * 86400, &seconds);
    UErrorCode status = U_ZERO_ERROR;
    calendar->add(UCAL_DATE, static_cast<int>(days), status);
    calendar->add(UCAL_SECOND, static_cast<int>(seconds), status);
    calendar->add(UCAL_MILLISECOND, static_cast<int>(std::round(secondFraction * 1000)), status);
    return calendar;
  });
}
BENCHMARK(BM_CalendarFromSerialByAdding)->ArgName("clone")->Arg(0)->Arg(1);

// A clone set to the epoch, then whole days, seconds and milliseconds counted to the value.
void BM_CalendarToSerialByFieldDifference(benchmark::State& state) {
  const auto inputs = calendarsOfSerials();
  UErrorCode status = U_ZERO_ERROR;
  cycle(state, [&](std::size_t k) {
    std::unique_ptr<icu::Calendar> clone(inputs[k]->clone());
    setToEpoch(*clone);
    const double target = inputs[k]->getTime(status);
    const int days = clone->fieldDifference(target, UCAL_DATE, status);
    const int seconds = clone->fieldDifference(target, UCAL_SECOND, status);
    const int milliseconds = clone->fieldDifference(target, UCAL_MILLISECOND, status);
    return days + seconds / 86400.0 + milliseconds / 86400000.0;
  });
}
BENCHMARK(BM_CalendarToSerialByFieldDifference);

// diffBy with every unit counted by the calendar.
void BM_CalendarDiffByFieldDifference(benchmark::State& state) {
  const auto inputs = calendarsOfSerials();
  UErrorCode status = U_ZERO_ERROR;
  cycle(state, [&](std::size_t k) {
    std::unique_ptr<icu::Calendar> clone(inputs[k]->clone());
    const double target = inputs[(k + 1) % InputCount]->getTime(status);
    int sum = 0;
    for (const auto field : {UCAL_YEAR, UCAL_MONTH, UCAL_DATE, UCAL_HOUR, UCAL_MINUTE, UCAL_SECOND})
      sum += clone->fieldDifference(target, field, status);
    return sum + static_cast<int>(target - clone->getTime(status));
  });
}
BENCHMARK(BM_CalendarDiffByFieldDifference);

}  // namespace
