#include "OfficeUtils/Formatting/OU_FormattingResources.h"

#include <cstddef>
#include <utility>

#include <boost/algorithm/string/replace.hpp>

#include "OfficeUtils/Formatting/OU_DatePatterns.h"
#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formatting/OU_FormattingResources";

namespace Model = Vesk::DOM::CellFormatModel;
using Component = Model::DateTimePatternToken;

std::size_t dateTypeIndex(DateType type) {
  const auto index = static_cast<std::size_t>(type);
  if (index > 2) OU_FAIL("Unknown date type");
  return index;
}

DateTimeSeparatorsMap makeSeparatorsMap(const DateProps& date, const TimeProps& time) {
  const std::string dayMonth = makeSeparatorSafe(date.dayMonthSeparator);
  const std::string year = makeSeparatorSafe(date.yearSeparator);
  const std::string weekday = makeSeparatorSafe(date.weekdaySeparator);
  const std::string timeSeparator = makeSeparatorSafe(time.timeSeparator);
  return {
      {{Component::Month, Component::Day}, dayMonth},
      {{Component::Month, Component::Year}, year},
      {{Component::Day, Component::Year}, year},
      {{Component::Weekday, Component::Month}, weekday},
      {{Component::Weekday, Component::Day}, weekday},
      {{Component::Weekday, Component::Year}, weekday},
      {{Component::Hour, Component::Minute}, timeSeparator},
      {{Component::Hour, Component::Second}, timeSeparator},
      {{Component::Minute, Component::Second}, timeSeparator},
  };
}

}  // namespace

FormattingResources::FormattingResources(const Vesk::ResourceManager::ResourceProvider& provider)
    : FormattingResources(
          [&] {
            namespace Keys = Vesk::ResourceManager::Keys;
            DateProps longProps = parseDateProps(
                provider.safeGetResourceString(Keys::LongDatePatternPath), getDefaultDateProps());
            DateProps mediumProps = parseDateProps(
                provider.safeGetResourceString(Keys::MediumDatePatternPath), longProps);
            DateProps shortProps = parseDateProps(
                provider.safeGetResourceString(Keys::ShortDatePatternPath), mediumProps);
            return std::array<DateProps, 3>{std::move(longProps), std::move(mediumProps),
                                            std::move(shortProps)};
          }(),
          parseTimeProps(
              provider.safeGetResourceString(Vesk::ResourceManager::Keys::TimePatternPath))) {}

FormattingResources::FormattingResources(DateProps longProps, DateProps mediumProps,
                                         DateProps shortProps, TimeProps timeProps)
    : FormattingResources(std::array<DateProps, 3>{std::move(longProps), std::move(mediumProps),
                                                   std::move(shortProps)},
                          std::move(timeProps)) {}

FormattingResources::FormattingResources(std::array<DateProps, 3> dateProps, TimeProps timeProps)
    : _dateProps(std::move(dateProps)), _timeProps(std::move(timeProps)) {
  for (std::size_t i = 0; i < _dateProps.size(); ++i)
    _separatorsMaps[i] = makeSeparatorsMap(_dateProps[i], _timeProps);
}

const DateProps& FormattingResources::getDateProps(DateType type) const {
  return _dateProps[dateTypeIndex(type)];
}

const DateTimeSeparatorsMap& FormattingResources::getSeparatorsMap(DateType type) const {
  return _separatorsMaps[dateTypeIndex(type)];
}

const FormattingResources& FormattingResources::getDefaultFormattingResources() {
  // Every pattern of the empty provider is "", and the default separators hold no condition,
  // so the parser never needs the built-in locale contexts (which hold these resources).
  static const FormattingResources resources(
      Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider());
  return resources;
}

const DateProps& getDefaultDateProps() {
  static const DateProps props{DateOrder::MonthFirst, ", ", "/", "/"};
  return props;
}

const std::string& getDateTimePatternEscapeSymbols() {
  static const std::string symbols = "@#*_?\\[]";
  return symbols;
}

std::string convertDateTimePatternToFormatCode(const std::string& pattern) {
  std::string code = pattern;
  boost::algorithm::replace_all(code, "'", "\"");
  boost::algorithm::replace_all(code, "EEEE", "dddd");
  boost::algorithm::replace_all(code, "AP", "AM/PM");
  for (const char symbol : getDateTimePatternEscapeSymbols()) {
    const std::string plain(1, symbol);
    boost::algorithm::replace_all(code, plain, "\"" + plain + "\"");
  }
  return code;
}

}  // namespace Vesk::OfficeUtils
