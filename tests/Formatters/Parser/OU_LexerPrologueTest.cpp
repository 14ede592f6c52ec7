#include "OfficeUtils/Formatters/Parser/OU_LexerPrologue.h"

#include <functional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::LexerPrologue {
namespace {

using Trim = std::function<std::string_view(std::string_view)>;

struct TrimCase {
  const char* function;
  Trim trim;
  std::string input;
  std::string expected;
};

TEST(LexerPrologue, CutsTheValueOutOfTheLexeme) {
  const TrimCase cases[] = {
      {"trimFirstChar", trimFirstChar, "_", ""},
      {"trimQuoteMarks", trimQuoteMarks, "\"abc\"", "abc"},
      {"trimQuoteMarks", trimQuoteMarks, "\"a\"b\"", "a\"b"},
      {"trimSquareBrackets", trimSquareBrackets, "[<=100]", "<=100"},
      {"trimCurrency", trimCurrency, "[$€-407]", "€-407"},
      {"trimLanguage", trimLanguage, "[$-409]", "409"},
      {"trimLanguage", trimLanguage, "[$-]", ""},
      {"trimColorNumber", trimColorNumber, "[color  7  ]", "7"},
      {"trimColorNumber", trimColorNumber, "1 a 2", "1 a 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.function) + "(" + c.input + ")");
    const std::string_view input = c.input;
    const auto result = c.trim(input);
    EXPECT_EQ(result, c.expected);
    // A view into the argument, not a copy.
    EXPECT_GE(result.data(), input.data());
    EXPECT_LE(result.data() + result.size(), input.data() + input.size());
  }
}

TEST(LexerPrologue, WrongShapesFailTheFirstBrokenPrecondition) {
  const struct {
    const char* function;
    Trim trim;
    std::string input;
    const char* condition;
  } cases[] = {
      {"trimFirstChar", trimFirstChar, "", "!str.empty()"},
      {"trimQuoteMarks", trimQuoteMarks, "\"", "str.size() >= 2"},
      {"trimQuoteMarks", trimQuoteMarks, "a\"", "str[0] == '\"'"},
      {"trimQuoteMarks", trimQuoteMarks, "\"a", "str[str.size() - 1] == '\"'"},
      {"trimSquareBrackets", trimSquareBrackets, "]", "str.size() >= 2"},
      {"trimSquareBrackets", trimSquareBrackets, "(a]", "str[0] == '['"},
      {"trimSquareBrackets", trimSquareBrackets, "[a)", "str[str.size() - 1] == ']'"},
      {"trimCurrency", trimCurrency, "[$", "str.size() >= 3"},
      {"trimCurrency", trimCurrency, "$$]", "str[0] == '['"},
      {"trimCurrency", trimCurrency, "[-]", "str[1] == '$'"},
      {"trimCurrency", trimCurrency, "[$€", "str[str.size() - 1] == ']'"},
      {"trimLanguage", trimLanguage, "[$]", "str.size() >= 4"},
      {"trimLanguage", trimLanguage, "$$-1]", "str[0] == '['"},
      {"trimLanguage", trimLanguage, "[-$1]", "str[1] == '$'"},
      {"trimLanguage", trimLanguage, "[$+1]", "str[2] == '-'"},
      {"trimLanguage", trimLanguage, "[$-1)", "str[str.size() - 1] == ']'"},
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
