#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formatters/Parser/OU_FormattingScanner";

}  // namespace

// No streams: the text comes through LexerInput and no rule echoes its input.
FormattingScanner::FormattingScanner(std::string_view input)
    : FormattingFlexLexer(nullptr, nullptr) {
  restart(input);
}

// NUL goes over as \xC0 and \xC0 as \xC1 (see Lexer.l): flex keeps NUL for its buffer end.
int FormattingScanner::LexerInput(char* buffer, int size) {
  const auto count = std::min(_input.size() - _read, static_cast<std::size_t>(std::max(size, 0)));
  for (std::size_t i = 0; i < count; ++i) {
    const auto byte = static_cast<unsigned char>(_input[_read + i]);
    buffer[i] = static_cast<char>(byte == 0 ? 0xC0 : byte == 0xC0 ? 0xC1 : byte);
  }
  _read += count;
  return static_cast<int>(count);
}

boost::optional<FormattingToken> FormattingScanner::getNextToken() {
  using Type = FormattingToken::Type;
  _value = {};
  const auto type = static_cast<Type>(numCast<std::underlying_type_t<Type>>(yylex()));
  boost::optional<FormattingToken> token;
  if (type != Type::End) token.emplace(type, _value);
  return token;
}

void FormattingScanner::setValue(std::string_view value) {
  // flex's buffer is refilled and reused, and holds NUL as another byte: a piece of the lexeme
  // is pointed at in the input, where the lexeme ends at _position.
  const auto lexemeStart = reinterpret_cast<std::uintptr_t>(yytext);
  const auto valueStart = reinterpret_cast<std::uintptr_t>(value.data());
  const auto lexemeLength = static_cast<std::size_t>(yyleng);
  if (yytext != nullptr && valueStart >= lexemeStart &&
      valueStart + value.size() <= lexemeStart + lexemeLength) {
    OU_ASSERT(_position >= lexemeLength && _position <= _input.size());
    const auto offset = _position - lexemeLength + (valueStart - lexemeStart);
    value = _input.substr(offset, value.size());
  }
  _value = value;
}

}  // namespace Vesk::OfficeUtils::Parser
