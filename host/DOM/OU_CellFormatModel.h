// The host's cell number-format model: the value classes a format code reads into
// (Expression, Rule and the five item kinds) and the locale-dependent date-time expression.
// Plain values: copies compare equal, member by member and deeply; nothing is shared.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <boost/optional.hpp>
#include <boost/variant.hpp>

#include "host/Utils/OU_Color.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::DOM::CellFormatModel {

// "[B1]" and "[B2]" in a code.
enum class Calendar : std::uint8_t {
  B1 = 0,
  B2 = 1,
};

// "[DBNum1]" to "[DBNum4]" in a code.
enum class Transliteration : std::uint8_t {
  DBNum1 = 0,
  DBNum2 = 1,
  DBNum3 = 2,
  DBNum4 = 3,
};

// "[>=100]": the comparison that selects a rule, and its operand.
class Condition {
 public:
  enum class Type : std::uint8_t {
    Less = 0,            // "<"
    Greater = 1,         // ">"
    Equal = 2,           // "="
    NotEqual = 3,        // "<>"
    LessOrEqual = 4,     // "<="
    GreaterOrEqual = 5,  // ">="
  };

  Condition(Type type, FloatNumber value) : _type(type), _value(value) {}

  [[nodiscard]] Type getType() const { return _type; }
  [[nodiscard]] FloatNumber getValue() const { return _value; }

  // The operands compare as FloatNumber does, with its tolerance.
  friend bool operator==(const Condition&, const Condition&) = default;

 private:
  Type _type;
  FloatNumber _value;
};

// "[$€-407]": a currency symbol with the language it belongs to.
class CurrencyItem {
 public:
  explicit CurrencyItem(std::string symbol, boost::optional<std::uint32_t> language = boost::none)
      : _symbol(std::move(symbol)), _language(language) {}

  [[nodiscard]] const std::string& getCurrencySymbol() const { return _symbol; }
  [[nodiscard]] const boost::optional<std::uint32_t>& getLanguage() const { return _language; }

  friend bool operator==(const CurrencyItem&, const CurrencyItem&) = default;

 private:
  std::string _symbol;
  boost::optional<std::uint32_t> _language;
};

// One date or time element ("dd", "mmmm", "[h]", "ss.00").
class DateTimeItem {
 public:
  // The code of each type is in the comment.
  enum class Type : std::uint8_t {
    AmPmShort = 0,                // "A/P"
    AmPmLong = 1,                 // "AM/PM"
    DayShort = 2,                 // "d"
    DayLong = 3,                  // "dd"
    DayOfWeekShort = 4,           // "ddd"
    DayOfWeekLong = 5,            // "dddd"
    HoursShort = 6,               // "h"
    HoursLong = 7,                // "hh"
    HoursShortNoTruncate = 8,     // "[h]", elapsed hours
    HoursLongNoTruncate = 9,      // "[hh]"
    MinutesShort = 10,            // "m" next to hours or seconds
    MinutesLong = 11,             // "mm"
    MinutesShortNoTruncate = 12,  // "[m]"
    MinutesLongNoTruncate = 13,   // "[mm]"
    SecondsShort = 14,            // "s"
    SecondsLong = 15,             // "ss"
    SecondsShortNoTruncate = 16,  // "[s]"
    SecondsLongNoTruncate = 17,   // "[ss]"
    MonthShortDecimal = 18,       // "m"
    MonthLongDecimal = 19,        // "mm"
    MonthShortText = 20,          // "mmm"
    MonthLongText = 21,           // "mmmm"
    MonthFirstLetter = 22,        // "mmmmm"
    YearShort = 23,               // "yy"
    YearLong = 24,                // "yyyy"
    BuddhistYearShort = 25,       // "bb"
    BuddhistYearLong = 26,        // "bbbb"
    QuarterShort = 27,            // "q"
    QuarterLong = 28,             // "qq"
    EraShort = 29,                // "r"
    EraLong = 30,                 // "rr"
    WeekOfYear = 31,              // "ww"
  };
  static constexpr std::size_t TypeCount = 32;

  // `decimalPlaces` is the count of "0" after "." in "ss.00"; none without a ".".
  explicit DateTimeItem(Type type, boost::optional<std::uint8_t> decimalPlaces = boost::none)
      : _type(type), _decimalPlaces(decimalPlaces) {}

  [[nodiscard]] Type getType() const { return _type; }
  [[nodiscard]] const boost::optional<std::uint8_t>& getDecimalPlaces() const {
    return _decimalPlaces;
  }
  // Day half, hours, minutes and seconds are time; the rest (day, weekday, month, year,
  // quarter, era, week) are date.
  [[nodiscard]] bool isTime() const;

  friend bool operator==(const DateTimeItem&, const DateTimeItem&) = default;

 private:
  Type _type;
  boost::optional<std::uint8_t> _decimalPlaces;
};

// The items that stand for a fixed code rather than for text or digits.
class ExtraItem {
 public:
  enum class Type : std::uint8_t {
    General = 0,        // "General"
    FractionSlash = 1,  // "/" between numerator and denominator
    ExponentPlus = 2,   // "E+"
    ExponentMinus = 3,  // "E-"
    Text = 4,           // "@", the cell's text
  };

  explicit ExtraItem(Type type) : _type(type) {}

  [[nodiscard]] Type getType() const { return _type; }

  friend bool operator==(const ExtraItem&, const ExtraItem&) = default;

 private:
  Type _type;
};

// Text shown as it stands, or a layout instruction made of one character.
class TextItem {
 public:
  enum class Type : std::uint8_t {
    Literal = 0,      // quoted or escaped text: "abc", \-
    Raw = 1,          // text the code holds without quoting, such as ":" in a time
    Transparent = 2,  // "_x": a space as wide as x
    Fill = 3,         // "*x": x repeated to fill the cell
    Percent = 4,      // "%", which also multiplies the value by 100
  };

  TextItem(Type type, std::string text) : _type(type), _text(std::move(text)) {}

  [[nodiscard]] Type getType() const { return _type; }
  [[nodiscard]] const std::string& getTextValue() const { return _text; }

  friend bool operator==(const TextItem&, const TextItem&) = default;

 private:
  Type _type;
  std::string _text;
};

// A run of digit placeholders ("0", "#", "?" and at most one ".") with the literals between
// them. `pattern` holds only the placeholders: "#,##0.00" is the pattern "###0.00" with
// grouping; each trailing comma ("0,,") divides the value by 1000 once (display factor 2).
class NumberItem {
 public:
  enum class Role : std::uint8_t {
    Integer = 0,      // the integer part, or the only number part
    Numerator = 1,    // of a fraction
    Denominator = 2,  // of a fraction
    Exponent = 3,     // the exponent digits after "E+" or "E-"
  };

  using EmbeddedItem = boost::variant<CurrencyItem, TextItem>;
  // Each literal with its position: the count of pattern characters to its right (0 is after
  // the last placeholder), in the order the code holds them.
  using EmbeddedItems = std::vector<std::pair<std::size_t, EmbeddedItem>>;

  NumberItem(Role role, std::string pattern, bool grouping, std::uint32_t displayFactor)
      : _role(role),
        _pattern(std::move(pattern)),
        _grouping(grouping),
        _displayFactor(displayFactor) {}

  [[nodiscard]] Role getRole() const { return _role; }
  void setRole(Role role) { _role = role; }
  [[nodiscard]] const std::string& getPattern() const { return _pattern; }
  void setPattern(std::string pattern) { _pattern = std::move(pattern); }
  [[nodiscard]] bool hasGrouping() const { return _grouping; }
  void setGrouping(bool grouping) { _grouping = grouping; }
  [[nodiscard]] std::uint32_t getDisplayFactor() const { return _displayFactor; }
  void setDisplayFactor(std::uint32_t displayFactor) { _displayFactor = displayFactor; }
  [[nodiscard]] const EmbeddedItems& getEmbeddedItems() const { return _embeddedItems; }
  void setEmbeddedItems(EmbeddedItems items) { _embeddedItems = std::move(items); }

  friend bool operator==(const NumberItem&, const NumberItem&) = default;

 private:
  Role _role;
  std::string _pattern;
  bool _grouping;
  std::uint32_t _displayFactor;
  EmbeddedItems _embeddedItems;
};

using Item = boost::variant<CurrencyItem, DateTimeItem, ExtraItem, NumberItem, TextItem>;
using Items = std::vector<Item>;

// One section of a format code: its items in order, and the bracketed directives that apply
// to the whole section.
class Rule {
 public:
  Rule() = default;
  explicit Rule(Items items, boost::optional<Color> color = boost::none)
      : _items(std::move(items)), _color(color) {}

  [[nodiscard]] const Items& getItems() const { return _items; }
  void setItems(Items items) { _items = std::move(items); }
  [[nodiscard]] const boost::optional<Color>& getColor() const { return _color; }
  void setColor(boost::optional<Color> color) { _color = color; }
  [[nodiscard]] const boost::optional<Condition>& getCondition() const { return _condition; }
  void setCondition(boost::optional<Condition> condition) { _condition = condition; }
  // The LCID of "[$-409]".
  [[nodiscard]] const boost::optional<std::uint32_t>& getLanguage() const { return _language; }
  void setLanguage(boost::optional<std::uint32_t> language) { _language = language; }
  [[nodiscard]] const boost::optional<Calendar>& getCalendar() const { return _calendar; }
  void setCalendar(boost::optional<Calendar> calendar) { _calendar = calendar; }
  [[nodiscard]] const boost::optional<Transliteration>& getTransliteration() const {
    return _transliteration;
  }
  void setTransliteration(boost::optional<Transliteration> transliteration) {
    _transliteration = transliteration;
  }

  friend bool operator==(const Rule&, const Rule&) = default;

 private:
  Items _items;
  boost::optional<Color> _color;
  boost::optional<Condition> _condition;
  boost::optional<std::uint32_t> _language;
  boost::optional<Calendar> _calendar;
  boost::optional<Transliteration> _transliteration;
};

// A whole format code: the rules chosen by condition or position, in order, then the rule for
// other numbers and the rule for text ("0;-0;0;@" gives rules [0, -0], default number rule
// 0 and default text rule @).
class Expression {
 public:
  Expression() = default;
  // The rule becomes the default number rule: "0.00" is Expression(rule of "0.00").
  explicit Expression(Rule defaultNumberRule) : _defaultNumberRule(std::move(defaultNumberRule)) {}
  explicit Expression(std::vector<Rule> rules) : _rules(std::move(rules)) {}

  [[nodiscard]] const std::vector<Rule>& getRules() const { return _rules; }
  void setRules(std::vector<Rule> rules) { _rules = std::move(rules); }
  [[nodiscard]] const boost::optional<Rule>& getDefaultNumberRule() const {
    return _defaultNumberRule;
  }
  void setDefaultNumberRule(boost::optional<Rule> rule) { _defaultNumberRule = std::move(rule); }
  [[nodiscard]] const boost::optional<Rule>& getDefaultTextRule() const { return _defaultTextRule; }
  void setDefaultTextRule(boost::optional<Rule> rule) { _defaultTextRule = std::move(rule); }

  friend bool operator==(const Expression&, const Expression&) = default;

 private:
  std::vector<Rule> _rules;
  boost::optional<Rule> _defaultNumberRule;
  boost::optional<Rule> _defaultTextRule;
};

// The date-time components of a localized pattern, by code.
enum class DateTimePatternToken : std::uint8_t {
  Weekday = 0,
  Month = 1,
  Day = 2,
  Year = 3,
  Hour = 4,
  Minute = 5,
  Second = 6,
};

// A component and how it is shown: month 0 "m", 1 "mmmm", 2 "mmm"; year 0 "yyyy", 1 "yy";
// every other component has only variant 0.
struct DateTimePatternItem {
  DateTimePatternToken token;
  std::uint8_t variant = 0;

  friend bool operator==(const DateTimePatternItem&, const DateTimePatternItem&) = default;
};

// Orders by component only, so a set holds at most one item per component.
struct DateTimePatternItemTokenLess {
  bool operator()(const DateTimePatternItem& a, const DateTimePatternItem& b) const {
    return a.token < b.token;
  }
};

using DateTimePatternItemSet = std::set<DateTimePatternItem, DateTimePatternItemTokenLess>;

// The standard date-time formats, each a fixed set of components.
enum class DateTimeDefaultType : std::uint8_t {
  Date = 0,      // month (numeric), day, year (four digits): "m/d/yyyy" in a month-first locale
  Time = 1,      // hour, minute, second: "h:mm:ss"
  DateTime = 2,  // Date then hour and minute: "m/d/yyyy h:mm"
};

// A date-time format whose code is made only when it is written, from the locale's order
// and separators: the same expression reads "m/d/yyyy" in one locale and "dd.mm.yyyy" in
// another.
class DateTimeLocalizedExpression {
 public:
  // The format kinds getFormatType reports, numbered as the library's format classification
  // numbers them (this model cannot name that enumeration).
  static constexpr std::uint8_t DateFormatType = 4;
  static constexpr std::uint8_t TimeFormatType = 5;
  static constexpr std::uint8_t DateTimeFormatType = 6;
  static constexpr std::uint8_t OtherFormatType = 12;

  explicit DateTimeLocalizedExpression(DateTimeDefaultType type);
  explicit DateTimeLocalizedExpression(DateTimePatternItemSet items) : _items(std::move(items)) {}

  [[nodiscard]] const DateTimePatternItemSet& getDateTimePatternTokenSet() const { return _items; }
  // Date components only: DateFormatType; time only: TimeFormatType; both: DateTimeFormatType;
  // an empty set: OtherFormatType.
  [[nodiscard]] std::uint8_t getFormatType() const;

  friend bool operator==(const DateTimeLocalizedExpression&,
                         const DateTimeLocalizedExpression&) = default;

 private:
  DateTimePatternItemSet _items;
};

// The code each type stands for in a format code, as the writer writes it: "<=", "[h]", "E+".
// Minutes and months share "m" and "mm" (the parser tells them apart by their neighbours).
// Empty for a value outside the enumeration.
[[nodiscard]] std::string_view getCode(Condition::Type type);
[[nodiscard]] std::string_view getCode(DateTimeItem::Type type);
[[nodiscard]] std::string_view getCode(ExtraItem::Type type);

// The compact one-line form of the model, for tools and test messages:
//   rules=[{[>100] N(0,'0',-,0)},{...}] number={color(255,0,0) N(0,'###0.00',g,0,[7:T(lit,'-')])}
//   text={X(@)}
// N(role,'pattern',g or -,display factor,[position:embedded item ...]); T(type,'text') with the
// types lit, raw, tr, fill, %; X(code); C('symbol'[,hex language]); D(code[.decimal places])
// with months in capitals ("MM") and minutes in lower case ("mm"); a rule's directives before
// its items: [condition] color(r,g,b) [DBNumN] lang(hex) [BN].
std::ostream& operator<<(std::ostream& out, Calendar calendar);
std::ostream& operator<<(std::ostream& out, Transliteration transliteration);
std::ostream& operator<<(std::ostream& out, const Condition& condition);
std::ostream& operator<<(std::ostream& out, const CurrencyItem& item);
std::ostream& operator<<(std::ostream& out, const DateTimeItem& item);
std::ostream& operator<<(std::ostream& out, const ExtraItem& item);
std::ostream& operator<<(std::ostream& out, const TextItem& item);
std::ostream& operator<<(std::ostream& out, const NumberItem& item);
std::ostream& operator<<(std::ostream& out, const Rule& rule);
std::ostream& operator<<(std::ostream& out, const Expression& expression);
std::ostream& operator<<(std::ostream& out, const DateTimePatternItem& item);
std::ostream& operator<<(std::ostream& out, const DateTimeLocalizedExpression& expression);

}  // namespace Vesk::DOM::CellFormatModel
