// Counts the sections of a format code without the parser, as an independent check of how many
// rules a parsed code must have. Shared by the parser test and the parser fuzz target.
#pragma once

#include <cstddef>
#include <string_view>

namespace Vesk::OfficeUtils::Parser::TestSupport {

// One more than the ";" outside quotes, brackets and escapes: "0;\"a;b\";[;]0" has three.
inline std::size_t countSections(std::string_view code) {
  std::size_t count = 1;
  bool quoted = false, bracketed = false, escaped = false;
  for (const char c : code) {
    if (escaped) {
      escaped = false;
    } else if (quoted) {
      quoted = c != '"';
    } else if (bracketed) {
      bracketed = c != ']';
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[') {
      bracketed = true;
    } else if (c == '\\') {
      escaped = true;
    } else if (c == ';') {
      ++count;
    }
  }
  return count;
}

}  // namespace Vesk::OfficeUtils::Parser::TestSupport
