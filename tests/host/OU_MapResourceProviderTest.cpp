#include "host/ResourceManager/OU_MapResourceProvider.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/OU_ResourceTestSupport.h"

namespace Vesk::ResourceManager {
namespace {

// Every suite reads its made-up locales through this provider, so the kinds of its rows are
// exercised everywhere; what stays here is how keys match and which row wins.
TEST(MapResourceProvider, KeysAreExactBytesAndTheLaterRowWins) {
  const MapResourceProvider provider(std::vector<MapResourceProvider::Row>{
      {"k", "first"}, {"A/b:c", {"x"}}, {"other", true}, {"k", false}});
  EXPECT_EQ(provider.size(), 3u);
  const struct {
    std::string key;
    const char* expected;
  } cases[] = {
      {"k", "none none false"},
      {"A/b:c", "none [x] none"},
      {"a/b:c", "none none none"},
      {"A/b", "none none none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(Testing::answers(provider, c.key), c.expected);
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
