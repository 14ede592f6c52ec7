#include "OfficeUtils/Formatting/OU_FormattingResources.h"

#include <string>

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
void PrintTo(const TimeProps& props, std::ostream* out) {
  *out << "{" << (props.is12Hour ? "12h" : "24h") << " \"" << props.timeSeparator << "\"}";
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
  for (int type : {3, 255}) {
    for (bool map : {false, true}) {
      SCOPED_TRACE(std::to_string(type) + (map ? " map" : " props"));
      EXPECT_ASSERTION(map ? (void)resources.getSeparatorsMap(DateType(type))
                           : (void)resources.getDateProps(DateType(type)),
                       "OfficeUtils/Formatting/OU_FormattingResources", "Unknown date type");
    }
  }
}

TEST(FormattingResources, PatternsBecomeFormatCodes) {
  const struct {
    std::string pattern;
    std::string code;
  } cases[] = {
      {"EEEE, mmmm d, yyyy", "dddd, mmmm d, yyyy"},
      {"d 'de' mmmm 'de' yyyy", "d \"de\" mmmm \"de\" yyyy"},
      {"a*b_c?d", "a\"*\"b\"_\"c\"?\"d"},
      {"[h]\\", "\"[\"h\"]\"\"\\\""},
      {"'[x]'", "\"\"[\"x\"]\"\""},
      {"JAPAN", "JAM/PMAN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(convertDateTimePatternToFormatCode(c.pattern), c.code);
  }
}

TEST(FormattingResources, DatePropsEdgeCases) {
  const DateProps defaults{DayFirst, "; ", "~", "="};
  const struct {
    std::string pattern;
    DateProps expected;
  } cases[] = {
      // Nothing to read: month first, the defaults' separators.
      {"", {MonthFirst, "; ", "~", "="}},
      {"d 'x", {MonthFirst, "; ", "~", "="}},   // unclosed quote: not a code
      {"dd;mm", {MonthFirst, "; ", "~", "="}},  // two sections
      // The first day, month or year decides the order; a weekday does not.
      {"d", {DayFirst, "; ", "~", "="}},
      {"EEEE", {MonthFirst, "; ", "~", "="}},
      {"EEEE yy", {YearFirst, " ", "~", "="}},
      {"ddd, d/m", {DayFirst, ", ", "/", "/"}},
      // One separator shown: the other copies it.
      {"mmmm yyyy", {MonthFirst, "; ", " ", " "}},
      // A later separator of the same kind wins.
      {"d/m-d", {DayFirst, "; ", "-", "-"}},
      {"d.m.yyyy yy", {DayFirst, "; ", ".", " "}},
      // Items other than date components leave the collected text alone.
      {"d/q/m", {DayFirst, "; ", "//", "//"}},
      // "m" after hours is minutes, so no month follows the day here.
      {"d/hh/m", {DayFirst, "; ", "~", "="}},
      {"[>1]dd/mm", {DayFirst, "; ", "/", "/"}},
      // A weekday after a date component sets nothing.
      {"d mmmm yyyy, EEEE", {DayFirst, "; ", " ", " "}},
      // Long dates of real locales (ja_JP, es_ES, hu_HU).
      {"yyyy'年'm'月'd'日'EEEE", {YearFirst, "; ", "月", "年"}},
      {"EEEE, d 'de' mmmm 'de' yyyy", {DayFirst, ", ", " de ", " de "}},
      {"yyyy. mmmm d., EEEE", {YearFirst, "; ", " ", ". "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(parseDateProps(c.pattern, defaults), c.expected);
  }
}

TEST(FormattingResources, TimePropsOfPatterns) {
  const struct {
    std::string pattern;
    TimeProps expected;
  } cases[] = {
      {"", {false, ":"}},
      {"h.mm.ss", {false, "."}},
      {"hh' h 'mm", {false, " h "}},
      {"h:mm A/P", {true, ":"}},
      // Brackets of a pattern are text: "[h]" is "[", hours, "]".
      {"[h]:mm:ss", {false, "]:"}},
      // The text after the only time component.
      {"h AP", {true, " "}},
      {"'at' h", {false, ":"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(parseTimeProps(c.pattern), c.expected);
  }
}

TEST(FormattingResources, SeparatorsAreMadeSafeForCodes) {
  const struct {
    std::string separator;
    std::string expected;
  } cases[] = {
      {", ", ", "},   {"年", "年"},       {"\"", "\""},
      {"[", "\"[\""}, {" h ", "\" h \""}, {"yy", "\"yy\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.separator);
    EXPECT_EQ(makeSeparatorSafe(c.separator), c.expected);
  }
}

TEST(FormattingResources, SeparatorMapsOfEachDateType) {
  const FormattingResources resources({YearFirst, ", ", "月", "年"}, {DayFirst, " ", ".", "."},
                                      {MonthFirst, "#", "/", "-"}, {true, " h "});
  const DateTimeSeparatorsMap shortMap{{{Component::Weekday, Component::Month}, "\"#\""},
                                       {{Component::Weekday, Component::Day}, "\"#\""},
                                       {{Component::Weekday, Component::Year}, "\"#\""},
                                       {{Component::Month, Component::Day}, "/"},
                                       {{Component::Month, Component::Year}, "-"},
                                       {{Component::Day, Component::Year}, "-"},
                                       {{Component::Hour, Component::Minute}, "\" h \""},
                                       {{Component::Hour, Component::Second}, "\" h \""},
                                       {{Component::Minute, Component::Second}, "\" h \""}};
  EXPECT_EQ(resources.getSeparatorsMap(DateType::Short), shortMap);
  EXPECT_EQ(resources.getSeparatorsMap(DateType::Long).at({Component::Day, Component::Year}), "年");
}

TEST(FormattingResources, FromAProviderEachPatternFallsBackOnThePreviousProps) {
  const MapResourceProvider german{
      {Keys::LongDatePatternPath, "EEEE, d. mmmm yyyy"},
      {Keys::MediumDatePatternPath, "dd.mm.yyyy"},
      {Keys::ShortDatePatternPath, "dd.mm.yy"},
      {Keys::TimePatternPath, "hh:mm:ss"},
  };
  const FormattingResources resources(german);
  EXPECT_EQ(resources.getDateProps(DateType::Long), (DateProps{DayFirst, ", ", ". ", " "}));
  EXPECT_EQ(resources.getDateProps(DateType::Medium), (DateProps{DayFirst, ", ", ".", "."}));
  EXPECT_EQ(resources.getDateProps(DateType::Short), (DateProps{DayFirst, ", ", ".", "."}));
  EXPECT_EQ(resources.getTimeProps(), (TimeProps{false, ":"}));

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
  for (const char* code : {"0;-0", "0;@", "@", "[>1]0", "]", "\"", "[Red][Blue]0"}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(getExclusiveDefaultNumberRuleFromPattern(code));
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
