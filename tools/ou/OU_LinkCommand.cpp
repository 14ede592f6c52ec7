// ou link: splits a text into words at the hyperlink delimiters and says which words a host
// would turn into e-mail or web links.
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "OfficeUtils/RegEx/OU_Hyperlinks.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

const char* typeName(InternetResourceType type) {
  switch (type) {
    case InternetResourceType::Email:
      return "e-mail address";
    case InternetResourceType::WebAddress:
      return "web address";
    case InternetResourceType::None:
      break;
  }
  return "-";
}

bool isDelimiter(char c) {
  return std::find(HyperlinkDelimiters.begin(), HyperlinkDelimiters.end(),
                   static_cast<unsigned char>(c)) != HyperlinkDelimiters.end();
}

void describe(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    if (isDelimiter(text[start])) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < text.size() && !isDelimiter(text[end])) ++end;
    const std::string_view word = text.substr(start, end - start);
    std::printf("  %-36.*s %s\n", static_cast<int>(word.size()), word.data(),
                typeName(matchInternetResource(word)));
    start = end;
  }
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: ou link TEXT\n");
    return 1;
  }
  describe(arguments.front());
  return 0;
}

void tour() {
  for (const char* text : {"write to name@example.com or see www.example.com",
                           "HTTPS://EXAMPLE.ORG/a?b=c ftp://files www.example a@b"}) {
    std::printf("$ ou link \"%s\"\n", text);
    describe(text);
  }
}

const CommandRegistrar registrar{
    {"link", "TEXT", "find the words of TEXT that are e-mail or web addresses", run, tour, 61}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
