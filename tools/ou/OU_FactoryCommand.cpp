// ou factory: a standard cell format as the cell format factory builds it for a locale (what
// typed-input detection gives "12.5%" or "1.234,50 €"), printed as its written code and kind.
#include <cstdio>
#include <string>
#include <vector>

#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Factory = CellFormatFactory;

constexpr const char* Usage =
    "usage: ou factory [--locale L (en_US)] KIND ARGS, KIND ARGS one of\n"
    "  number DECIMALS [--grouping] [--red] [--minus|--parentheses]\n"
    "  currency DECIMALS [CURRENCY] [--accounting] [--red] [--minus|--parentheses]\n"
    "  percentage DECIMALS | scientific DECIMALS\n"
    "  fraction NUMERATOR_DIGITS DENOMINATOR   (DENOMINATOR \"??\" for two digits, or \"16\")\n"
    "  date | time | datetime | text | general\n";

// A decimal number of at most nine digits, up to `limit`; counts stop at 30, past the digits a
// double holds.
boost::optional<unsigned long> readNumber(const std::string& text, unsigned long limit = 30) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos)
    return boost::none;
  const unsigned long value = std::stoul(text);
  return value <= limit ? boost::make_optional(value) : boost::none;
}

struct Request {
  std::string kind;
  std::vector<std::string> values;  // the arguments that are not flags
  bool grouping = false;
  bool red = false;
  bool accounting = false;
  boost::optional<Factory::NegativeNumberRenderingPolicy> policy;
};

Factory::CellFormatPtr build(const Request& request, const Factory& factory) {
  const auto& values = request.values;
  const std::string& kind = request.kind;
  if (kind == "date" || kind == "time" || kind == "datetime") {
    if (!values.empty()) return nullptr;
    return Factory::makeDateTimeFormat(kind == "date"   ? Model::DateTimeDefaultType::Date
                                       : kind == "time" ? Model::DateTimeDefaultType::Time
                                                        : Model::DateTimeDefaultType::DateTime);
  }
  if (kind == "text" && values.empty()) return Factory::makeTextFormat();
  if (kind == "general" && values.empty()) return Factory::makeDefaultFormat();
  const auto count = values.empty() ? boost::none : readNumber(values[0]);
  if (!count) return nullptr;
  if (kind == "currency" && values.size() <= 2) {
    const auto type =
        request.accounting ? Factory::CurrencyType::Accounting : Factory::CurrencyType::Regular;
    return factory.makeCurrencyFormat(*count, values.size() == 2 ? values[1] : "", request.red,
                                      request.policy, type);
  }
  if (kind == "fraction" && values.size() == 2 && *count > 0) {
    const std::string& denominator = values[1];
    if (!denominator.empty() && denominator.size() <= 30 &&
        denominator.find_first_not_of('?') == denominator.npos)
      return factory.makeFractionFormat(DenominatorDigitsNumber(denominator.size()), *count);
    const auto value = readNumber(denominator, 999999999);
    if (value && *value > 0) return factory.makeFractionFormat(DenominatorValue(*value), *count);
    return nullptr;
  }
  if (values.size() != 1) return nullptr;
  if (kind == "number")
    return factory.makeNumberFormat(*count, request.grouping, request.red, request.policy);
  if (kind == "percentage") return factory.makePercentageFormat(*count);
  if (kind == "scientific") return factory.makeScientificFormat(*count);
  return nullptr;
}

void print(const Factory::CellFormatPtr& format, const LocaleContext& context) {
  const std::string code = Parser::toRegEx(format->getData(), Parser::ParserType::Default, context);
  std::printf("  \"%s\" (%s)\n", code.c_str(),
              Parser::formatTypeName(Parser::calcFormatType(*format)));
}

// Runs `request` under the locale `name`.
int make(const std::string& name, const Request& request) {
  const auto provider = makeLocaleProvider(name);
  if (!provider) {
    std::fprintf(stderr, "ou factory: no locale data for \"%s\"\n", name.c_str());
    return 1;
  }
  const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  const LocaleContext& context = manager.getLocaleContext();
  const auto format = build(request, Factory(context));
  if (!format) {
    std::fputs(Usage, stderr);
    return 1;
  }
  print(format, context);
  return 0;
}

int run(const std::vector<std::string>& arguments) {
  std::string locale = "en_US";
  Request request;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--locale" && i + 1 < arguments.size()) {
      locale = arguments[++i];
    } else if (argument == "--grouping") {
      request.grouping = true;
    } else if (argument == "--red") {
      request.red = true;
    } else if (argument == "--accounting") {
      request.accounting = true;
    } else if (argument == "--minus") {
      request.policy = Factory::NegativeNumberRenderingPolicy::MinusSign;
    } else if (argument == "--parentheses") {
      request.policy = Factory::NegativeNumberRenderingPolicy::Parentheses;
    } else if (request.kind.empty()) {
      request.kind = argument;
    } else {
      request.values.push_back(argument);
    }
  }
  return make(locale, request);
}

void tour() {
  const std::vector<std::vector<std::string>> examples = {
      {"number", "2", "--grouping", "--red", "--minus"},
      {"currency", "2", "usd"},
      {"--locale", "de_DE", "currency", "2", "--accounting", "--red", "--minus"},
      {"--locale", "ja_JP", "currency", "0"},
      {"fraction", "1", "16"},
      {"--locale", "fr_FR", "datetime"},
  };
  for (const auto& example : examples) {
    std::string line = "$ ou factory";
    for (const auto& argument : example) line += " " + argument;
    std::printf("%s\n", line.c_str());
    run(example);
  }
}

const CommandRegistrar registrar{{"factory", "[--locale L] KIND ARGS",
                                  "print a standard cell format the factory builds for a locale",
                                  run, tour, 37}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
