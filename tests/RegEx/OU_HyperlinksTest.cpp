#include "OfficeUtils/RegEx/OU_Hyperlinks.h"

#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

TEST(Hyperlinks, WholeWordsAreRecognisedInTableOrder) {
  using Type = InternetResourceType;
  const struct {
    std::string text;
    Type expected;
  } cases[] = {
      {"name@example.com", Type::Email},
      {"a@b.c", Type::Email},
      {"first.last+tag@mail.example.org", Type::Email},
      {"jürgen@bücher.de", Type::Email},
      {"NAME@EXAMPLE.COM", Type::Email},
      {"a@b", Type::None},
      {"a@.", Type::None},
      {"@b.c", Type::None},
      {"a@b.", Type::None},
      {"a b@c.d", Type::None},
      {"http://x", Type::WebAddress},
      {"HTTPS://EXAMPLE.COM", Type::WebAddress},
      {"Ftp://files", Type::WebAddress},
      {"ftps://files", Type::WebAddress},
      {"http://", Type::None},
      {"http:/x", Type::None},
      {"httpx://x", Type::None},
      {"mailto://x", Type::None},
      {"http://a b", Type::None},
      {"www.example.com", Type::WebAddress},
      {"WwW.Example.Com", Type::WebAddress},
      {"www.example", Type::None},
      {"www..", Type::None},
      {"wwwexample.com", Type::None},
      // An e-mail pattern comes first, so a web word with an at sign and a dot after it is mail.
      {"http://user@host.com", Type::Email},
      {"www.a@b.c", Type::Email},
      {"", Type::None},
      {"www.exa\x7fmple.com", Type::WebAddress},
      {std::string("a@b\0.c", 6), Type::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(matchInternetResource(c.text), c.expected);
  }
}

TEST(Hyperlinks, EveryDelimiterBreaksAWordAndLongWordsGiveAResult) {
  EXPECT_EQ(std::vector(HyperlinkDelimiters.begin(), HyperlinkDelimiters.end()),
            (std::vector<std::decay_t<decltype(HyperlinkDelimiters[0])>>{10, 9, 32, 12}));
  for (const auto delimiter : HyperlinkDelimiters) {
    const char c = static_cast<char>(delimiter);
    for (const std::string word : {"a@b.c", "http://x", "www.a.b"}) {
      SCOPED_TRACE(word + " with " + std::to_string(delimiter));
      EXPECT_EQ(matchInternetResource(word + c), InternetResourceType::None);
      EXPECT_EQ(matchInternetResource(c + word), InternetResourceType::None);
      EXPECT_EQ(matchInternetResource(word.substr(0, 4) + c + word.substr(4)),
                InternetResourceType::None);
    }
  }

  // Long words give a result.
  EXPECT_EQ(matchInternetResource(std::string(50000, '@')), InternetResourceType::None);
  EXPECT_EQ(matchInternetResource("www." + std::string(50000, '.')),
            InternetResourceType::WebAddress);
  EXPECT_EQ(matchInternetResource(std::string(20000, 'a') + "@" + std::string(20000, 'b')),
            InternetResourceType::None);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
