#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"

#include <array>

#include <fmt/format.h>

#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formatters/Parser/OU_FormattingToken";

using Type = FormattingToken::Type;

struct TypeName {
  Type type;
  std::string_view name;
};

// Ordered by type without gaps, so a type's row is found by its value.
// clang-format off
constexpr std::array<TypeName, 52> TypeNames{{
    {Type::General, "General"},
    {Type::Condition, "Condition"},
    {Type::Color, "Color"},
    {Type::FillText, "FillText"},
    {Type::TransparentText, "TransparentText"},
    {Type::String, "String"},
    {Type::Number, "Number"},
    {Type::Point, "Point"},
    {Type::Comma, "Comma"},
    {Type::Calendar, "Calendar"},
    {Type::ExponentPlus, "ExponentPlus"},
    {Type::ExponentMinus, "ExponentMinus"},
    {Type::Percent, "Percent"},
    {Type::Fraction, "Fraction"},
    {Type::TextContent, "TextContent"},
    {Type::AmPmLong, "AmPmLong"},
    {Type::AmPmShort, "AmPmShort"},
    {Type::DayLong, "DayLong"},
    {Type::DayShort, "DayShort"},
    {Type::DayOfWeekLong, "DayOfWeekLong"},
    {Type::DayOfWeekShort, "DayOfWeekShort"},
    {Type::HoursLong, "HoursLong"},
    {Type::HoursShort, "HoursShort"},
    {Type::HoursLongNoTruncate, "HoursLongNoTruncate"},
    {Type::HoursShortNoTruncate, "HoursShortNoTruncate"},
    {Type::MinutesLong, "MinutesLong"},
    {Type::MinutesShort, "MinutesShort"},
    {Type::MinutesLongNoTruncate, "MinutesLongNoTruncate"},
    {Type::MinutesShortNoTruncate, "MinutesShortNoTruncate"},
    {Type::SecondsLong, "SecondsLong"},
    {Type::SecondsShort, "SecondsShort"},
    {Type::SecondsLongNoTruncate, "SecondsLongNoTruncate"},
    {Type::SecondsShortNoTruncate, "SecondsShortNoTruncate"},
    {Type::MonthFirstLetter, "MonthFirstLetter"},
    {Type::MonthLongText, "MonthLongText"},
    {Type::MonthShortText, "MonthShortText"},
    {Type::MonthLongDecimal, "MonthLongDecimal"},
    {Type::MonthShortDecimal, "MonthShortDecimal"},
    {Type::YearLong, "YearLong"},
    {Type::YearShort, "YearShort"},
    {Type::BuddhistYearShort, "BuddhistYearShort"},
    {Type::BuddhistYearLong, "BuddhistYearLong"},
    {Type::QuarterLong, "QuarterLong"},
    {Type::QuarterShort, "QuarterShort"},
    {Type::EraLong, "EraLong"},
    {Type::EraShort, "EraShort"},
    {Type::WeekOfYear, "WeekOfYear"},
    {Type::Transliteration, "Transliteration"},
    {Type::Language, "Language"},
    {Type::Currency, "Currency"},
    {Type::BadSymbol, "BadSymbol"},
    {Type::End, "End"},
}};
// clang-format on

constexpr bool isOrderedWithoutGaps() {
  for (std::size_t index = 0; index < TypeNames.size(); ++index) {
    if (static_cast<std::size_t>(TypeNames[index].type) != index) return false;
  }
  return true;
}
static_assert(isOrderedWithoutGaps(), "TypeNames must list every type once, by value");

}  // namespace

std::string FormattingToken::toString() const {
  return fmt::format("Type: [{}] Value: [{}]", tokenTypeToString(_type), _value);
}

std::string_view tokenTypeToString(const FormattingToken::Type& type) {
  const auto index = static_cast<std::size_t>(type);
  if (index >= TypeNames.size()) OU_FAIL("Unknown FormattingToken::Type");
  return TypeNames[index].name;
}

}  // namespace Vesk::OfficeUtils::Parser
