// Weighted comparison of cell texts beside memcmp on the same texts in the same run (memcmp
// being the floor for a byte-order comparison).
#include "OfficeUtils/OU_StringComparison.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

using namespace Vesk::OfficeUtils;

namespace {

// Pairs that differ near their end, as texts sorted into a column of similar entries do.
std::vector<std::pair<std::string, std::string>> makePairs(bool latin1) {
  const std::string stem =
      latin1 ? "Gr\u00fc\u00dfe aus M\u00fcnchen, Stra\u00dfe " : "Quarterly report, region ";
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int i = 0; i < 64; ++i) {
    pairs.emplace_back(stem + std::to_string(1000 + i), stem + std::to_string(1000 + i + 1));
  }
  return pairs;
}

void BM_CompareStringsByWeight(benchmark::State& state) {
  const auto pairs = makePairs(state.range(0) != 0);
  int64_t bytes = 0;
  for (const auto& [a, b] : pairs) bytes += static_cast<int64_t>(a.size());
  int sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& [a, b] : pairs) sum += compareStringsByWeight(a, b);
    benchmark::DoNotOptimize(sum);
  }
  if (sum != -64) state.SkipWithError("wrong comparison results");
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_CompareStringsByWeight)->Arg(0)->Arg(1)->ArgName("latin1");

void BM_Memcmp(benchmark::State& state) {
  const auto pairs = makePairs(state.range(0) != 0);
  int64_t bytes = 0;
  for (const auto& [a, b] : pairs) bytes += static_cast<int64_t>(a.size());
  int sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& [a, b] : pairs) {
      benchmark::DoNotOptimize(a.data());
      const int result = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
      sum += result < 0 ? -1 : result > 0 ? 1 : 0;
    }
    benchmark::DoNotOptimize(sum);
  }
  if (sum != -64) state.SkipWithError("wrong comparison results");
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_Memcmp)->Arg(0)->Arg(1)->ArgName("latin1");

}  // namespace
