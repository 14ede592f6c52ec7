#include "OfficeUtils/Formatters/Parser/OU_LanguageInfo.h"

#include <cstdio>
#include <string>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace Vesk::OfficeUtils::Parser {
namespace {

std::string dump(const boost::optional<LanguageInfo>& info) {
  if (!info) return "none";
  return info->getLanguage() + "|" + info->getCountry() + "|" + info->getScript();
}

TEST(LanguageInfo, OrdersBytewiseLanguageThenCountryThenScript) {
  // Each row sorts strictly before the next.
  const LanguageInfo ordered[] = {
      {"", "", "Latn"}, {"en", "", ""},  {"en", "GB", "Zzzz"},
      {"en", "US", ""}, {"enx", "", ""}, {"en\xc3\xa9", "", ""},
  };
  for (std::size_t i = 0; i < std::size(ordered); ++i) {
    for (std::size_t j = 0; j < std::size(ordered); ++j) {
      SCOPED_TRACE(dump(ordered[i]) + " vs " + dump(ordered[j]));
      const auto &a = ordered[i], &b = ordered[j];
      // One bit per operator: == != < > <= >=.
      EXPECT_EQ((a == b) + 2 * (a != b) + 4 * (a < b) + 8 * (a > b) + 16 * (a <= b) + 32 * (a >= b),
                i == j  ? 1 + 16 + 32
                : i < j ? 2 + 4 + 16
                        : 2 + 8 + 32);
    }
  }
}

TEST(LanguageInfo, DocumentedConversions) {
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0x7C04)), "zh||Hant");
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0x843)), "uz|UZ|Cyrl");
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0x10407)), "de|DE|");  // phonebook sort
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0xFC07)), "de||");     // unknown region: the language
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0x3FF)), "none");
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0x40A)), "es|ES|");  // traditional sort, keyword dropped
  // ICU names 0 and 0x1000 (no particular locale) "root": an empty tag, which has no LCID.
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0x0)), "||");
  EXPECT_EQ(dump(msLCIDToLanguageInfo(0xFFFFFFFF)), "none");
  EXPECT_EQ(languageInfoToMSLCID({"zh", "CN", "Hans"}), boost::make_optional(0x804u));
  EXPECT_EQ(languageInfoToMSLCID({"sr", "", "Latn"}), boost::make_optional(0x701Au));
  EXPECT_EQ(languageInfoToMSLCID({"", "DE", ""}), boost::none);
  EXPECT_EQ(languageInfoToMSLCID({"xx", "YY", ""}), boost::none);
  EXPECT_EQ(languageInfoToMSLCID({std::string("en\0x", 4), "US", ""}), boost::none);
}

// Every LCID that ICU maps to a language must map back to an LCID of the same language (through
// the locale string "uz_Cyrl_UZ" of its parts). ICU answers an LCID whose region it does not
// know with the language's main locale, and one without a language (the low ten bits zero) with
// the empty root tag, which has no LCID.
TEST(LanguageInfo, EveryKnownLCIDRoundTrips) {
  int known = 0, exact = 0, root = 0;
  for (unsigned lcid = 0; lcid <= 0xFFFF; ++lcid) {
    const auto info = msLCIDToLanguageInfo(lcid);
    if (!info) continue;
    const bool isRoot = *info == LanguageInfo("", "", "");
    EXPECT_EQ(isRoot, (lcid & 0x3FF) == 0) << std::hex << lcid;
    if (isRoot) {
      ++root;
      continue;
    }
    ++known;
    SCOPED_TRACE(testing::Message() << std::hex << "0x" << lcid << " " << dump(info));
    const auto back = languageInfoToMSLCID(*info);
    ASSERT_TRUE(back);
    EXPECT_EQ(dump(msLCIDToLanguageInfo(*back)), dump(info));
    exact += *back == lcid;
  }
  std::printf("LCIDs 0 to 0xFFFF with a language: %d, mapping back to themselves: %d, root: %d\n",
              known, exact, root);
  EXPECT_EQ(root, 64);
  EXPECT_GT(exact, 400);
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
