// Function-name lookups in the English map: getType over every name in mixed case, against two
// references run in the same program (a hash map of upper-cased keys, the fastest lookup
// without ordering, and an ordered map comparing with CaseInsensitiveLess), and prefix search.
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "host/Utils/OU_StringUtils.h"

namespace {

using Vesk::DOM::FormulaFunctionType;
using Vesk::OfficeUtils::DefaultEnResourceLoader;
using Vesk::OfficeUtils::FunctionsNamesMap;

const FunctionsNamesMap& english() {
  return DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
}

std::vector<std::string> storedNames() {
  std::vector<std::string> names;
  const auto [begin, end] = english().getInfosWithNamePrefix("");
  for (auto it = begin; it != end; ++it) names.push_back(it->name);
  return names;
}

// "NORM.S.DIST" -> "nOrM.S.DiSt": every name in a spelling the map does not store.
std::vector<std::string> mixedCaseNames() {
  std::vector<std::string> names = storedNames();
  for (auto& name : names) {
    for (std::size_t i = 0; i < name.size(); ++i) {
      const auto c = static_cast<unsigned char>(name[i]);
      name[i] = static_cast<char>(i % 2 ? std::toupper(c) : std::tolower(c));
    }
  }
  return names;
}

std::string asciiUpper(const std::string& text) {
  std::string upper = text;
  for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

void setLookupCounters(benchmark::State& state, std::size_t found, std::size_t perIteration) {
  if (found != perIteration * state.iterations()) state.SkipWithError("a name was not found");
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * perIteration));
  state.counters["lookups/s"] = benchmark::Counter(
      static_cast<double>(state.iterations() * perIteration), benchmark::Counter::kIsRate);
}

void BM_GetTypeMixedCase(benchmark::State& state) {
  const auto names = mixedCaseNames();
  const auto& map = english();
  std::size_t found = 0;
  for (auto _ : state) {
    for (const auto& name : names) {
      const FormulaFunctionType type = map.getType(name);
      benchmark::DoNotOptimize(type);
      found += type != FormulaFunctionType::None;
    }
  }
  setLookupCounters(state, found, names.size());
}
BENCHMARK(BM_GetTypeMixedCase);

// The limit: upper-case the query (ASCII) and look it up by hash.
void BM_UpperCaseHashMapBaseline(benchmark::State& state) {
  std::unordered_map<std::string, FormulaFunctionType> hashed;
  for (const auto& name : storedNames()) hashed.emplace(asciiUpper(name), english().getType(name));
  const auto names = mixedCaseNames();
  std::size_t found = 0;
  for (auto _ : state) {
    for (const auto& name : names) {
      const auto it = hashed.find(asciiUpper(name));
      benchmark::DoNotOptimize(it);
      found += it != hashed.end();
    }
  }
  setLookupCounters(state, found, names.size());
}
BENCHMARK(BM_UpperCaseHashMapBaseline);

// An ordered map that decodes and folds both strings at every comparison.
void BM_CaseInsensitiveLessMapReference(benchmark::State& state) {
  std::map<std::string, FormulaFunctionType, Vesk::CaseInsensitiveLess> ordered;
  for (const auto& name : storedNames()) ordered.emplace(name, english().getType(name));
  const auto names = mixedCaseNames();
  std::size_t found = 0;
  for (auto _ : state) {
    for (const auto& name : names) {
      const auto it = ordered.find(name);
      benchmark::DoNotOptimize(it);
      found += it != ordered.end();
    }
  }
  setLookupCounters(state, found, names.size());
}
BENCHMARK(BM_CaseInsensitiveLessMapReference);

// Every distinct 1, 2 or 3 letter beginning of a stored name, in mixed case.
void BM_GetInfosWithNamePrefix(benchmark::State& state) {
  const auto length = static_cast<std::size_t>(state.range(0));
  std::set<std::string> prefixes;
  for (const auto& name : mixedCaseNames())
    if (name.size() >= length) prefixes.insert(name.substr(0, length));
  const auto& map = english();
  std::size_t found = 0;
  std::size_t items = 0;
  for (auto _ : state) {
    for (const auto& prefix : prefixes) {
      const auto [begin, end] = map.getInfosWithNamePrefix(prefix);
      benchmark::DoNotOptimize(begin);
      found += begin != end;
      items += static_cast<std::size_t>(std::distance(begin, end));
    }
  }
  setLookupCounters(state, found, prefixes.size());
  state.counters["items/prefix"] =
      static_cast<double>(items) / static_cast<double>(state.iterations() * prefixes.size());
}
BENCHMARK(BM_GetInfosWithNamePrefix)->DenseRange(1, 3);

}  // namespace
