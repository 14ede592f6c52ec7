// Values under whole format codes, each code parsed once, beside std::to_chars of the same values
// in the same run: one benchmark per family (integers, decimals, negatives, percentages,
// currency, fractions, scientific, dates, times) and the whole mixed column, under en_US and
// de_DE. BM_ToChars is the floor the plain number codes are measured against.
#include "OfficeUtils/Formatters/OU_CellFormatRenderer.h"

#include <charconv>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"

namespace {

using namespace Vesk::OfficeUtils;
using Vesk::DOM::CellFormatModel::Expression;

struct Family {
  const char* name;
  const char* code;
  std::vector<double> values;
};

const std::vector<Family>& families() {
  static const std::vector<Family> all = {
      {"integers", "#,##0", {42, 1234567, 7, 100000, 99, 250000000, 3, 65536}},
      {"decimals", "0.00", {3.14159, 2.675, 0.1, 1234.5, 99.995, 0.004, 17.25, 1e6 / 7}},
      {"negatives",
       "#,##0.00;[Red](#,##0.00)",
       {-3.14159, -2.675, 1234.5, -99.995, -0.004, 17.25, -1e6 / 7, 0}},
      {"percentages", "0.0%", {0.125, 0.5, 1.25, 0.0042, 0.999, 0.33333, 2, 0.07}},
      {"currency",
       "_-[$€-407]* #,##0.00_-;-[$€-407]* #,##0.00_-",
       {1234.5, -99.95, 0.5, 1e6, 42, -7.25, 19.99, 100}},
      {"fractions", "# ??/??", {0.5, 1.5, 3.14159, 0.333, 2.75, 10.2, 0.125, 7.9}},
      {"scientific", "0.00E+00", {12345, 0.00012, 6.02e23, 1.6e-19, 1, 99999, 3e8, 42}},
      {"dates", "dd.mm.yyyy", {45000, 44197, 36526, 40000, 43831, 45291, 38571, 41000}},
      {"times", "hh:mm:ss", {0.5, 0.75, 0.123456, 0.999, 45000.25, 0.0416667, 0.3, 0.6}},
  };
  return all;
}

const LocaleContext& locale(const std::string& name) {
  struct Locale {
    std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
    std::unique_ptr<LocaleManager> manager;
  };
  static Locale en{makeLocaleProvider("en_US"), nullptr};
  static Locale de{makeLocaleProvider("de_DE"), nullptr};
  Locale& chosen = name == "de_DE" ? de : en;
  if (!chosen.manager)
    chosen.manager =
        std::make_unique<LocaleManager>(*chosen.provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  return chosen.manager->getLocaleContext();
}

void BM_ToChars(benchmark::State& state) {
  const Family& family = families()[state.range(0)];
  char buffer[64];
  for (auto _ : state)
    for (const double value : family.values) {
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
      benchmark::DoNotOptimize(result.ptr);
    }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(family.values.size()));
  state.SetLabel(family.name);
}

void render(benchmark::State& state, const char* localeName) {
  const Family& family = families()[state.range(0)];
  const Expression format = *Parser::parse(family.code, Parser::ParserType::Default);
  const LocaleContext& context = locale(localeName);
  for (auto _ : state)
    for (const double value : family.values)
      benchmark::DoNotOptimize(formatValue(value, format, context));
  state.SetItemsProcessed(state.iterations() * static_cast<long>(family.values.size()));
  state.SetLabel(std::string(family.name) + " " + localeName);
}

void BM_RenderEnUS(benchmark::State& state) {
  render(state, "en_US");
}
void BM_RenderDeDE(benchmark::State& state) {
  render(state, "de_DE");
}

// The whole column, one value of each family after another.
void mixed(benchmark::State& state, const char* localeName) {
  std::vector<std::pair<Expression, double>> column;
  for (std::size_t i = 0; i < 8; ++i)
    for (const Family& family : families())
      column.emplace_back(*Parser::parse(family.code, Parser::ParserType::Default),
                          family.values[i]);
  const LocaleContext& context = locale(localeName);
  for (auto _ : state)
    for (const auto& [format, value] : column)
      benchmark::DoNotOptimize(formatValue(value, format, context));
  state.SetItemsProcessed(state.iterations() * static_cast<long>(column.size()));
}

void BM_MixedColumnEnUS(benchmark::State& state) {
  mixed(state, "en_US");
}
void BM_MixedColumnDeDE(benchmark::State& state) {
  mixed(state, "de_DE");
}

BENCHMARK(BM_ToChars)->DenseRange(0, 8);
BENCHMARK(BM_RenderEnUS)->DenseRange(0, 8);
BENCHMARK(BM_RenderDeDE)->DenseRange(0, 8);
BENCHMARK(BM_MixedColumnEnUS);
BENCHMARK(BM_MixedColumnDeDE);

}  // namespace
