// The locale-aware stringToDouble beside std::from_chars on the same texts in the same run:
// from_chars is the floor the ICU-based conversion is measured against. The uncached variant
// builds its ICU symbols and format on every call, as the conversion would without its cache.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/RegEx/OU_NumberRegex.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"

namespace {

using namespace Vesk::OfficeUtils;

// Numbers as users type them and files store them.
const std::vector<std::string> PointTexts = {
    "12.5", "-0.001", "3.141592653589793", "1e10", "1234567", "+42", "-.5e+3", "99.99",
    "0",    "2.5E-7", "100000.25",         "-17"};

std::vector<std::string> withComma(std::vector<std::string> texts) {
  for (auto& text : texts) std::replace(text.begin(), text.end(), '.', ',');
  return texts;
}

const std::vector<std::string> CommaTexts = withComma(PointTexts);

const LocaleContext& pointContext() {
  return LocaleContext::getEnLocaleContext();
}

// from_chars reads no leading plus.
double fromChars(const std::string& text) {
  double value = 0;
  std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), text.data() + text.size(), value);
  return value;
}

// The sum of the values read, checked once after the loop so a fast wrong answer shows.
void check(benchmark::State& state, double sum) {
  double expected = 0;
  for (const auto& text : PointTexts) expected += fromChars(text);
  if (std::fabs(sum - expected) > 1e-6 * std::fabs(expected)) state.SkipWithError("wrong sum");
}

void BM_FromChars(benchmark::State& state) {
  double sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& text : PointTexts) {
      const double value = fromChars(text);
      benchmark::DoNotOptimize(value);
      sum += value;
    }
  }
  check(state, sum);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(PointTexts.size()));
}
BENCHMARK(BM_FromChars);

// The texts with a decimal point in the English context or with a comma in a comma-decimal one;
// the uncached variant builds its ICU objects on every call.
void BM_StringToDouble(benchmark::State& state, bool cached, bool comma) {
  const auto& texts = comma ? CommaTexts : PointTexts;
  const LocaleContext& context = comma ? Testing::commaContext() : pointContext();
  double sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& text : texts) {
      const auto value =
          cached ? stringToDouble(text, context) : Detail::stringToDoubleUncached(text, context);
      benchmark::DoNotOptimize(value);
      sum += *value;
    }
  }
  check(state, sum);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(texts.size()));
}
BENCHMARK_CAPTURE(BM_StringToDouble, Point, true, false);
BENCHMARK_CAPTURE(BM_StringToDouble, Comma, true, true);
BENCHMARK_CAPTURE(BM_StringToDouble, Uncached_Point, false, false);
BENCHMARK_CAPTURE(BM_StringToDouble, Uncached_Comma, false, true);

// The splitting alone, a part of every conversion.
void BM_ParseNumber(benchmark::State& state) {
  long matched = 0;
  for (auto _ : state) {
    for (const auto& text : PointTexts) {
      const auto parts = parseNumber(text, pointContext());
      benchmark::DoNotOptimize(parts);
      matched += parts ? 1 : 0;
    }
  }
  if (matched != state.iterations() * static_cast<long>(PointTexts.size()))
    state.SkipWithError("a text did not split");
  state.SetItemsProcessed(state.iterations() * static_cast<long>(PointTexts.size()));
}
BENCHMARK(BM_ParseNumber);

// The locale-free flavour, a string stream per call.
void BM_StringToDoubleLocaleFree(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& text : PointTexts) {
      const auto value = stringToDouble(text);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(PointTexts.size()));
}
BENCHMARK(BM_StringToDoubleLocaleFree);

}  // namespace
