// Scanning speed of the format-code scanner over a mix of everyday format codes.
#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using Vesk::OfficeUtils::Parser::FormattingScanner;

// Codes as spreadsheets store them: numbers, percentages, scientific, fractions, currencies,
// dates and times, conditions and colours, text sections; each with its number of tokens.
struct Code {
  std::string text;
  long tokens;
};
const std::vector<Code> Codes = {
    {"General", 1},
    {"0", 1},
    {"0.00", 4},
    {"#,##0", 5},
    {"#,##0.00", 8},
    {"#,##0.00;[Red]-#,##0.00", 19},
    {"0%", 2},
    {"0.00%", 5},
    {"0.00E+00", 7},
    {"# ?/?", 5},
    {"# ??/??", 7},
    {"[$€-407]#,##0.00", 9},
    {"[$-409]mmmm d, yyyy;@", 9},
    {"dd.mm.yyyy", 5},
    {"d-mmm-yy", 5},
    {"h:mm AM/PM", 5},
    {"[h]:mm:ss", 5},
    {"mm:ss.0", 3},
    {"_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)", 35},
    {"[>=100][Color 10]0;[<0]\"neg \"0", 7},
};

long scanCodes() {
  long tokens = 0;
  static FormattingScanner scanner;  // restarted per code, as the parser does
  for (const auto& code : Codes) {
    scanner.restart(code.text);
    while (auto token = scanner.getNextToken()) {
      benchmark::DoNotOptimize(token->getValue().data());
      ++tokens;
    }
  }
  return tokens;
}

void BM_ScanFormatCodes(benchmark::State& state) {
  long tokens = 0;
  long lastPass = 0;
  for (auto _ : state) {
    lastPass = scanCodes();
    tokens += lastPass;
  }
  long expected = 0;
  for (const auto& code : Codes) expected += code.tokens;
  if (lastPass != expected) {
    std::fprintf(stderr, "scanned %ld tokens per pass, expected %ld\n", lastPass, expected);
    std::abort();
  }
  state.counters["tokens"] =
      benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kIsRate);
  state.counters["codes"] = benchmark::Counter(
      static_cast<double>(state.iterations() * Codes.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScanFormatCodes);

}  // namespace
