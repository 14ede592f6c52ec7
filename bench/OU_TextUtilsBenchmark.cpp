// List numbering text for the first thousand ordinals in each style, beside std::to_chars into a
// string for the same ordinals (the floor) in one run.
#include "OfficeUtils/Utils/OU_TextUtils.h"

#include <charconv>
#include <cstddef>
#include <string>

#include <benchmark/benchmark.h>

using namespace Vesk::OfficeUtils;
using Vesk::DOM::NumberFormatType;

namespace {

constexpr std::size_t Ordinals = 1000;

void BM_IndexToString(benchmark::State& state) {
  const auto type = static_cast<NumberFormatType>(state.range(0));
  for (auto _ : state) {
    for (std::size_t index = 1; index <= Ordinals; ++index)
      benchmark::DoNotOptimize(indexToString(index, type));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Ordinals));
}
BENCHMARK(BM_IndexToString)->DenseRange(0, 4)->ArgName("type");

void BM_ToCharsString(benchmark::State& state) {
  char buffer[32];
  for (auto _ : state) {
    for (std::size_t index = 1; index <= Ordinals; ++index) {
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, index).ptr;
      benchmark::DoNotOptimize(std::string(buffer, end));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Ordinals));
}
BENCHMARK(BM_ToCharsString);

}  // namespace
