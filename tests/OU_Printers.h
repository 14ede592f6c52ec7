// GoogleTest printers for the library's value types, so that failures read
// "Type: [Color] Value: [red]" rather than raw bytes. Include it in any test that compares them.
#pragma once

#include <ostream>

#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"

namespace Vesk::OfficeUtils::Parser {

inline void PrintTo(const FormattingToken& token, std::ostream* out) {
  *out << token.toString();
}

}  // namespace Vesk::OfficeUtils::Parser
