// Loading a detection grammar of realistic shape (about 40 tokens, 400 literals: digits, signs,
// the whitespace group, 300 currency codes and symbols, 24 month names, day halves) and parsing
// short cell texts against it. The baseline in the same run is one ICU lower-casing of the text,
// what matching would pay per candidate slice if it lower-cased slices through ICU.
#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"

#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_StringUtils.h"

namespace {

using namespace Vesk::OfficeUtils;
using Vesk::ResourceManager::MapResourceProvider;
using List = std::vector<std::string>;

MapResourceProvider makeGrammar() {
  const std::string p = "AutodetectRules/AutodetectRules:AutodetectRules/CommonTokens/";
  std::vector<MapResourceProvider::Row> rows;
  auto primitive = [&](const std::string& name, List literals, const std::string& typical = "") {
    rows.emplace_back(p + name + "/Rules", std::move(literals));
    if (!typical.empty()) rows.emplace_back(p + name + "/TypicalName", List{typical});
  };
  auto complex = [&](const std::string& name, List rules, const std::string& typical = "") {
    rows.emplace_back(p + name + "/Rules", std::move(rules));
    rows.emplace_back(p + name + "/Complexity", List{"Complex"});
    if (!typical.empty()) rows.emplace_back(p + name + "/TypicalName", List{typical});
  };
  List currencies = {"$", "€", "£", "¥", "kr", "zł", "Fr.", "R$", "₹", "₩"};
  for (char a = 'A'; a <= 'Z' && currencies.size() < 300; ++a)
    for (char b = 'A'; b <= 'Z' && currencies.size() < 300; b += 2)
      currencies.push_back(std::string{a, b, static_cast<char>('A' + (a + b) % 26)});
  currencies.push_back("USD");
  primitive("Digit", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
  primitive("Sign", {"+", "-"}, "Sign");
  primitive("ScientificSign", {"+", "-"}, "ScientificSign");
  primitive("Space", {" "});
  primitive("Dot", {"."});
  primitive("Comma", {","});
  primitive("Slash", {"/"});
  primitive("Colon", {":"});
  primitive("Dash", {"-", "/", "."});
  primitive("Exponent", {"e", "E"});
  primitive("PercentSign", {"%"});
  primitive("Open", {"("}, "OpeningParenthesis");
  primitive("Close", {")"}, "ClosingParenthesis");
  primitive("CurrencySymbol", currencies, "CurrencySymbol");
  primitive("MonthName",
            {"january",   "february", "march",    "april",    "may", "june", "july", "august",
             "september", "october",  "november", "december", "jan", "feb",  "mar",  "apr",
             "jun",       "jul",      "aug",      "sep",      "oct", "nov",  "dec",  "sept"},
            "Month");
  primitive("Ampm", {"am", "pm", "a.m.", "p.m."}, "Ampm");
  complex("Group", {"Comma, Digit, Digit, Digit"});
  complex("IntegerPart", {"Digit=mul", "Digit, Digit=opt, Digit=opt, Group=mul"},
          "IntegerPartNumber");
  complex("DecimalPart", {"Digit=mul"}, "DecimalPartNumber");
  complex("Number", {"IntegerPart, Dot, DecimalPart=opt", "IntegerPart", "Dot, DecimalPart"});
  complex("CommonNumber", {"Sign=opt, Number", "Open, Number, Close"}, "CommonNumber");
  complex("Percentage", {"Sign=opt, Number, Space=opt, PercentSign"}, "Percentage");
  complex("ExponentValue", {"Digit=mul"}, "ExponentValue");
  complex("Scientific", {"Sign=opt, Number, Exponent, ScientificSign=opt, ExponentValue"},
          "Scientific");
  complex("Numerator", {"Digit=mul"}, "Numerator");
  complex("Denominator", {"Digit=mul"}, "Denominator");
  complex("WholePart", {"Digit=mul"}, "IntegerPartFraction");
  complex("Fraction", {"Sign=opt, WholePart, Space=mul, Numerator, Slash, Denominator"},
          "Fraction");
  complex(
      "Currency",
      {"Sign=opt, CurrencySymbol, Space=opt, Number", "Sign=opt, Number, Space=opt, CurrencySymbol",
       "Open, CurrencySymbol, Space=opt, Number, Close"},
      "Currency");
  complex("Day", {"Digit", "Digit, Digit"}, "Day");
  complex("Month", {"Digit", "Digit, Digit"}, "Month");
  complex("Year", {"Digit, Digit", "Digit, Digit, Digit, Digit"}, "Year");
  complex("Hour", {"Digit", "Digit, Digit"}, "Hour");
  complex("Minute", {"Digit, Digit"}, "Minute");
  complex("Second", {"Digit, Digit"}, "Second");
  complex("Date",
          {"Month, Dash, Day, Dash, Year=opt", "Day, Space, MonthName, Space=opt, Year=opt",
           "MonthName, Space, Day, Comma=opt, Space=opt, Year=opt"},
          "Date");
  complex("Time", {"Hour, Colon, Minute, Colon=opt, Second=opt, Space=opt, Ampm=opt"}, "Time");
  complex("DateAndTime", {"Date", "Date, Space, Time", "Time"}, "DateAndTime");
  return MapResourceProvider(rows);
}

const MapResourceProvider& grammar() {
  static const MapResourceProvider provider = makeGrammar();
  return provider;
}

std::unique_ptr<TokensManager> makeManager() {
  return std::make_unique<TokensManager>(
      [](const std::string& key) { return grammar().getResourceStringArray(key); },
      fillTokensStructures, getAutoDetectNodesNames(), getAutodetectResourcesPath());
}

const std::vector<std::pair<std::string, unsigned short>> Cases = {
    {"1234.5", CommonNumberIndex},    {"-1,234,567.25", CommonNumberIndex},
    {"(42)", CommonNumberIndex},      {"12.5 %", PercentageIndex},
    {"1.5E-3", ScientificIndex},      {"1 3/4", FractionIndex},
    {"USD 1,234.00", CurrencyIndex},  {"€12", CurrencyIndex},
    {"12-24-2026", DateAndTimeIndex}, {"24 December 2026", DateAndTimeIndex},
    {"9:30:15 pm", DateAndTimeIndex}, {"hello world", CommonNumberIndex}};

void BM_Construct(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(makeManager());
}
BENCHMARK(BM_Construct)->Unit(benchmark::kMillisecond);

void BM_Parse(benchmark::State& state) {
  const auto manager = makeManager();
  const auto& [text, type] = Cases[state.range(0)];
  state.SetLabel(text);
  int matched = 0;
  for (auto _ : state) {
    const auto value = manager->parse(
        text, type, [](const TokenMap&) { return Vesk::FormulaModel::getFormulaTrue(); });
    matched += !Vesk::FormulaModel::isFormulaEmpty(value);
  }
  if (matched == 0 && text != "hello world") state.SkipWithError("no match");
}
BENCHMARK(BM_Parse)->DenseRange(0, static_cast<int>(Cases.size()) - 1);

// All cases in turn: the mean cost of one parse over the mix.
void BM_ParseMix(benchmark::State& state) {
  const auto manager = makeManager();
  for (auto _ : state)
    for (const auto& [text, type] : Cases)
      benchmark::DoNotOptimize(manager->parse(
          text, type, [](const TokenMap&) { return Vesk::FormulaModel::getFormulaTrue(); }));
  state.SetItemsProcessed(state.iterations() * static_cast<long>(Cases.size()));
}
BENCHMARK(BM_ParseMix);

void BM_BaselineIcuLowerCase(benchmark::State& state) {
  for (auto _ : state)
    for (const auto& [text, type] : Cases)
      benchmark::DoNotOptimize(Vesk::utf8StringToLowerCase(text));
  state.SetItemsProcessed(state.iterations() * static_cast<long>(Cases.size()));
}
BENCHMARK(BM_BaselineIcuLowerCase);

}  // namespace
