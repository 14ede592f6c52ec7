// ou format: a number in the general display (as a cell shows it and as a formula turns it into
// text) and, given a format code, the code's kind with the number under the code's digit
// patterns (the digits only; literals, colours and conditions are not applied here).
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/OU_NumberFormatter.h"
#include "OfficeUtils/Formatters/OU_ScientificNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Parser::FormatType;

// The rule a number is shown with: the first positional rule, else the default number rule.
const Model::Rule* numberRule(const Model::Expression& expression) {
  if (!expression.getRules().empty()) return &expression.getRules().front();
  if (expression.getDefaultNumberRule()) return &*expression.getDefaultNumberRule();
  return nullptr;
}

void printDigits(double value, const std::string& code) {
  const auto expression = Parser::parse(code, Parser::ParserType::Default);
  if (!expression) {
    std::printf("  code:       not a valid format code\n");
    return;
  }
  const FormatType kind = Parser::calcFormatType(*expression);
  std::printf("  kind:       %s\n", Parser::formatTypeName(kind));
  const Model::Rule* rule = numberRule(*expression);
  if (!rule || (kind != FormatType::Number && kind != FormatType::Scientific &&
                kind != FormatType::Currency && kind != FormatType::Accounting))
    return;
  const LocaleContext& context = LocaleContext::getEnLocaleContext();
  const Model::NumberItem* mantissa = nullptr;
  const Model::NumberItem* exponent = nullptr;
  bool exponentSign = true;  // "E+" shows the sign of positive exponents, "E-" does not
  for (const auto& item : rule->getItems()) {
    if (const auto* extra = boost::get<Model::ExtraItem>(&item))
      if (extra->getType() == Model::ExtraItem::Type::ExponentMinus) exponentSign = false;
    if (const auto* number = boost::get<Model::NumberItem>(&item)) {
      (number->getRole() == Model::NumberItem::Role::Exponent ? exponent : mantissa) = number;
    }
  }
  if (!mantissa) return;
  std::string digits;
  if (exponent) {
    ScientificFormatter formatter(mantissa->getPattern(), context);
    formatter.setGrouping(mantissa->hasGrouping());
    formatter.setExponentPattern(exponent->getPattern());
    formatter.setAlwaysShowExponentSign(exponentSign);
    digits = getFormatterResultAsString(formatter(value), context);
  } else {
    FixedNumberFormatter formatter(mantissa->getPattern(), context);
    formatter.setGrouping(mantissa->hasGrouping());
    digits = getFormatterResultAsString(formatter(value), context);
  }
  std::printf("  digits:     \"%s\" (pattern \"%s\"%s)\n", digits.c_str(),
              mantissa->getPattern().c_str(), mantissa->hasGrouping() ? ", grouped" : "");
}

bool show(const std::string& number, const std::string& code) {
  const auto value = stringToDouble(number);
  if (!value) {
    std::printf("  not a number: %s\n", number.c_str());
    return false;
  }
  const LocaleContext& context = LocaleContext::getEnLocaleContext();
  std::printf("  general:    %s\n", GeneralNumberFormatter(context)(*value).c_str());
  std::printf("  as formula: %s\n", createGeneralFormatter(context)(*value).c_str());
  if (!code.empty()) printDigits(*value, code);
  return true;
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments.size() > 2) {
    std::fprintf(stderr, "usage: ou format NUMBER [CODE]\n");
    return 1;
  }
  return show(arguments[0], arguments.size() == 2 ? arguments[1] : "") ? 0 : 1;
}

void tour() {
  const std::pair<const char*, const char*> examples[] = {
      {"123456789012", ""},   {"0.000000009", ""}, {"2.675", "0.00"},
      {"1234.5", "#,##0.00"}, {"123", "0000"},     {"12345", "0.00E+00"},
      {"0.00012", "0.0E-00"}, {"0.5", "# ?/?"},    {"0.25", "[$€-407]#,##0.00"},
      {"45000", "dd.mm.yyyy"}};
  for (const auto& [number, code] : examples) {
    if (*code)
      std::printf("$ ou format %s '%s'\n", number, code);
    else
      std::printf("$ ou format %s\n", number);
    show(number, code);
  }
}

const CommandRegistrar registrar{
    {"format", "NUMBER [CODE]",
     "show a number in the general display, and a code's kind and digits", run, tour, 40}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
