#include "OfficeUtils/Formatting/OU_FormattingResources.h"

#include <cstddef>
#include <utility>

#include <boost/algorithm/string/replace.hpp>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
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

// The date component a pattern item stands for; none for every other item.
boost::optional<Component> dateComponent(const Model::Item& item) {
  const auto* dateTime = boost::get<Model::DateTimeItem>(&item);
  if (!dateTime) return boost::none;
  using Type = Model::DateTimeItem::Type;
  switch (dateTime->getType()) {
    case Type::DayShort:
    case Type::DayLong:
      return Component::Day;
    case Type::DayOfWeekShort:
    case Type::DayOfWeekLong:
      return Component::Weekday;
    case Type::MonthShortDecimal:
    case Type::MonthLongDecimal:
    case Type::MonthShortText:
    case Type::MonthLongText:
    case Type::MonthFirstLetter:
      return Component::Month;
    case Type::YearShort:
    case Type::YearLong:
      return Component::Year;
    default:
      return boost::none;
  }
}

bool isTimeComponent(Model::DateTimeItem::Type type) {
  const auto value = static_cast<int>(type);
  return value >= static_cast<int>(Model::DateTimeItem::Type::HoursShort) &&
         value <= static_cast<int>(Model::DateTimeItem::Type::SecondsLongNoTruncate);
}

boost::optional<Model::Rule> parsePattern(const std::string& pattern) {
  return getExclusiveDefaultNumberRuleFromPattern(convertDateTimePatternToFormatCode(pattern));
}

// A rule that writes nothing but text: text items, and the lone "." a number item keeps.
bool isLiteralOnly(const boost::optional<Model::Rule>& rule) {
  if (!rule) return true;
  for (const auto& item : rule->getItems()) {
    if (boost::get<Model::TextItem>(&item)) continue;
    const auto* number = boost::get<Model::NumberItem>(&item);
    if (number && number->getPattern() == ".") continue;
    return false;
  }
  return true;
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

DateProps parseDateProps(const std::string& pattern, const DateProps& defaults) {
  DateProps props;
  if (const auto rule = parsePattern(pattern)) {
    bool orderDecided = false;
    boost::optional<Component> previous;
    std::string collected;
    for (const auto& item : rule->getItems()) {
      if (const auto* text = boost::get<Model::TextItem>(&item)) {
        collected += text->getTextValue();
        continue;
      }
      const auto component = dateComponent(item);
      if (!component) continue;
      if (!orderDecided && *component != Component::Weekday) {
        props.order = *component == Component::Day     ? DateOrder::DayFirst
                      : *component == Component::Month ? DateOrder::MonthFirst
                                                       : DateOrder::YearFirst;
        orderDecided = true;
      }
      // The text before this component separates it from the previous one; a weekday after
      // another component separates nothing of the props.
      if (previous) {
        if (*previous == Component::Weekday) {
          props.weekdaySeparator = collected;
        } else if (*component == Component::Year) {
          props.yearSeparator = collected;
        } else if (*component != Component::Weekday) {
          (*previous == Component::Year ? props.yearSeparator : props.dayMonthSeparator) =
              collected;
        }
      }
      previous = component;
      collected.clear();
    }
  }

  if (props.dayMonthSeparator.empty() && props.yearSeparator.empty()) {
    props.dayMonthSeparator = defaults.dayMonthSeparator;
    props.yearSeparator = defaults.yearSeparator;
  } else if (props.dayMonthSeparator.empty()) {
    props.dayMonthSeparator = props.yearSeparator;
  } else if (props.yearSeparator.empty()) {
    props.yearSeparator = props.dayMonthSeparator;
  }
  if (props.weekdaySeparator.empty()) props.weekdaySeparator = defaults.weekdaySeparator;
  return props;
}

TimeProps parseTimeProps(const std::string& pattern) {
  TimeProps props;
  const auto rule = parsePattern(pattern);
  if (!rule) return props;

  bool timeSeen = false;
  bool separatorComplete = false;
  std::string collected;
  for (const auto& item : rule->getItems()) {
    if (const auto* dateTime = boost::get<Model::DateTimeItem>(&item)) {
      const auto type = dateTime->getType();
      if (type == Model::DateTimeItem::Type::AmPmShort ||
          type == Model::DateTimeItem::Type::AmPmLong) {
        props.is12Hour = true;
      } else if (isTimeComponent(type)) {
        timeSeen = true;
        if (!collected.empty()) separatorComplete = true;
      }
    } else if (const auto* text = boost::get<Model::TextItem>(&item)) {
      if (timeSeen && !separatorComplete) collected += text->getTextValue();
    }
  }
  if (!collected.empty()) props.timeSeparator = collected;
  return props;
}

std::string makeSeparatorSafe(const std::string& separator) {
  const std::string quoted = "\"" + separator + "\"";
  if (separator.find_first_of(getDateTimePatternEscapeSymbols()) != std::string::npos)
    return quoted;
  const auto expression = Parser::parse(separator, Parser::ParserType::Default);
  if (!expression) return separator;
  if (!expression->getRules().empty() || !isLiteralOnly(expression->getDefaultTextRule()) ||
      !isLiteralOnly(expression->getDefaultNumberRule()))
    return quoted;
  return separator;
}

boost::optional<Model::Rule> getExclusiveDefaultNumberRuleFromPattern(std::string code) {
  const auto expression = Parser::parse(code, Parser::ParserType::Default);
  if (!expression || !expression->getDefaultNumberRule() || !expression->getRules().empty() ||
      expression->getDefaultTextRule())
    return boost::none;
  return expression->getDefaultNumberRule();
}

}  // namespace Vesk::OfficeUtils
