#include "OfficeUtils/Formatters/Parser/OU_LexerPrologue.h"

#include <functional>
#include <string>
#include <string_view>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::LexerPrologue {
namespace {

using Trim = std::function<std::string_view(std::string_view)>;

// What the cuts give is seen in the scanner's tokens; here the lexemes no rule can produce.
TEST(LexerPrologue, WrongShapesFailTheFirstBrokenPrecondition) {
  const std::tuple<Trim, std::string, std::string> cases[] = {
      {trimFirstChar, "", "!str.empty()"},
      {trimQuoteMarks, "\"", "str.size() >= 2"},
      {trimCurrency, "[$", "str.size() >= 3"},
      {trimLanguage, "[$+1]", "str[2] == '-'"},
      {trimColorNumber, "[Color]", "start != std::string::npos"},
  };
  for (const auto& [trim, input, condition] : cases)
    EXPECT_ASSERTION((void)trim(input), "OfficeUtils/Formatters/Parser/OU_LexerPrologue",
                     condition);
}

}  // namespace
}  // namespace Vesk::OfficeUtils::LexerPrologue
