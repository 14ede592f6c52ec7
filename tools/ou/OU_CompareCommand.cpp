// ou compare: compares two texts by the per-character sort weights, showing the weights walked.
#include <cstdio>
#include <string>
#include <vector>

#include <utf8.h>

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

int compare(const std::string& a, const std::string& b) {
  printWeights(a);
  printWeights(b);
  try {
    const int result = compareStringsByWeight(a, b);
    std::printf("  -> %d (%s)\n", result,
                result < 0   ? "the first sorts first"
                : result > 0 ? "the second sorts first"
                             : "equal");
    return 0;
  } catch (const utf8::exception& error) {
    std::printf("  -> %s\n", error.what());
    return 1;
  }
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() != 2) {
    std::fprintf(stderr, "usage: ou compare A B\n");
    return 1;
  }
  return compare(arguments[0], arguments[1]);
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
}

const CommandRegistrar registrar{
    {"compare", "A B", "compare two texts by the spreadsheet sort weights", run, tour, 62}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
