// ou compare: compares two texts by the per-character sort weights, showing the weights walked,
// and with --locale also by the locale's numeric collation.
#include <cstdio>
#include <string>
#include <vector>

#include <utf8.h>

#include "OfficeUtils/Formatting/OU_FormattingResources.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/OU_NumericStringsComparator.h"
#include "OfficeUtils/OU_StringComparison.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

// "A:131 b:148 ..."; code points beyond the table show as U+XXXX and compare by that value.
void printWeights(const std::string& text) {
  std::printf("  %-12s", ("\"" + text + "\"").c_str());
  auto it = text.begin();
  try {
    while (it != text.end()) {
      const auto start = it;
      const std::uint32_t codePoint = utf8::next(it, text.end());
      if (codePoint < CharWeight.size()) {
        std::printf(" %s:%u", std::string(start, it).c_str(), CharWeight[codePoint]);
      } else {
        std::printf(" %s:U+%04X", std::string(start, it).c_str(), codePoint);
      }
    }
  } catch (const utf8::exception& error) {
    std::printf(" (%s from byte %zu)", error.what(), static_cast<std::size_t>(it - text.begin()));
  }
  std::printf("\n");
}

const char* describe(int result) {
  return result < 0 ? "the first sorts first" : result > 0 ? "the second sorts first" : "equal";
}

int compare(const std::string& a, const std::string& b) {
  printWeights(a);
  printWeights(b);
  try {
    const int result = compareStringsByWeight(a, b);
    std::printf("  -> %d (%s)\n", result, describe(result));
    return 0;
  } catch (const utf8::exception& error) {
    std::printf("  -> %s\n", error.what());
    return 1;
  }
}

// Collation for a locale name: only the name matters to the comparator, so the other parts of
// the context are the built-in defaults.
int collate(const std::string& a, const std::string& b, const std::string& localeName) {
  const LocaleResources resources(LocaleResources::getDefaultSymbols(), localeName);
  const LocaleContext context(ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(),
                              resources, FormattingResources::getDefaultFormattingResources(),
                              DOM::TimeZone::getUTCTimeZone());
  const int result = NumericStringComparator(context)(a, b);
  std::printf("  %s numeric collation -> %d (%s)\n", localeName.c_str(), result, describe(result));
  return 0;
}

int run(const std::vector<std::string>& arguments) {
  const bool withLocale = arguments.size() == 4 && arguments[2] == "--locale";
  if (arguments.size() != 2 && !withLocale) {
    std::fprintf(stderr, "usage: ou compare A B [--locale NAME]\n");
    return 1;
  }
  const int status = compare(arguments[0], arguments[1]);
  if (withLocale) return collate(arguments[0], arguments[1], arguments[3]) | status;
  return status;
}

void tour() {
  const struct {
    const char* a;
    const char* b;
  } examples[] = {{"apple", "APPLE"}, {"9", "A"},    {"item10", "item2"},
                  {"z", "\u0100"},    {"a-b", "ab"}, {"b", "a\xff"}};
  for (const auto& example : examples) {
    std::printf("$ ou compare \"%s\" \"%s\"\n", example.a, example.b);
    compare(example.a, example.b);
  }
  std::printf("$ ou compare item10 item2 --locale en_US\n");
  compare("item10", "item2");
  collate("item10", "item2", "en_US");
}

const CommandRegistrar registrar{
    {"compare", "A B [--locale NAME]",
     "compare two texts by the spreadsheet sort weights (and a locale's numeric collation)", run,
     tour, 62}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
