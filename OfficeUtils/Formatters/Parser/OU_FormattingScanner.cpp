#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils::Parser {

// No streams: the text comes through LexerInput and no rule echoes its input.
FormattingScanner::FormattingScanner(std::string_view input)
    : FormattingFlexLexer(nullptr, nullptr) {
  restart(input);
}

int FormattingScanner::LexerInput(char* buffer, int size) {
  const auto count = std::min(_input.size() - _read, static_cast<std::size_t>(std::max(size, 0)));
  if (count > 0) std::memcpy(buffer, _input.data() + _read, count);
  _read += count;
  return static_cast<int>(count);
}

boost::optional<FormattingToken> FormattingScanner::getNextToken() {
  using Type = FormattingToken::Type;
  _value = {};
  const auto type = static_cast<Type>(numCast<std::underlying_type_t<Type>>(yylex()));
  boost::optional<FormattingToken> token;
  if (type != Type::End) token.emplace(type, std::string(_value));
  return token;
}

void FormattingScanner::setValue(std::string_view value) {
  _value = value;
}

}  // namespace Vesk::OfficeUtils::Parser
