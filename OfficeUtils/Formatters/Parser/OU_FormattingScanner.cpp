#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <type_traits>

#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils::Parser {

// No streams: restart copies the text into flex's buffer and no rule echoes its input.
FormattingScanner::FormattingScanner(std::string_view input)
    : FormattingFlexLexer(nullptr, nullptr) {
  restart(input);
}

// NUL goes over as \xC0 and \xC0 as \xC1 (see Lexer.l): flex keeps NUL for its buffer end.
void FormattingScanner::translateInput(char* buffer) const {
  for (std::size_t i = 0; i < _input.size(); ++i) {
    const auto byte = static_cast<unsigned char>(_input[i]);
    buffer[i] = static_cast<char>(byte == 0 ? 0xC0 : byte == 0xC0 ? 0xC1 : byte);
  }
}

boost::optional<FormattingToken> FormattingScanner::getNextToken() {
  using Type = FormattingToken::Type;
  _value = {};
  // Every rule consumes what it matched: once all of the text is consumed only the end is
  // left, which flex would find through its end-of-buffer handling.
  if (_buffer != nullptr && _position == _input.size()) return boost::none;
  const auto type = static_cast<Type>(numCast<std::underlying_type_t<Type>>(yylex()));
  boost::optional<FormattingToken> token;
  if (type != Type::End) token.emplace(type, _value);
  return token;
}

}  // namespace Vesk::OfficeUtils::Parser
