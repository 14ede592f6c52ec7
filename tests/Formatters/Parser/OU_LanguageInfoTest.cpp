#include "OfficeUtils/Formatters/Parser/OU_LanguageInfo.h"

#include <string>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace Vesk::OfficeUtils::Parser {
namespace {

std::string dump(const boost::optional<LanguageInfo>& info) {
  if (!info) return "none";
  return info->getLanguage() + "|" + info->getCountry() + "|" + info->getScript();
}

TEST(LanguageInfo, DocumentedConversions) {
  const std::pair<unsigned, std::string> toInfo[] = {
      {0x7C04, "zh||Hant"}, {0x10407, "de|DE|"},  // phonebook sort
      {0xFC07, "de||"},                           // unknown region: the language
      {0x40A, "es|ES|"},                          // traditional sort, keyword dropped
      {0x3FF, "none"},
  };
  for (const auto& [lcid, expected] : toInfo)
    EXPECT_EQ(dump(msLCIDToLanguageInfo(lcid)), expected) << std::hex << lcid;
  const std::pair<LanguageInfo, boost::optional<unsigned>> toLCID[] = {
      {{"zh", "CN", "Hans"}, 0x804u},
      {{"sr", "", "Latn"}, 0x701Au},
      {{std::string("en\0x", 4), "US", ""}, boost::none},
  };
  for (const auto& [info, expected] : toLCID) EXPECT_EQ(languageInfoToMSLCID(info), expected);
}

// Every LCID that ICU maps to a language must map back to an LCID of the same language (through
// the locale string "uz_Cyrl_UZ" of its parts). ICU answers an LCID whose region it does not
// know with the language's main locale, and one without a language (the low ten bits zero) with
// the empty root tag, which has no LCID.
TEST(LanguageInfo, EveryKnownLCIDRoundTrips) {
  int exact = 0, root = 0;
  for (unsigned lcid = 0; lcid <= 0xFFFF; ++lcid) {
    const auto info = msLCIDToLanguageInfo(lcid);
    if (!info) continue;
    const bool isRoot = *info == LanguageInfo("", "", "");
    EXPECT_EQ(isRoot, (lcid & 0x3FF) == 0) << std::hex << lcid;
    if (isRoot) {
      ++root;
      continue;
    }
    SCOPED_TRACE(testing::Message() << std::hex << "0x" << lcid << " " << dump(info));
    const auto back = languageInfoToMSLCID(*info);
    ASSERT_TRUE(back);
    EXPECT_EQ(dump(msLCIDToLanguageInfo(*back)), dump(info));
    exact += *back == lcid;
  }
  EXPECT_EQ(root, 64);
  EXPECT_GT(exact, 400);
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
