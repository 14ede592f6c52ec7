// Several threads at once on the objects the library shares between them: the built-in
// contexts and function-name maps, one built locale context, the parser and writer, the link
// matcher and number conversions (with their per-thread caches), each thread with its own
// formatters and date-time values. Every thread must see what one thread alone sees. Quick
// enough for the normal suite; its real use is under ThreadSanitizer (the tsan preset).
#include <string>
#include <thread>
#include <vector>

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/OU_CellFormatRenderer.h"
#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/OU_NumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/RegEx/OU_Hyperlinks.h"
#include "OfficeUtils/Utils/OU_DateTime.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;

// Everything one round reads or makes, as text.
std::string round(const LocaleContext& german, int i) {
  const auto& builtIn = LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType(i % 4));
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  const auto expression = Parser::parse("#,##0.00;[Red]-0.00;[>" + std::to_string(i) + "]0",
                                        Parser::ParserType::Default);
  const GeneralNumberFormatter general(german);
  FixedNumberFormatter fixed("0.00", german);
  fixed.setGrouping(true);
  const DateTime date(Vesk::FloatNumber(45000.25 + i), german);
  const auto value = stringToDouble(std::to_string(i) + ",5", german);
  return fmt::format(
      "{}|{}|{}|{}|{}|{}|{}|{}|{}|{}|{}",
      builtIn.getResources().getSymbol(LocalizableSymbolType::DecimalSeparator),
      int(english.getType("_xlfn.sUm")),
      int(german.getResources().getFunctionsNamesMap().getType("summe")),
      expression ? Parser::toRegEx(*expression, Parser::ParserType::Default) : "none",
      Parser::toRegEx(Model::DateTimeLocalizedExpression(Model::DateTimeDefaultType::DateTime),
                      german),
      expression ? formatValue(-12.345 * i, *expression, german).text : "", general(1234.5 + i),
      getFormatterResultAsString(fixed(-9876.125 * i), german),
      date.toString(Model::DateTimeItem(Model::DateTimeItem::Type::MonthLongText), false),
      int(matchInternetResource("a" + std::to_string(i) + "@b.c")),
      value ? std::to_string(*value) : "none");
}

TEST(ThreadStress, SharedObjectsGiveEveryThreadTheSameResults) {
  const LocaleContext& german = Testing::namedLocale("de_DE");
  constexpr int Rounds = 40;
  constexpr int Threads = 4;
  // Computed after the threads, so that they are the first users of every lazy static.
  std::vector<std::vector<std::string>> seen(Threads, std::vector<std::string>(Rounds));
  std::vector<std::thread> threads;
  for (int t = 0; t < Threads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < Rounds; ++i) seen[t][i] = round(german, i);
    });
  }
  for (auto& thread : threads) thread.join();
  for (int i = 0; i < Rounds; ++i) {
    const std::string expected = round(german, i);
    for (int t = 0; t < Threads; ++t) EXPECT_EQ(seen[t][i], expected) << t << " " << i;
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
