// DateTime takes numbers, not text: the input picks a locale (three calendar systems), builds a
// value from any double or any fields, then runs a sequence of shifts, comparisons, counts and
// renderings with arbitrary arguments. The documented exceptions (date limits, ICU failures,
// failed checked casts) are results; anything else, a crash or a failed assertion is a bug.
// Properties: a valid serial comes back within half a millisecond, and whenever the value's
// own serial is valid, a value built from it denotes the same instant.
#include "OfficeUtils/Utils/OU_DateTime.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Errors.h"

using namespace Vesk::OfficeUtils;
using Item = Vesk::DOM::CellFormatModel::DateTimeItem;

namespace {

// A locale whose names and calendar differ from the built-in English one.
struct Locale {
  explicit Locale(const char* name)
      : resources(LocaleResources::SymbolStrings{{LocalizableSymbolType::DecimalSeparator, ","}},
                  name),
        context(provider, resources, FormattingResources::getDefaultFormattingResources(),
                Vesk::DOM::TimeZone()) {}

  Vesk::ResourceManager::MapResourceProvider provider{
      {Vesk::ResourceManager::Keys::AMPMNamesPath, {"a", "p"}},
      {Vesk::ResourceManager::Keys::LongMonthNamesPath, {"one", "two", "three"}},
      {Vesk::ResourceManager::Keys::ShortEraNamesPath, std::vector<std::string>{"before"}},
  };
  LocaleResources resources;
  LocaleContext context;
};

const LocaleContext& pickContext(FuzzedDataProvider& input) {
  static const Locale german("de_DE");
  static const Locale thai("th_TH");  // Buddhist calendar
  // Not the Hebrew calendar: ICU shifts it month by month, so a shift by a billion months takes
  // seconds and the fuzzer would learn nothing else.
  static const Locale japanese("ja_JP@calendar=japanese");
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return german.context;
    case 1:
      return thai.context;
    case 2:
      return japanese.context;
    default:
      return LocaleContext::getEnLocaleContext();
  }
}

// Any double, a serial in the valid range, or one of the values no arithmetic produces by
// chance: NaN, the infinities, subnormals, the largest doubles.
double pickSerial(FuzzedDataProvider& input) {
  using Limits = std::numeric_limits<double>;
  static constexpr double Special[] = {
      Limits::quiet_NaN(),  Limits::infinity(),    -Limits::infinity(),
      Limits::denorm_min(), -Limits::denorm_min(), Limits::min(),
      Limits::max(),        Limits::lowest(),      -0.0};
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      return input.ConsumeFloatingPoint<double>();
    case 1:
      return input.PickValueInArray(Special);
    default:
      return input.ConsumeFloatingPointInRange(-693600.0, 2958470.0);
  }
}

DateTime fromSerial(double serial, const LocaleContext& context) {
  if (!isDateValid(serial)) {
    try {
      const DateTime value(serial, context);
    } catch (const DateLimitException&) {
      return DateTime(0.0, context);
    }
    __builtin_trap();  // an invalid serial must be refused
  }
  DateTime value(serial, context);
  const double back = value.calculateDaysAndPartOfDay().getValue();
  if (!(std::fabs(back - serial) <= 0.5 / 86400000 + 4e-16 * std::fabs(serial))) __builtin_trap();
  return value;
}

DateTime fromFields(FuzzedDataProvider& input, const LocaleContext& context) {
  const auto year = input.ConsumeIntegral<int>();
  const auto month = input.ConsumeIntegral<int>();
  const auto day = input.ConsumeIntegral<int>();
  const auto hours = input.ConsumeIntegral<int>();
  const auto minutes = input.ConsumeIntegral<int>();
  const auto seconds = input.ConsumeIntegral<int>();
  const auto milliseconds = input.ConsumeIntegral<int>();
  return DateTime(DateTime::YearTag(year), DateTime::MonthTag(month), DateTime::DayTag(day),
                  DateTime::HourTag(hours), DateTime::MinuteTag(minutes),
                  DateTime::SecondTag(seconds), DateTime::MillisecondTag(milliseconds), context,
                  input.ConsumeBool());
}

// Whole-millisecond instants in the valid range convert to a serial and back exactly.
void checkSerialRoundTrip(const DateTime& value, const LocaleContext& context) {
  const auto serial = value.calculateDaysAndPartOfDay();
  if (!isDateValid(serial)) return;
  if (!DateTime(serial, context).equalsTo(value)) __builtin_trap();
}

void runOperation(FuzzedDataProvider& input, DateTime& value, const LocaleContext& context) {
  switch (input.ConsumeIntegralInRange(0, 13)) {
    case 0:
      value.shiftBy(DateTime::YearTag(input.ConsumeIntegral<int>()));
      break;
    case 1:
      value.shiftBy(DateTime::MonthTag(input.ConsumeIntegral<int>()));
      break;
    case 2:
      value.shiftBy(DateTime::DayTag(input.ConsumeIntegral<int>()));
      break;
    case 3:
      value.shiftBy(DateTime::HourTag(input.ConsumeIntegral<int>()),
                    DateTime::MinuteTag(input.ConsumeIntegral<int>()),
                    DateTime::SecondTag(input.ConsumeIntegral<int>()),
                    DateTime::MillisecondTag(input.ConsumeIntegral<int>()));
      break;
    case 4: {
      const DateTime other = fromSerial(pickSerial(input), context);
      const auto difference = value.diffBy(other);
      (void)value.equalsTo(other);
      if (input.ConsumeBool()) value.shiftBy(difference);
      break;
    }
    case 5: {
      const auto type = static_cast<Item::Type>(input.ConsumeIntegralInRange(0, 40));
      const auto places = input.ConsumeIntegralInRange<int>(-1, 255);
      const Item item = places < 0 ? Item(type) : Item(type, static_cast<std::uint8_t>(places));
      (void)value.toString(item, input.ConsumeBool());
      break;
    }
    case 6:
      // Every value an ICU field enumeration can hold, valid fields or not.
      (void)value.getNoTruncatePeriod(
          static_cast<UCalendarDateFields>(input.ConsumeIntegralInRange(0, 31)));
      break;
    case 7:
      value.setFirstDayOfWeek(static_cast<UCalendarDaysOfWeek>(input.ConsumeIntegralInRange(0, 7)));
      value.setMinimalDaysInFirstWeek(input.ConsumeIntegral<int>());
      (void)value.getYearWeek();
      (void)value.getYearISOWeek();
      break;
    case 8:
      (void)value.isWeekend();
      (void)value.isExtendedWeekend(WeekDays(input.ConsumeIntegral<std::uint8_t>()));
      break;
    case 9:
      value.setDay(DateTime::DayTag(input.ConsumeIntegral<int>()));
      break;
    case 10:
      (void)value.getLastDayOfMonth();
      (void)value.getMaxDaysInYear();
      (void)value.getLastDayOfShiftedMonth(DateTime::MonthTag(input.ConsumeIntegral<int>()));
      break;
    case 11:
      (void)toDOMDateTime(value, Vesk::DOM::TimeZone(input.ConsumeIntegral<std::int32_t>()));
      break;
    case 12: {
      DateTime copy = value;
      value = std::move(copy);
      break;
    }
    default:
      (void)value.calculateDays();
      (void)value.calculatePartOfDay();
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 512) return 0;  // longer inputs only lengthen the sequence
  FuzzedDataProvider input(data, size);
  const LocaleContext& context = pickContext(input);
  try {
    DateTime value =
        input.ConsumeBool() ? fromSerial(pickSerial(input), context) : fromFields(input, context);
    checkSerialRoundTrip(value, context);
    for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) {
      try {
        runOperation(input, value, context);
        checkSerialRoundTrip(value, context);
      } catch (const DateLimitException&) {
      } catch (const Vesk::ICUError&) {
      } catch (const Vesk::BadNumCastError&) {
      }
    }
  } catch (const DateLimitException&) {
  } catch (const Vesk::ICUError&) {
  } catch (const Vesk::BadNumCastError&) {
  }
  return 0;
}
