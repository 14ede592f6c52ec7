// Parses arbitrary bytes as a format code in either dialect and checks what every parsed model
// must satisfy: each section became exactly one rule, positional rules resolve their condition,
// the items of a rule go together, and the restricted dialect keeps to its limits.
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>
#include <utf8.h>

using namespace Vesk::OfficeUtils::Parser;
namespace Model = Vesk::DOM::CellFormatModel;

namespace {

// What the items of one rule must have in common, whatever the code: no digits or exponents
// beside dates, "@" only in the text rule and alone with literals, minutes only next to hours
// or seconds, one "General" at most and never with digits, a numerator and denominator per
// slash, an exponent per "E+"/"E-" and at most one of those.
void checkRule(const Model::Rule& rule, ParserType dialect, bool isTextRule) {
  using DType = Model::DateTimeItem::Type;
  using XType = Model::ExtraItem::Type;
  using Role = Model::NumberItem::Role;
  int dates = 0, numbers = 0, hoursOrSeconds = 0, minutes = 0;
  int extras[5] = {};  // by ExtraItem::Type
  std::multiset<Role> roles;
  for (const auto& item : rule.getItems()) {
    if (const auto* number = boost::get<Model::NumberItem>(&item)) {
      ++numbers;
      roles.insert(number->getRole());
      const bool denominator = number->getRole() == Role::Denominator;
      const auto& pattern = number->getPattern();
      if (pattern.find_first_not_of(denominator ? "0123456789#?" : "0#?.") != std::string::npos ||
          pattern.find('.') != pattern.rfind('.'))
        __builtin_trap();
      std::size_t previous = pattern.size();
      for (const auto& embedded : number->getEmbeddedItems()) {
        if (embedded.first > previous) __builtin_trap();  // positions run from left to right
        previous = embedded.first;
      }
      if ((number->getRole() == Role::Numerator || number->getRole() == Role::Exponent) &&
          number->hasGrouping())
        __builtin_trap();
    } else if (const auto* date = boost::get<Model::DateTimeItem>(&item)) {
      ++dates;
      const auto t = date->getType();
      hoursOrSeconds += (t >= DType::HoursShort && t <= DType::HoursLongNoTruncate) ||
                        (t >= DType::SecondsShort && t <= DType::SecondsLongNoTruncate);
      minutes += t == DType::MinutesShort || t == DType::MinutesLong;
      if (dialect == ParserType::Restricted && t >= DType::QuarterShort) __builtin_trap();
      if (date->getDecimalPlaces() && *date->getDecimalPlaces() > MaxZeroCount) __builtin_trap();
    } else if (const auto* extra = boost::get<Model::ExtraItem>(&item)) {
      ++extras[static_cast<int>(extra->getType())];
    }
  }
  const int generals = extras[static_cast<int>(XType::General)];
  const int slashes = extras[static_cast<int>(XType::FractionSlash)];
  const int texts = extras[static_cast<int>(XType::Text)];
  const int exponents = extras[static_cast<int>(XType::ExponentPlus)] +
                        extras[static_cast<int>(XType::ExponentMinus)];
  if ((dates && numbers + slashes + exponents + texts) ||
      (texts && (!isTextRule || numbers + slashes + exponents + generals + dates)) ||
      (numbers && generals) || (minutes && !hoursOrSeconds) || generals > 1 ||
      slashes != static_cast<int>(roles.count(Role::Numerator)) ||
      slashes != static_cast<int>(roles.count(Role::Denominator)) ||
      exponents != static_cast<int>(roles.count(Role::Exponent)) || slashes + exponents > 1)
    __builtin_trap();
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
  const auto sections = splitSections(code);
  if (!sections || ruleCount != sections->size()) __builtin_trap();
  if (dialect == ParserType::Restricted && rules.size() > MaxConditionRulesCount) __builtin_trap();
  // Every conditional rule has a condition of its own or one given by its position; a failed
  // assertion here ends the run.
  for (std::size_t i = 0; i < rules.size(); ++i) {
    (void)resolveCondition(*expression, i);
    checkRule(rules[i], dialect, false);
  }
  if (const auto& rule = expression->getDefaultNumberRule()) {
    if (rule->getCondition()) __builtin_trap();
    checkRule(*rule, dialect, false);
  }
  if (const auto& rule = expression->getDefaultTextRule()) {
    if (rule->getCondition()) __builtin_trap();
    checkRule(*rule, dialect, true);
  }
  return 0;
}
