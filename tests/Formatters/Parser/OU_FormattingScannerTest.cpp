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
  for (const auto& token : tokens)
    text += (text.empty() ? "" : " ") + std::string(tokenTypeToString(token.getType())) + "[" +
            token.getValue() + "]";
  return text;
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

// Documented examples and the back-off cases that the generated-code property below, which
// covers every rule's own lexemes, cannot produce.
TEST(FormattingScanner, LongestMatchOfEachRule) {
  const struct {
    std::string code, expected;
  } cases[] = {
      {"", ""},
      {"#,##0.00", "Number[#] Comma[,] Number[#] Number[#] Number[0] Point[.] Number[0] Number[0]"},
      {"hh:mm:ss", "HoursLong[hh] String[:] MonthLongDecimal[mm] String[:] SecondsLong[ss]"},
      {"E+00", "ExponentPlus[E+] Number[0] Number[0]"},
      {"[<=100]", "Condition[<=100]"},
      {"ss.00", "SecondsLong[ss.00]"},
      {"GENERAL", "General[GENERAL]"},
      {"Gen", "YearLong[e] String[n]"},
      {"Genera", "YearLong[e] String[n] YearLong[e] EraShort[r] String[a]"},
      {"gG0g", "Number[0]"},
      {"USDX", "String[USD] String[X]"},
      {"US", "String[U] SecondsShort[S]"},
      {"ss.0000", "SecondsLong[ss.000] Number[0]"},
      {"A/PM", "AmPmShort[A/P] MonthShortDecimal[M]"},
      {"AM/P", "String[A] MonthShortDecimal[M] Fraction[/] String[P]"},
      {"B3", "BuddhistYearShort[B] Number[3]"},
      // Bracketed directives keep only their value.
      {"[>=-1.5E+3]", "Condition[>=-1.5E+3]"},
      {"[Red]0", "Color[red] Number[0]"},
      {"[Color 12]", "Color[12]"},
      {"[$-F800]", "Language[F800]"},
      {"[$€-407]", "Currency[€-407]"},
      // Nothing bracketed matches: "[" alone, the rest as ordinary characters.
      {"[<1e]", "BadSymbol[[] String[<] Number[1] YearLong[e] String[]]"},
      {"[Color]", "BadSymbol[[] String[C] String[o] String[l] String[o] EraShort[r] String[]]"},
      {"[<]", "BadSymbol[[] String[<] String[]]"},
      {"[$-409", "BadSymbol[[] String[$] String[-] Number[4] Number[0] Number[9]"},
      {"[DBNum5]",
       "BadSymbol[[] DayShort[D] BuddhistYearShort[B] String[N] String[u] "
       "MonthShortDecimal[m] Number[5] String[]]"},
      {"[hm]", "BadSymbol[[] HoursShort[h] MonthShortDecimal[m] String[]]"},
      // The exponent takes an upper-case "E", the year a lower-case "e".
      {"Ee", "String[E] YearLong[e]"},
      {"eE+", "YearLong[e] ExponentPlus[E+]"},
      // An unclosed quote stands for itself.
      {"\"abc", "String[\"] String[a] BuddhistYearShort[b] String[c]"},
      {std::string("0\0#", 3), "Number[0] String[" + std::string(1, '\0') + "] Number[#]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(dump(scanAll(c.code)), c.expected);
  }
}

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
  EXPECT_EQ(dump(scanAll("USX")), "String[U] SecondsShort[S] String[X]");
  EXPECT_EQ(dump(scanAll("EU")), "String[E] String[U]");
  EXPECT_EQ(dump(scanAll("SEKK")), "String[SEK] String[K]");
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

// Returns scripted integers instead of running the rules, to reach the conversion of results.
class ScriptedScanner : public FormattingScanner {
 public:
  ScriptedScanner(std::istream& input, std::vector<int> results, bool setsValue)
      : FormattingScanner(input), _results(std::move(results)), _setsValue(setsValue) {}

 protected:
  int yylex() override {
    if (_setsValue) setValue("held");
    return _results.at(_next++);
  }

 private:
  std::vector<int> _results;
  bool _setsValue;
  std::size_t _next = 0;
};

TEST(FormattingScanner, ConvertsTheRuleResultToATokenTypeAndEmptiesTheValue) {
  std::istringstream in("0");
  FormattingScanner real(in);
  EXPECT_EQ(describe(real.getNextToken()), "Type: [Number] Value: [0]");
  EXPECT_EQ(describe(real.getNextToken()), "none");
  EXPECT_EQ(describe(real.getNextToken()), "none");

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
    std::string code, forbidden;
    Tokens expected;
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
    for (auto& c : text)
      if (chance(50)) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }
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
  // Up to five characters from anyChar() other than `stop`.
  std::string anyText(const std::string& stop) {
    std::string inner;
    for (int i = pick(0, 5); i > 0; --i)
      if (const auto c = anyChar(); c != stop) inner += c;
    return inner;
  }

  // Letters that, after `run`, would make a longer match: the same letter again, and the next
  // letter of every currency code that starts with `run`.
  std::string lettersExtending(const std::string& run) {
    const std::string lower = toLower(run);
    std::string letters = lower.substr(0, 1);
    for (const auto& code : _codes)
      if (run.size() < code.size() && toLower(code).compare(0, lower.size(), lower) == 0)
        letters += toLower(code.substr(run.size(), 1));
    std::string bothCases = letters;
    for (char c : letters) bothCases += static_cast<char>(std::toupper(c));
    return bothCases;
  }

  // A run of 1 to `maxCount` letters; `types` by run length, the last for all longer runs.
  Piece run(char letter, int maxCount, std::vector<Type> types) {
    const int count = pick(1, maxCount);
    Piece piece;
    piece.text = randomCase(std::string(static_cast<std::size_t>(count), letter));
    piece.token =
        FormattingToken(types[std::min<std::size_t>(count, types.size()) - 1], piece.text);
    piece.forbiddenNext = lettersExtending(piece.text);
    if (letter == 'b' && count == 1) piece.forbiddenNext += "12";  // "b1", "b2" are calendars
    return piece;
  }

  // Seconds take an optional "." and up to three zeros; a shorter tail could still grow.
  Piece seconds(bool bracketed) {
    const int count = pick(1, 3);
    const auto letters = randomCase(std::string(static_cast<std::size_t>(count), 's'));
    Piece piece{bracketed ? "[" + letters + "]" : letters, boost::none, ""};
    if (chance(50)) {
      const int zeros = pick(0, 3);
      piece.text += "." + std::string(static_cast<std::size_t>(zeros), '0');
      piece.forbiddenNext = zeros < 3 ? "0" : "";
    } else {
      piece.forbiddenNext = bracketed ? "." : lettersExtending(piece.text) + ".";
    }
    const Type types[2][2] = {{Type::SecondsShort, Type::SecondsLong},
                              {Type::SecondsShortNoTruncate, Type::SecondsLongNoTruncate}};
    piece.token = FormattingToken(types[bracketed][count > 1], piece.text);
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

  static Piece piece(std::string text, Type type, std::string value) {
    return {std::move(text), FormattingToken(type, std::move(value)), ""};
  }
  static Piece same(const std::string& text, Type type) { return piece(text, type, text); }

  Piece condition() {
    static const std::vector<std::string> operators = {"<", ">", "=", "<=", ">=", "<>"};
    std::string number = oneOf(std::vector<std::string>{
        digits(1, 3), digits(1, 2) + "." + digits(0, 2), "." + digits(1, 2)});
    if (chance(30)) number = (chance(50) ? "+" : "-") + number;
    if (chance(30))
      number += (chance(50) ? "e" : "E") + std::string(chance(50) ? "-" : "") + digits(1, 2);
    const auto inner = oneOf(operators) + spaces() + number + spaces();
    return piece("[" + inner + "]", Type::Condition, inner);
  }

  Piece bracketedDirective(int which) {
    static const std::vector<std::string> colors = {"cyan",    "green", "black", "blue",
                                                    "magenta", "red",   "white", "yellow"};
    if (which == 0) {
      const auto number = std::to_string(pick(1, 4));
      return piece("[" + randomCase("dbnum") + number + "]", Type::Transliteration,
                   "DBNum" + number);
    }
    if (which == 1) {
      const auto& color = oneOf(colors);
      return piece("[" + randomCase(color) + "]", Type::Color, color);
    }
    if (which == 2) {
      const auto number = digits(1, 3);
      return piece("[" + randomCase("color") + spaces() + number + spaces() + "]", Type::Color,
                   number);
    }
    if (which == 3) {
      std::string hex(static_cast<std::size_t>(pick(1, 8)), '0');
      for (auto& c : hex) c = "0123456789abcdefABCDEF"[pick(0, 21)];
      return piece("[$-" + hex + "]", Type::Language, hex);
    }
    const auto inner = anyText("]");
    const bool isLanguage =
        inner.size() > 1 && inner[0] == '-' &&
        inner.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
    return isLanguage ? piece("[$" + inner + "]", Type::Language, inner.substr(1))
                      : piece("[$" + inner + "]", Type::Currency, inner);
  }

  // Elapsed hours or minutes, "[h]" to "[mmm]".
  Piece elapsed() {
    const bool hours = chance(50);
    const int count = pick(1, 3);
    const auto text =
        "[" + randomCase(std::string(static_cast<std::size_t>(count), hours ? 'h' : 'm')) + "]";
    const Type types[2][2] = {{Type::MinutesShortNoTruncate, Type::MinutesLongNoTruncate},
                              {Type::HoursShortNoTruncate, Type::HoursLongNoTruncate}};
    return same(text, types[hours][count > 1]);
  }

  // "*", "_" or "\\" and the character it takes.
  Piece prefixed() {
    const int which = pick(0, 2);
    const auto c = anyChar();
    const Type types[] = {Type::FillText, Type::TransparentText, Type::String};
    return piece(std::string(1, "*_\\"[which]) + c, types[which], c);
  }

  Piece randomPiece(bool last) {
    using T = Type;
    const int kind = pick(0, 33);
    const std::string letters = "%/@";
    // clang-format off
    switch (kind) {
      case 0: return same(randomCase("general"), T::General);
      case 1: return condition();
      case 2: return bracketedDirective(0);
      case 3: return bracketedDirective(1);
      case 4: return bracketedDirective(2);
      case 5: return same(randomCase(oneOf(_codes)), T::String);
      case 6: return same(std::string(1, "0123456789#?"[pick(0, 11)]), T::Number);
      case 7: return same(".", T::Point);
      case 8: { const std::string commas(static_cast<std::size_t>(pick(1, 3)), ','); return {commas, FormattingToken(T::Comma, commas), ","}; }
      case 9: { const std::string n = chance(50) ? "1" : "2"; return piece(randomCase("b") + n, T::Calendar, "B" + n); }
      case 10: return chance(50) ? same("E+", T::ExponentPlus) : same("E-", T::ExponentMinus);
      case 11: { const int i = pick(0, 2); return same(letters.substr(i, 1), std::vector{T::Percent, T::Fraction, T::TextContent}[i]); }
      case 12: return chance(50) ? same(randomCase("am/pm"), T::AmPmLong) : same(randomCase("a/p"), T::AmPmShort);
      case 13: return run('d', 6, {T::DayShort, T::DayLong, T::DayOfWeekShort, T::DayOfWeekLong});
      case 14: return run('h', 4, {T::HoursShort, T::HoursLong});
      case 15: return elapsed();
      case 16: return seconds(false);
      case 17: return seconds(true);
      case 18: return run('m', 6, {T::MonthShortDecimal, T::MonthLongDecimal, T::MonthShortText, T::MonthLongText, T::MonthFirstLetter});
      case 19: return run('b', 4, {T::BuddhistYearShort, T::BuddhistYearShort, T::BuddhistYearLong});
      case 20: return run('y', 4, {T::YearShort, T::YearShort, T::YearLong});
      case 21: { const std::string e(static_cast<std::size_t>(pick(1, 3)), 'e'); return {e, FormattingToken(T::YearLong, e), lettersExtending(e)}; }
      case 22: return run('q', 3, {T::QuarterShort, T::QuarterLong});
      case 23: return run('r', 3, {T::EraShort, T::EraLong});
      case 24: return run('w', 3, {T::WeekOfYear});
      case 25: return bracketedDirective(3);
      case 26: return bracketedDirective(4);
      // Nothing bracketed can start with what may follow a lone "[".
      case 27: return {"[", FormattingToken(T::BadSymbol, "["), "<>=$abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"};
      case 28: return prefixed();
      case 29: { const auto inner = anyText("\""); return piece("\"" + inner + "\"", T::String, inner); }
      // Skipped; "ge..." could grow into "General" or a currency code.
      case 30: { const auto g = randomCase("g"); return {g, boost::none, lettersExtending(g) + "eE"}; }
      // A prefix with nothing after it stands for itself.
      case 31: if (last) return same(std::string(1, "*_\\\""[pick(0, 3)]), T::String); return otherCharacter();
      default: return otherCharacter();
    }
    // clang-format on
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

TEST(FormattingScanner, RandomTextScansIntoInputPiecesInOrder) {
  static const std::vector<std::string> chars = {
      "0", "#",  "?",  ".", ",", "%", "/", "@", "E", "e", "+", "-",  "[", "]",  "$", "<", ">",
      "=", "\"", "\\", "*", "_", " ", ";", "d", "h", "m", "s", "y",  "b", "q",  "r", "w", "g",
      "a", "p",  "G",  "n", "l", "u", "D", "c", "o", "€", "é", "中", "😀", "\n", "1", "2"};
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    std::string code;  // whole UTF-8 characters, heavy in format-code syntax
    for (auto count = random() % 24; count > 0; --count) code += chars[random() % chars.size()];
    SCOPED_TRACE(code);
    std::size_t position = 0, valueBytes = 0;
    for (const auto& token : scanAll(code)) {
      const auto type = token.getType();
      ASSERT_LT(static_cast<int>(type), static_cast<int>(Type::End));
      ASSERT_NE(type, Type::MinutesLong);
      ASSERT_NE(type, Type::MinutesShort);
      valueBytes += token.getValue().size();
      // Values other than fixed spellings are found in order, each after the previous one.
      if (type == Type::Color || type == Type::Transliteration || type == Type::Calendar) continue;
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
