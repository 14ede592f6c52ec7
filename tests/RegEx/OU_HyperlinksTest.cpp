#include "OfficeUtils/RegEx/OU_Hyperlinks.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

// The patterns' verdicts the scanner is compared with below: an e-mail pattern comes first, so a
// web word with an at sign and a dot after it is mail; letters beyond ASCII are word letters.
TEST(Hyperlinks, WholeWordsAreRecognisedInTableOrder) {
  using Type = InternetResourceType;
  EXPECT_EQ(matchInternetResource("http://user@host.com"), Type::Email);
  EXPECT_EQ(matchInternetResource("jürgen@bücher.de"), Type::Email);
  EXPECT_EQ(matchInternetResource("Ftp://files"), Type::WebAddress);
  EXPECT_EQ(matchInternetResource("mailto://x"), Type::None);
}

// The scanner against the link patterns, on words of the pieces the patterns turn on, the bytes
// either side of the delimiters among them.
TEST(MatchInternetResource, ScannerGivesThePatternsVerdicts) {
  std::vector<std::string> alphabet = {
      "a", "@", ".",   "w", "W", "www.", "WwW.", "http",     "HTTPS", "ftp",  "s",
      ":", "/", "://", " ", "!", "\x01", "\x7f", "\xc3\xa9", "\x80",  "\xff", std::string(1, '\0')};
  std::mt19937 random(13);
  for (int i = 0; i < 40000; ++i) {
    const std::string word = Testing::randomText(random, alphabet, 8);
    ASSERT_EQ(matchInternetResource(word), Detail::matchInternetResourceByPatterns(word)) << word;
  }
}

// Long words on which the patterns backtrack: 1 MB each, decided in one pass.
TEST(MatchInternetResource, LongWordsInLinearTime) {
  const std::size_t n = 1 << 20;
  std::string aAt;
  for (std::size_t i = 0; i < n / 2; ++i) aAt += "a@";
  const std::pair<std::string, InternetResourceType> cases[] = {
      {std::string(n, '@'), InternetResourceType::None},
      {aAt, InternetResourceType::None},
      {aAt + ".a", InternetResourceType::Email},
      {"www." + std::string(n, '.') + "\x01", InternetResourceType::None},
      {"www." + std::string(n, '.'), InternetResourceType::WebAddress},
      {"a@" + std::string(n, '.'), InternetResourceType::Email},
      {"http://" + std::string(n, '/') + " ", InternetResourceType::None},
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(matchInternetResource(word), expected);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
