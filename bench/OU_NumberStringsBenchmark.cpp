// The locale-aware stringToDouble beside std::from_chars on the same texts in the same run:
// from_chars is the floor the ICU-based conversion is measured against. The uncached variant
// builds its ICU symbols and format on every call, as the conversion would without its cache.
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/RegEx/OU_NumberRegex.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace {

using namespace Vesk::OfficeUtils;

// Numbers as users type them and files store them.
const std::vector<std::string> PointTexts = {
    "12.5", "-0.001", "3.141592653589793", "1e10", "1234567", "+42", "-.5e+3", "99.99",
    "0",    "2.5E-7", "100000.25",         "-17"};

std::vector<std::string> withComma(std::vector<std::string> texts) {
  for (auto& text : texts)
    for (auto& c : text)
      if (c == '.') c = ',';
  return texts;
}

const LocaleContext& pointContext() {
  return LocaleContext::getEnLocaleContext();
}

const LocaleContext& commaContext() {
  static const LocaleResources resources(
      LocaleResources::SymbolStrings{{LocalizableSymbolType::DecimalSeparator, ","},
                                     {LocalizableSymbolType::ThousandSeparator, "."}},
      "de_DE");
  static const LocaleContext context(
      Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(), resources,
      FormattingResources::getDefaultFormattingResources(), Vesk::DOM::TimeZone::getUTCTimeZone());
  return context;
}

// The sum of the values read, checked once after the loop so a fast wrong answer shows.
double expectedSum() {
  double sum = 0;
  for (const auto& text : PointTexts) {
    const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
    double value = 0;
    std::from_chars(begin, text.data() + text.size(), value);
    sum += value;
  }
  return sum;
}

void check(benchmark::State& state, double sum) {
  if (std::fabs(sum - expectedSum()) > 1e-6 * std::fabs(expectedSum()))
    state.SkipWithError("wrong sum");
}

void BM_FromChars(benchmark::State& state) {
  double sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& text : PointTexts) {
      // from_chars reads no leading plus either.
      const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
      double value = 0;
      std::from_chars(begin, text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
      sum += value;
    }
  }
  check(state, sum);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(PointTexts.size()));
}
BENCHMARK(BM_FromChars);

template <bool Cached>
void convertAll(benchmark::State& state, const std::vector<std::string>& texts,
                const LocaleContext& context) {
  double sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& text : texts) {
      const auto value =
          Cached ? stringToDouble(text, context) : Detail::stringToDoubleUncached(text, context);
      benchmark::DoNotOptimize(value);
      sum += *value;
    }
  }
  check(state, sum);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(texts.size()));
}

void BM_StringToDouble_Point(benchmark::State& state) {
  convertAll<true>(state, PointTexts, pointContext());
}
BENCHMARK(BM_StringToDouble_Point);

void BM_StringToDouble_Comma(benchmark::State& state) {
  static const auto texts = withComma(PointTexts);
  convertAll<true>(state, texts, commaContext());
}
BENCHMARK(BM_StringToDouble_Comma);

void BM_StringToDoubleUncached_Point(benchmark::State& state) {
  convertAll<false>(state, PointTexts, pointContext());
}
BENCHMARK(BM_StringToDoubleUncached_Point);

void BM_StringToDoubleUncached_Comma(benchmark::State& state) {
  static const auto texts = withComma(PointTexts);
  convertAll<false>(state, texts, commaContext());
}
BENCHMARK(BM_StringToDoubleUncached_Comma);

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
