#include "OfficeUtils/Formatting/OU_DatePatterns.h"

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Component = Model::DateTimePatternToken;

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

}  // namespace

DateProps parseDateProps(const std::string& pattern, const DateProps& defaults) {
  DateProps props;
  if (const auto rule = parsePattern(pattern)) {
    bool orderDecided = false;
    // The previous component; a plain flag beside it, as GCC 12 wrongly reports an optional of
    // it as maybe uninitialised in optimised builds.
    bool hasPrevious = false;
    Component previous{};
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
      if (hasPrevious) {
        if (previous == Component::Weekday) {
          props.weekdaySeparator = collected;
        } else if (*component == Component::Year) {
          props.yearSeparator = collected;
        } else if (*component != Component::Weekday) {
          (previous == Component::Year ? props.yearSeparator : props.dayMonthSeparator) = collected;
        }
      }
      previous = *component;
      hasPrevious = true;
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
