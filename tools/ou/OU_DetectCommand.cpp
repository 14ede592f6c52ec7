// ou detect: what typed cell input becomes under a locale (kind, value, and the cell format
// written as a code), and with --explain which detector answered and the matched parts. The
// grammar is the library's own for the locale unless --grammar layers a JSON grammar file over
// the locale's data.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionExplanation.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "host/ResourceManager/OU_LayeredResourceProvider.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

using Vesk::ResourceManager::ResourceProvider;

constexpr const char* Usage =
    "usage: ou detect [--locale L (en_US)] [--grammar FILE.json] [--mask HEX (3F)] [--explain] "
    "TEXT...\n";

struct Options {
  std::string locale = "en_US";
  std::string grammar;
  unsigned char mask = AllDetectorsMask;
  bool explain = false;
  std::vector<std::string> texts;
};

bool readOptions(const std::vector<std::string>& arguments, Options& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--locale" && hasValue) {
      options.locale = arguments[++i];
    } else if (argument == "--grammar" && hasValue) {
      options.grammar = arguments[++i];
    } else if (argument == "--mask" && hasValue) {
      const std::string& mask = arguments[++i];
      if (mask.empty() || mask.size() > 2 ||
          mask.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
      options.mask = static_cast<unsigned char>(std::stoul(mask, nullptr, 16));
    } else if (argument == "--explain") {
      options.explain = true;
    } else {
      options.texts.push_back(argument);
    }
  }
  return !options.texts.empty();
}

std::string describeValue(const FormulaModel::FormulaValue& value) {
  if (const auto* number = boost::get<FormulaModel::FormulaNumber>(&value))
    return fmt::format("{}", number->getValue().getValue());
  if (const auto* error = boost::get<FormulaModel::FormulaError>(&value))
    return DOM::formulaErrorTypeToString(error->getType());
  return "-";
}

void print(const std::string& text, const DetectionExplanation& explanation,
           const LocaleContext& context, bool explain) {
  std::printf("  \"%s\": %s %s", text.c_str(), detectedKindName(explanation.kind),
              describeValue(explanation.value).c_str());
  if (explanation.format)
    std::printf(" \"%s\"",
                Parser::toRegEx(explanation.format->getData(), Parser::ParserType::Default, context)
                    .c_str());
  std::printf("\n");
  if (!explain) return;
  if (explanation.detectorMask) std::printf("    detector 0x%02X\n", explanation.detectorMask);
  for (const auto& part : explanation.parts)
    std::printf("    %-19s \"%s\"\n", part.typicalName.c_str(), part.text.c_str());
}

int run(const std::vector<std::string>& arguments) {
  Options options;
  if (!readOptions(arguments, options)) {
    std::fputs(Usage, stderr);
    return 1;
  }
  std::shared_ptr<const ResourceProvider> provider = makeLocaleProvider(options.locale);
  if (!provider) {
    std::fprintf(stderr, "ou detect: no locale data for \"%s\"\n", options.locale.c_str());
    return 1;
  }
  try {
    if (!options.grammar.empty()) {
      auto grammar = std::make_shared<Vesk::ResourceManager::JsonResourceProvider>(
          std::filesystem::path(options.grammar));
      provider = std::make_shared<Vesk::ResourceManager::LayeredResourceProvider>(
          std::vector<std::shared_ptr<const ResourceProvider>>{grammar, provider});
    }
    const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
    const LocaleContext& context = manager.getLocaleContext();
    const FormatDetectorMatcher matcher(context);
    for (const auto& text : options.texts)
      print(text, explainDetection(matcher, text, options.mask), context, options.explain);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ou detect: %s\n", error.what());
    return 1;
  }
  return 0;
}

void tour() {
  const std::vector<std::vector<std::string>> examples = {
      {"1,234.5", "12.5%", "-(5)", "$1,234.50", "1 1/4", "1.5E-3", "hello"},
      {"--locale", "de_DE", "1.234,5", "12,5 %", "1,5E-3", "3.4.2024"},
      {"--explain", "3/4", "12:30 PM", "3/4/2024 12:30"},
      {"--locale", "en_GB", "--explain", "3/4"},
  };
  for (const auto& example : examples) {
    std::printf("$ ou detect");
    for (const auto& argument : example) std::printf(" '%s'", argument.c_str());
    std::printf("\n");
    run(example);
  }
}

const CommandRegistrar registrar{{"detect", "[--locale L] [--explain] TEXT...",
                                  "what typed cell input becomes: kind, value and cell format", run,
                                  tour, 38}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
