// A1 cell splitting by the library's precompiled full-match pattern, beside a hand-written
// scanner for the same grammar in the same run: the scanner is the floor the pattern is
// measured against.
#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"

#include <array>
#include <string_view>

#include <benchmark/benchmark.h>

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

template <typename Parse>
void runCells(benchmark::State& state, Parse parse) {
  int accepted = 0;
  for (auto _ : state) {
    accepted = 0;
    for (const auto cell : Cells) {
      auto parts = parse(cell);
      benchmark::DoNotOptimize(parts);
      accepted += parts.has_value();
    }
  }
  if (accepted != AcceptedCells) state.SkipWithError("wrong number of accepted cells");
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Cells.size()));
}

void BM_A1ShortCellParser(benchmark::State& state) {
  runCells(state, A1ShortCellParser::parse);
}
BENCHMARK(BM_A1ShortCellParser);

void BM_A1DirectScanner(benchmark::State& state) {
  runCells(state, scanA1Cell);
}
BENCHMARK(BM_A1DirectScanner);

// The prefix splitters on a workbook-qualified reference, for scale.
void BM_OXMLRefParser(benchmark::State& state) {
  constexpr std::string_view text = "'[Book1.xlsx]Sheet 1'!$A$1:$B$20";
  for (auto _ : state) {
    auto parts = OXMLRefParser::parse(text);
    benchmark::DoNotOptimize(parts);
  }
  if (OXMLRefParser::parse(text)->workbook != "Book1.xlsx") state.SkipWithError("wrong parts");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OXMLRefParser);

}  // namespace
