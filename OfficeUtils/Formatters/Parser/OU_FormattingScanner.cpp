#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <type_traits>

#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils::Parser {

// No output stream: no rule echoes its input.
FormattingScanner::FormattingScanner(std::istream& input) : FormattingFlexLexer(&input, nullptr) {}

boost::optional<FormattingToken> FormattingScanner::getNextToken() {
  using Type = FormattingToken::Type;
  _value.clear();
  const auto type = static_cast<Type>(numCast<std::underlying_type_t<Type>>(yylex()));
  if (type == Type::End) return boost::none;
  return FormattingToken(type, _value);
}

void FormattingScanner::setValue(std::string_view value) {
  _value.assign(value);
}

}  // namespace Vesk::OfficeUtils::Parser
