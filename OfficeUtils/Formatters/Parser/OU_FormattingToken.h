// One token of a number-format code section, as the format-code scanner hands it to the
// parser: a type and the UTF-8 text that the parser needs ("#", "red", "<=100", "€-407"). The
// token borrows its text: a piece of the scanned code or a literal, which must outlive it.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace Vesk::OfficeUtils::Parser {

class FormattingToken {
 public:
  // The numeric values are fixed: the scanner returns them as plain integers.
  enum class Type : std::uint32_t {
    General = 0,
    Condition = 1,
    Color = 2,
    FillText = 3,
    TransparentText = 4,
    String = 5,
    Number = 6,
    Point = 7,
    Comma = 8,
    Calendar = 9,
    ExponentPlus = 10,
    ExponentMinus = 11,
    Percent = 12,
    Fraction = 13,
    TextContent = 14,
    AmPmLong = 15,
    AmPmShort = 16,
    DayLong = 17,
    DayShort = 18,
    DayOfWeekLong = 19,
    DayOfWeekShort = 20,
    HoursLong = 21,
    HoursShort = 22,
    HoursLongNoTruncate = 23,
    HoursShortNoTruncate = 24,
    // The scanner never yields the two minute types: "m" and "mm" always come out as months
    // and the parser retypes them from their neighbours.
    MinutesLong = 25,
    MinutesShort = 26,
    MinutesLongNoTruncate = 27,
    MinutesShortNoTruncate = 28,
    SecondsLong = 29,
    SecondsShort = 30,
    SecondsLongNoTruncate = 31,
    SecondsShortNoTruncate = 32,
    MonthFirstLetter = 33,
    MonthLongText = 34,
    MonthShortText = 35,
    MonthLongDecimal = 36,
    MonthShortDecimal = 37,
    YearLong = 38,
    YearShort = 39,
    BuddhistYearShort = 40,  // the short one comes first, unlike every other pair
    BuddhistYearLong = 41,
    QuarterLong = 42,
    QuarterShort = 43,
    EraLong = 44,
    EraShort = 45,
    WeekOfYear = 46,
    Transliteration = 47,
    Language = 48,
    Currency = 49,
    BadSymbol = 50,
    End = 51,  // the input is exhausted; never carried by a token
  };

  // Inline, as the scanner makes one per token.
  FormattingToken(Type type, std::string_view value) : _type(type), _value(value) {}

  FormattingToken(const FormattingToken&) = default;
  FormattingToken& operator=(const FormattingToken&) = default;
  // A moved-from token keeps its type and has an empty value.
  FormattingToken(FormattingToken&& other) noexcept
      : _type(other._type), _value(std::exchange(other._value, {})) {}
  FormattingToken& operator=(FormattingToken&& other) noexcept {
    if (this != &other) {
      _type = other._type;
      _value = std::exchange(other._value, {});
    }
    return *this;
  }
  ~FormattingToken() = default;

  [[nodiscard]] Type getType() const { return _type; }
  void setType(Type type) { _type = type; }
  [[nodiscard]] std::string_view getValue() const { return _value; }

  // "Type: [Number] Value: [0]".
  [[nodiscard]] std::string toString() const;

  friend bool operator==(const FormattingToken&, const FormattingToken&) = default;
  // Ordered by type, then by value byte by byte (bytes unsigned, a prefix before the longer
  // text).
  friend std::strong_ordering operator<=>(const FormattingToken&, const FormattingToken&) = default;

 private:
  Type _type;
  std::string_view _value;
};

// The enumerator's own name ("SecondsLongNoTruncate"); a value outside the enumeration is a
// programming error and fails an assertion.
[[nodiscard]] std::string_view tokenTypeToString(const FormattingToken::Type& type);

}  // namespace Vesk::OfficeUtils::Parser
