#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <fmt/format.h>
#include <gtest/gtest.h>

#include "host/Utils/OU_Assert.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;

// A compact dump of a parsed model:
//   rules=[{[>100] N(0,'0',-,0)},{...}] number={color(255,0,0) N(0,'###0.00',g,0,[7:T(lit,'-')])}
//   text={X(@)}
// N(role,'pattern',g or -,display factor,[position:embedded item ...]); T(type,'text') with
// types lit, raw, tr, fill, %; X(General | / | E+ | E- | @); C('symbol'[,hex LCID]); D(code)
// with months in capitals ("MM") and minutes in lower case ("mm"), ".n" for decimal places.
const char* const DateTimeCodes[] = {"A/P",  "AM/PM", "d",    "dd", "ddd", "dddd", "h",     "hh",
                                     "[h]",  "[hh]",  "m",    "mm", "[m]", "[mm]", "s",     "ss",
                                     "[s]",  "[ss]",  "M",    "MM", "MMM", "MMMM", "MMMMM", "yy",
                                     "yyyy", "bb",    "bbbb", "q",  "qq",  "r",    "rr",    "ww"};
const char* const TextTypes[] = {"lit", "raw", "tr", "fill", "%"};
const char* const ExtraCodes[] = {"General", "/", "E+", "E-", "@"};
const char* const Operators[] = {"<", ">", "=", "<>", "<=", ">="};

std::string hex(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", value);
  return buffer;
}

std::string dump(const Model::TextItem& item) {
  return std::string("T(") + TextTypes[static_cast<int>(item.getType())] + ",'" +
         item.getTextValue() + "')";
}

std::string dump(const Model::CurrencyItem& item) {
  std::string out = "C('" + item.getCurrencySymbol() + "'";
  if (item.getLanguage()) out += "," + hex(*item.getLanguage());
  return out + ")";
}

std::string dump(const Model::DateTimeItem& item) {
  std::string out = std::string("D(") + DateTimeCodes[static_cast<int>(item.getType())];
  if (item.getDecimalPlaces()) out += "." + std::to_string(*item.getDecimalPlaces());
  return out + ")";
}

std::string dump(const Model::ExtraItem& item) {
  return std::string("X(") + ExtraCodes[static_cast<int>(item.getType())] + ")";
}

std::string dump(const Model::NumberItem& item) {
  std::string out = "N(" + std::to_string(static_cast<int>(item.getRole())) + ",'" +
                    item.getPattern() + "'," + (item.hasGrouping() ? "g" : "-") + "," +
                    std::to_string(item.getDisplayFactor());
  if (!item.getEmbeddedItems().empty()) {
    out += ",[";
    bool first = true;
    for (const auto& [position, embedded] : item.getEmbeddedItems()) {
      if (!first) out += ",";
      first = false;
      out += std::to_string(position) + ":" +
             boost::apply_visitor([](const auto& value) { return dump(value); }, embedded);
    }
    out += "]";
  }
  return out + ")";
}

std::string dump(const Model::Rule& rule) {
  std::vector<std::string> parts;
  if (const auto& condition = rule.getCondition()) {
    // {fmt} ignores the process locale, which the test main sets to a comma-decimal one.
    parts.push_back(fmt::format("[{}{:g}]", Operators[static_cast<int>(condition->getType())],
                                condition->getValue().getValue()));
  }
  if (const auto& color = rule.getColor()) {
    parts.push_back("color(" + std::to_string(color->red) + "," + std::to_string(color->green) +
                    "," + std::to_string(color->blue) + ")");
  }
  if (rule.getTransliteration())
    parts.push_back("[DBNum" + std::to_string(static_cast<int>(*rule.getTransliteration()) + 1) +
                    "]");
  if (rule.getLanguage()) parts.push_back("lang(" + hex(*rule.getLanguage()) + ")");
  if (rule.getCalendar())
    parts.push_back("[B" + std::to_string(static_cast<int>(*rule.getCalendar()) + 1) + "]");
  for (const auto& item : rule.getItems())
    parts.push_back(boost::apply_visitor([](const auto& value) { return dump(value); }, item));
  std::string out = "{";
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? " " : "") + parts[i];
  return out + "}";
}

std::string dump(const boost::optional<Model::Expression>& expression) {
  if (!expression) return "invalid";
  std::vector<std::string> parts;
  if (!expression->getRules().empty()) {
    std::string rules = "rules=[";
    for (std::size_t i = 0; i < expression->getRules().size(); ++i)
      rules += (i ? "," : "") + dump(expression->getRules()[i]);
    parts.push_back(rules + "]");
  }
  if (expression->getDefaultNumberRule())
    parts.push_back("number=" + dump(*expression->getDefaultNumberRule()));
  if (expression->getDefaultTextRule())
    parts.push_back("text=" + dump(*expression->getDefaultTextRule()));
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? " " : "") + parts[i];
  return out;
}

struct ParseCase {
  std::string code;
  std::string expected;
};

void expectParses(const std::vector<ParseCase>& cases, ParserType type) {
  for (const auto& c : cases) {
    SCOPED_TRACE("code: " + c.code);
    EXPECT_EQ(dump(parse(c.code, type)), c.expected);
  }
}

void expectBothDialects(const std::vector<ParseCase>& cases) {
  expectParses(cases, ParserType::Default);
  expectParses(cases, ParserType::Restricted);
}

TEST(FormattingParser, SectionsBecomeRulesDefaultNumberAndTextRules) {
  expectBothDialects({
      {"", "number={}"},
      {"0", "number={N(0,'0',-,0)}"},
      {"0;-0", "rules=[{N(0,'0',-,0)}] number={N(0,'0',-,0,[1:T(lit,'-')])}"},
      {"0;-0;0.0", "rules=[{N(0,'0',-,0)},{N(0,'0',-,0,[1:T(lit,'-')])}] number={N(0,'0.0',-,0)}"},
      {"0;-0;0;@",
       "rules=[{N(0,'0',-,0)},{N(0,'0',-,0,[1:T(lit,'-')])}] number={N(0,'0',-,0)} text={X(@)}"},
      {"@", "text={X(@)}"},
      {"0;@", "number={N(0,'0',-,0)} text={X(@)}"},
      {"[>1]0;@", "rules=[{[>1] N(0,'0',-,0)}] text={X(@)}"},
      {"0;;@", "rules=[{N(0,'0',-,0)}] number={} text={X(@)}"},
      {";", "rules=[{}] number={}"},
      {"[>100]0;[<-100]-0;0.0",
       "rules=[{[>100] N(0,'0',-,0)},{[<-100] N(0,'0',-,0,[1:T(lit,'-')])}] "
       "number={N(0,'0.0',-,0)}"},
      {"[>1]0;[<2]0", "rules=[{[>1] N(0,'0',-,0)},{[<2] N(0,'0',-,0)}]"},
      {"General;General", "rules=[{X(General)}] number={X(General)}"},
      // A fourth section after an unconditional third one is the text rule, "@" or not.
      {"0;-0;0;\"n/a\"",
       "rules=[{N(0,'0',-,0)},{N(0,'0',-,0,[1:T(lit,'-')])}] number={N(0,'0',-,0)} "
       "text={T(lit,'n/a')}"},
      {"0;0;0;General",
       "rules=[{N(0,'0',-,0)},{N(0,'0',-,0)}] number={N(0,'0',-,0)} "
       "text={X(General)}"},
      {"#,##0.00;[Red]-#,##0.00",
       "rules=[{N(0,'###0.00',g,0)}] number={color(255,0,0) N(0,'###0.00',g,0,[7:T(lit,'-')])}"},
      {"_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)",
       "rules=[{N(0,'###0.00',g,0,[7:T(tr,'('),7:T(fill,' '),0:T(tr,')')])},"
       "{N(0,'###0.00',g,0,[7:T(tr,'('),7:T(fill,' '),7:T(lit,'('),0:T(lit,')')])}] "
       "number={N(0,'?\?',-,0,[2:T(tr,'('),2:T(fill,' '),2:T(lit,'-'),0:T(tr,')')])} "
       "text={T(tr,'(') X(@) T(tr,')')}"},
      // Quotes, brackets and escapes hide ";".
      {"\"a;b\"0", "number={N(0,'0',-,0,[1:T(lit,'a;b')])}"},
      {"\\;0;0", "rules=[{N(0,'0',-,0,[1:T(lit,';')])}] number={N(0,'0',-,0)}"},
      {"[$;]0", "number={N(0,'0',-,0,[1:C(';')])}"},
  });
}

TEST(FormattingParser, ConditionalSectionsDependOnTheDialect) {
  const std::vector<ParseCase> conditional = {
      {"[<1]0;[<2]0;[<3]0", "rules=[{[<1] N(0,'0',-,0)},{[<2] N(0,'0',-,0)},{[<3] N(0,'0',-,0)}]"},
      {"[>1]0;[>2]0;[>3]0;@",
       "rules=[{[>1] N(0,'0',-,0)},{[>2] N(0,'0',-,0)},{[>3] N(0,'0',-,0)}] text={X(@)}"},
      {"[>1]0;[>2]0;[>3]0;0",
       "rules=[{[>1] N(0,'0',-,0)},{[>2] N(0,'0',-,0)},"
       "{[>3] N(0,'0',-,0)}] number={N(0,'0',-,0)}"},
  };
  expectParses(conditional, ParserType::Default);
  for (const auto& c : conditional) {
    SCOPED_TRACE(c.code);
    EXPECT_FALSE(parse(c.code, ParserType::Restricted));
  }
  expectBothDialects({
      {"[>1]0;[>2]0;@", "rules=[{[>1] N(0,'0',-,0)},{[>2] N(0,'0',-,0)}] text={X(@)}"},
      {"0;0;0;@", "rules=[{N(0,'0',-,0)},{N(0,'0',-,0)}] number={N(0,'0',-,0)} text={X(@)}"},
  });
}

TEST(FormattingParser, RestrictedDialectReadsQuarterEraAndWeekAsText) {
  const struct {
    std::string code;
    std::string full;
    std::string restricted;
  } cases[] = {
      {"yyyy q", "number={D(yyyy) T(lit,' ') D(q)}", "number={D(yyyy) T(lit,' ') T(lit,'q')}"},
      {"qq", "number={D(qq)}", "number={T(lit,'qq')}"},
      {"r rr", "number={D(r) T(lit,' ') D(rr)}", "number={T(lit,'r') T(lit,' ') T(lit,'rr')}"},
      {"ww", "number={D(ww)}", "number={T(lit,'ww')}"},
      {"dd.MM ww", "number={D(dd) T(raw,'.') D(MM) T(lit,' ') D(ww)}",
       "number={D(dd) T(raw,'.') D(MM) T(lit,' ') T(lit,'ww')}"},
      // As text the letters go with numbers; as dates they do not.
      {"0 q", "invalid", "number={N(0,'0',-,0,[0:T(lit,' '),0:T(lit,'q')])}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(dump(parse(c.code, ParserType::Default)), c.full);
    EXPECT_EQ(dump(parse(c.code, ParserType::Restricted)), c.restricted);
  }
}

TEST(FormattingParser, NumberParts) {
  expectBothDialects({
      {"#,##0.00", "number={N(0,'###0.00',g,0)}"},
      {"#,##0,", "number={N(0,'###0',g,1)}"},
      {"0,,", "number={N(0,'0',-,2)}"},
      {"#,##0,,\"M\"", "number={N(0,'###0',g,2,[0:T(lit,'M')])}"},
      {"#,,##0", "number={N(0,'###0',g,0)}"},
      {"0.0%", "number={N(0,'0.0',-,0,[0:T(%,'%')])}"},
      {"0,%", "number={N(0,'0',-,1,[0:T(%,'%')])}"},
      {"0.0,0", "number={N(0,'0.00',-,0)}"},
      {"0.0.0", "number={N(0,'0.00',-,0,[1:T(lit,'.')])}"},
      {",0", "number={N(0,'0',-,0,[1:T(lit,',')])}"},
      {"0 ,", "number={N(0,'0',-,0,[0:T(lit,' '),0:T(lit,',')])}"},
      {"000-12", "number={N(0,'000',-,0,[0:T(lit,'-'),0:T(raw,'1'),0:T(raw,'2')])}"},
      {"#-#", "number={N(0,'##',-,0,[1:T(lit,'-')])}"},
      {".", "number={N(0,'.',-,0)}"},
      {"1.", "number={N(0,'.',-,0,[1:T(raw,'1')])}"},
      {"*-0", "number={N(0,'0',-,0,[1:T(fill,'-')])}"},
      {"[$€-407]#,##0.00", "number={N(0,'###0.00',g,0,[7:C('€',407)])}"},
      {"#,##0.00 [$USD]", "number={N(0,'###0.00',g,0,[0:T(lit,' '),0:C('USD')])}"},
      {"[$-407]0", "number={lang(407) N(0,'0',-,0)}"},
      {"USD 0", "number={N(0,'0',-,0,[1:T(lit,'USD'),1:T(lit,' ')])}"},
      {"[Blue][DBNum2][$-804]0", "number={color(0,0,255) [DBNum2] lang(804) N(0,'0',-,0)}"},
      {"[Color 10]0", "number={color(0,128,0) N(0,'0',-,0)}"},
      {"[COLOR32]0", "number={color(0,0,255) N(0,'0',-,0)}"},
      {"[>=100]0", "rules=[{[>=100] N(0,'0',-,0)}]"},
      {"[<= 1.5 ][Red]0", "rules=[{[<=1.5] color(255,0,0) N(0,'0',-,0)}]"},
      {"[<>-2.5E1]0;0", "rules=[{[<>-25] N(0,'0',-,0)}] number={N(0,'0',-,0)}"},
  });
}

TEST(FormattingParser, FractionAndScientificParts) {
  expectBothDialects({
      {"# ?/16", "number={N(0,'#',-,0,[0:T(lit,' ')]) N(1,'?',-,0) X(/) N(2,'16',-,0)}"},
      {"# ?\?/?\?", "number={N(0,'#',-,0,[0:T(lit,' ')]) N(1,'?\?',-,0) X(/) N(2,'?\?',-,0)}"},
      {"?/?", "number={N(1,'?',-,0) X(/) N(2,'?',-,0)}"},
      {"#?/0", "number={N(1,'#?',-,0) X(/) N(2,'0',-,0)}"},
      {"#,##0 ?/100", "number={N(0,'###0',g,0,[0:T(lit,' ')]) N(1,'?',-,0) X(/) N(2,'100',-,0)}"},
      // Without a placeholder the text before the numerator stays literal.
      {"\"x\" ?/?", "number={T(lit,'x') T(lit,' ') N(1,'?',-,0) X(/) N(2,'?',-,0)}"},
      // After the denominator: literal items, with "%" still a percent.
      {"# ?/? \"kg\"%",
       "number={N(0,'#',-,0,[0:T(lit,' ')]) N(1,'?',-,0) X(/) N(2,'?',-,0) T(lit,' ') "
       "T(lit,'kg') T(%,'%')}"},
      {"# ?/8 #",
       "number={N(0,'#',-,0,[0:T(lit,' ')]) N(1,'?',-,0) X(/) N(2,'8',-,0) "
       "T(lit,' ') T(lit,'0')}"},
      // Trailing commas divide nothing in fractions and scientific numbers.
      {"#,?/?", "number={N(0,'#',-,0) N(1,'?',-,0) X(/) N(2,'?',-,0)}"},
      {"0.00E+00", "number={N(0,'0.00',-,0) X(E+) N(3,'00',-,0)}"},
      {"##0.0E-0", "number={N(0,'##0.0',-,0) X(E-) N(3,'0',-,0)}"},
      {"#,##0.0E+0", "number={N(0,'###0.0',g,0) X(E+) N(3,'0',-,0)}"},
      {"0,E+0", "number={N(0,'0',-,0) X(E+) N(3,'0',-,0)}"},
      {"0E+0,0", "number={N(0,'0',-,0) X(E+) N(3,'00',-,0)}"},
      {"0.0%E+0", "number={N(0,'0.0',-,0,[0:T(lit,'%')]) X(E+) N(3,'0',-,0)}"},
  });
}

TEST(FormattingParser, DateTimeItems) {
  expectBothDialects({
      {"dd.mm.yyyy", "number={D(dd) T(raw,'.') D(MM) T(raw,'.') D(yyyy)}"},
      {"d-mmm-yy", "number={D(d) T(lit,'-') D(MMM) T(lit,'-') D(yy)}"},
      {"[$-F800]dddd, mmmm dd, yyyy",
       "number={lang(F800) D(dddd) T(lit,',') T(lit,' ') D(MMMM) T(lit,' ') D(dd) T(lit,',') "
       "T(lit,' ') D(yyyy)}"},
      {"[$-409]h:mm AM/PM", "number={lang(409) D(h) T(raw,':') D(mm) T(lit,' ') D(AM/PM)}"},
      {"mmmmm ddd A/P", "number={D(MMMMM) T(lit,' ') D(ddd) T(lit,' ') D(A/P)}"},
      {"ss.000", "number={D(ss.3)}"},
      {"ss.", "number={D(ss.0)}"},
      {"[ss].00", "number={D([ss].2)}"},
      {"[hhh]", "number={D([hh])}"},
      {"e bbb b", "number={D(yyyy) T(lit,' ') D(bbbb) T(lit,' ') D(bb)}"},
      {"B2dd/mm/yyyy", "number={[B2] D(dd) T(raw,'/') D(MM) T(raw,'/') D(yyyy)}"},
      {"B1", "number={[B1]}"},
      {"yyyy1 \\: :", "number={D(yyyy) T(lit,'1') T(lit,' ') T(raw,':') T(lit,' ') T(raw,':')}"},
      {"dd General", "number={D(dd) T(lit,' ') X(General)}"},
      {"dd \"#\"#?", "invalid"},
      {"dd [$€]", "number={D(dd) T(lit,' ') C('€')}"},
  });
}

TEST(FormattingParser, MinutesOrMonthsFromTheirNeighbours) {
  expectBothDialects({
      {"h:mm", "number={D(h) T(raw,':') D(mm)}"},
      {"hh:m", "number={D(hh) T(raw,':') D(m)}"},
      {"mm:ss", "number={D(mm) T(raw,':') D(ss)}"},
      {"m:s", "number={D(m) T(raw,':') D(s)}"},
      {"mm:ss.0", "number={D(mm) T(raw,':') D(ss.1)}"},
      {"[h]:mm:ss", "number={D([h]) T(raw,':') D(mm) T(raw,':') D(ss)}"},
      {"[h]:mm", "number={D([h]) T(raw,':') D(mm)}"},
      {"[mm]:ss", "number={D([mm]) T(raw,':') D(ss)}"},
      {"mm", "number={D(MM)}"},
      {"dd/mm/yy", "number={D(dd) T(raw,'/') D(MM) T(raw,'/') D(yy)}"},
      {"m/d/yy h:mm",
       "number={D(M) T(raw,'/') D(d) T(raw,'/') D(yy) T(lit,' ') D(h) T(raw,':') "
       "D(mm)}"},
      {"yyyy-mm-dd hh:mm:ss",
       "number={D(yyyy) T(lit,'-') D(MM) T(lit,'-') D(dd) T(lit,' ') D(hh) T(raw,':') D(mm) "
       "T(raw,':') D(ss)}"},
      // Only the first month after the hours is taken for minutes.
      {"h mm mm", "number={D(h) T(lit,' ') D(mm) T(lit,' ') D(MM)}"},
      // Another date code between month and seconds keeps the month.
      {"mm dd ss", "number={D(MM) T(lit,' ') D(dd) T(lit,' ') D(ss)}"},
      // Seconds before minutes that were not seen yet.
      {"ss mm", "number={D(ss) T(lit,' ') D(mm)}"},
      {"h:mm:ss AM/PM", "number={D(h) T(raw,':') D(mm) T(raw,':') D(ss) T(lit,' ') D(AM/PM)}"},
      {"mmm d, h:mm",
       "number={D(MMM) T(lit,' ') D(d) T(lit,',') T(lit,' ') D(h) T(raw,':') "
       "D(mm)}"},
  });
}

TEST(FormattingParser, TextGeneralAndLiteralSections) {
  expectBothDialects({
      {"General", "number={X(General)}"},
      {"general\\ \"x\"", "number={X(General) T(lit,' ') T(lit,'x')}"},
      {"[$€]General%", "number={C('€') X(General) T(lit,'%')}"},
      {"\"abc\"", "number={T(lit,'abc')}"},
      {"%", "number={T(lit,'%')}"},
      {"5,", "number={T(lit,'5') T(lit,',')}"},
      {"#", "number={N(0,'#',-,0)}"},
      {"\"\"", "number={T(lit,'')}"},
      {"[Blue]@", "text={color(0,0,255) X(@)}"},
      {"\"Note: \"@*.", "text={T(lit,'Note: ') X(@) T(fill,'.')}"},
      {"@ 12,", "text={X(@) T(lit,' ') T(lit,'1') T(lit,'2') T(lit,',')}"},
      {"[$-409]@", "text={lang(409) X(@)}"},
  });
}

TEST(FormattingParser, InvalidCodesGiveNothing) {
  const struct {
    std::string code;
    const char* why;
  } cases[] = {
      // Splitting.
      {"]", "a closing bracket outside brackets"},
      {"0]", "a closing bracket outside brackets"},
      {"\"abc", "an open quote"},
      {"0;\"", "an open quote"},
      {"[Red;0", "an open bracket"},
      {"0\\", "an open escape"},
      // Directives.
      {"[Red][Blue]0", "two colours"},
      {"[>1][<2]0", "two conditions"},
      {"[Color 60]0", "no such palette entry"},
      {"[Color 0]0", "no such palette entry"},
      {"[Color57]0", "no such palette entry"},
      {"B1B2dd", "two calendars"},
      {"[DBNum1][DBNum2]0", "two transliterations"},
      {"[$-409][$-407]0", "two languages"},
      {"[$-80000000]0", "a language beyond the LCID range"},
      {"[>abc]0", "an unknown bracket"},
      {"[Blau]0", "an unknown bracket"},
      {"[<1e]0", "an unknown bracket"},
      {"[h]:[mm]", "two elapsed-time codes"},
      // Counters.
      {"General General", "two General"},
      {"0E+0E+0", "two exponents"},
      {"[$€]0[$$]", "two currencies"},
      {"[$-409][$€]0", "a currency and a language"},
      // Date-time sections.
      {"/dd", "a slash before the first date code"},
      {".dd", "a point before the first date code"},
      {"B1.", "a point in a section with a calendar only"},
      {"dd 0", "a digit placeholder in a date"},
      {"ss.0000", "a fourth decimal of seconds is a placeholder"},
      {"dd E+", "an exponent in a date"},
      {"dd%", "a percent in a date"},
      {"dd @", "text in a date"},
      // Text sections.
      {"@ General", "General with text"},
      {"@0", "a placeholder with text"},
      {"@.", "a point with text"},
      {"@E+", "an exponent with text"},
      {"@%", "a percent with text"},
      {"@/", "a slash with text"},
      // Fractions, exponents, General.
      {"# ?/? E+0", "an exponent in a fraction"},
      {"General ?/?", "General in a fraction"},
      {"?/?/?", "two slashes"},
      {"General E+", "General with an exponent"},
      {"General 0", "General with a placeholder"},
      {"General.", "General with a point"},
      // Item builders.
      {"# ?/1.5", "a point in the denominator"},
      {"?/?6", "a denominator that is no number"},
      {" /2", "a numerator without digits"},
      {"0E+", "an exponent without digits"},
      {"E+0", "a mantissa without digits"},
      {"[$a-b-c]0", "a currency of three pieces"},
      {"[$€-xyz]0", "a currency whose language does not read"},
      {"[$a-b-c]", "a currency of three pieces in literal text"},
      // Assembly.
      {"@;0", "a text section before the last"},
      {"[>1]@", "a text section with a condition"},
      {"0;[<0]@", "a text section with a condition"},
      {"0;0;0;0", "a fourth section that is not text only"},
      {"0;0;0;0;0", "five sections"},
      {"0;0;0;@;@", "five sections"},
      {"0;0;0;[>1]0", "a condition after an unconditional third section"},
      {"0;0;dd;[$€]", "a last section with a currency"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code + " (" + c.why + ")");
    EXPECT_EQ(dump(parse(c.code, ParserType::Default)), "invalid");
    EXPECT_EQ(dump(parse(c.code, ParserType::Restricted)), "invalid");
  }
}

TEST(FormattingParser, InvalidUtf8IsRejectedBeforeScanning) {
  for (const std::string& code :
       {std::string("\xFF"), std::string("0\x80"), std::string("\"\xC3\"0"),
        std::string("0;\xED\xA0\x80"), std::string("[$\xF5\x80\x80\x80]0")}) {
    SCOPED_TRACE(testing::PrintToString(code));
    EXPECT_FALSE(parse(code, ParserType::Default));
    EXPECT_FALSE(parse(code, ParserType::Restricted));
  }
  // Valid multi-byte text is fine wherever it stands.
  EXPECT_EQ(dump(parse("0 \"€\";-0 ₽", ParserType::Default)),
            "rules=[{N(0,'0',-,0,[0:T(lit,' '),0:T(lit,'€')])}] "
            "number={N(0,'0',-,0,[1:T(lit,'-'),0:T(lit,' '),0:T(lit,'₽')])}");
}

TEST(FormattingParser, ResolveConditionFromRuleOrPosition) {
  using CType = Model::Condition::Type;
  const struct {
    std::string code;
    std::size_t index;
    CType type;
    double value;
  } cases[] = {
      {"[>5]0;0", 0, CType::Greater, 5},
      {"0;-0", 0, CType::GreaterOrEqual, 0},
      {"0;-0;0", 0, CType::Greater, 0},
      {"0;-0;0", 1, CType::Less, 0},
      {"[<=-1]0;0;0", 1, CType::Less, 0},
      {"0;[=7]0;0", 1, CType::Equal, 7},
      {"[<1]0;[<2]0;[<>3]0", 2, CType::NotEqual, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code + " #" + std::to_string(c.index));
    const auto expression = parse(c.code, ParserType::Default);
    ASSERT_TRUE(expression);
    EXPECT_EQ(resolveCondition(*expression, c.index), Model::Condition(c.type, c.value));
  }
}

TEST(FormattingParser, ResolveConditionAssertsOnBadIndexes) {
  const auto expectAssertion = [](const Model::Expression& expression, std::size_t index,
                                  const std::string& condition) {
    SCOPED_TRACE(condition);
    try {
      (void)resolveCondition(expression, index);
      ADD_FAILURE() << "no assertion";
    } catch (const AssertionFailure& failure) {
      EXPECT_EQ(failure.file(), "OfficeUtils/Formatters/Parser/OU_FormattingParser");
      EXPECT_EQ(failure.condition(), condition);
    }
  };
  expectAssertion(*parse("0;-0", ParserType::Default), 1, "ruleIndex < rules.size()");
  expectAssertion(Model::Expression(), 0, "ruleIndex < rules.size()");
  expectAssertion(Model::Expression(std::vector<Model::Rule>(3)), 2,
                  "ruleIndex < MaxConditionRulesCount");
}

TEST(FormattingParser, CalcDenominatorValue) {
  const struct {
    std::string pattern;
    boost::optional<std::uint32_t> expected;
  } cases[] = {
      {"16", 16u},        {"100", 100u},       {"8?", 8u},
      {"0", boost::none}, {"??", boost::none}, {"?6", boost::none},
      {"", boost::none},  {"00", boost::none}, {"-4", boost::none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(calcDenominatorValue(c.pattern), c.expected);
  }
}

// Sections counted independently of the parser: ";" outside quotes, brackets and escapes.
std::size_t countSections(const std::string& code) {
  std::size_t count = 1;
  bool quoted = false, bracketed = false, escaped = false;
  for (const char c : code) {
    if (escaped) {
      escaped = false;
    } else if (quoted) {
      quoted = c != '"';
    } else if (bracketed) {
      bracketed = c != ']';
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[') {
      bracketed = true;
    } else if (c == '\\') {
      escaped = true;
    } else if (c == ';') {
      ++count;
    }
  }
  return count;
}

// What the items of one rule must have in common, whatever the code.
void checkRuleItems(const Model::Rule& rule, bool isTextRule, ParserType type) {
  using DType = Model::DateTimeItem::Type;
  using XType = Model::ExtraItem::Type;
  using Role = Model::NumberItem::Role;
  int dates = 0, numbers = 0, slashes = 0, exponents = 0, texts = 0, generals = 0,
      hoursOrSeconds = 0, minutes = 0;
  std::set<Role> roles;
  for (const auto& item : rule.getItems()) {
    if (const auto* date = boost::get<Model::DateTimeItem>(&item)) {
      ++dates;
      const auto t = date->getType();
      if ((t >= DType::HoursShort && t <= DType::HoursLongNoTruncate) ||
          (t >= DType::SecondsShort && t <= DType::SecondsLongNoTruncate))
        ++hoursOrSeconds;
      if (t == DType::MinutesShort || t == DType::MinutesLong) ++minutes;
      if (type == ParserType::Restricted) {
        EXPECT_LT(t, DType::QuarterShort);
      }
      if (date->getDecimalPlaces()) {
        EXPECT_LE(*date->getDecimalPlaces(), MaxZeroCount);
      }
    } else if (const auto* extra = boost::get<Model::ExtraItem>(&item)) {
      switch (extra->getType()) {
        case XType::General:
          ++generals;
          break;
        case XType::FractionSlash:
          ++slashes;
          break;
        case XType::Text:
          ++texts;
          break;
        default:
          ++exponents;
          break;
      }
    } else if (const auto* number = boost::get<Model::NumberItem>(&item)) {
      ++numbers;
      roles.insert(number->getRole());
      const auto& pattern = number->getPattern();
      const bool denominator = number->getRole() == Role::Denominator;
      EXPECT_EQ(pattern.find_first_not_of(denominator ? "0123456789#?" : "0#?."), std::string::npos)
          << pattern;
      EXPECT_LE(std::count(pattern.begin(), pattern.end(), '.'), 1);
      std::size_t previous = pattern.size();
      for (const auto& embedded : number->getEmbeddedItems()) {
        EXPECT_LE(embedded.first, previous) << "positions run from left to right";
        previous = embedded.first;
      }
      if (number->getRole() == Role::Numerator || number->getRole() == Role::Exponent) {
        EXPECT_FALSE(number->hasGrouping());
      }
    }
  }
  if (dates) {
    EXPECT_EQ(numbers + slashes + exponents + texts, 0);
  }
  if (texts) {
    EXPECT_TRUE(isTextRule);
    EXPECT_EQ(numbers + slashes + exponents + generals + dates, 0);
  }
  if (numbers) {
    EXPECT_EQ(generals, 0);
  }
  EXPECT_LE(generals, 1);
  EXPECT_EQ(slashes, roles.count(Role::Numerator));
  EXPECT_EQ(slashes, roles.count(Role::Denominator));
  EXPECT_EQ(exponents, roles.count(Role::Exponent));
  EXPECT_LE(slashes + exponents, 1);
  if (minutes) {
    EXPECT_GT(hoursOrSeconds, 0);
  }
}

TEST(FormattingParser, GeneratedCodesGiveConsistentModels) {
  const char* const fragments[] = {
      "0",       "#",        "?",         "1",          "9",    ".",        ",",     ",,",
      "%",       "/",        "E+",        "E-",         "@",    "General",  "d",     "dd",
      "ddd",     "mmmm",     "m",         "mm",         "h",    "hh",       "[h]",   "[mm]",
      "s",       "ss",       "ss.00",     "[ss]",       "yy",   "yyyy",     "AM/PM", "A/P",
      "b",       "q",        "qq",        "r",          "w",    "e",        "B1",    "B2",
      "[Red]",   "[Blue]",   "[Color 5]", "[Color 99]", "[>0]", "[<=-1.5]", "[=2]",  "[DBNum1]",
      "[$-409]", "[$€-407]", "[$USD]",    "\"txt\"",    "\"\"", "\\-",      "_)",    "*x",
      " ",       "-",        ":",         "(",          ";",    ";",        "[",     "]",
      "\"",      "\\",       "€",         "[Blau]",     "USD",  "[$a-b-c]",
  };
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(fragments) - 1);
  std::uniform_int_distribution<int> length(0, 12);
  int valid[2] = {0, 0};
  for (int round = 0; round < 20000; ++round) {
    std::string code;
    for (int n = length(random); n > 0; --n) code += fragments[pick(random)];
    SCOPED_TRACE("code: " + code);
    for (const auto type : {ParserType::Default, ParserType::Restricted}) {
      boost::optional<Model::Expression> expression;
      try {
        expression = parse(code, type);
      } catch (const AssertionFailure& failure) {
        ADD_FAILURE() << failure.what();
        continue;
      }
      if (!expression) continue;
      ++valid[static_cast<int>(type)];
      // Every section ends up as exactly one rule.
      const auto& rules = expression->getRules();
      EXPECT_EQ(rules.size() + (expression->getDefaultNumberRule() ? 1 : 0) +
                    (expression->getDefaultTextRule() ? 1 : 0),
                countSections(code));
      if (type == ParserType::Restricted) {
        EXPECT_LE(rules.size(), MaxConditionRulesCount);
      }
      for (const auto& rule : rules) checkRuleItems(rule, false, type);
      if (const auto& rule = expression->getDefaultNumberRule()) {
        EXPECT_FALSE(rule->getCondition());
        checkRuleItems(*rule, false, type);
      }
      if (const auto& rule = expression->getDefaultTextRule()) {
        EXPECT_FALSE(rule->getCondition());
        checkRuleItems(*rule, true, type);
      }
      if (HasFailure()) return;
    }
  }
  // The generator must reach valid codes often enough for the checks to mean something.
  EXPECT_GT(valid[0], 2000);
  EXPECT_GT(valid[1], 2000);
}

TEST(FormattingParser, ArbitraryBytesNeverFail) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 24);
  const std::string alphabet = "0#?.,;%/E+-@[]\"\\*_ dmhsyG:$>=<";
  for (int round = 0; round < 20000; ++round) {
    std::string code;
    for (int n = length(random); n > 0; --n) {
      const int b = byte(random);
      code +=
          b < 200 ? alphabet[static_cast<std::size_t>(b) % alphabet.size()] : static_cast<char>(b);
    }
    SCOPED_TRACE(testing::PrintToString(code));
    for (const auto type : {ParserType::Default, ParserType::Restricted}) {
      try {
        (void)parse(code, type);
      } catch (const AssertionFailure& failure) {
        ADD_FAILURE() << failure.what();
        return;
      }
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
