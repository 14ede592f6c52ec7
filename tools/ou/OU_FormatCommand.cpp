// ou format: a value as each given format code displays it (fills and blanks marked, with the
// section's colour), and for a number also its general display (as a cell shows it and as a
// formula turns it into text), each code's kind and the number under its digit pattern alone.
// VALUE reads as a number in English notation or the locale's; anything else is a text.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "OfficeUtils/Formatters/OU_CellFormatRenderer.h"
#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/OU_NumberFormatter.h"
#include "OfficeUtils/Formatters/OU_ScientificNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
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

// The text `code` shows `value` as, with a fill as "[*x]" and a blank as "[_x]", and its colour.
void printRendered(const FormulaModel::FormulaValue& value, const std::string& code,
                   const LocaleContext& context) {
  const auto expression = Parser::parse(code, Parser::ParserType::Default);
  if (!expression) return;
  const RenderedValue rendered = formatValue(value, *expression, context);
  std::string visible;
  std::size_t at = 0;
  for (const auto& mark : rendered.marks) {
    visible.append(rendered.text, at, mark.offset - at);
    visible += mark.kind == RenderMark::Kind::Fill ? "[*" : "[_";
    visible.append(rendered.text, mark.offset, mark.length);
    visible += "]";
    at = mark.offset + mark.length;
  }
  visible.append(rendered.text, at, std::string::npos);
  std::printf("  shown:      \"%s\"", visible.c_str());
  if (rendered.color)
    std::printf(" colour #%02X%02X%02X", rendered.color->red, rendered.color->green,
                rendered.color->blue);
  std::printf("\n");
}

bool show(const std::string& input, const std::vector<std::string>& codes,
          const LocaleContext& context) {
  auto number = stringToDouble(input, LocaleContext::getEnLocaleContext());
  if (!number) number = stringToDouble(input, context);
  if (!number) {
    std::printf("  text:       \"%s\"\n", input.c_str());
    for (const auto& code : codes) {
      std::printf("  code:       %s\n", code.c_str());
      if (!Parser::parse(code, Parser::ParserType::Default))
        std::printf("  code:       not a valid format code\n");
      printRendered(FormulaModel::FormulaString(input), code, context);
    }
    return true;
  }
  std::printf("  general:    %s\n", GeneralNumberFormatter(context)(*number).c_str());
  std::printf("  as formula: %s\n", createGeneralFormatter(context)(*number).c_str());
  for (const auto& code : codes) {
    if (codes.size() > 1) std::printf("  code:       %s\n", code.c_str());
    printDigits(*number, code);
    printRendered(FormulaModel::FormulaNumber(*number), code, context);
  }
  return true;
}

int run(const std::vector<std::string>& arguments) {
  std::vector<std::string> rest = arguments;
  std::string localeName;
  if (rest.size() >= 2 && rest[0] == "--locale") {
    localeName = rest[1];
    rest.erase(rest.begin(), rest.begin() + 2);
  }
  if (rest.empty()) {
    std::fprintf(stderr, "usage: ou format [--locale NAME] VALUE [CODE...]\n");
    return 1;
  }
  if (localeName.empty()) localeName = "en_US";
  const auto provider = makeLocaleProvider(localeName);
  if (!provider) {
    std::fprintf(stderr, "unknown locale: %s\n", localeName.c_str());
    return 1;
  }
  const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  show(rest[0], {rest.begin() + 1, rest.end()}, manager.getLocaleContext());
  return 0;
}

void tour() {
  const char* const examples[][3] = {
      {"", "123456789012", ""},
      {"", "0.000000009", ""},
      {"", "2.675", "0.00"},
      {"", "1234.5", "#,##0.00"},
      {"de_DE", "1234.5", "#,##0.00"},
      {"", "-1234.5", "#,##0.00;[Red](#,##0.00)"},
      {"", "0.125", "0.0%"},
      {"", "1234.5", "_($* #,##0.00_);_($* (#,##0.00);_($* \"-\"??_);_(@_)"},
      {"", "123", "0000"},
      {"", "12345", "0.00E+00"},
      {"", "12345", "##0.0E+0"},
      {"", "0.5", "# ?/?"},
      {"", "3.14159", "# ?\?/100"},
      {"", "0.25", "[$€-407]#,##0.00"},
      {"", "45000", "dd.mm.yyyy"},
      {"", "45000.75", "dddd, mmmm d, yyyy h:mm AM/PM"},
      {"de_DE", "45000", "[$-407]dddd, d. mmmm yyyy"},
      {"", "1.5", "[h]:mm"},
      {"", "0", "0.00;-0.00;\"zero\""},
      {"", "150", "[>=100][Blue]0;[Red]0"},
      {"", "abc", "0;-0;0;\"[\"@\"]\""}};
  for (const auto& [locale, value, code] : examples) {
    std::printf("$ ou format%s%s %s", *locale ? " --locale " : "", locale, value);
    if (*code) std::printf(" '%s'", code);
    std::printf("\n");
    run(*locale ? std::vector<std::string>{"--locale", locale, value, code}
        : *code ? std::vector<std::string>{value, code}
                : std::vector<std::string>{value});
  }
}

const CommandRegistrar registrar{
    {"format", "[--locale NAME] VALUE [CODE...]",
     "show a value as each code displays it, with the general display and the code's kind", run,
     tour, 40}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
