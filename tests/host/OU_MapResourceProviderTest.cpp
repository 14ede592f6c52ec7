#include "host/ResourceManager/OU_MapResourceProvider.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/OU_ResourceTestSupport.h"

namespace Vesk::ResourceManager {
namespace {

TEST(MapResourceProvider, RowsKeepTheirKindAndKeysAreExactBytes) {
  const std::vector<std::string> names = {"Jan", "Feb"};
  const MapResourceProvider provider = {
      {"literal", "text"},  // a literal stays a string, not a boolean
      {"string", std::string("s")},
      {"braced", {"a", "b"}},  // a braced pair is a list, not a character range
      {"vector", names},
      {"flag", true},
      {"A/b:c", "x"},
  };
  EXPECT_EQ(provider.size(), 6u);
  const struct {
    std::string key;
    const char* expected;
  } cases[] = {
      {"literal", "\"text\" none none"}, {"string", "\"s\" none none"},
      {"braced", "none [a|b] none"},     {"vector", "none [Jan|Feb] none"},
      {"flag", "none none true"},        {"a/b:c", "none none none"},
      {"A/b", "none none none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(Testing::answers(provider, c.key), c.expected);
  }
  EXPECT_EQ(MapResourceProvider().size(), 0u);
}

TEST(MapResourceProvider, LaterRowReplacesEarlierOne) {
  const MapResourceProvider provider(
      std::vector<MapResourceProvider::Row>{{"k", "first"}, {"other", true}, {"k", false}});
  EXPECT_EQ(provider.size(), 2u);
  EXPECT_EQ(Testing::answers(provider, "k"), "none none false");
}

}  // namespace
}  // namespace Vesk::ResourceManager
