// ou date / ou serial: a spreadsheet serial number to its date and time ("ou date 61.5"), and a
// date with an optional time to its serial ("ou serial 1900-03-01 12:00:00.000").
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Utils/OU_DateTime.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

using Item = Vesk::DOM::CellFormatModel::DateTimeItem;

const LocaleContext& context() {
  return LocaleContext::getEnLocaleContext();
}

std::string describe(const DateTime& value) {
  const char* const weekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
  char text[160];
  std::snprintf(text, sizeof text,
                "%04d-%02d-%02d %02d:%02d:%02d.%03d, %s, ISO week %d, [h] %s, 12-hour %s",
                value.getYear(), value.getMonth(), value.getDay(), value.getHours(),
                value.getMinutes(), value.getSeconds(), value.getMilliseconds(),
                weekdays[value.getWeekDay() - 1], DateTime(value).getYearISOWeek(),
                value.toString(Item(Item::Type::HoursShortNoTruncate), false).c_str(),
                value.toString(Item(Item::Type::HoursShort), true).c_str());
  return text;
}

int showDate(const std::string& argument) {
  char* end = nullptr;
  const double serial = std::strtod(argument.c_str(), &end);
  if (argument.empty() || *end != '\0') {
    std::printf("  %s -> (not a number)\n", argument.c_str());
    return 1;
  }
  try {
    const DateTime value(serial, context());
    std::printf("  %s -> %s\n", argument.c_str(), describe(value).c_str());
    return 0;
  } catch (const DateLimitException& error) {
    std::printf("  %s -> %s\n", argument.c_str(), error.what());
    return 1;
  }
}

int showSerial(const std::string& argument) {
  int year = 0, month = 0, day = 0, hours = 0, minutes = 0, seconds = 0, milliseconds = 0;
  int consumed = 0;
  const int read = std::sscanf(argument.c_str(), "%d-%d-%d%n %d:%d:%d.%d%n", &year, &month, &day,
                               &consumed, &hours, &minutes, &seconds, &milliseconds, &consumed);
  if (read < 3 || static_cast<std::size_t>(consumed) != argument.size()) {
    std::printf("  %s -> (expected YYYY-MM-DD[ HH:MM:SS.mmm])\n", argument.c_str());
    return 1;
  }
  try {
    const DateTime value(DateTime::YearTag(year), DateTime::MonthTag(month), DateTime::DayTag(day),
                         DateTime::HourTag(hours), DateTime::MinuteTag(minutes),
                         DateTime::SecondTag(seconds), DateTime::MillisecondTag(milliseconds),
                         context());
    std::printf("  %s -> %.17g (%s)\n", argument.c_str(),
                value.calculateDaysAndPartOfDay().getValue(), describe(value).c_str());
    return 0;
  } catch (const DateLimitException& error) {
    std::printf("  %s -> %s\n", argument.c_str(), error.what());
    return 1;
  }
}

int runDate(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: ou date SERIAL\n");
    return 1;
  }
  return showDate(arguments.front());
}

// The shell may split the date from the time; both halves are taken back together.
int runSerial(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments.size() > 2) {
    std::fprintf(stderr, "usage: ou serial YYYY-MM-DD[ HH:MM:SS.mmm]\n");
    return 1;
  }
  return showSerial(arguments.size() == 1 ? arguments[0] : arguments[0] + " " + arguments[1]);
}

void tourDate() {
  for (const char* argument : {"0", "1", "60", "61", "0.5", "-1.25", "44197", "-115859",
                               "2958465.99999998", "2958466", "-693596"}) {
    std::printf("$ ou date %s\n", argument);
    showDate(argument);
  }
}

void tourSerial() {
  for (const char* argument :
       {"1900-03-01", "2005-08-07 13:05:09.087", "1582-10-15", "1582-10-04", "0001-01-01",
        "9999-12-31 23:59:59.999", "2021-02-29", "10000-01-01"}) {
    std::printf("$ ou serial %s\n", argument);
    showSerial(argument);
  }
}

const CommandRegistrar dateRegistrar{
    {"date", "SERIAL", "show the date and time of a serial number", runDate, tourDate, 50}};
const CommandRegistrar serialRegistrar{{"serial", "YYYY-MM-DD[ HH:MM:SS.mmm]",
                                        "show the serial number of a date and time", runSerial,
                                        tourSerial, 50}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
