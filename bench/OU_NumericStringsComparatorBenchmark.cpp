// Numeric collation of file-name-like texts beside a byte comparison of the same pairs (the
// floor) and beside the locale's collator without numeric ordering, in one run.
#include "OfficeUtils/OU_NumericStringsComparator.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

using namespace Vesk::OfficeUtils;

namespace {

using Pair = std::pair<std::string_view, std::string_view>;
constexpr std::array<Pair, 6> Pairs = {{{"item2", "item10"},
                                        {"Report 2024-12-31.xlsx", "Report 2024-12-30.xlsx"},
                                        {"B", "b"},
                                        {"Straße 7", "Strasse 12"},
                                        {"chapter 007", "chapter 7"},
                                        {"alpha", "alphabet"}}};

template <typename Compare>
void runPairs(benchmark::State& state, Compare compare) {
  // Copies, so that no comparison can be folded at compile time.
  const std::vector<std::pair<std::string, std::string>> pairs(Pairs.begin(), Pairs.end());
  for (auto _ : state) {
    for (const auto& [a, b] : pairs) benchmark::DoNotOptimize(compare(a, b));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Pairs.size()));
}

void BM_NumericStringComparator(benchmark::State& state) {
  const NumericStringComparator compare(LocaleContext::getEnLocaleContext());
  runPairs(state, std::ref(compare));
}
BENCHMARK(BM_NumericStringComparator);

void BM_PlainCollator(benchmark::State& state) {
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<icu::Collator> collator(
      icu::Collator::createInstance(icu::Locale("en_US"), status));
  runPairs(state, [&](std::string_view a, std::string_view b) {
    UErrorCode error = U_ZERO_ERROR;
    return collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                 icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), error);
  });
}
BENCHMARK(BM_PlainCollator);

void BM_ByteComparison(benchmark::State& state) {
  runPairs(state, [](std::string_view a, std::string_view b) { return a.compare(b); });
}
BENCHMARK(BM_ByteComparison);

// What a caller pays to build one, per locale.
void BM_NumericStringComparatorConstruction(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(NumericStringComparator(LocaleContext::getEnLocaleContext()));
}
BENCHMARK(BM_NumericStringComparatorConstruction);

}  // namespace
