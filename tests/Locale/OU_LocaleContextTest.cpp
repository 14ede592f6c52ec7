#include "OfficeUtils/Locale/OU_LocaleContext.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaType;

TEST(LocaleContext, UnknownDialectFailsTheAssertion) {
  EXPECT_ASSERTION((void)LocaleContext::getDefaultLocaleContext(FormulaType(4)),
                   "OfficeUtils/Locale/OU_LocaleContext", "Unknown FormulaType");
}

// The built-in contexts and the format-code parser need each other: the parser reads conditions
// under the dialect-2 context, whose formatting resources are derived with the parser. Either
// may be the first thing a process touches; these run in a fresh process (the "threadsafe"
// style re-runs the test binary for the single test) so no earlier test has built anything.
TEST(LocaleContextDeathTest, DefaultContextCanBeTheFirstCallOfAProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const auto& context = LocaleContext::getDefaultLocaleContext(FormulaType::OOXMLStrict);
        const auto& props = context.getFormattingResources().getDateProps(DateType::Short);
        std::exit(props == getDefaultDateProps() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(LocaleContextDeathTest, ParsingAConditionCanBeTheFirstCallOfAProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const auto expression = Parser::parse("[>=1.5]0.0;0", Parser::ParserType::Default);
        const bool ok = expression && expression->getRules().size() == 1 &&
                        expression->getRules()[0].getCondition() &&
                        expression->getRules()[0].getCondition()->getValue() == 1.5;
        std::exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
