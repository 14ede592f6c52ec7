// Building a locale: ICU's data read into a provider, the shipped layers over it, and a
// LocaleManager reading its hundreds of keys (function names and descriptions, words, symbols,
// patterns parsed into formatting resources) from a ready provider. BM_LocaleFromNameFirstVisit
// builds locales this process has not built before, so that ICU's caches hold none of their data,
// beside BM_LocaleFromNameRevisit on the same names once built.
#include "OfficeUtils/Locale/OU_LocaleManager.h"

#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <unicode/locid.h>

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

// ICU's locales with a region, in its order: distinct data for each.
const std::vector<std::string>& regionalLocales() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> result;
    int32_t count = 0;
    const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
    for (int32_t i = 0; i < count; ++i)
      if (*locales[i].getCountry() != '\0' && *locales[i].getVariant() == '\0')
        result.emplace_back(locales[i].getName());
    return result;
  }();
  return names;
}

constexpr int VisitsPerRun = 60;

// Each iteration a locale this process has not built: repetitions move on through the list.
void BM_LocaleFromNameFirstVisit(benchmark::State& state) {
  static std::size_t next = 0;
  const auto& names = regionalLocales();
  for (auto _ : state) {
    const auto provider = Vesk::OfficeUtils::makeLocaleProvider(names[next++ % names.size()]);
    const LocaleManager manager(*provider, TimeZone());
    benchmark::DoNotOptimize(&manager.getLocaleContext());
  }
  if (next > names.size()) state.SkipWithError("every locale was visited: fewer repetitions");
}
BENCHMARK(BM_LocaleFromNameFirstVisit)->Iterations(VisitsPerRun)->Unit(benchmark::kMicrosecond);

// The first names again, each built before by the benchmark above.
void BM_LocaleFromNameRevisit(benchmark::State& state) {
  std::size_t next = 0;
  const auto& names = regionalLocales();
  for (auto _ : state) {
    const auto provider = Vesk::OfficeUtils::makeLocaleProvider(names[next++ % VisitsPerRun]);
    const LocaleManager manager(*provider, TimeZone());
    benchmark::DoNotOptimize(&manager.getLocaleContext());
  }
}
BENCHMARK(BM_LocaleFromNameRevisit)->Iterations(VisitsPerRun)->Unit(benchmark::kMicrosecond);

}  // namespace
