// ou explain: a format code read into the cell-format model, rule by rule in the model's compact
// form with the condition that selects it, the kind of value it shows and the code written back
// from the model, with a note when the written code reads back into a different model; or a
// plain statement that the code is invalid.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Parser::ParserType;

template <typename Value>
std::string dump(const Value& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

void printRule(const std::string& title, const Model::Rule& rule, ParserType type,
               const boost::optional<Model::Condition>& positional = boost::none) {
  std::printf("  %s \"%s\": %s\n", title.c_str(), Parser::toRegEx(rule, type).c_str(),
              Parser::formatTypeName(Parser::calcFormatType(rule)));
  if (positional && !rule.getCondition())
    std::printf("    condition by position: %s\n", dump(*positional).c_str());
  std::printf("    %s\n", dump(rule).c_str());
}

bool explain(const std::string& code, ParserType type) {
  const auto expression = Parser::parse(code, type);
  if (!expression) {
    std::printf("  invalid: \"%s\" is not a valid format code%s\n", code.c_str(),
                type == ParserType::Restricted ? " in the restricted dialect" : "");
    return false;
  }
  const auto& rules = expression->getRules();
  for (std::size_t i = 0; i < rules.size(); ++i)
    printRule("rule " + std::to_string(i + 1), rules[i], type,
              Parser::resolveCondition(*expression, i));
  if (const auto& rule = expression->getDefaultNumberRule())
    printRule("default number rule", *rule, type);
  if (const auto& rule = expression->getDefaultTextRule())
    printRule("default text rule", *rule, type);
  const std::string written = Parser::toRegEx(*expression, type);
  std::printf("  kind: %s\n  written: \"%s\"\n",
              Parser::formatTypeName(Parser::calcFormatType(*expression)), written.c_str());
  if (Parser::parse(written, type) != expression)
    std::printf("  note: the written code reads back into a different model\n");
  return true;
}

int run(const std::vector<std::string>& arguments) {
  auto type = ParserType::Default;
  std::vector<std::string> codes;
  for (const auto& argument : arguments) {
    if (argument == "--restricted") {
      type = ParserType::Restricted;
    } else {
      codes.push_back(argument);
    }
  }
  if (codes.size() != 1) {
    std::fprintf(stderr, "usage: ou explain CODE [--restricted]\n");
    return 1;
  }
  return explain(codes.front(), type) ? 0 : 1;
}

void tour() {
  for (const char* code : {"#,##0.00;[Red]-#,##0.00", "[$€-407]#,##0.00", "0.0%,", "# ?/16",
                           "[>=100][Color 10]0;\"x\"@", "[$-409]h:mm AM/PM", ";;;@"}) {
    std::printf("$ ou explain '%s'\n", code);
    explain(code, ParserType::Default);
  }
  std::printf("$ ou explain 'yyyy q' --restricted\n");
  explain("yyyy q", ParserType::Restricted);
  // The locale-dependent formats have no code of their own: the locale writes it.
  const auto& context = LocaleContext::getEnLocaleContext();
  for (const auto type : {Model::DateTimeDefaultType::Date, Model::DateTimeDefaultType::Time,
                          Model::DateTimeDefaultType::DateTime}) {
    const Model::DateTimeLocalizedExpression expression(type);
    std::printf("  %s in English: \"%s\"\n", dump(expression).c_str(),
                Parser::toRegEx(expression, context).c_str());
  }
}

const CommandRegistrar registrar{{"explain", "CODE [--restricted]",
                                  "print the model, kind and written-back code of a format code",
                                  run, tour, 35}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
