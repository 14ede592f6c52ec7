// Parsing and writing speed of the format-code parser and writer over a mix of format codes as
// spreadsheets store them: numbers, percentages, scientific, fractions, currencies and accounting,
// dates and times, conditions and colours, text sections.
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"

namespace {

using namespace Vesk::OfficeUtils::Parser;

const std::vector<std::string> Codes = {
    "General",
    "0",
    "0.00",
    "#,##0",
    "#,##0.00",
    "#,##0.00;[Red]-#,##0.00",
    "#,##0;-#,##0;0",
    "#,##0_);(#,##0)",
    "#,##0.00_);[Red](#,##0.00)",
    "0%",
    "0.00%",
    "0.0%;[Red]-0.0%",
    "0.00E+00",
    "##0.0E+0",
    "0.000E-00",
    "# ?/?",
    "# ??/??",
    "# ?/16",
    "?/100",
    "# ???/???",
    "[$€-407]#,##0.00",
    "#,##0.00 [$€-407];-#,##0.00 [$€-407]",
    "[$$-409]#,##0.00_);([$$-409]#,##0.00)",
    "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)",
    "_-* #,##0.00 [$€-407]_-;-* #,##0.00 [$€-407]_-;_-* \"-\"?? [$€-407]_-;_-@_-",
    "_(\"$\"* #,##0_);_(\"$\"* (#,##0);_(\"$\"* \"-\"_);_(@_)",
    "[$£-809]#,##0.00",
    "[$¥-411]#,##0",
    "#,##0 [$₽-419]",
    "[$-409]mmmm d, yyyy;@",
    "dd.mm.yyyy",
    "d-mmm-yy",
    "d-mmm",
    "mmm-yy",
    "m/d/yyyy",
    "m/d/yy h:mm",
    "yyyy-mm-dd hh:mm:ss",
    "dd/mm/yyyy hh:mm",
    "h:mm AM/PM",
    "h:mm:ss AM/PM",
    "h:mm",
    "h:mm:ss",
    "[h]:mm:ss",
    "mm:ss",
    "mm:ss.0",
    "[$-F800]dddd, mmmm dd, yyyy",
    "[$-F400]h:mm:ss AM/PM",
    "dddd, mmmm d, yyyy h:mm AM/PM",
    "[>=100][Color 10]0;[<0]\"neg \"0",
    "[<1]0.00;[<10]0.0;0",
    "[Blue][<=-1.5]0.0;[Magenta][>2]0;General",
    "@",
    "\"Total: \"@",
    "0;-0;;@",
    "#,##0,\"K\"",
    "#,##0.0,,\"M\"",
    "00000",
    "000-00-0000",
    "[<=9999999]###-####;(###) ###-####",
    "[DBNum1][$-804]General",
};

long parseCodes() {
  long valid = 0;
  for (const auto& code : Codes) {
    auto expression = parse(code, ParserType::Default);
    benchmark::DoNotOptimize(expression);
    if (expression) ++valid;
  }
  return valid;
}

void BM_ParseFormatCodes(benchmark::State& state) {
  long valid = 0;
  for (auto _ : state) valid = parseCodes();
  // Every code of the mix is valid: a fast parser that rejects them proves nothing.
  if (valid != static_cast<long>(Codes.size())) {
    std::fprintf(stderr, "parsed %ld of %zu codes\n", valid, Codes.size());
    std::abort();
  }
  state.counters["codes"] = benchmark::Counter(
      static_cast<double>(state.iterations() * Codes.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseFormatCodes);

// One short and one long code alone, to show how the cost grows with the code.
void BM_ParseOneCode(benchmark::State& state) {
  const auto& code = Codes[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    auto expression = parse(code, ParserType::Default);
    benchmark::DoNotOptimize(expression);
  }
  if (!parse(code, ParserType::Default)) std::abort();
  state.SetLabel(code);
  state.counters["codes"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseOneCode)->Arg(1)->Arg(24);

// Writing the models of the same mix back as codes, to set beside BM_ParseFormatCodes.
void BM_ToRegEx(benchmark::State& state) {
  std::vector<Vesk::DOM::CellFormatModel::Expression> models;
  for (const auto& code : Codes) models.push_back(*parse(code, ParserType::Default));
  for (auto _ : state) {
    for (const auto& model : models) {
      auto code = toRegEx(model, ParserType::Default);
      benchmark::DoNotOptimize(code);
    }
  }
  // Every written code reads back into its model: a fast writer of wrong codes proves nothing.
  for (const auto& model : models) {
    if (parse(toRegEx(model, ParserType::Default), ParserType::Default) != model) std::abort();
  }
  state.counters["codes"] = benchmark::Counter(
      static_cast<double>(state.iterations() * models.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ToRegEx);

}  // namespace
