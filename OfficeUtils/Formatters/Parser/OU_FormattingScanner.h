// The format-code scanner: splits one section of a number-format code into FormattingTokens,
// longest match first. It reads borrowed text, which must stay alive and unchanged until the
// scanner is restarted or destroyed; one thread at a time. One scanner can serve any number of
// texts in turn (restart), reusing its buffer.
// The input must be valid UTF-8: a byte that is not part of a UTF-8 character is a fatal scanner
// error ("flex scanner jammed" on stderr, exit status 2), so callers validate untrusted text.
//
// The scanner derives from the class that flex generates from Lexer.l, so this header needs
// <FlexLexer.h> from flex (Debian package libfl-dev) on the include path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <boost/optional.hpp>

// Declares the generated base class FormattingFlexLexer. The generated scanner source declares
// it itself before including this header and defines OU_FORMATTING_FLEX_LEXER_DECLARED first.
#ifndef OU_FORMATTING_FLEX_LEXER_DECLARED
#  define OU_FORMATTING_FLEX_LEXER_DECLARED
#  pragma push_macro("yyFlexLexer")
#  pragma push_macro("yyFlexLexerOnce")
#  undef yyFlexLexer
#  define yyFlexLexer FormattingFlexLexer
#  include <FlexLexer.h>
#  pragma pop_macro("yyFlexLexerOnce")
#  pragma pop_macro("yyFlexLexer")
#endif

#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"

namespace Vesk::OfficeUtils::Parser {

class FormattingScanner : public FormattingFlexLexer {
 public:
  explicit FormattingScanner(std::string_view input = {});

  // Starts over on `input`, forgetting the rest of the previous text.
  void restart(std::string_view input);

  // The next token, or none once the input is exhausted. "#,##0" gives Number "#", Comma ",",
  // Number "#", Number "#", Number "0", then none. The token's value is a piece of the input
  // text (or a fixed spelling such as "red"), valid as long as that text.
  [[nodiscard]] boost::optional<FormattingToken> getNextToken();

  // Replaces the value of the current token; rule actions call it before returning their type,
  // with a piece of the lexeme (taken from the input text instead) or a literal.
  void setValue(std::string_view value) {
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

 protected:
  // Runs the rules once and returns the integer value of a FormattingToken::Type (End when the
  // input is exhausted). Generated from Lexer.l.
  int yylex() override;

  // Copies the text into flex's buffer, which holds all of it (see Lexer.l).
  void translateInput(char* buffer) const;

 private:
  std::string_view _input;
  const char* _buffer = nullptr;    // flex's copy of _input
  std::size_t _position = 0;        // offset just past the current lexeme
  std::size_t _bracketFreeEnd = 0;  // see the NO_CLOSING_BRACKET state of the rules
  std::string_view _value;
};

}  // namespace Vesk::OfficeUtils::Parser
