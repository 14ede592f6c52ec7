#include "OfficeUtils/Formatters/Parser/OU_LexerPrologue.h"

#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::LexerPrologue {
namespace {

using Trim = std::function<std::string_view(std::string_view)>;

// What the cuts give is seen in the scanner's tokens; here the lexemes no rule can produce.
TEST(LexerPrologue, WrongShapesFailTheFirstBrokenPrecondition) {
  const struct {
    const char* function;
    Trim trim;
    std::string input;
    const char* condition;
  } cases[] = {
      {"trimFirstChar", trimFirstChar, "", "!str.empty()"},
      {"trimQuoteMarks", trimQuoteMarks, "\"", "str.size() >= 2"},
      {"trimSquareBrackets", trimSquareBrackets, "]", "str.size() >= 2"},
      {"trimCurrency", trimCurrency, "[$", "str.size() >= 3"},
      {"trimLanguage", trimLanguage, "[$]", "str.size() >= 4"},
      {"trimLanguage", trimLanguage, "[$+1]", "str[2] == '-'"},
      {"trimColorNumber", trimColorNumber, "[Color]", "start != std::string::npos"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.function) + "(" + c.input + ")");
    EXPECT_ASSERTION((void)c.trim(c.input), "OfficeUtils/Formatters/Parser/OU_LexerPrologue",
                     c.condition);
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::LexerPrologue
