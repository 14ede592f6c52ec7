#include "host/ResourceManager/OU_ResourceProvider.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/host/OU_ResourceTestSupport.h"

namespace Vesk::ResourceManager {
namespace {

TEST(ResourceProvider, EmptyProviderHoldsNothingAndIsOneObject) {
  const ResourceProvider& empty = ResourceProviderImpl::getEmptyResourceProvider();
  EXPECT_EQ(&empty, &ResourceProviderImpl::getEmptyResourceProvider());
  for (const std::string& key : {std::string(Keys::LongMonthNamesPath), std::string()}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(Testing::answers(empty, key), "none none none");
  }
}

// Missing keys, and keys that hold a value of another kind, give the empty value of the kind.
TEST(ResourceProvider, SafeGettersGiveTheValueOrTheEmptyOneOfTheirKind) {
  const MapResourceProvider provider = {
      {"text", "abc"}, {"list", {"a", "b"}}, {"yes", true}, {"no", false}, {"blank", ""}};
  const ResourceProvider& base = provider;
  const struct {
    std::string key, text;
    std::vector<std::string> list;
    bool flag;
  } cases[] = {
      {"text", "abc", {}, false}, {"list", "", {"a", "b"}, false}, {"yes", "", {}, true},
      {"no", "", {}, false},      {"blank", "", {}, false},        {"missing", "", {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(base.safeGetResourceString(c.key), c.text);
    EXPECT_EQ(base.safeGetResourceStringArray(c.key), c.list);
    EXPECT_EQ(base.safeGetResourceBoolean(c.key), c.flag);
  }
}

// The grammar reader asks for a token N of the "DateTimeTokens" group under the key
// "AutodetectRules/AutodetectRules:" + "AutodetectRules/" + "DateTimeTokens" + "/" + N +
// "/Rules"; each date-time rule key must be exactly such a key.
TEST(ResourceProviderKeys, DateTimeRuleKeysAreRuleKeysOfDateTimeTokens) {
  const std::string groupPath =
      std::string("AutodetectRules/AutodetectRules:") + "AutodetectRules/" + "DateTimeTokens";
  const struct {
    const char* subpath;
    std::string token;
  } cases[] = {
      {Keys::MonthNumberRulesSubpath, "MonthNumber"},
      {Keys::MonthNumberSeparatorRulesSubpath, "MonthNumberSeparator"},
      {Keys::MonthStringRulesSubpath, "MonthString"},
      {Keys::MonthStringSeparatorRulesSubpath, "MonthStringSeparator"},
      {Keys::TimeSeparatorRulesSubpath, "TimeSeparator"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.token);
    EXPECT_EQ(std::string(Keys::DateTimeTokensSubpath) + c.subpath,
              groupPath + "/" + c.token + "/" + "Rules");
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
