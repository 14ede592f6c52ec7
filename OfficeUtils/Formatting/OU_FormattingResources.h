// How a locale writes dates and times: the order of day, month and year, the texts between
// the components and whether the clock has 12 hours, derived from the locale's date and time
// patterns. Patterns use format-code letters ("dd.mm.yyyy", "h:mm AP", "EEEE d mmmm yyyy",
// literals in single quotes) and are read with the format-code parser. Immutable once built.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include <boost/optional.hpp>

#include "host/DOM/OU_CellFormatModel.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {

// Which component a date starts with; detection rules name them "MonthFirst", "DayFirst" and
// "YearFirst".
enum class DateOrder : std::uint8_t {
  MonthFirst = 0,
  DayFirst = 1,
  YearFirst = 2,
};

struct DateProps {
  DateOrder order = DateOrder::MonthFirst;
  std::string weekdaySeparator;   // after a weekday name
  std::string dayMonthSeparator;  // between day and month
  std::string yearSeparator;      // between the year and the day or month next to it

  friend bool operator==(const DateProps&, const DateProps&) = default;
};

struct TimeProps {
  bool is12Hour = false;  // the time pattern holds an AM/PM marker
  std::string timeSeparator = ":";

  friend bool operator==(const TimeProps&, const TimeProps&) = default;
};

// The pattern a DateProps comes from.
enum class DateType : std::uint8_t {
  Long = 0,
  Medium = 1,
  Short = 2,
};

// Separator written between two date-time components, keyed by (smaller, larger) component,
// ready to be put into a format code.
using DateTimeSeparatorsMap = std::map<std::pair<Vesk::DOM::CellFormatModel::DateTimePatternToken,
                                                 Vesk::DOM::CellFormatModel::DateTimePatternToken>,
                                       std::string>;

class FormattingResources {
 public:
  // From the provider's long, medium and short date patterns and its time pattern; each date
  // pattern falls back on the props of the one before it (the long one on the defaults).
  explicit FormattingResources(const Vesk::ResourceManager::ResourceProvider& provider);
  FormattingResources(DateProps longProps, DateProps mediumProps, DateProps shortProps,
                      TimeProps timeProps);

  // A type above 2 is a programming error (assertion "Unknown date type").
  [[nodiscard]] const DateProps& getDateProps(DateType type) const;
  [[nodiscard]] const DateTimeSeparatorsMap& getSeparatorsMap(DateType type) const;
  [[nodiscard]] const TimeProps& getTimeProps() const { return _timeProps; }

  // The resources of a provider without patterns: the default props throughout. Built on first
  // use, never changed.
  [[nodiscard]] static const FormattingResources& getDefaultFormattingResources();

 private:
  FormattingResources(std::array<DateProps, 3> dateProps, TimeProps timeProps);

  std::array<DateProps, 3> _dateProps;
  TimeProps _timeProps;
  std::array<DateTimeSeparatorsMap, 3> _separatorsMaps;
};

// Month first, ", " after the weekday, "/" between the others.
[[nodiscard]] const DateProps& getDefaultDateProps();

// "@#*_?\[]": the characters that a pattern's separators may not hold unquoted.
[[nodiscard]] const std::string& getDateTimePatternEscapeSymbols();

// A locale pattern as a format code: "'" becomes '"', "EEEE" "dddd", "AP" "AM/PM", and each
// escape symbol is put between double quotes ("d 'de' mmmm" -> "d \"de\" mmmm").
[[nodiscard]] std::string convertDateTimePatternToFormatCode(const std::string& pattern);

}  // namespace Vesk::OfficeUtils
