#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <cstdint>
#include <type_traits>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formatters/Parser/OU_FormattingScanner";

}  // namespace

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
  const auto type = static_cast<Type>(numCast<std::underlying_type_t<Type>>(yylex()));
  boost::optional<FormattingToken> token;
  if (type != Type::End) token.emplace(type, _value);
  return token;
}

void FormattingScanner::setValue(std::string_view value) {
  // flex's buffer holds NUL as another byte: a piece of it is pointed at in the input, which
  // the buffer copies byte for byte from its start.
  const auto bufferStart = reinterpret_cast<std::uintptr_t>(_buffer);
  const auto valueStart = reinterpret_cast<std::uintptr_t>(value.data());
  if (_buffer != nullptr && valueStart >= bufferStart &&
      valueStart + value.size() <= bufferStart + _input.size()) {
    value = _input.substr(valueStart - bufferStart, value.size());
  }
  _value = value;
}

}  // namespace Vesk::OfficeUtils::Parser
