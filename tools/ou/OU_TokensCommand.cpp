// ou tokens: the token stream of one format-code section, one token per line, as the parser
// receives it.
#include <cstdio>
#include <string>
#include <vector>

#include <utf8.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

void printTokens(const std::string& code) {
  Parser::FormattingScanner scanner(code);
  bool any = false;
  while (const auto token = scanner.getNextToken()) {
    std::printf("  %s\n", token->toString().c_str());
    any = true;
  }
  if (!any) std::printf("  (no tokens)\n");
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: ou tokens CODE\n");
    return 1;
  }
  const auto& code = arguments.front();
  // The scanner stops the process on a byte outside UTF-8, so refuse such text up front.
  if (!utf8::is_valid(code.begin(), code.end())) {
    std::fprintf(
        stderr, "ou tokens: CODE is not valid UTF-8 (invalid byte at offset %zu)\n",
        static_cast<std::size_t>(utf8::find_invalid(code.begin(), code.end()) - code.begin()));
    return 1;
  }
  printTokens(code);
  return 0;
}

void tour() {
  for (const char* code :
       {"#,##0.00", "[Red][<=100]0.0E+00", "[$€-407]dd.mm.yyyy AM/PM", "_(* \"USD\"@_)"}) {
    std::printf("$ ou tokens '%s'\n", code);
    printTokens(code);
  }
}

const CommandRegistrar registrar{
    {"tokens", "CODE", "print the token stream of a format-code section", run, tour, 10}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
