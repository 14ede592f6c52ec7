#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_LexerPrologue.h"
#include "tests/OU_Printers.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

using Type = FormattingToken::Type;
using Tokens = std::vector<FormattingToken>;

Tokens scanAll(const std::string& code) {
  FormattingScanner scanner(code);
  Tokens tokens;
  while (auto token = scanner.getNextToken()) tokens.push_back(std::move(*token));
  return tokens;
}

// A compact dump: "Number[#] Comma[,] Number[0]".
std::string dump(const Tokens& tokens) {
  std::string text;
  for (const auto& token : tokens)
    text += (text.empty() ? "" : " ") + std::string(tokenTypeToString(token.getType())) + "[" +
            std::string(token.getValue()) + "]";
  return text;
}

// Each rule's own lexemes, documented examples and the back-off cases; brackets, quotes and
// NULs are left to the one-pass model below, what any text scans into to the fuzz target.
TEST(FormattingScanner, LongestMatchOfEachRule) {
  const std::pair<std::string, std::string> cases[] = {
      {"ss.00", "SecondsLong[ss.00]"},
      {"GENERAL", "General[GENERAL]"},
      {"gG0g", "Number[0]"},
      {"ss.0000", "SecondsLong[ss.000] Number[0]"},
      {"A/PM", "AmPmShort[A/P] MonthShortDecimal[M]"},
      {"AM/P", "String[A] MonthShortDecimal[M] Fraction[/] String[P]"},
      {"dDdd mmmmm yyY bbB qQ rrr w",
       "DayOfWeekLong[dDdd] String[ ] MonthFirstLetter[mmmmm] "
       "String[ ] YearLong[yyY] String[ ] BuddhistYearLong[bbB] String[ ] QuarterLong[qQ] "
       "String[ ] EraLong[rrr] String[ ] WeekOfYear[w]"},
      {"[hh][m][S].00 am/pm A/p b2 E-%/@",
       "HoursLongNoTruncate[[hh]] MinutesShortNoTruncate[[m]] SecondsShortNoTruncate[[S].00] "
       "String[ ] AmPmLong[am/pm] String[ ] AmPmShort[A/p] String[ ] Calendar[B2] String[ ] "
       "ExponentMinus[E-] Percent[%] Fraction[/] TextContent[@]"},
      {"*x_)\\\\\"q\",,,[dbnum2][BLUE][$€]",
       "FillText[x] TransparentText[)] String[\\] String[q] Comma[,,,] Transliteration[DBNum2] "
       "Color[blue] Currency[€]"},
      // Currency codes in any case are one string; near misses fall apart.
      {"USD eur SeK0", "String[USD] String[ ] String[eur] String[ ] String[SeK] Number[0]"},
      // The exponent takes an upper-case "E", the year a lower-case "e".
      {"EeE+", "String[E] YearLong[e] ExponentPlus[E+]"},
  };
  for (const auto& [code, expected] : cases) EXPECT_EQ(dump(scanAll(code)), expected) << code;
}

// Tokens of text made of "[", "$", "]", quotes, NUL, "-", "a" and "4", worked out by hand in one
// pass: the next "]" after each "[$", the next quote after each quote.
Tokens modelTokens(std::string_view text) {
  const auto n = text.size();
  std::vector<std::size_t> nextBracketStop(n + 1, n), nextQuoteStop(n + 1, n);
  for (auto i = n; i-- > 0;) {
    const char c = text[i];
    nextBracketStop[i] = c == ']' ? i : nextBracketStop[i + 1];
    nextQuoteStop[i] = c == '"' ? i : nextQuoteStop[i + 1];
  }
  Tokens tokens;
  for (std::size_t i = 0; i < n;) {
    const char c = text[i];
    if (c == '[' && i + 1 < n && text[i + 1] == '$' && nextBracketStop[i + 2] < n &&
        text[nextBracketStop[i + 2]] == ']') {
      const auto end = nextBracketStop[i + 2];
      const auto body = text.substr(i + 2, end - i - 2);
      const bool language = body.size() > 1 && body[0] == '-' &&
                            body.find_first_not_of("a4", 1) == std::string_view::npos;
      tokens.emplace_back(language ? Type::Language : Type::Currency,
                          language ? body.substr(1) : body);
      i = end + 1;
    } else if (c == '"' && nextQuoteStop[i + 1] < n && text[nextQuoteStop[i + 1]] == '"') {
      const auto end = nextQuoteStop[i + 1];
      tokens.emplace_back(Type::String, text.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      tokens.emplace_back(c == '['   ? Type::BadSymbol
                          : c == '4' ? Type::Number
                                     : Type::String,
                          text.substr(i, 1));
      ++i;
    }
  }
  return tokens;
}

TEST(FormattingScanner, BracketsQuotesAndNulsScanAsTheOnePassModel) {
  static const std::vector<std::string> pieces = {"[", "[$", "]", "\"", std::string(1, '\0'),
                                                  "$", "-",  "a", "4"};
  std::mt19937 random(13);
  for (int round = 0; round < 6000 / Testing::PropertyScale; ++round) {
    const auto code = Testing::randomText(random, pieces, 30);
    ASSERT_EQ(dump(scanAll(code)), dump(modelTokens(code))) << ::testing::PrintToString(code);
  }
  // Runs that made the scanner rescan its lexeme at each NUL, or scan from each "[$" to the
  // end: a quadratic scanner takes seconds on each.
  const std::string nul(1, '\0');
  std::string quotedNulRun = "\"", bracketedNulRun = "[$", unclosedRun;
  for (int i = 0; i < 20000; ++i) {
    quotedNulRun += "a" + nul;
    bracketedNulRun += "a" + nul;
    unclosedRun += "[$a";
  }
  for (const auto& code : {quotedNulRun + "\"", bracketedNulRun + "]", unclosedRun + nul})
    ASSERT_EQ(scanAll(code), modelTokens(code));
}

TEST(FormattingScannerDeathTest, InvalidUtf8JamsTheScanner) {
  // \xC0 too, though the scanner hands NUL over as that byte.
  for (const auto* code : {"0\xFF", "0\xC0"})
    EXPECT_EXIT((void)scanAll(code), ::testing::ExitedWithCode(2), "flex scanner jammed");
}

// The tables above read the names of the token types; past End (51) is an assertion.
TEST(FormattingToken, UnknownTypesAssert) {
  for (const std::uint32_t value : {52u, 0xFFFFFFFFu}) {
    EXPECT_ASSERTION((void)tokenTypeToString(static_cast<Type>(value)),
                     "OfficeUtils/Formatters/Parser/OU_FormattingToken",
                     "Unknown FormattingToken::Type");
  }
}

// What the rules' cuts give is seen in the tokens above; here the lexemes no rule can produce.
TEST(LexerPrologue, WrongShapesFailTheFirstBrokenPrecondition) {
  const std::tuple<std::function<std::string_view(std::string_view)>, std::string, std::string>
      cases[] = {
          {LexerPrologue::trimFirstChar, "", "!str.empty()"},
          {LexerPrologue::trimQuoteMarks, "\"", "str.size() >= 2"},
          {LexerPrologue::trimCurrency, "[$", "str.size() >= 3"},
          {LexerPrologue::trimLanguage, "[$+1]", "str[2] == '-'"},
          {LexerPrologue::trimColorNumber, "[Color]", "start != std::string::npos"},
      };
  for (const auto& [trim, input, condition] : cases)
    EXPECT_ASSERTION((void)trim(input), "OfficeUtils/Formatters/Parser/OU_LexerPrologue",
                     condition);
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
