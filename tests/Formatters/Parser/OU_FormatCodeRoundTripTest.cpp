// Format codes through the parser and the writer: a corpus of codes in real use and generated
// token sequences must read back into the same model, and the written code must write itself.
#include "tests/Formatters/Parser/OU_FormatCodeRoundTrip.h"

#include <array>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using TestSupport::RoundTripGap;

constexpr std::size_t GeneratedCodes = 100000 / Vesk::Testing::PropertyScale;

// Writes the model, reads the written code and writes again until two writes agree: false
// (with a failure) when a written code does not read, when the model changes where
// `roundTripGap` allows no change, or when the writes do not settle in time: from the first
// write without a gap, from the second with one, from the third for run-together items.
bool roundTrips(const Model::Expression& model, ParserType type, RoundTripGap gap) {
  // The written text of a fill such as "*\\" may split into other sections: nothing to compare.
  if (gap == RoundTripGap::SplitCharacter) return true;
  const std::size_t settled = gap == RoundTripGap::RunTogether ? 2 : gap != RoundTripGap::None;
  std::vector<std::string> writes = {toRegEx(model, type)};
  auto current = parse(writes[0], type);
  // "1/5[$-409]." writes "[$-409]1/5.", whose point joins the denominator.
  if (!current && gap == RoundTripGap::RunTogether) return true;
  bool ok = current && (gap != RoundTripGap::None || current == model);
  while (ok && writes.size() < settled + 2) {
    writes.push_back(toRegEx(*current, type));
    if (writes.back() == writes[writes.size() - 2]) return true;
    current = parse(writes.back(), type);
    ok = current.has_value();
  }
  ADD_FAILURE() << "written [" << writes[0] << "] then [" << writes.back() << "]";
  return false;
}

// Pieces of codes by the section they suit: numbers, dates and times, text, directives.
const std::array<std::vector<std::string>, 4> Pieces = {{
    {"0", "#", "?", ".", ",", ",,", "%", "1", "5", "0.00", "#,##0", "E+", "E-", "/", "16"},
    {"d",  "dd",   "ddd", "dddd", "m",    "mm",   "mmm", "mmmm", "mmmmm", "yy",    "yyyy",  "e",
     "h",  "hh",   "s",   "ss",   "ss.0", "s.00", "[h]", "[mm]", "[ss]",  "[s].0", "AM/PM", "A/P",
     "bb", "bbbb", "q",   "qq",   "r",    "rr",   "ww",  "B1",   "B2",    ":",     "/",     "."},
    {"@",  "General", " ",  "-",   "(",  ")",   "$", "\\x", "\"abc\"", "\"\"",  "\"-\"",
     "_)", "*-",      "* ", "*\\", "_[", "\\,", "x", "USD", "€",       "\";\"", "g"},
    {"[Red]", "[Color 23]", "[Color5]", "[>=100]", "[<-1.5]", "[=0]", "[<>1E+20]", "[<=0.001]",
     "[$-409]", "[$€-407]", "[$USD]", "[$]", "[DBNum1]", "[$-F800]"},
}};

// Up to four sections, each mostly from one group of pieces with a few from any group.
std::string generateCode(std::mt19937& random) {
  std::string code;
  for (unsigned sections = 1 + random() % 4; sections > 0; --sections) {
    const unsigned group = random() % 3;
    for (unsigned count = random() % 7; count > 0; --count) {
      const auto& pieces = Pieces[random() % 5 == 0 ? random() % 4 : group];
      code += pieces[random() % pieces.size()];
    }
    if (sections > 1) code += ';';
  }
  return code;
}

// The codes of tests/data/format_codes.txt, then generated ones.
TEST(FormatCodeRoundTrip, CorpusAndGeneratedCodesReadBackIntoTheSameModel) {
  // The corpus codes the writer cannot bring back unchanged, by class.
  const std::map<std::string, RoundTripGap> corpusGaps = {
      {";;;", RoundTripGap::LeadingEmptySections},
      {";;;@", RoundTripGap::LeadingEmptySections},
      {";-0", RoundTripGap::LeadingEmptySections},
      {"# ##0,00 [$€-40C]", RoundTripGap::GroupingRewritten},  // comes back "#,## ##000"
  };
  std::vector<std::string> corpus;
  std::ifstream in(OU_TEST_DATA_DIR "/format_codes.txt");
  for (std::string code; std::getline(in, code);) corpus.push_back(code);
  ASSERT_GE(corpus.size(), 300u);
  std::mt19937 random(20261205);
  std::map<RoundTripGap, std::size_t> gaps;
  std::size_t valid = 0, failures = 0, n = 0;
  for (; valid < corpus.size() + GeneratedCodes && failures < 10; ++n) {
    const bool fromCorpus = n < corpus.size();
    const std::string code = fromCorpus ? corpus[n] : generateCode(random);
    const auto type = !fromCorpus && n % 3 == 0 ? ParserType::Restricted : ParserType::Default;
    const auto model = parse(code, type);
    EXPECT_TRUE(model || !fromCorpus) << code;
    if (!model) continue;
    ++valid;
    const auto gap = TestSupport::roundTripGap(*model, type);
    if (fromCorpus)
      EXPECT_EQ(gap, corpusGaps.count(code) ? corpusGaps.at(code) : RoundTripGap::None) << code;
    else
      ++gaps[gap];
    if (!roundTrips(*model, type, gap)) {
      ++failures;
      ADD_FAILURE() << "code [" << code << "]";
    }
  }
  // Each class of gap occurs among generated codes, and most come back unchanged.
  EXPECT_EQ(gaps.size(), 5u);
  EXPECT_GT(gaps[RoundTripGap::None], GeneratedCodes * 3 / 4);
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
