// The number formatters on a mixed column beside std::to_chars in the same run: to_chars into a
// std::string is the floor that the general display is measured against. BM_GeneralThroughICU is
// the same display through ICU's formats (the formatter's path for a wrapper it is given), and
// BM_GeneralSwitchingOneFormat through one ICU format switched between fixed and scientific per
// value, the cost the ICU path avoids by keeping one format per mode.
#include <charconv>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/OU_NumberFormatter.h"
#include "OfficeUtils/Formatters/OU_ScientificNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formulas/OU_ComplexNumber.h"

namespace {

using namespace Vesk::OfficeUtils;

// A spreadsheet column: integers, decimals, tiny and huge values, both signs.
const std::vector<double> MixedColumn = {
    42.0,  -17.0, 3.141592653589793, 0.1,          1234567.25, 1e-9, 1e15, -2.5e-12,
    100.0, 99.99, 0.000123,          123456789012, -0.5,       7e22, 0.0,  2.675};

const LocaleContext& context() {
  return LocaleContext::getEnLocaleContext();
}

void BM_ToChars(benchmark::State& state) {
  char buffer[64];
  for (auto _ : state) {
    for (const double value : MixedColumn) {
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
      benchmark::DoNotOptimize(result.ptr);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedColumn.size()));
}
BENCHMARK(BM_ToChars);

void BM_ToCharsString(benchmark::State& state) {
  char buffer[64];
  for (auto _ : state) {
    for (const double value : MixedColumn) {
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
      benchmark::DoNotOptimize(std::string(buffer, result.ptr));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedColumn.size()));
}
BENCHMARK(BM_ToCharsString);

void BM_GeneralNumberFormatter(benchmark::State& state) {
  const GeneralNumberFormatter formatter(context());
  for (auto _ : state) {
    for (const double value : MixedColumn) benchmark::DoNotOptimize(formatter(value));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedColumn.size()));
}
BENCHMARK(BM_GeneralNumberFormatter);

void BM_GeneralThroughICU(benchmark::State& state) {
  const GeneralNumberFormatter formatter{ICUDecimalFormatWrapper(context())};
  for (auto _ : state) {
    for (const double value : MixedColumn) benchmark::DoNotOptimize(formatter(value));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedColumn.size()));
}
BENCHMARK(BM_GeneralThroughICU);

// What callers that build a formatter per call pay before the first value.
void BM_GeneralFormatterConstruction(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(GeneralNumberFormatter(context()));
}
BENCHMARK(BM_GeneralFormatterConstruction);

void BM_GeneralFormatterConstructionThroughICU(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(GeneralNumberFormatter(ICUDecimalFormatWrapper(context())));
}
BENCHMARK(BM_GeneralFormatterConstructionThroughICU);

// A complex value as the engineering functions write it: two parts, each by the general display.
void BM_ComplexNumberToString(benchmark::State& state) {
  const ComplexNumber number(3.25, -4.5, ImaginarySuffix());
  for (auto _ : state) benchmark::DoNotOptimize(number.toString(context()));
}
BENCHMARK(BM_ComplexNumberToString);

void BM_ComplexNumberPartsWithOneFormatter(benchmark::State& state) {
  GeneralNumberFormatter formatter(context());
  formatter.setPrecisionForScientificMode(15);
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatter(3.25));
    benchmark::DoNotOptimize(formatter(4.5));
  }
}
BENCHMARK(BM_ComplexNumberPartsWithOneFormatter);

// The general display with a single ICU format reconfigured whenever the mode changes.
std::string switchingFormat(ICUDecimalFormatWrapper& wrapper, double value) {
  const double magnitude = value < 0 ? -value : value;
  if (magnitude != 0.0 && (magnitude < 1e-8 || magnitude > 99999999999.0)) {
    wrapper.setScientificNotation(true);
    wrapper.setMinExponentDigits(2);
    wrapper.setPrecision(2);
  } else {
    wrapper.setScientificNotation(false);
    wrapper.setPrecision(ICUDecimalFormatWrapper::getDefaultMaximumFractionDigits());
  }
  return wrapper.toString(value);
}

void BM_GeneralSwitchingOneFormat(benchmark::State& state) {
  ICUDecimalFormatWrapper wrapper(context());
  const GeneralNumberFormatter formatter(context());
  for (const double value : MixedColumn) {
    if (switchingFormat(wrapper, value) != formatter(value)) {
      state.SkipWithError("the two ways disagree");
      return;
    }
  }
  for (auto _ : state) {
    for (const double value : MixedColumn)
      benchmark::DoNotOptimize(switchingFormat(wrapper, value));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedColumn.size()));
}
BENCHMARK(BM_GeneralSwitchingOneFormat);

void BM_DoubleToString(benchmark::State& state) {
  // Builds its formatter per call, as its callers do.
  for (auto _ : state) benchmark::DoNotOptimize(doubleToString(1234.5678, context(), 15));
}
BENCHMARK(BM_DoubleToString);

void BM_FixedNumberFormatter(benchmark::State& state) {
  FixedNumberFormatter formatter("0000000.00", context());
  formatter.setGrouping(true);
  for (auto _ : state) {
    for (const double value : MixedColumn) benchmark::DoNotOptimize(formatter(value));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedColumn.size()));
}
BENCHMARK(BM_FixedNumberFormatter);

void BM_ScientificFormatter(benchmark::State& state) {
  ScientificFormatter formatter("0.00", context());
  for (auto _ : state) {
    for (const double value : MixedColumn)
      benchmark::DoNotOptimize(getFormatterResultAsString(formatter(value), context()));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(MixedColumn.size()));
}
BENCHMARK(BM_ScientificFormatter);

// Classification includes parsing the code.
void BM_CalcFormatTypeOfCodes(benchmark::State& state) {
  static const std::vector<std::string> codes = {
      "General",   "0.00",   "#,##0.00;[Red]-#,##0.00", "0%",
      "0.00E+00",  "# ?/?",  "[$€-407]#,##0.00",        "dd.mm.yyyy hh:mm",
      "[h]:mm:ss", "0;-0;@", "_-* #,##0.00 [$€-407]_-", "mmmm d, yyyy"};
  for (auto _ : state) {
    for (const auto& code : codes)
      benchmark::DoNotOptimize(Vesk::OfficeUtils::Parser::calcFormatType(code));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(codes.size()));
}
BENCHMARK(BM_CalcFormatTypeOfCodes);

}  // namespace
