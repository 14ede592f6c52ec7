#include "host/DOM/OU_CellFormatModel.h"

#include <ostream>

#include "host/Utils/OU_Assert.h"

namespace Vesk::DOM::CellFormatModel {

namespace {

constexpr const char* SourceFile = "host/DOM/OU_CellFormatModel";

using Token = DateTimePatternToken;

DateTimePatternItemSet defaultItems(DateTimeDefaultType type) {
  const DateTimePatternItemSet date = {{Token::Month, 0}, {Token::Day, 0}, {Token::Year, 0}};
  switch (type) {
    case DateTimeDefaultType::Date:
      return date;
    case DateTimeDefaultType::Time:
      return {{Token::Hour, 0}, {Token::Minute, 0}, {Token::Second, 0}};
    case DateTimeDefaultType::DateTime: {
      DateTimePatternItemSet items = date;
      items.insert({{Token::Hour, 0}, {Token::Minute, 0}});
      return items;
    }
  }
  doFailAssert(SourceFile, __LINE__, "Unknown DateTimeDefaultType");
}

bool isTimeToken(Token token) {
  return token >= Token::Hour;
}

template <typename Enum>
unsigned asNumber(Enum value) {
  return static_cast<unsigned>(value);
}

std::ostream& quoted(std::ostream& out, const std::string& text) {
  return out << '"' << text << '"';
}

template <typename T>
std::ostream& optionalValue(std::ostream& out, const boost::optional<T>& value) {
  if (!value) return out << "none";
  if constexpr (std::is_enum_v<T>) {
    return out << asNumber(*value);
  } else if constexpr (std::is_integral_v<T>) {
    return out << static_cast<unsigned long long>(*value);
  } else {
    return out << *value;
  }
}

}  // namespace

bool DateTimeItem::isTime() const {
  switch (_type) {
    case Type::AmPmShort:
    case Type::AmPmLong:
    case Type::HoursShort:
    case Type::HoursLong:
    case Type::HoursShortNoTruncate:
    case Type::HoursLongNoTruncate:
    case Type::MinutesShort:
    case Type::MinutesLong:
    case Type::MinutesShortNoTruncate:
    case Type::MinutesLongNoTruncate:
    case Type::SecondsShort:
    case Type::SecondsLong:
    case Type::SecondsShortNoTruncate:
    case Type::SecondsLongNoTruncate:
      return true;
    default:
      return false;
  }
}

DateTimeLocalizedExpression::DateTimeLocalizedExpression(DateTimeDefaultType type)
    : _items(defaultItems(type)) {}

std::uint8_t DateTimeLocalizedExpression::getFormatType() const {
  bool hasDate = false;
  bool hasTime = false;
  for (const DateTimePatternItem& item : _items) {
    (isTimeToken(item.token) ? hasTime : hasDate) = true;
  }
  if (hasDate) return hasTime ? DateTimeFormatType : DateFormatType;
  return hasTime ? TimeFormatType : OtherFormatType;
}

std::ostream& operator<<(std::ostream& out, Calendar calendar) {
  return out << "B" << asNumber(calendar) + 1;
}

std::ostream& operator<<(std::ostream& out, Transliteration transliteration) {
  return out << "DBNum" << asNumber(transliteration) + 1;
}

std::ostream& operator<<(std::ostream& out, const Condition& condition) {
  return out << "Condition{" << asNumber(condition.getType()) << " " << condition.getValue() << "}";
}

std::ostream& operator<<(std::ostream& out, const CurrencyItem& item) {
  out << "Currency{";
  quoted(out, item.getCurrencySymbol()) << " ";
  return optionalValue(out, item.getLanguage()) << "}";
}

std::ostream& operator<<(std::ostream& out, const DateTimeItem& item) {
  out << "DateTime{" << asNumber(item.getType()) << " ";
  return optionalValue(out, item.getDecimalPlaces()) << "}";
}

std::ostream& operator<<(std::ostream& out, const ExtraItem& item) {
  return out << "Extra{" << asNumber(item.getType()) << "}";
}

std::ostream& operator<<(std::ostream& out, const TextItem& item) {
  out << "Text{" << asNumber(item.getType()) << " ";
  return quoted(out, item.getTextValue()) << "}";
}

std::ostream& operator<<(std::ostream& out, const NumberItem& item) {
  out << "Number{" << asNumber(item.getRole()) << " ";
  quoted(out, item.getPattern()) << (item.hasGrouping() ? " grouping" : " no-grouping")
                                 << " factor " << item.getDisplayFactor() << " [";
  const char* separator = "";
  for (const auto& [position, embedded] : item.getEmbeddedItems()) {
    out << separator << "(" << position << ", " << embedded << ")";
    separator = ", ";
  }
  return out << "]}";
}

std::ostream& operator<<(std::ostream& out, const Rule& rule) {
  out << "Rule{[";
  const char* separator = "";
  for (const Item& item : rule.getItems()) {
    out << separator << item;
    separator = ", ";
  }
  out << "] color ";
  if (const auto& color = rule.getColor()) {
    out << asNumber(color->red) << "," << asNumber(color->green) << "," << asNumber(color->blue)
        << "," << asNumber(color->alpha);
  } else {
    out << "none";
  }
  out << " condition ";
  optionalValue(out, rule.getCondition()) << " language ";
  optionalValue(out, rule.getLanguage()) << " calendar ";
  optionalValue(out, rule.getCalendar()) << " transliteration ";
  return optionalValue(out, rule.getTransliteration()) << "}";
}

std::ostream& operator<<(std::ostream& out, const Expression& expression) {
  out << "Expression{rules [";
  const char* separator = "";
  for (const Rule& rule : expression.getRules()) {
    out << separator << rule;
    separator = ", ";
  }
  out << "] number ";
  optionalValue(out, expression.getDefaultNumberRule()) << " text ";
  return optionalValue(out, expression.getDefaultTextRule()) << "}";
}

std::ostream& operator<<(std::ostream& out, const DateTimePatternItem& item) {
  return out << "(" << asNumber(item.token) << ", " << asNumber(item.variant) << ")";
}

std::ostream& operator<<(std::ostream& out, const DateTimeLocalizedExpression& expression) {
  out << "DateTimeLocalized{";
  const char* separator = "";
  for (const DateTimePatternItem& item : expression.getDateTimePatternTokenSet()) {
    out << separator << item;
    separator = " ";
  }
  return out << "}";
}

}  // namespace Vesk::DOM::CellFormatModel
