// The formula casts on their hot paths, each beside its floor in the same run: toNumber of a
// string per kind of text beside the detection it runs (BM_Detect), toString of a number with the
// caller's formatter, with none (one built per call) and beside the formatter alone, and toComplex
// of complex text. BM_ToDateTimeOfDate builds the locale's date detector per call.
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"
#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formulas/OU_FormulaValueCast.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"

namespace {

using namespace Vesk::OfficeUtils;
using Vesk::FormulaModel::FormulaValue;

struct Locale {
  Locale()
      : provider(makeLocaleProvider("en_US")),
        manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone()),
        format(manager.getLocaleContext()) {}
  std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
  LocaleManager manager;
  FormatContext format;
};

const Locale& en() {
  static const Locale locale;
  return locale;
}

// Texts of one kind each, as users type them into cells that formulas read.
const std::vector<std::vector<std::string>> Kinds = {
    {"12.5", "-17", "100000.25", "0.001"},                // plain
    {"1,234.5", "12,345,678", "-1,000", "999,999.99"},    // grouped
    {"$1,234.50", "$12", "-$5.25", "$0.99"},              // currency
    {"12/31/2024", "1/2/2023", "7/4/1999", "2/29/2024"},  // dates
    {"abc", "12 apples", "TRUE", "n/a"},                  // not numbers
};
const char* const KindNames[] = {"plain", "grouped", "currency", "dates", "non-numbers"};

void BM_Detect(benchmark::State& state) {
  const auto& matcher = en().format.getFormatDetectorMatcher();
  for (auto _ : state)
    for (const auto& text : Kinds[state.range(0)])
      benchmark::DoNotOptimize(matcher.detect(text, 0x3F));
  state.SetLabel(KindNames[state.range(0)]);
}
BENCHMARK(BM_Detect)->DenseRange(0, 4);

void BM_ToNumberOfString(benchmark::State& state) {
  std::vector<FormulaValue> values;
  for (const auto& text : Kinds[state.range(0)])
    values.emplace_back(Vesk::FormulaModel::FormulaString(text));
  const auto mode = FormulaValueCast::CastMode::StringConvert;
  for (auto _ : state) {
    for (const auto& value : values) {
      try {
        benchmark::DoNotOptimize(FormulaValueCast::toNumber(value, en().format, mode));
      } catch (const Vesk::FormulaModel::FormulaException&) {
      }
    }
  }
  state.SetLabel(KindNames[state.range(0)]);
}
BENCHMARK(BM_ToNumberOfString)->DenseRange(0, 4);

const std::vector<double> Numbers = {12.5, -17, 1234567.25, 1.0 / 3, 1e-7, 6.02e23};

void BM_GeneralFormatterAlone(benchmark::State& state) {
  const GeneralNumberFormatter formatter = createGeneralFormatter(en().manager.getLocaleContext());
  for (auto _ : state)
    for (const double number : Numbers) benchmark::DoNotOptimize(formatter(number));
}
BENCHMARK(BM_GeneralFormatterAlone);

void BM_ToStringOfNumber(benchmark::State& state) {
  const LocaleContext& context = en().manager.getLocaleContext();
  const GeneralNumberFormatter formatter = createGeneralFormatter(context);
  const GeneralNumberFormatter* given = state.range(0) ? &formatter : nullptr;
  std::vector<FormulaValue> values;
  for (const double number : Numbers) values.emplace_back(Vesk::FormulaModel::FormulaNumber(number));
  for (auto _ : state)
    for (const auto& value : values)
      benchmark::DoNotOptimize(FormulaValueCast::toString(value, context, given));
  state.SetLabel(given ? "caller's formatter" : "formatter per call");
}
BENCHMARK(BM_ToStringOfNumber)->Arg(1)->Arg(0);

void BM_ToComplex(benchmark::State& state) {
  std::vector<FormulaValue> values;
  for (const char* text : {"3+4i", "-2.5j", "1e+5-2i", "7"})
    values.emplace_back(Vesk::FormulaModel::FormulaString(text));
  for (auto _ : state)
    for (const auto& value : values)
      benchmark::DoNotOptimize(FormulaValueCast::toComplex(value, en().format));
}
BENCHMARK(BM_ToComplex);

void BM_ToDateTimeOfDate(benchmark::State& state) {
  const FormulaValue value = Vesk::FormulaModel::FormulaString("12/31/2024");
  for (auto _ : state)
    benchmark::DoNotOptimize(FormulaValueCast::toDateTime(
        value, en().manager.getLocaleContext(), FormulaValueCast::CastMode::StringConvert));
}
BENCHMARK(BM_ToDateTimeOfDate);

}  // namespace
