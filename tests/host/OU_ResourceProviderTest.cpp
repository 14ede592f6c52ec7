#include "host/ResourceManager/OU_ResourceProvider.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/host/OU_ResourceTestSupport.h"

namespace Vesk::ResourceManager {
namespace {

// Missing keys, and keys that hold a value of another kind, give the empty value of the kind.
TEST(ResourceProvider, SafeGettersGiveTheValueOrTheEmptyOneOfTheirKind) {
  const MapResourceProvider provider = {{"text", "abc"}, {"list", {"a", "b"}}, {"yes", true}};
  const ResourceProvider& base = provider;
  const struct {
    std::string key, text;
    std::vector<std::string> list;
    bool flag;
  } cases[] = {
      {"text", "abc", {}, false},
      {"list", "", {"a", "b"}, false},
      {"yes", "", {}, true},
      {"missing", "", {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(base.safeGetResourceString(c.key), c.text);
    EXPECT_EQ(base.safeGetResourceStringArray(c.key), c.list);
    EXPECT_EQ(base.safeGetResourceBoolean(c.key), c.flag);
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
