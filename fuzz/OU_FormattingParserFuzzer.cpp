// Parses arbitrary bytes as a format code in either dialect and checks what every parsed model
// must satisfy: each section became exactly one rule, positional rules resolve their condition,
// number patterns hold only placeholders, and the restricted dialect keeps to its limits.
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>
#include <utf8.h>

#include "tests/Formatters/Parser/OU_FormatCodeSections.h"

using namespace Vesk::OfficeUtils::Parser;
using Vesk::OfficeUtils::Parser::TestSupport::countSections;
namespace Model = Vesk::DOM::CellFormatModel;

namespace {

void checkRule(const Model::Rule& rule, ParserType dialect) {
  for (const auto& item : rule.getItems()) {
    if (const auto* number = boost::get<Model::NumberItem>(&item)) {
      const bool denominator = number->getRole() == Model::NumberItem::Role::Denominator;
      const auto& pattern = number->getPattern();
      if (pattern.find_first_not_of(denominator ? "0123456789#?" : "0#?.") != std::string::npos)
        __builtin_trap();
      for (const auto& embedded : number->getEmbeddedItems()) {
        if (embedded.first > pattern.size()) __builtin_trap();
      }
    } else if (const auto* date = boost::get<Model::DateTimeItem>(&item)) {
      if (dialect == ParserType::Restricted &&
          date->getType() >= Model::DateTimeItem::Type::QuarterShort)
        __builtin_trap();
      if (date->getDecimalPlaces() && *date->getDecimalPlaces() > MaxZeroCount) __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;  // the .options budget holds it to linear cost
  FuzzedDataProvider input(data, size);
  // The last byte picks the dialect (odd: restricted); seed files end in a line feed (full
  // dialect) or a tab (restricted).
  const auto dialect = input.ConsumeBool() ? ParserType::Restricted : ParserType::Default;
  const std::string code = input.ConsumeRemainingBytesAsString();  // any bytes, bad UTF-8 too

  const auto expression = parse(code, dialect);
  if (!expression) return 0;
  if (!utf8::is_valid(code.begin(), code.end())) __builtin_trap();

  const auto& rules = expression->getRules();
  const std::size_t ruleCount = rules.size() + (expression->getDefaultNumberRule() ? 1 : 0) +
                                (expression->getDefaultTextRule() ? 1 : 0);
  if (ruleCount != countSections(code)) __builtin_trap();
  if (dialect == ParserType::Restricted && rules.size() > MaxConditionRulesCount) __builtin_trap();
  // Every conditional rule has a condition of its own or one given by its position; a failed
  // assertion here ends the run.
  for (std::size_t i = 0; i < rules.size(); ++i) {
    (void)resolveCondition(*expression, i);
    checkRule(rules[i], dialect);
  }
  if (const auto& rule = expression->getDefaultNumberRule()) checkRule(*rule, dialect);
  if (const auto& rule = expression->getDefaultTextRule()) checkRule(*rule, dialect);
  return 0;
}
