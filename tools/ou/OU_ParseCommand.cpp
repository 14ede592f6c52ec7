// ou parse: the cell-format model of a format code as the parser reads it, rule by rule, with
// each rule's condition, directives and items; or a plain statement that the code is invalid.
#include <cstdio>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;

const char* const OperatorTexts[] = {"<", ">", "=", "<>", "<=", ">="};
const char* const TextTypeNames[] = {"literal", "raw", "transparent", "fill", "percent"};
const char* const ExtraNames[] = {"General", "fraction slash", "exponent E+", "exponent E-",
                                  "text @"};
const char* const RoleNames[] = {"integer", "numerator", "denominator", "exponent"};
const char* const DateTimeNames[] = {"am/pm A/P",
                                     "am/pm AM/PM",
                                     "day d",
                                     "day dd",
                                     "weekday ddd",
                                     "weekday dddd",
                                     "hours h",
                                     "hours hh",
                                     "elapsed hours [h]",
                                     "elapsed hours [hh]",
                                     "minutes m",
                                     "minutes mm",
                                     "elapsed minutes [m]",
                                     "elapsed minutes [mm]",
                                     "seconds s",
                                     "seconds ss",
                                     "elapsed seconds [s]",
                                     "elapsed seconds [ss]",
                                     "month m",
                                     "month mm",
                                     "month mmm",
                                     "month mmmm",
                                     "month mmmmm",
                                     "year yy",
                                     "year yyyy",
                                     "buddhist year bb",
                                     "buddhist year bbbb",
                                     "quarter q",
                                     "quarter qq",
                                     "era r",
                                     "era rr",
                                     "week ww"};

std::string describe(const Model::Condition& condition) {
  return fmt::format("{} {}", OperatorTexts[static_cast<int>(condition.getType())],
                     condition.getValue().getValue());
}

std::string describe(const Model::TextItem& item) {
  return fmt::format("text {} \"{}\"", TextTypeNames[static_cast<int>(item.getType())],
                     item.getTextValue());
}

std::string describe(const Model::CurrencyItem& item) {
  if (!item.getLanguage()) return fmt::format("currency \"{}\"", item.getCurrencySymbol());
  return fmt::format("currency \"{}\" language 0x{:X}", item.getCurrencySymbol(),
                     *item.getLanguage());
}

std::string describe(const Model::DateTimeItem& item) {
  std::string text = DateTimeNames[static_cast<int>(item.getType())];
  if (item.getDecimalPlaces())
    text += fmt::format(" with {} decimal places", *item.getDecimalPlaces());
  return text;
}

std::string describe(const Model::ExtraItem& item) {
  return ExtraNames[static_cast<int>(item.getType())];
}

std::string describe(const Model::NumberItem& item) {
  return fmt::format(
      "number {} \"{}\"{}{}", RoleNames[static_cast<int>(item.getRole())], item.getPattern(),
      item.hasGrouping() ? " grouped" : "",
      item.getDisplayFactor() ? fmt::format(" divided by 1000^{}", item.getDisplayFactor()) : "");
}

void printRule(const std::string& title, const Model::Rule& rule,
               const std::string& positionalCondition) {
  std::printf("  %s\n", title.c_str());
  if (rule.getCondition()) {
    std::printf("    condition: %s\n", describe(*rule.getCondition()).c_str());
  } else if (!positionalCondition.empty()) {
    std::printf("    condition: %s (by position)\n", positionalCondition.c_str());
  }
  if (const auto& color = rule.getColor())
    std::printf("    colour: rgb(%d, %d, %d)\n", color->red, color->green, color->blue);
  if (rule.getTransliteration())
    std::printf("    transliteration: DBNum%d\n", static_cast<int>(*rule.getTransliteration()) + 1);
  if (rule.getLanguage()) std::printf("    language: 0x%X\n", *rule.getLanguage());
  if (rule.getCalendar())
    std::printf("    calendar: B%d\n", static_cast<int>(*rule.getCalendar()) + 1);
  if (rule.getItems().empty()) std::printf("    (no items)\n");
  for (const auto& item : rule.getItems()) {
    std::printf(
        "    %s\n",
        boost::apply_visitor([](const auto& value) { return describe(value); }, item).c_str());
    const auto* number = boost::get<Model::NumberItem>(&item);
    if (!number) continue;
    for (const auto& [position, embedded] : number->getEmbeddedItems()) {
      std::printf("      %zu from the right: %s\n", position,
                  boost::apply_visitor([](const auto& value) { return describe(value); }, embedded)
                      .c_str());
    }
  }
}

void printModel(const std::string& code, Parser::ParserType type) {
  const auto expression = Parser::parse(code, type);
  if (!expression) {
    std::printf("  invalid: \"%s\" is not a valid format code%s\n", code.c_str(),
                type == Parser::ParserType::Restricted ? " in the restricted dialect" : "");
    return;
  }
  const auto& rules = expression->getRules();
  for (std::size_t i = 0; i < rules.size(); ++i)
    printRule(fmt::format("rule {}", i + 1), rules[i],
              describe(Parser::resolveCondition(*expression, i)));
  if (const auto& rule = expression->getDefaultNumberRule())
    printRule("default number rule", *rule, "");
  if (const auto& rule = expression->getDefaultTextRule())
    printRule("default text rule", *rule, "");
}

int run(const std::vector<std::string>& arguments) {
  auto type = Parser::ParserType::Default;
  std::vector<std::string> codes;
  for (const auto& argument : arguments) {
    if (argument == "--restricted") {
      type = Parser::ParserType::Restricted;
    } else {
      codes.push_back(argument);
    }
  }
  if (codes.size() != 1) {
    std::fprintf(stderr, "usage: ou parse CODE [--restricted]\n");
    return 1;
  }
  printModel(codes.front(), type);
  return Parser::parse(codes.front(), type) ? 0 : 1;
}

void tour() {
  for (const char* code : {"#,##0.00;[Red]-#,##0.00", "[$-409]h:mm AM/PM", "# ?/16",
                           "[>=100][Color 10]0.0%;[<0]\"neg \"0;@", "0;-0;0;0;0"}) {
    std::printf("$ ou parse '%s'\n", code);
    printModel(code, Parser::ParserType::Default);
  }
  std::printf("$ ou parse 'yyyy q' --restricted\n");
  printModel("yyyy q", Parser::ParserType::Restricted);
}

const CommandRegistrar registrar{{"parse", "CODE [--restricted]",
                                  "print the cell-format model of a format code", run, tour, 30}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
