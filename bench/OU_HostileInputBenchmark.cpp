// The entry points that once grew faster than their input, over inputs from 1 KB to 1 MB of
// the shapes that made them do so. Each reports its fitted complexity: all must be O(N), so the
// time per byte stays flat as the size grows.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"
#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/RegEx/OU_Hyperlinks.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace {

using namespace Vesk::OfficeUtils;

std::string repeat(const std::string& piece, std::size_t size) {
  std::string text;
  while (text.size() + piece.size() <= size) text += piece;
  return text;
}

// Pieces put end to end. Written out rather than with operator+ on a literal, where GCC 12
// reports a false -Wrestrict in optimised builds.
std::string joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const auto piece : pieces) text.append(piece);
  return text;
}

void finish(benchmark::State& state) {
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// A number part with a literal between each two placeholders: one embedded item per two bytes.
void BM_WriteNumberPartWithLiterals(benchmark::State& state) {
  const auto code = joined({"0", repeat("\"x\"0", static_cast<std::size_t>(state.range(0)))});
  const auto expression = Parser::parse(code, Parser::ParserType::Default);
  for (auto _ : state)
    benchmark::DoNotOptimize(Parser::toRegEx(*expression, Parser::ParserType::Default));
  finish(state);
}

// A quoted text: one lexeme of the whole size.
void BM_ParseLongQuotedText(benchmark::State& state) {
  const auto code =
      joined({"\"", std::string(static_cast<std::size_t>(state.range(0)), 'a'), "\""});
  for (auto _ : state) benchmark::DoNotOptimize(Parser::parse(code, Parser::ParserType::Default));
  finish(state);
}

// "a@a@a@...": the e-mail pattern's worst word.
void BM_MatchLongEmailWord(benchmark::State& state) {
  const auto word = repeat("a@", static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(matchInternetResource(word));
  finish(state);
}

// "_xlfn._xlfn....SUM": one lookup per prefix.
void BM_GetTypeAfterManyPrefixes(benchmark::State& state) {
  const auto& names = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  const auto name = joined({repeat("_xlfn.", static_cast<std::size_t>(state.range(0))), "SUM"});
  for (auto _ : state) benchmark::DoNotOptimize(names.getType(name));
  finish(state);
}

// A run of digits: refused before ICU reads it.
void BM_StringToDoubleLongDigits(benchmark::State& state) {
  const auto& context = LocaleContext::getEnLocaleContext();
  const std::string digits(static_cast<std::size_t>(state.range(0)), '7');
  for (auto _ : state) benchmark::DoNotOptimize(stringToDouble(digits, context));
  finish(state);
}

// A condition on a number of the whole size.
void BM_ParseLongCondition(benchmark::State& state) {
  const auto code =
      joined({"[>", std::string(static_cast<std::size_t>(state.range(0)), '9'), "]0"});
  for (auto _ : state) benchmark::DoNotOptimize(Parser::parse(code, Parser::ParserType::Default));
  finish(state);
}

// Every token of `code`, as the scanner's fuzz target reads them.
void scanToTheEnd(const std::string& code) {
  Parser::FormattingScanner scanner(code);
  while (auto token = scanner.getNextToken()) benchmark::DoNotOptimize(token->getValue().data());
}

// A quote, then a NUL after each letter, then a quote: flex rescanned the quoted text at every
// NUL.
void BM_ScanNulsInQuotedText(benchmark::State& state) {
  const auto code = joined(
      {"\"", repeat(std::string("a\0", 2), static_cast<std::size_t>(state.range(0)) - 2), "\""});
  for (auto _ : state) scanToTheEnd(code);
  finish(state);
}

// "[$a[$a...": unclosed currencies, each of which was read to the end of the input.
void BM_ScanUnclosedCurrencies(benchmark::State& state) {
  const auto code = repeat("[$a", static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) scanToTheEnd(code);
  finish(state);
}

constexpr std::int64_t Smallest = 1 << 10;
constexpr std::int64_t Largest = 1 << 20;

}  // namespace

BENCHMARK(BM_WriteNumberPartWithLiterals)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ParseLongQuotedText)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_MatchLongEmailWord)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_GetTypeAfterManyPrefixes)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_StringToDoubleLongDigits)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ParseLongCondition)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ScanNulsInQuotedText)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ScanUnclosedCurrencies)
    ->RangeMultiplier(4)
    ->Range(Smallest, Largest)
    ->Complexity(benchmark::oN);
