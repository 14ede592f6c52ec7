// Typed-input detection of a mixed column (numbers, grouped numbers, percentages, currency,
// fractions, scientific numbers, dates, times, text that matches nothing) with every detector
// asked, per locale and per kind of cell; building a matcher and the memory it holds; the first
// call of the default format context. The baseline in the same run is the locale-aware number
// conversion of the same texts, which every number detection pays once.
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace {

using namespace Vesk::OfficeUtils;
using Vesk::ResourceManager::ResourceProvider;

struct Cell {
  const char* kind;
  const char* text;
};

const std::map<std::string, std::vector<Cell>>& columns() {
  static const std::map<std::string, std::vector<Cell>> all = {
      {"en_US", {{"number", "42"},          {"number", "-17"},
                 {"number", "3.14159"},     {"grouped", "1,234,567.89"},
                 {"grouped", "12,000"},     {"percentage", "12.5%"},
                 {"percentage", "50 %"},    {"currency", "$1,234.50"},
                 {"currency", "-$12"},      {"fraction", "1 1/4"},
                 {"scientific", "1.5E-3"},  {"date", "3/4/2024"},
                 {"date", "12/31/1999"},    {"date", "4-Mar"},
                 {"date", "March 4, 2024"}, {"time", "12:30"},
                 {"time", "12:30:45 PM"},   {"datetime", "3/4/2024 12:30"},
                 {"text", "hello"},         {"text", "N/A"},
                 {"text", "Total amount"},  {"text", "abc123"}}},
      {"de_DE", {{"number", "42"},         {"number", "-17"},
                 {"number", "3,14159"},    {"grouped", "1.234.567,89"},
                 {"grouped", "12.000"},    {"percentage", "12,5%"},
                 {"percentage", "50 %"},   {"currency", "1.234,50 €"},
                 {"currency", "-12 €"},    {"fraction", "1 1/4"},
                 {"scientific", "1,5E-3"}, {"date", "4.3.2024"},
                 {"date", "31.12.1999"},   {"date", "4. Mär"},
                 {"date", "4. März 2024"}, {"time", "12:30"},
                 {"time", "12:30:45"},     {"datetime", "4.3.2024 12:30"},
                 {"text", "hallo"},        {"text", "k.A."},
                 {"text", "Summe gesamt"}, {"text", "abc123"}}},
  };
  return all;
}

// A locale's context and matcher.
struct Locale {
  explicit Locale(const std::string& name) {
    provider = makeLocaleProvider(name);
    manager = std::make_unique<LocaleManager>(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
    matcher = std::make_unique<FormatDetectorMatcher>(context());
  }
  const LocaleContext& context() const { return manager->getLocaleContext(); }

  std::shared_ptr<const ResourceProvider> provider;
  std::unique_ptr<LocaleManager> manager;
  std::unique_ptr<FormatDetectorMatcher> matcher;
};

const Locale& locale(const std::string& name) {
  static std::map<std::string, std::unique_ptr<Locale>> built;
  auto& slot = built[name];
  if (!slot) slot = std::make_unique<Locale>(name);
  return *slot;
}

std::vector<std::string> cellsOf(const std::string& name, const std::string& kind) {
  std::vector<std::string> texts;
  for (const auto& cell : columns().at(name))
    if (kind == "all" || kind == cell.kind) texts.push_back(cell.text);
  return texts;
}

void detectCells(benchmark::State& state, const std::string& name, const std::string& kind) {
  const Locale& loaded = locale(name);
  const auto texts = cellsOf(name, kind);
  std::size_t recognised = 0;
  for (auto _ : state)
    for (const auto& text : texts) {
      auto value = loaded.matcher->detect(text, AllDetectorsMask);
      recognised += !Vesk::FormulaModel::isFormulaEmpty(value);
      benchmark::DoNotOptimize(value);
    }
  const double cells = static_cast<double>(state.iterations() * texts.size());
  state.SetItemsProcessed(static_cast<std::int64_t>(cells));
  state.counters["ns_per_cell"] =
      benchmark::Counter(cells * 1e-9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["recognised"] = static_cast<double>(recognised) / cells;
}

void numberBaseline(benchmark::State& state, const std::string& name) {
  const Locale& loaded = locale(name);
  const auto texts = cellsOf(name, "all");
  for (auto _ : state)
    for (const auto& text : texts) benchmark::DoNotOptimize(stringToDouble(text, loaded.context()));
  const double cells = static_cast<double>(state.iterations() * texts.size());
  state.counters["ns_per_cell"] =
      benchmark::Counter(cells * 1e-9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void buildMatcher(benchmark::State& state, const std::string& name) {
  const Locale& loaded = locale(name);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto before = mallinfo2().uordblks;
    FormatDetectorMatcher matcher(loaded.context());
    bytes = mallinfo2().uordblks - before;
    benchmark::DoNotOptimize(matcher);
  }
  state.counters["bytes_held"] = static_cast<double>(bytes);
}

// What the first call of getDefaultFormatContext builds.
void buildDefaultFormatContext(benchmark::State& state) {
  const auto& context = LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType{2});
  for (auto _ : state) {
    FormatContext built(context);
    benchmark::DoNotOptimize(built);
  }
}

[[maybe_unused]] const bool registered = [] {
  for (const std::string name : {"en_US", "de_DE"}) {
    benchmark::RegisterBenchmark(("NumberConversionBaseline/" + name).c_str(), numberBaseline,
                                 name);
    for (const std::string kind : {"all", "number", "grouped", "percentage", "currency", "fraction",
                                   "scientific", "date", "time", "datetime", "text"})
      benchmark::RegisterBenchmark(("Detect/" + name + "/" + kind).c_str(), detectCells, name,
                                   kind);
    benchmark::RegisterBenchmark(("BuildMatcher/" + name).c_str(), buildMatcher, name)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("BuildDefaultFormatContext", buildDefaultFormatContext)
      ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
