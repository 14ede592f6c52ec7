// Reference splitting by the library's scanners, beside the regular expressions that define the
// grammars (the library's earlier hot path) and, for A1 cells, a minimal hand-written scanner in
// this file: the floor the library is measured against.
#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"

#include <array>
#include <string_view>

#include <benchmark/benchmark.h>

#include "OfficeUtils/RegEx/OU_CellReferenceParsersTesting.h"

using namespace Vesk::OfficeUtils;

namespace {

// Typical cells, and two that must be rejected, as a formula engine meets them.
constexpr std::array<std::string_view, 8> Cells = {"A1",   "$B$7", "XFD1048576", "aa100",
                                                   "$C12", "Q$40", "XFE1",       "A01"};
constexpr int AcceptedCells = 6;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
int upper(char c) {
  return c & ~0x20;
}

// The A1 cell grammar written out: optional "$", one to three letters up to XFD, optional "$",
// a row from 1 to 1048576 without a leading zero.
boost::optional<ShortCellParts> scanA1Cell(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  ShortCellParts parts;
  if (i < n && text[i] == '$') ++i;
  parts.columnMarker = text.substr(0, i);
  const std::size_t columnStart = i;
  while (i < n && isLetter(text[i]) && i - columnStart < 4) ++i;
  const std::size_t letters = i - columnStart;
  if (letters == 0 || letters > 3) return boost::none;
  if (letters == 3) {
    const int a = upper(text[columnStart]), b = upper(text[columnStart + 1]),
              c = upper(text[columnStart + 2]);
    if (a > 'X' || (a == 'X' && (b > 'F' || (b == 'F' && c > 'D')))) return boost::none;
  }
  parts.column = text.substr(columnStart, letters);
  const std::size_t markerStart = i;
  if (i < n && text[i] == '$') ++i;
  parts.rowMarker = text.substr(markerStart, i - markerStart);
  const std::size_t rowStart = i;
  if (i == n || text[i] == '0') return boost::none;
  unsigned row = 0;
  for (; i < n; ++i) {
    if (!isDigit(text[i]) || i - rowStart >= 7) return boost::none;
    row = row * 10 + static_cast<unsigned>(text[i] - '0');
  }
  if (row > 1048576) return boost::none;
  parts.row = text.substr(rowStart);
  return parts;
}

// Parses every text of `texts` per iteration; items are texts.
template <std::size_t Count, typename Parse>
void runTexts(benchmark::State& state, const std::array<std::string_view, Count>& texts,
              Parse parse) {
  for (auto _ : state) {
    for (const auto text : texts) {
      auto parts = parse(text);
      benchmark::DoNotOptimize(parts);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Count));
}

template <typename Parse>
void runCells(benchmark::State& state, Parse parse) {
  int accepted = 0;
  for (const auto cell : Cells) accepted += parse(cell).has_value();
  if (accepted != AcceptedCells) state.SkipWithError("wrong number of accepted cells");
  runTexts(state, Cells, parse);
}

void BM_A1ShortCellParser(benchmark::State& state) {
  runCells(state, A1ShortCellParser::parse);
}
BENCHMARK(BM_A1ShortCellParser);

void BM_A1ShortCellPattern(benchmark::State& state) {
  runCells(state, Detail::matchA1ShortCell);
}
BENCHMARK(BM_A1ShortCellPattern);

void BM_A1DirectScanner(benchmark::State& state) {
  runCells(state, scanA1Cell);
}
BENCHMARK(BM_A1DirectScanner);

constexpr std::array<std::string_view, 6> R1C1Cells = {"R1C1",    "R[-1]C[2]",      "RC",
                                                       "R[12]C3", "r1048576c16384", "R1C16385"};
void BM_R1C1ShortCellParser(benchmark::State& state) {
  runTexts(state, R1C1Cells, R1C1ShortCellParser::parse);
}
BENCHMARK(BM_R1C1ShortCellParser);
void BM_R1C1ShortCellPattern(benchmark::State& state) {
  runTexts(state, R1C1Cells, Detail::matchR1C1ShortCell);
}
BENCHMARK(BM_R1C1ShortCellPattern);

constexpr std::array<std::string_view, 5> Ranges = {"A1:B2", "$A$1:$XFD$1048576", "b7:c9", "A1:B",
                                                    "AA10:AB200"};
void BM_A1ShortRange(benchmark::State& state) {
  runTexts(state, Ranges, parseA1ShortRange);
}
BENCHMARK(BM_A1ShortRange);
void BM_A1ShortRangePattern(benchmark::State& state) {
  runTexts(state, Ranges, Detail::matchA1ShortRange);
}
BENCHMARK(BM_A1ShortRangePattern);

// Workbook- and sheet-qualified references, and plain ones, as formulas hold them.
constexpr std::array<std::string_view, 5> OXMLRefs = {
    "'[Book1.xlsx]Sheet 1'!$A$1:$B$20", "Sheet1!A1", "Sheet1:Sheet3!B2", "A1", "[1]Data!C3"};
void BM_OXMLRefParser(benchmark::State& state) {
  runTexts(state, OXMLRefs, OXMLRefParser::parse);
}
BENCHMARK(BM_OXMLRefParser);
void BM_OXMLRefPattern(benchmark::State& state) {
  runTexts(state, OXMLRefs, Detail::matchOXMLRef);
}
BENCHMARK(BM_OXMLRefPattern);

constexpr std::array<std::string_view, 4> OpenFormulaRefs = {
    "'file:///x.ods'#$Sheet1.A1", "$'My Sheet'.B2", "Sheet1.A1:B2", "A1"};
void BM_OpenFormulaRefParser(benchmark::State& state) {
  runTexts(state, OpenFormulaRefs, OpenFormulaRefParser::parse);
}
BENCHMARK(BM_OpenFormulaRefParser);
void BM_OpenFormulaRefPattern(benchmark::State& state) {
  runTexts(state, OpenFormulaRefs, Detail::matchOpenFormulaRef);
}
BENCHMARK(BM_OpenFormulaRefPattern);

}  // namespace
