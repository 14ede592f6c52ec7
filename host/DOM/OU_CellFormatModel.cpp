#include "host/DOM/OU_CellFormatModel.h"

#include <array>
#include <ostream>
#include <string>
#include <utility>

#include <fmt/format.h>

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

template <std::size_t Size, typename Enum>
std::string_view codeOf(const std::array<std::string_view, Size>& codes, Enum value) {
  return asNumber(value) < Size ? codes[asNumber(value)] : std::string_view();
}

// Prints an item of a variant through its own operator<<.
struct ItemPrinter {
  std::ostream& out;
  void operator()(const auto& item) const { out << item; }
};

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

std::string_view getCode(Condition::Type type) {
  static constexpr std::array<std::string_view, 6> Codes{{"<", ">", "=", "<>", "<=", ">="}};
  return codeOf(Codes, type);
}

std::string_view getCode(DateTimeItem::Type type) {
  static constexpr std::array<std::string_view, DateTimeItem::TypeCount> Codes{{
      "A/P",   "AM/PM", "d",    "dd", "ddd",  "dddd", "h",    "hh", "[h]", "[hh]", "m",
      "mm",    "[m]",   "[mm]", "s",  "ss",   "[s]",  "[ss]", "m",  "mm",  "mmm",  "mmmm",
      "mmmmm", "yy",    "yyyy", "bb", "bbbb", "q",    "qq",   "r",  "rr",  "ww",
  }};
  return codeOf(Codes, type);
}

std::string_view getCode(ExtraItem::Type type) {
  static constexpr std::array<std::string_view, 5> Codes{{"General", "/", "E+", "E-", "@"}};
  return codeOf(Codes, type);
}

std::ostream& operator<<(std::ostream& out, Calendar calendar) {
  return out << "B" << asNumber(calendar) + 1;
}

std::ostream& operator<<(std::ostream& out, Transliteration transliteration) {
  return out << "DBNum" << asNumber(transliteration) + 1;
}

std::ostream& operator<<(std::ostream& out, const Condition& condition) {
  // {fmt} rather than the stream: the number reads the same in every process locale.
  return out << fmt::format("[{}{:g}]", getCode(condition.getType()),
                            condition.getValue().getValue());
}

std::ostream& operator<<(std::ostream& out, const CurrencyItem& item) {
  const auto& language = item.getLanguage();
  return out << fmt::format("C('{}'{})", item.getCurrencySymbol(),
                            language ? fmt::format(",{:X}", *language) : "");
}

std::ostream& operator<<(std::ostream& out, const DateTimeItem& item) {
  std::string code(getCode(item.getType()));
  if (item.getType() >= DateTimeItem::Type::MonthShortDecimal &&
      item.getType() <= DateTimeItem::Type::MonthFirstLetter) {
    for (auto& c : code) c = 'M';
  }
  out << "D(" << code;
  if (const auto& places = item.getDecimalPlaces()) out << "." << asNumber(*places);
  return out << ")";
}

std::ostream& operator<<(std::ostream& out, const ExtraItem& item) {
  return out << "X(" << getCode(item.getType()) << ")";
}

std::ostream& operator<<(std::ostream& out, const TextItem& item) {
  static constexpr std::array<std::string_view, 5> Types{{"lit", "raw", "tr", "fill", "%"}};
  return out << "T(" << codeOf(Types, item.getType()) << ",'" << item.getTextValue() << "')";
}

std::ostream& operator<<(std::ostream& out, const NumberItem& item) {
  out << "N(" << asNumber(item.getRole()) << ",'" << item.getPattern() << "',"
      << (item.hasGrouping() ? "g" : "-") << "," << asNumber(item.getDisplayFactor());
  const char* separator = ",[";
  for (const auto& [position, embedded] : item.getEmbeddedItems()) {
    out << separator << position << ":";
    boost::apply_visitor(ItemPrinter{out}, embedded);
    separator = ",";
  }
  return out << (item.getEmbeddedItems().empty() ? ")" : "])");
}

std::ostream& operator<<(std::ostream& out, const Rule& rule) {
  const char* separator = "";
  out << "{";
  const auto part = [&]() -> std::ostream& { return out << std::exchange(separator, " "); };
  if (const auto& condition = rule.getCondition()) part() << *condition;
  if (const auto& c = rule.getColor())
    part() << "color(" << asNumber(c->red) << "," << asNumber(c->green) << "," << asNumber(c->blue)
           << ")";
  if (const auto& transliteration = rule.getTransliteration())
    part() << "[" << *transliteration << "]";
  if (const auto& language = rule.getLanguage()) part() << fmt::format("lang({:X})", *language);
  if (const auto& calendar = rule.getCalendar()) part() << "[" << *calendar << "]";
  for (const Item& item : rule.getItems()) boost::apply_visitor(ItemPrinter{part()}, item);
  return out << "}";
}

std::ostream& operator<<(std::ostream& out, const Expression& expression) {
  const char* separator = "";
  if (!expression.getRules().empty()) {
    out << "rules=[";
    for (const Rule& rule : expression.getRules()) out << std::exchange(separator, ",") << rule;
    out << "]";
    separator = " ";
  }
  if (const auto& rule = expression.getDefaultNumberRule())
    out << std::exchange(separator, " ") << "number=" << *rule;
  if (const auto& rule = expression.getDefaultTextRule()) out << separator << "text=" << *rule;
  return out;
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
