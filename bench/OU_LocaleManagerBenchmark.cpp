// Building a locale: ICU's data read into a provider, the shipped layers over it, and a
// LocaleManager reading its hundreds of keys (function names and descriptions, words, symbols,
// patterns parsed into formatting resources) from a ready provider.
#include "OfficeUtils/Locale/OU_LocaleManager.h"

#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_ICUResourceProvider.h"

namespace {

using Vesk::DOM::FormulaFunctionType;
using Vesk::DOM::TimeZone;
using Vesk::OfficeUtils::LocaleManager;

const char* const Locales[] = {"de_DE", "en_US", "ja_JP"};

void BM_ICUResourceProvider(benchmark::State& state) {
  const char* locale = Locales[state.range(0)];
  std::size_t keys = 0;
  for (auto _ : state) {
    const Vesk::ResourceManager::ICUResourceProvider provider(locale);
    keys = provider.size();
    benchmark::DoNotOptimize(keys);
  }
  state.SetLabel(locale);
  if (keys != 26) state.SkipWithError(("wrong key count " + std::to_string(keys)).c_str());
}
BENCHMARK(BM_ICUResourceProvider)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_MakeLocaleProvider(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Vesk::OfficeUtils::makeLocaleProvider("de_DE"));
}
BENCHMARK(BM_MakeLocaleProvider)->Unit(benchmark::kMicrosecond);

// The manager alone over a provider built once.
void BM_LocaleManager(benchmark::State& state) {
  const auto provider = Vesk::OfficeUtils::makeLocaleProvider(Locales[state.range(0)]);
  std::string sum;
  for (auto _ : state) {
    const LocaleManager manager(*provider, TimeZone());
    benchmark::DoNotOptimize(&manager.getLocaleContext());
    sum = std::string(manager.getLocaleContext().getResources().getFunctionsNamesMap().getName(
        FormulaFunctionType::Sum));
  }
  state.SetLabel(Locales[state.range(0)]);
  if (state.range(0) == 0 && sum != "SUMME") state.SkipWithError("SUM is not localized");
}
BENCHMARK(BM_LocaleManager)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// What a caller pays from a name to a context.
void BM_LocaleFromName(benchmark::State& state) {
  for (auto _ : state) {
    const auto provider = Vesk::OfficeUtils::makeLocaleProvider("de_DE");
    const LocaleManager manager(*provider, TimeZone());
    benchmark::DoNotOptimize(&manager.getLocaleContext());
  }
}
BENCHMARK(BM_LocaleFromName)->Unit(benchmark::kMicrosecond);

}  // namespace
