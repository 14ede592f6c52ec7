// Arbitrary bytes as a format code in either dialect: whatever parses is written back, and the
// written code must read back into the same model and write itself again. Models the writer
// cannot bring back unchanged (see tests/Formatters/Parser/OU_FormatCodeRoundTrip.h) must still
// settle into a code that writes itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "tests/Formatters/Parser/OU_FormatCodeRoundTrip.h"

using namespace Vesk::OfficeUtils::Parser;
using Vesk::OfficeUtils::Parser::TestSupport::RoundTripGap;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;  // the .options budget holds it to linear cost
  FuzzedDataProvider input(data, size);
  // The last byte picks the dialect (odd: restricted), as in the parser's target.
  const auto dialect = input.ConsumeBool() ? ParserType::Restricted : ParserType::Default;
  const std::string code = input.ConsumeRemainingBytesAsString();  // any bytes, bad UTF-8 too

  const auto model = parse(code, dialect);
  if (!model) return 0;
  const auto gap = TestSupport::roundTripGap(*model, dialect);
  const std::string written = toRegEx(*model, dialect);
  // A fill such as "*\" can make the written text split differently: nothing to compare.
  if (gap == RoundTripGap::SplitCharacter) return 0;
  auto current = parse(written, dialect);
  // Items that only a language tag parted may read back as a point in a denominator.
  if (!current && gap == RoundTripGap::RunTogether) return 0;
  if (!current || (gap == RoundTripGap::None && *current != *model)) __builtin_trap();
  // The writes settle: at once without a gap, after one or (run-together items) two rewrites.
  std::string previous = written;
  for (int round = 0; round < 3; ++round) {
    const std::string again = toRegEx(*current, dialect);
    if (again == previous) return 0;
    if (gap == RoundTripGap::None || round == 2) __builtin_trap();
    current = parse(again, dialect);
    if (!current) __builtin_trap();
    previous = again;
  }
  __builtin_trap();
}
