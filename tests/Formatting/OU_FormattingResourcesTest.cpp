#include "OfficeUtils/Formatting/OU_FormattingResources.h"

#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatting/OU_DatePatterns.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Assert.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {

// Failures read "{1 \", \" \"/\" \"/\"}".
void PrintTo(const DateProps& props, std::ostream* out) {
  *out << "{" << static_cast<int>(props.order) << " \"" << props.weekdaySeparator << "\" \""
       << props.dayMonthSeparator << "\" \"" << props.yearSeparator << "\"}";
}

namespace {

namespace Keys = Vesk::ResourceManager::Keys;
namespace Model = Vesk::DOM::CellFormatModel;
using Component = Model::DateTimePatternToken;
using Vesk::ResourceManager::MapResourceProvider;

constexpr DateOrder MonthFirst = DateOrder::MonthFirst;
constexpr DateOrder DayFirst = DateOrder::DayFirst;
constexpr DateOrder YearFirst = DateOrder::YearFirst;

TEST(FormattingResources, UnknownDateTypeFailsTheAssertion) {
  const auto& resources = FormattingResources::getDefaultFormattingResources();
  constexpr auto File = "OfficeUtils/Formatting/OU_FormattingResources";
  EXPECT_ASSERTION((void)resources.getSeparatorsMap(DateType(3)), File, "Unknown date type");
  EXPECT_ASSERTION((void)resources.getDateProps(DateType(255)), File, "Unknown date type");
}

// Date and time patterns: the codes they become, and the order and separators read from them.
TEST(FormattingResources, PatternsAreRead) {
  const std::pair<std::string, std::string> codes[] = {
      {"EEEE, mmmm d, yyyy", "dddd, mmmm d, yyyy"},
      {"d 'de' mmmm 'de' yyyy", "d \"de\" mmmm \"de\" yyyy"},
      {"[h]\\", "\"[\"h\"]\"\"\\\""},
      {"JAPAN", "JAM/PMAN"},
  };
  for (const auto& [pattern, code] : codes)
    EXPECT_EQ(convertDateTimePatternToFormatCode(pattern), code) << pattern;

  const DateProps defaults{DayFirst, "; ", "~", "="};
  const std::pair<std::string, DateProps> dates[] = {
      // Nothing to read: month first, the defaults' separators.
      {"", {MonthFirst, "; ", "~", "="}},
      {"dd;mm", {MonthFirst, "; ", "~", "="}},  // two sections
      // The first day, month or year decides the order; a weekday does not.
      {"ddd, d/m", {DayFirst, ", ", "/", "/"}},
      // One separator shown: the other copies it.
      {"mmmm yyyy", {MonthFirst, "; ", " ", " "}},
      // A later separator of the same kind wins.
      {"d/m-d", {DayFirst, "; ", "-", "-"}},
      // Items other than date components leave the collected text alone.
      {"d/q/m", {DayFirst, "; ", "//", "//"}},
      // "m" after hours is minutes, so no month follows the day here.
      {"d/hh/m", {DayFirst, "; ", "~", "="}},
      // A weekday after a date component sets nothing.
      {"d mmmm yyyy, EEEE", {DayFirst, "; ", " ", " "}},
      // Long dates of real locales (ja_JP, es_ES).
      {"yyyy'年'm'月'd'日'EEEE", {YearFirst, "; ", "月", "年"}},
      {"EEEE, d 'de' mmmm 'de' yyyy", {DayFirst, ", ", " de ", " de "}},
  };
  for (const auto& [pattern, props] : dates)
    EXPECT_EQ(parseDateProps(pattern, defaults), props) << pattern;

  const std::pair<std::string, TimeProps> times[] = {
      {"h.mm.ss", {false, "."}},
      {"hh' h 'mm", {false, " h "}},
      {"h:mm A/P", {true, ":"}},
      // Brackets of a pattern are text: "[h]" is "[", hours, "]".
      {"[h]:mm:ss", {false, "]:"}},
      // The text after the only time component.
      {"h AP", {true, " "}},
  };
  for (const auto& [pattern, props] : times) EXPECT_EQ(parseTimeProps(pattern), props) << pattern;
}

// Each date type's map takes that type's props; every time pair the time separator.
TEST(FormattingResources, SeparatorMapsOfEachDateType) {
  const FormattingResources resources({YearFirst, ", ", "月", "年"}, {DayFirst, " ", ".", "."},
                                      {MonthFirst, "#", "/", "-"}, {true, " h "});
  const std::tuple<DateType, std::pair<Component, Component>, std::string> cases[] = {
      {DateType::Short, {Component::Weekday, Component::Day}, "\"#\""},
      {DateType::Short, {Component::Month, Component::Day}, "/"},
      {DateType::Short, {Component::Day, Component::Year}, "-"},
      {DateType::Medium, {Component::Month, Component::Year}, "."},
      {DateType::Long, {Component::Day, Component::Year}, "年"},
      {DateType::Long, {Component::Minute, Component::Second}, "\" h \""},
  };
  for (const auto& [type, pair, expected] : cases)
    EXPECT_EQ(resources.getSeparatorsMap(type).at(pair), expected);
  EXPECT_EQ(resources.getSeparatorsMap(DateType::Short).size(), 9u);
}

// A provider with all four patterns is read by the locale manager's tests.
TEST(FormattingResources, FromAProviderEachPatternFallsBackOnThePreviousProps) {
  // Only a long pattern: the others take its separators but never its order.
  const MapResourceProvider longOnly{{Keys::LongDatePatternPath, "EEEE d mmmm yyyy"}};
  const FormattingResources partial(longOnly);
  EXPECT_EQ(partial.getDateProps(DateType::Long), (DateProps{DayFirst, " ", " ", " "}));
  EXPECT_EQ(partial.getDateProps(DateType::Medium), (DateProps{MonthFirst, " ", " ", " "}));
  EXPECT_EQ(partial.getDateProps(DateType::Short), (DateProps{MonthFirst, " ", " ", " "}));
  EXPECT_EQ(partial.getTimeProps(), TimeProps());
}

TEST(FormattingResources, ExclusiveDefaultNumberRule) {
  const auto rule = getExclusiveDefaultNumberRuleFromPattern("0.00");
  ASSERT_TRUE(rule);
  EXPECT_EQ(*rule,
            Model::Rule({Model::NumberItem(Model::NumberItem::Role::Integer, "0.00", false, 0)}));
  EXPECT_TRUE(getExclusiveDefaultNumberRuleFromPattern("")->getItems().empty());
  for (const char* code : {"0;-0", "@", "[>1]0", "]"})
    EXPECT_FALSE(getExclusiveDefaultNumberRuleFromPattern(code)) << code;
}

}  // namespace
}  // namespace Vesk::OfficeUtils
