#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

#include <sstream>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;

// The model's compact form (its operator<<), or "invalid".
std::string dump(const boost::optional<Model::Expression>& expression) {
  if (!expression) return "invalid";
  std::ostringstream out;
  out << *expression;
  return out.str();
}

// `restricted` is the dump in the restricted dialect where it differs from `expected`.
struct ParseCase {
  std::string code, expected, restricted = "";
};

void expectParses(const std::vector<ParseCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE("code: " + c.code);
    EXPECT_EQ(dump(parse(c.code, ParserType::Default)), c.expected);
    EXPECT_EQ(dump(parse(c.code, ParserType::Restricted)),
              c.restricted.empty() ? c.expected : c.restricted);
  }
}

// The model of each code in the compact form of its operator<<. What codes show is checked
// against spreadsheets by the renderer's conformance table; these rows pin what it cannot see.
TEST(FormattingParser, CodesBecomeModels) {
  expectParses({
      {"0;;@", "rules=[{N(0,'0',-,0)}] number={} text={X(@)}"},
      // A fourth section after an unconditional third one is the text rule, "@" or not.
      {"0;-0;0;\"n/a\"",
       "rules=[{N(0,'0',-,0)},{N(0,'0',-,0,[1:T(lit,'-')])}] "
       "number={N(0,'0',-,0)} text={T(lit,'n/a')}"},
      // The restricted dialect allows two conditional sections, and reads "q", "r" and "w" as
      // literal letters, which go with numbers where date codes do not.
      {"[<1]0;[<2]0;[<3]0", "rules=[{[<1] N(0,'0',-,0)},{[<2] N(0,'0',-,0)},{[<3] N(0,'0',-,0)}]",
       "invalid"},
      {"yyyy q", "number={D(yyyy) T(lit,' ') D(q)}", "number={D(yyyy) T(lit,' ') T(lit,'q')}"},
      {"0 q", "invalid", "number={N(0,'0',-,0,[0:T(lit,' '),0:T(lit,'q')])}"},
      // Number parts.
      {"0,%", "number={N(0,'0',-,1,[0:T(%,'%')])}"},
      {"0.0,0", "number={N(0,'0.00',-,0)}"},
      {"0.0.0", "number={N(0,'0.00',-,0,[1:T(lit,'.')])}"},
      {"000-12", "number={N(0,'000',-,0,[0:T(lit,'-'),0:T(raw,'1'),0:T(raw,'2')])}"},
      {"[Blue][DBNum2][$-804]0", "number={color(0,0,255) [DBNum2] lang(804) N(0,'0',-,0)}"},
      // Language tags in hexadecimal of any case; a currency's tag follows its last "-".
      {"[$-f800]0", "number={lang(F800) N(0,'0',-,0)}"},
      {"[$€--407]0", "number={N(0,'0',-,0,[1:C('€',407)])}"},
      {"[$-g]0", "number={N(0,'0',-,0,[1:C('g')])}"},
      // Fractions: without a placeholder the text before the numerator stays literal; after the
      // denominator come literal items.
      {"\"x\" ?/?", "number={T(lit,'x') T(lit,' ') N(1,'?',-,0) X(/) N(2,'?',-,0)}"},
      {"# ?/8 #",
       "number={N(0,'#',-,0,[0:T(lit,' ')]) N(1,'?',-,0) X(/) N(2,'8',-,0) "
       "T(lit,' ') T(lit,'0')}"},
      // Trailing commas divide nothing in fractions and scientific numbers.
      {"0,E+0", "number={N(0,'0',-,0) X(E+) N(3,'0',-,0)}"},
      // Dates: only the first month after the hours is taken for minutes; another date code
      // between month and seconds keeps the month; seconds look back, not ahead.
      {"e bbb b", "number={D(yyyy) T(lit,' ') D(bbbb) T(lit,' ') D(bb)}"},
      {"dd General", "number={D(dd) T(lit,' ') X(General)}"},
      {"h mm mm", "number={D(h) T(lit,' ') D(mm) T(lit,' ') D(MM)}"},
      {"mm dd ss", "number={D(MM) T(lit,' ') D(dd) T(lit,' ') D(ss)}"},
      {"ss mm", "number={D(ss) T(lit,' ') D(mm)}"},
      // General, text and literal sections.
      {"general\\ \"x\"", "number={X(General) T(lit,' ') T(lit,'x')}"},
      {"[$€]General%", "number={C('€') X(General) T(lit,'%')}"},
      {"@ 12,", "text={X(@) T(lit,' ') T(lit,'1') T(lit,'2') T(lit,',')}"},
  });
}

TEST(FormattingParser, InvalidCodesGiveNothing) {
  const std::string codes[] = {
      "]", "\"abc", "0;\"", "[Red;0", "0\\",  // unbalanced
      "[Red][Blue]0", "[>1][<2]0", "[Color 0]0", "B1B2dd", "[DBNum1][DBNum2]0", "[$-80000000]0",
      "[$€-407-1]0", "[Blau]0", "[<1e]0", "[h]:[mm]", "General General", "0E+0E+0", "[$€]0[$$]",
      "[$-409][$€]0", "/dd", "B1.", "dd 0", "ss.0000", "dd%", "@ General", "@0", "# ?/? E+0",
      "General ?/?", "General 0", "# ?/1.5", "?/?6", "0E+", "[$a-b-c]0", "[$€-xyz]0", "@;0",
      "[>1]@", "0;0;0;0", "0;0;0;[>1]0", "0;0;dd;[$€]",
      // Not UTF-8, wherever it stands.
      "dd \"#\"#?", "\xFF", "\"\xC3\"0", "[$\xF5\x80\x80\x80]0"};
  for (const auto& code : codes) {
    SCOPED_TRACE(testing::PrintToString(code));
    EXPECT_EQ(dump(parse(code, ParserType::Default)), "invalid");
    EXPECT_EQ(dump(parse(code, ParserType::Restricted)), "invalid");
  }
}

// The conditions sections stand for are rendered by the conformance table; misuse asserts.
TEST(FormattingParser, ResolveConditionMisuse) {
  constexpr auto File = "OfficeUtils/Formatters/Parser/OU_FormattingParser";
  EXPECT_ASSERTION((void)resolveCondition(*parse("0;-0", ParserType::Default), 1), File,
                   "ruleIndex < rules.size()");
  EXPECT_ASSERTION((void)resolveCondition(Model::Expression(std::vector<Model::Rule>(3)), 2), File,
                   "ruleIndex < MaxConditionRulesCount");
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
