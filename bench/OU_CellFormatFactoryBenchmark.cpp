// The currency lookups of the cell format factory under de_DE (ICU's lists of codes and
// symbols): the spacing between currency and amount against the context's lists lowered
// once, beside the same lookup lowering the provider's list on every call, and a whole currency
// format as a detector builds one for what a user typed.
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"

#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"

namespace {

using namespace Vesk::OfficeUtils;

// Currencies as users type them: symbols, codes in either case, and one the locale lacks.
const std::vector<std::string> Currencies = {"\u20AC", "EUR", "usd", "$", "CHF", "xyz"};
constexpr int ExpectedSpaces = 4;  // all but "€" and "$"

const LocaleContext& germanContext() {
  static const auto provider = makeLocaleProvider("de_DE");
  static const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  return manager.getLocaleContext();
}

void BM_CurrencySeparationSymbol(benchmark::State& state, bool cached) {
  const auto& context = germanContext();
  int spaces = 0;
  for (auto _ : state) {
    spaces = 0;
    for (const auto& currency : Currencies) {
      const auto separation = cached
                                  ? getCurrencySeparationSymbol(currency, context)
                                  : Detail::getCurrencySeparationSymbolUncached(currency, context);
      benchmark::DoNotOptimize(separation);
      spaces += separation == " ";
    }
  }
  if (spaces != ExpectedSpaces) state.SkipWithError("wrong separations");
  state.SetItemsProcessed(state.iterations() * static_cast<long>(Currencies.size()));
}
BENCHMARK_CAPTURE(BM_CurrencySeparationSymbol, cached, true);
BENCHMARK_CAPTURE(BM_CurrencySeparationSymbol, uncached, false);

void BM_MakeCurrencyFormat(benchmark::State& state) {
  const CellFormatFactory factory(germanContext());
  std::size_t formats = 0;
  for (auto _ : state) {
    for (const auto& currency : Currencies) {
      auto format = factory.makeCurrencyFormat(2, currency, false, boost::none,
                                               CellFormatFactory::CurrencyType::Regular);
      benchmark::DoNotOptimize(format);
      formats += format != nullptr;
    }
  }
  if (formats != state.iterations() * Currencies.size()) state.SkipWithError("no format");
  state.SetItemsProcessed(state.iterations() * static_cast<long>(Currencies.size()));
}
BENCHMARK(BM_MakeCurrencyFormat);

}  // namespace
