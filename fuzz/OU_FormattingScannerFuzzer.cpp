// Scans arbitrary format-code text and checks that every token is made of the input's bytes.
#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <utf8.h>

using Vesk::OfficeUtils::Parser::FormattingScanner;
using Type = Vesk::OfficeUtils::Parser::FormattingToken::Type;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Up to 64 KB: an unclosed "[$" or quote runs to the end of the input, which must cost the
  // scanner linear time (the .options budget).
  if (size > 65536) return 0;
  const std::string code(reinterpret_cast<const char*>(data), size);
  // A byte outside UTF-8 is a fatal scanner error by design: the process exits with status 2,
  // which the fuzzer would report as a crash. Callers validate their text first, and so do we.
  if (!utf8::is_valid(code.begin(), code.end())) return 0;

  FormattingScanner scanner(code);
  std::size_t tokens = 0;
  std::size_t valueBytes = 0;
  std::size_t position = 0;
  while (const auto token = scanner.getNextToken()) {
    const auto type = token->getType();
    const auto& value = token->getValue();
    // Every token consumes at least one byte; the scanner never yields minutes or End.
    if (++tokens > size) __builtin_trap();
    if (type >= Type::End || type == Type::MinutesLong || type == Type::MinutesShort)
      __builtin_trap();
    // Values are cut from their lexemes, never longer than the input altogether.
    valueBytes += value.size();
    if (valueBytes > size) __builtin_trap();
    // Apart from colours, transliterations and calendars, which carry a fixed spelling, each
    // value is a piece of the input found after the previous one.
    if (type == Type::Color || type == Type::Transliteration || type == Type::Calendar) continue;
    const auto found = code.find(value, position);
    if (found == std::string::npos) __builtin_trap();
    position = found + value.size();
  }
  return 0;
}
