// The locale-aware stringToDouble beside std::from_chars on the same texts in the same run:
// from_chars is the floor the conversion is measured against, and the conversion with every
// value read by ICU (as before its fast reader) the ceiling. The uncached variant builds its ICU
// symbols and format on every call, as the ICU reader would without its cache.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <boost/optional.hpp>

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

enum class Reader { Fast, Icu, IcuUncached };

boost::optional<double> read(Reader reader, const std::string& text, const LocaleContext& context) {
  switch (reader) {
    case Reader::Fast:
      return stringToDouble(text, context);
    case Reader::Icu:
      return Detail::stringToDoubleIcu(text, context);
    case Reader::IcuUncached:
      return Detail::stringToDoubleUncached(text, context);
  }
  return boost::none;
}

// The texts with a decimal point in the English context or with a comma in a comma-decimal one.
void BM_StringToDouble(benchmark::State& state, Reader reader, bool comma) {
  const auto& texts = comma ? CommaTexts : PointTexts;
  const LocaleContext& context = comma ? Testing::commaContext() : pointContext();
  double sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& text : texts) {
      const auto value = read(reader, text, context);
      benchmark::DoNotOptimize(value);
      sum += *value;
    }
  }
  check(state, sum);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(texts.size()));
}
BENCHMARK_CAPTURE(BM_StringToDouble, Point, Reader::Fast, false);
BENCHMARK_CAPTURE(BM_StringToDouble, Comma, Reader::Fast, true);
BENCHMARK_CAPTURE(BM_StringToDouble, Icu_Point, Reader::Icu, false);
BENCHMARK_CAPTURE(BM_StringToDouble, Icu_Comma, Reader::Icu, true);
BENCHMARK_CAPTURE(BM_StringToDouble, Uncached_Point, Reader::IcuUncached, false);
BENCHMARK_CAPTURE(BM_StringToDouble, Uncached_Comma, Reader::IcuUncached, true);

// Whole integers, as stringToLong reads them, beside from_chars into a 64-bit integer.
const std::vector<std::string> IntegerTexts = {"0",    "42",      "-17",    "+8",  "1234567",
                                               "2025", "-999999", "100000", "365", "9007199254"};

void BM_StringToLong(benchmark::State& state, int variant) {
  long sum = 0;
  for (auto _ : state) {
    sum = 0;
    for (const auto& text : IntegerTexts) {
      long value = 0;
      if (variant == 0) {
        std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), text.data() + text.size(), value);
      } else {
        value = *(variant == 1 ? stringToLong(text, pointContext())
                               : Detail::stringToLongIcu(text, pointContext()));
      }
      benchmark::DoNotOptimize(value);
      sum += value;
    }
  }
  if (sum != 9007536245L) state.SkipWithError(("wrong sum " + std::to_string(sum)).c_str());
  state.SetItemsProcessed(state.iterations() * static_cast<long>(IntegerTexts.size()));
}
BENCHMARK_CAPTURE(BM_StringToLong, FromChars, 0);
BENCHMARK_CAPTURE(BM_StringToLong, Fast, 1);
BENCHMARK_CAPTURE(BM_StringToLong, Icu, 2);

// A column as typed: a third of its texts are no number (words, dates, codes, a space too many),
// which the grammar turns away before any reading. from_chars is given the same texts and its
// own verdict on each.
const std::vector<std::string> MixedTexts = {
    "12.5",      "n/a",   "-0.001", "12/03/2024", "3.141592653589793",
    "1e10",      "total", "1 234",  "+42",        "-.5e+3",
    "99.99",     "1.2.3", "0",      "2.5E-7",     "1e",
    "100000.25", "-17",   "--5"};

void BM_MixedTexts(benchmark::State& state, Reader reader) {
  long numbers = 0;
  for (auto _ : state) {
    numbers = 0;
    for (const auto& text : MixedTexts) {
      if (state.range(0) == 0) {
        double value = 0;
        const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
        const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
        numbers += error == std::errc() && end == text.data() + text.size() ? 1 : 0;
      } else {
        const auto value = read(reader, text, pointContext());
        benchmark::DoNotOptimize(value);
        numbers += value ? 1 : 0;
      }
    }
  }
  if (numbers != 11) state.SkipWithError(("wrong count " + std::to_string(numbers)).c_str());
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedTexts.size()));
}
BENCHMARK_CAPTURE(BM_MixedTexts, FromChars, Reader::Fast)->Arg(0);
BENCHMARK_CAPTURE(BM_MixedTexts, Fast, Reader::Fast)->Arg(1);
BENCHMARK_CAPTURE(BM_MixedTexts, Icu, Reader::Icu)->Arg(1);

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
