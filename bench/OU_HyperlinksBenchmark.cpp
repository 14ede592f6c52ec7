// Link recognition over the words of typed cell text, beside the link patterns it is tested
// against (regular expressions) and beside a byte scan of the same words (a rough verdict, not
// checked), the floor of any recogniser that must look at each byte.
#include "OfficeUtils/RegEx/OU_Hyperlinks.h"

#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using Vesk::OfficeUtils::InternetResourceType;

// Words as cells hold them: addresses of both kinds, and the plain words around them.
const std::vector<std::string> Words = {"name@example.com",
                                        "https://www.example.org/path?q=1",
                                        "www.example.com",
                                        "Total",
                                        "2024-03-15",
                                        "first.last@mail.example.co.uk",
                                        "HTTP://EXAMPLE.COM",
                                        "invoice",
                                        "www.example",
                                        "not@an",
                                        "ftp://files.example.net/a.txt",
                                        "12.5",
                                        "Straße",
                                        "a.b@c.de"};

// The verdicts, checked once after the loop against the patterns' own.
template <typename Match>
void run(benchmark::State& state, Match match, bool checked = true) {
  std::vector<InternetResourceType> verdicts(Words.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < Words.size(); ++i) {
      verdicts[i] = match(Words[i]);
      benchmark::DoNotOptimize(verdicts[i]);
    }
  }
  for (std::size_t i = 0; checked && i < Words.size(); ++i)
    if (verdicts[i] != Vesk::OfficeUtils::Detail::matchInternetResourceByPatterns(Words[i]))
      state.SkipWithError(("wrong verdict on " + Words[i]).c_str());
  state.SetItemsProcessed(state.iterations() * static_cast<long>(Words.size()));
}

// Every byte looked at once: an "@" makes an e-mail, a ':' or a leading "www." a web address.
void BM_ByteScan(benchmark::State& state) {
  run(
      state,
      [](std::string_view word) {
        if (word.find('@') != std::string_view::npos) return InternetResourceType::Email;
        return word.find(':') != std::string_view::npos || word.starts_with("www.")
                   ? InternetResourceType::WebAddress
                   : InternetResourceType::None;
      },
      false);
}
BENCHMARK(BM_ByteScan);

void BM_MatchInternetResource(benchmark::State& state) {
  run(state, [](std::string_view word) { return Vesk::OfficeUtils::matchInternetResource(word); });
}
BENCHMARK(BM_MatchInternetResource);

void BM_MatchInternetResourceByPatterns(benchmark::State& state) {
  run(state, [](std::string_view word) {
    return Vesk::OfficeUtils::Detail::matchInternetResourceByPatterns(word);
  });
}
BENCHMARK(BM_MatchInternetResourceByPatterns);

}  // namespace
