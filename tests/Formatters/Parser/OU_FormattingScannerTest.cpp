#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <cctype>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "host/Utils/OU_Errors.h"
#include "tests/OU_Printers.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

using Type = FormattingToken::Type;
using Tokens = std::vector<FormattingToken>;

Tokens scanAll(const std::string& code) {
  std::istringstream in(code);
  FormattingScanner scanner(in);
  Tokens tokens;
  while (auto token = scanner.getNextToken()) tokens.push_back(std::move(*token));
  return tokens;
}

// "none" for an exhausted scanner, else the token's toString().
std::string describe(const boost::optional<FormattingToken>& token) {
  return token ? token->toString() : "none";
}

// A compact dump: "Number[#] Comma[,] Number[0]".
std::string dump(const Tokens& tokens) {
  std::string text;
  for (const auto& token : tokens) {
    if (!text.empty()) text += ' ';
    text += std::string(tokenTypeToString(token.getType())) + "[" + token.getValue() + "]";
  }
  return text;
}

struct ScanCase {
  std::string code;
  std::string expected;  // dump() of the tokens
};

void expectScans(const std::vector<ScanCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(dump(scanAll(c.code)), c.expected);
  }
}

// The three-letter currency codes that scan as one String token.
constexpr std::string_view CurrencyCodes =
    "AED AFN ALL AMD AOA ARS AUD AZM AZN BDT BGL BGN BHD BIF BND BOB BRL BWP BYR CAD CDF CHF CLP "
    "CNY COP CRC CSD CUP CYP CZK DJF DKK DZD EEK EGP ETB EUR GBP GEL GHC GHS GMD GNF HKD HRK HUF "
    "IDR ILS INR IQD IRR ISK JOD JPY KES KGS KHR KPW KRW KWD KZT LAK LBP LKR LTL LVL LYD MAD MDL "
    "MGA MKD MNT MRO MTL MUR MWK MXN MYR MZN NAD NGN NIO NOK NPR NZD OMR PEN PHP PKR PLN PYG QAR "
    "ROL RON RSD RUB RUR SAR SCR SDD SDG SEK SGD SIT SKK SLL SOS SRD SYP SZL THB TJS TMM TMT TND "
    "TRL TRY TWD TZS UAH UGX USD UYU UZS VEB VEF VND XAF XAG XAU XDR XOF XPD XPT YER ZAR ZMK";

std::vector<std::string> currencyCodes() {
  std::vector<std::string> codes;
  std::istringstream in{std::string(CurrencyCodes)};
  for (std::string code; in >> code;) codes.push_back(code);
  return codes;
}

std::string toLower(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// clang-format off
TEST(FormattingScanner, DocumentedExamples) {
  expectScans({
      {"#,##0.00", "Number[#] Comma[,] Number[#] Number[#] Number[0] Point[.] Number[0] Number[0]"},
      {"hh:mm:ss", "HoursLong[hh] String[:] MonthLongDecimal[mm] String[:] SecondsLong[ss]"},
      {"E+00", "ExponentPlus[E+] Number[0] Number[0]"},
      {"[<1e]", "BadSymbol[[] String[<] Number[1] YearLong[e] String[]]"},
      {"[Red]0", "Color[red] Number[0]"},
      {"[<=100]", "Condition[<=100]"},
      {"[$€-407]", "Currency[€-407]"},
      {"[$-409]", "Language[409]"},
      {"[Color 12]", "Color[12]"},
      {"ss.00", "SecondsLong[ss.00]"},
      {"\"\"", "String[]"},
  });
}

TEST(FormattingScanner, DocumentedEdgeCases) {
  expectScans({
      {"GENERAL", "General[GENERAL]"},
      {"general", "General[general]"},
      {"General", "General[General]"},
      {"USDX", "String[USD] String[X]"},
      {"US", "String[U] SecondsShort[S]"},
      {"[Color]", "BadSymbol[[] String[C] String[o] String[l] String[o] EraShort[r] String[]]"},
      {"ss.0000", "SecondsLong[ss.000] Number[0]"},
      {"A/PM", "AmPmShort[A/P] MonthShortDecimal[M]"},
      {"AM/P", "String[A] MonthShortDecimal[M] Fraction[/] String[P]"},
      {"[$-F800]", "Language[F800]"},
      {"[$-g]", "Currency[-g]"},
      {"[$]", "Currency[]"},
      {"B3", "BuddhistYearShort[B] Number[3]"},
      {"Gen", "YearLong[e] String[n]"},
      {"", ""},
  });
}

TEST(FormattingScanner, BracketedDirectivesKeepOnlyTheirValue) {
  expectScans({
      {"[>=-1.5E+3]", "Condition[>=-1.5E+3]"},
      {"[<> 5 ]", "Condition[<> 5 ]"},
      {"[=.5]", "Condition[=.5]"},
      {"[>5.]", "Condition[>5.]"},
      {"[<1e-7]", "Condition[<1e-7]"},
      {"[<+2]", "Condition[<+2]"},
      {"[dbnum3]", "Transliteration[DBNum3]"},
      {"[DBNUM4]", "Transliteration[DBNum4]"},
      {"[MAGENTA]", "Color[magenta]"},
      {"[cyan][Yellow][wHite]", "Color[cyan] Color[yellow] Color[white]"},
      {"[COLOR  056 ]", "Color[056]"},
      {"[$-f800]", "Language[f800]"},
      {"[$USD-409]", "Currency[USD-409]"},
      {"[$[$]", "Currency[[$]"},
      {"[hh]", "HoursLongNoTruncate[[hh]]"},
      {"[HHH]", "HoursLongNoTruncate[[HHH]]"},
      {"[h]", "HoursShortNoTruncate[[h]]"},
      {"[mm]", "MinutesLongNoTruncate[[mm]]"},
      {"[M]", "MinutesShortNoTruncate[[M]]"},
      {"[ss].000", "SecondsLongNoTruncate[[ss].000]"},
      {"[s].0", "SecondsShortNoTruncate[[s].0]"},
      // Nothing bracketed matches: "[" alone, the rest as ordinary characters.
      {"[<]", "BadSymbol[[] String[<] String[]]"},
      {"[$-409", "BadSymbol[[] String[$] String[-] Number[4] Number[0] Number[9]"},
      {"[DBNum5]", "BadSymbol[[] DayShort[D] BuddhistYearShort[B] String[N] String[u] "
                   "MonthShortDecimal[m] Number[5] String[]]"},
      {"[hm]", "BadSymbol[[] HoursShort[h] MonthShortDecimal[m] String[]]"},
  });
}

TEST(FormattingScanner, DateAndTimeCodesByLength) {
  expectScans({
      {"d", "DayShort[d]"},                {"DD", "DayLong[DD]"},
      {"ddd", "DayOfWeekShort[ddd]"},      {"dddddd", "DayOfWeekLong[dddddd]"},
      {"h", "HoursShort[h]"},              {"HHHH", "HoursLong[HHHH]"},
      {"m", "MonthShortDecimal[m]"},       {"mm", "MonthLongDecimal[mm]"},
      {"mmm", "MonthShortText[mmm]"},      {"MMMM", "MonthLongText[MMMM]"},
      {"mmmmmm", "MonthFirstLetter[mmmmmm]"},
      {"s.", "SecondsShort[s.]"},          {"S.000", "SecondsShort[S.000]"},
      {"sss.0", "SecondsLong[sss.0]"},
      {"b", "BuddhistYearShort[b]"},       {"bb", "BuddhistYearShort[bb]"},
      {"BBBB", "BuddhistYearLong[BBBB]"},
      {"b1", "Calendar[B1]"},              {"B2", "Calendar[B2]"},
      {"y", "YearShort[y]"},               {"YY", "YearShort[YY]"},
      {"yyy", "YearLong[yyy]"},            {"eee", "YearLong[eee]"},
      {"q", "QuarterShort[q]"},            {"QQ", "QuarterLong[QQ]"},
      {"r", "EraShort[r]"},                {"rrr", "EraLong[rrr]"},
      {"wW", "WeekOfYear[wW]"},
      {"am/pm", "AmPmLong[am/pm]"},        {"a/p", "AmPmShort[a/p]"},
      {"yyyymmdd", "YearLong[yyyy] MonthLongDecimal[mm] DayLong[dd]"},
  });
}

TEST(FormattingScanner, ExponentTakesUpperCaseEAndYearLowerCase) {
  expectScans({
      {"0.0E-0", "Number[0] Point[.] Number[0] ExponentMinus[E-] Number[0]"},
      {"e+", "YearLong[e] String[+]"},
      {"e-", "YearLong[e] String[-]"},
      {"E", "String[E]"},
      {"Ee", "String[E] YearLong[e]"},
      {"eE+", "YearLong[e] ExponentPlus[E+]"},
  });
}

TEST(FormattingScanner, EscapesQuotesAndFills) {
  expectScans({
      {"*-", "FillText[-]"},
      {"* ", "FillText[ ]"},
      {"*€0", "FillText[€] Number[0]"},
      {"_)", "TransparentText[)]"},
      {"_😀", "TransparentText[😀]"},
      {"\\d", "String[d]"},
      {"\\中", "String[中]"},
      {"\\\\", "String[\\]"},
      {"\"a;b\"", "String[a;b]"},
      {"\"x\n\"", "String[x\n]"},
      {"\"é\"\"\"", "String[é] String[]"},
      // Nothing to take: the prefix stands for itself.
      {"*", "String[*]"},
      {"_", "String[_]"},
      {"\\", "String[\\]"},
      {"\"abc", "String[\"] String[a] BuddhistYearShort[b] String[c]"},
  });
}

TEST(FormattingScanner, OtherCharactersAreOneStringEach) {
  expectScans({
      {"€", "String[€]"},
      {"ß中😀", "String[ß] String[中] String[😀]"},
      {"$-", "String[$] String[-]"},
      {" (;)", "String[ ] String[(] String[;] String[)]"},
      {std::string("0\0#", 3), "Number[0] String[" + std::string(1, '\0') + "] Number[#]"},
      {"%/@,,,.", "Percent[%] Fraction[/] TextContent[@] Comma[,,,] Point[.]"},
      {"gG0g", "Number[0]"},
      {"Genera", "YearLong[e] String[n] YearLong[e] EraShort[r] String[a]"},
  });
}
// clang-format on

TEST(FormattingScanner, EveryCurrencyCodeIsOneStringInAnyCase) {
  const auto codes = currencyCodes();
  ASSERT_EQ(codes.size(), 137u);
  for (const auto& code : codes) {
    std::string mixed = toLower(code);
    mixed[1] = code[1];
    for (const auto& text : {code, toLower(code), mixed}) {
      SCOPED_TRACE(text);
      EXPECT_EQ(dump(scanAll(text)), "String[" + text + "]");
      EXPECT_EQ(dump(scanAll(text + "0")), "String[" + text + "] Number[0]");
    }
  }
  // Near misses fall apart into single characters or date codes.
  expectScans({
      {"USX", "String[U] SecondsShort[S] String[X]"},
      {"EU", "String[E] String[U]"},
      {"SEKK", "String[SEK] String[K]"},
  });
}

TEST(FormattingScanner, LongInputCrossesReadBuffers) {
  std::string code;
  for (int i = 0; i < 5000; ++i) code += "#,##0.00\"  \"";
  const auto tokens = scanAll(code);
  ASSERT_EQ(tokens.size(), 5000u * 9);
  EXPECT_EQ(tokens[8], (FormattingToken{Type::String, "  "}));
  EXPECT_EQ(tokens.back(), (FormattingToken{Type::String, "  "}));

  const std::string text(100000, 'x');
  EXPECT_EQ(scanAll("0\"" + text + "\"0"),
            (Tokens{{Type::Number, "0"}, {Type::String, text}, {Type::Number, "0"}}));
}

TEST(FormattingScanner, EndIsReportedAgainAfterTheLastToken) {
  std::istringstream in("0");
  FormattingScanner scanner(in);
  EXPECT_EQ(describe(scanner.getNextToken()), "Type: [Number] Value: [0]");
  EXPECT_EQ(describe(scanner.getNextToken()), "none");
  EXPECT_EQ(describe(scanner.getNextToken()), "none");
}

// Returns scripted integers instead of running the rules, to reach the conversion of results.
class ScriptedScanner : public FormattingScanner {
 public:
  ScriptedScanner(std::istream& input, std::vector<int> results, bool setsValue)
      : FormattingScanner(input), _results(std::move(results)), _setsValue(setsValue) {}

 protected:
  int yylex() override {
    if (_setsValue) setValue("held");
    const int result = _results.at(_next);
    ++_next;
    return result;
  }

 private:
  std::vector<int> _results;
  bool _setsValue;
  std::size_t _next = 0;
};

TEST(FormattingScanner, ConvertsTheRuleResultToATokenType) {
  std::istringstream in;
  ScriptedScanner scanner(in, {0, 49, 51, -1, 2}, true);
  EXPECT_EQ(describe(scanner.getNextToken()), "Type: [General] Value: [held]");
  EXPECT_EQ(describe(scanner.getNextToken()), "Type: [Currency] Value: [held]");
  EXPECT_EQ(describe(scanner.getNextToken()), "none");
  try {
    (void)scanner.getNextToken();
    ADD_FAILURE() << "no error for a negative result";
  } catch (const BadNumCastError& error) {
    EXPECT_STREQ(error.what(), "bad numeric conversion: negative overflow");
  }
  EXPECT_EQ(describe(scanner.getNextToken()), "Type: [Color] Value: [held]");
}

TEST(FormattingScanner, HeldValueIsEmptiedBeforeEachToken) {
  std::istringstream in;
  ScriptedScanner setter(in, {5}, true);
  EXPECT_EQ(describe(setter.getNextToken()), "Type: [String] Value: [held]");
  // A rule that does not set a value leaves an empty one, not the previous token's.
  ScriptedScanner silent(in, {5, 5}, false);
  silent.setValue("stale");
  EXPECT_EQ(describe(silent.getNextToken()), "Type: [String] Value: []");
}

// --- Property: codes assembled from lexemes scan back into those lexemes' tokens. ---------

// One lexeme of a generated code, with the token it must give (none for a skipped "g") and
// the first characters that may not follow it because they would extend the match.
struct Piece {
  std::string text;
  boost::optional<FormattingToken> token;
  std::string forbiddenNext;
};

class CodeGenerator {
 public:
  explicit CodeGenerator(unsigned seed) : _random(seed), _codes(currencyCodes()) {}

  // A code of up to `maxPieces` lexemes and the tokens it must scan into.
  std::pair<std::string, Tokens> next(int maxPieces) {
    std::string code;
    Tokens expected;
    std::string forbidden;
    const int count = pick(1, maxPieces);
    for (int i = 0; i < count; ++i) {
      Piece piece;
      do {
        piece = randomPiece(i + 1 == count);
      } while (forbidden.find(piece.text[0]) != std::string::npos);
      code += piece.text;
      if (piece.token) expected.push_back(*piece.token);
      forbidden = piece.forbiddenNext;
    }
    return {code, expected};
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(_random); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  template <typename T>
  const T& oneOf(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(pick(0, static_cast<int>(items.size()) - 1))];
  }

  std::string randomCase(std::string_view word) {
    std::string text(word);
    for (auto& c : text) {
      if (chance(50)) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
  }
  std::string repeat(char letter, int count) { return randomCase(std::string(count, letter)); }
  std::string digits(int low, int high) {
    std::string text(static_cast<std::size_t>(pick(low, high)), '0');
    for (auto& c : text) c = static_cast<char>('0' + pick(0, 9));
    return text;
  }
  std::string spaces() { return std::string(static_cast<std::size_t>(pick(0, 2)), ' '); }
  // Characters from every UTF-8 length, format syntax included.
  std::string anyChar() {
    static const std::vector<std::string> chars = {
        "a",    "Z", "0", " ",  "-",  "[", "]", "\"", "\\", "*",
        "_",    ";", "$", "\n", "\t", "é", "€", "中", "😀",  std::string(1, '\0'),
        "\x7F", "e", "E", "g"};
    return oneOf(chars);
  }

  // Letters that, after `run`, would make a longer match: the same letter again, and the next
  // letter of every currency code that starts with `run`.
  std::string lettersExtending(const std::string& run) {
    const std::string lower = toLower(run);
    std::string letters = lower.substr(0, 1);
    for (const auto& code : _codes) {
      if (run.size() < code.size() && toLower(code).compare(0, lower.size(), lower) == 0)
        letters += toLower(code.substr(run.size(), 1));
    }
    std::string bothCases = letters;
    for (char c : letters) bothCases += static_cast<char>(std::toupper(c));
    return bothCases;
  }

  Piece run(char letter, int count, Type type) {
    Piece piece;
    piece.text = repeat(letter, count);
    piece.token = FormattingToken(type, piece.text);
    piece.forbiddenNext = lettersExtending(piece.text);
    return piece;
  }

  // Seconds take an optional "." and up to three zeros; a shorter tail could still grow.
  Piece seconds(std::string head, Type type, bool endsInLetter) {
    Piece piece;
    piece.text = std::move(head);
    if (chance(50)) {
      const int zeros = pick(0, 3);
      piece.text += "." + std::string(static_cast<std::size_t>(zeros), '0');
      piece.forbiddenNext = zeros < 3 ? "0" : "";
    } else {
      piece.forbiddenNext = endsInLetter ? lettersExtending(piece.text) + "." : ".";
    }
    piece.token = FormattingToken(type, piece.text);
    return piece;
  }

  // A character that only the catch-all rule takes, whatever follows it.
  Piece otherCharacter() {
    static const std::vector<std::string> others = {
        " ", "-",  "+", "(",  ")",  ":",    "!",    "$",
        ";", "]",  "<", ">",  "=",  "'",    "~",    "^",
        "&", "{",  "}", "|",  "`",  "f",    "F",    "é",
        "€", "中", "😀", "\t", "\n", "\x01", "\x7F", std::string(1, '\0')};
    const auto& text = oneOf(others);
    return {text, FormattingToken(Type::String, text), ""};
  }

  Piece randomPiece(bool last) {
    using T = Type;
    switch (pick(0, 33)) {
      case 0: {
        const auto text = randomCase("general");
        return {text, FormattingToken(T::General, text), ""};
      }
      case 1: {
        static const std::vector<std::string> operators = {"<", ">", "=", "<=", ">=", "<>"};
        std::string number = oneOf(std::vector<std::string>{
            digits(1, 3), digits(1, 2) + "." + digits(0, 2), "." + digits(1, 2)});
        if (chance(30)) number = (chance(50) ? "+" : "-") + number;
        if (chance(30))
          number += (chance(50) ? "e" : "E") + std::string(chance(50) ? "-" : "") + digits(1, 2);
        const auto inner = oneOf(operators) + spaces() + number + spaces();
        return {"[" + inner + "]", FormattingToken(T::Condition, inner), ""};
      }
      case 2: {
        const auto number = std::to_string(pick(1, 4));
        return {"[" + randomCase("dbnum") + number + "]",
                FormattingToken(T::Transliteration, "DBNum" + number), ""};
      }
      case 3: {
        static const std::vector<std::string> colors = {"cyan",    "green", "black", "blue",
                                                        "magenta", "red",   "white", "yellow"};
        const auto& color = oneOf(colors);
        return {"[" + randomCase(color) + "]", FormattingToken(T::Color, color), ""};
      }
      case 4: {
        const auto number = digits(1, 3);
        return {"[" + randomCase("color") + spaces() + number + spaces() + "]",
                FormattingToken(T::Color, number), ""};
      }
      case 5: {
        const auto text = randomCase(oneOf(_codes));
        return {text, FormattingToken(T::String, text), ""};
      }
      case 6: {
        const std::string text(1, "0123456789#?"[pick(0, 11)]);
        return {text, FormattingToken(T::Number, text), ""};
      }
      case 7:
        return {".", FormattingToken(T::Point, "."), ""};
      case 8: {
        const std::string text(static_cast<std::size_t>(pick(1, 3)), ',');
        return {text, FormattingToken(T::Comma, text), ","};
      }
      case 9: {
        const std::string number = chance(50) ? "1" : "2";
        return {randomCase("b") + number, FormattingToken(T::Calendar, "B" + number), ""};
      }
      case 10: {
        const std::string text = chance(50) ? "E+" : "E-";
        return {text, FormattingToken(text == "E+" ? T::ExponentPlus : T::ExponentMinus, text), ""};
      }
      case 11: {
        const int which = pick(0, 2);
        const std::string text(1, "%/@"[which]);
        const T types[] = {T::Percent, T::Fraction, T::TextContent};
        return {text, FormattingToken(types[which], text), ""};
      }
      case 12: {
        const bool isLong = chance(50);
        const auto text = randomCase(isLong ? "am/pm" : "a/p");
        return {text, FormattingToken(isLong ? T::AmPmLong : T::AmPmShort, text), ""};
      }
      case 13: {
        const int count = pick(1, 6);
        const T types[] = {T::DayShort, T::DayLong, T::DayOfWeekShort, T::DayOfWeekLong};
        return run('d', count, types[std::min(count, 4) - 1]);
      }
      case 14: {
        const int count = pick(1, 4);
        return run('h', count, count == 1 ? T::HoursShort : T::HoursLong);
      }
      case 15: {
        const bool hours = chance(50);
        const int count = pick(1, 3);
        const auto text = "[" + repeat(hours ? 'h' : 'm', count) + "]";
        const T type = hours ? (count == 1 ? T::HoursShortNoTruncate : T::HoursLongNoTruncate)
                             : (count == 1 ? T::MinutesShortNoTruncate : T::MinutesLongNoTruncate);
        return {text, FormattingToken(type, text), ""};
      }
      case 16: {
        const int count = pick(1, 3);
        return seconds(repeat('s', count), count == 1 ? T::SecondsShort : T::SecondsLong, true);
      }
      case 17: {
        const int count = pick(1, 3);
        return seconds("[" + repeat('s', count) + "]",
                       count == 1 ? T::SecondsShortNoTruncate : T::SecondsLongNoTruncate, false);
      }
      case 18: {
        const int count = pick(1, 6);
        const T types[] = {T::MonthShortDecimal, T::MonthLongDecimal, T::MonthShortText,
                           T::MonthLongText, T::MonthFirstLetter};
        return run('m', count, types[std::min(count, 5) - 1]);
      }
      case 19: {
        const int count = pick(1, 4);
        auto piece = run('b', count, count <= 2 ? T::BuddhistYearShort : T::BuddhistYearLong);
        if (count == 1) piece.forbiddenNext += "12";  // "b1", "b2" are calendars
        return piece;
      }
      case 20: {
        const int count = pick(1, 4);
        return run('y', count, count <= 2 ? T::YearShort : T::YearLong);
      }
      case 21: {
        const std::string text(static_cast<std::size_t>(pick(1, 3)), 'e');  // lower case only
        return {text, FormattingToken(T::YearLong, text), lettersExtending(text)};
      }
      case 22: {
        const int count = pick(1, 3);
        return run('q', count, count == 1 ? T::QuarterShort : T::QuarterLong);
      }
      case 23: {
        const int count = pick(1, 3);
        return run('r', count, count == 1 ? T::EraShort : T::EraLong);
      }
      case 24:
        return run('w', pick(1, 3), T::WeekOfYear);
      case 25: {
        std::string hex(static_cast<std::size_t>(pick(1, 8)), '0');
        for (auto& c : hex) c = "0123456789abcdefABCDEF"[pick(0, 21)];
        return {"[$-" + hex + "]", FormattingToken(T::Language, hex), ""};
      }
      case 26: {
        std::string inner;
        for (int i = pick(0, 5); i > 0; --i) {
          const auto c = anyChar();
          if (c != "]") inner += c;
        }
        const bool isLanguage =
            inner.size() > 1 && inner[0] == '-' &&
            inner.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
        return {"[$" + inner + "]",
                isLanguage ? FormattingToken(T::Language, inner.substr(1))
                           : FormattingToken(T::Currency, inner),
                ""};
      }
      case 27: {
        // Nothing bracketed can start with what may follow here.
        return {"[", FormattingToken(T::BadSymbol, "["),
                "<>=$abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"};
      }
      case 28: {
        const int which = pick(0, 2);
        const auto c = anyChar();
        const T types[] = {T::FillText, T::TransparentText, T::String};
        return {std::string(1, "*_\\"[which]) + c, FormattingToken(types[which], c), ""};
      }
      case 29: {
        std::string inner;
        for (int i = pick(0, 5); i > 0; --i) {
          const auto c = anyChar();
          if (c != "\"") inner += c;
        }
        return {"\"" + inner + "\"", FormattingToken(T::String, inner), ""};
      }
      case 30: {
        // Skipped; "ge..." could grow into "General" or a currency code.
        const auto text = randomCase("g");
        return {text, boost::none, lettersExtending(text) + "eE"};
      }
      case 31:
        if (last) {
          // A prefix with nothing after it stands for itself.
          const std::string text(1, "*_\\\""[pick(0, 3)]);
          return {text, FormattingToken(T::String, text), ""};
        }
        return otherCharacter();
      default:
        return otherCharacter();
    }
  }

  std::mt19937 _random;
  std::vector<std::string> _codes;
};

TEST(FormattingScanner, GeneratedCodesScanIntoTheirLexemesTokens) {
  CodeGenerator generator(20240611);
  for (int round = 0; round < 20000; ++round) {
    const auto [code, expected] = generator.next(12);
    SCOPED_TRACE(code);
    ASSERT_EQ(scanAll(code), expected);
  }
}

// Tokens whose value is a piece of the input, unchanged; the others carry a fixed spelling.
bool valueIsInputText(Type type) {
  return type != Type::Color && type != Type::Transliteration && type != Type::Calendar;
}

// A random string of whole UTF-8 characters, heavy in format-code syntax.
std::string randomUtf8(std::mt19937& random) {
  static const std::vector<std::string> chars = {
      "0", "#",  "?",  ".", ",", "%", "/", "@", "E", "e", "+", "-",  "[", "]",  "$", "<", ">",
      "=", "\"", "\\", "*", "_", " ", ";", "d", "h", "m", "s", "y",  "b", "q",  "r", "w", "g",
      "a", "p",  "G",  "n", "l", "u", "D", "c", "o", "€", "é", "中", "😀", "\n", "1", "2"};
  std::string text;
  for (auto count = random() % 24; count > 0; --count) text += chars[random() % chars.size()];
  return text;
}

TEST(FormattingScanner, RandomTextScansIntoInputPiecesInOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    const auto code = randomUtf8(random);
    SCOPED_TRACE(code);
    std::size_t position = 0;
    std::size_t valueBytes = 0;
    for (const auto& token : scanAll(code)) {
      ASSERT_LT(static_cast<int>(token.getType()), static_cast<int>(Type::End));
      ASSERT_NE(token.getType(), Type::MinutesLong);
      ASSERT_NE(token.getType(), Type::MinutesShort);
      valueBytes += token.getValue().size();
      if (!valueIsInputText(token.getType())) continue;
      // Each value is found at or after the end of the previous one.
      const auto found = code.find(token.getValue(), position);
      ASSERT_NE(found, std::string::npos) << token.toString();
      position = found + token.getValue().size();
    }
    ASSERT_LE(valueBytes, code.size());
  }
}

TEST(FormattingScannerDeathTest, InvalidUtf8JamsTheScanner) {
  EXPECT_EXIT((void)scanAll("0\xFF"), ::testing::ExitedWithCode(2), "flex scanner jammed");
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
