#include "host/ResourceManager/OU_MapResourceProvider.h"

#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace Vesk::ResourceManager {
namespace {

// "none" or "[a|b]": a compact form that tells an absent list from an empty one.
std::string dump(const boost::optional<std::vector<std::string>>& list) {
  if (!list) return "none";
  std::string text = "[";
  for (const auto& item : *list) text += (text.size() > 1 ? "|" : "") + item;
  return text + "]";
}

TEST(MapResourceProvider, RowsKeepTheirKind) {
  const std::vector<std::string> names = {"Jan", "Feb"};
  const MapResourceProvider provider = {
      {"literal", "text"},  // a literal stays a string, not a boolean
      {"string", std::string("s")},
      {"braced", {"a", "b"}},  // a braced pair is a list, not a character range
      {"vector", names},
      {"flag", true},
  };
  EXPECT_EQ(provider.size(), 5u);
  EXPECT_EQ(provider.getResourceString("literal"), std::string("text"));
  EXPECT_EQ(provider.getResourceBoolean("literal"), boost::none);
  EXPECT_EQ(provider.getResourceString("string"), std::string("s"));
  EXPECT_EQ(dump(provider.getResourceStringArray("braced")), "[a|b]");
  EXPECT_EQ(dump(provider.getResourceStringArray("vector")), "[Jan|Feb]");
  EXPECT_EQ(provider.getResourceBoolean("flag"), true);
  EXPECT_EQ(provider.getResourceString("flag"), boost::none);
  EXPECT_EQ(dump(provider.getResourceStringArray("flag")), "none");
  EXPECT_EQ(provider.getResourceString("absent"), boost::none);
}

TEST(MapResourceProvider, LaterRowReplacesEarlierOne) {
  const MapResourceProvider provider(
      std::vector<MapResourceProvider::Row>{{"k", "first"}, {"other", true}, {"k", false}});
  EXPECT_EQ(provider.size(), 2u);
  EXPECT_EQ(provider.getResourceBoolean("k"), false);
  EXPECT_EQ(provider.getResourceString("k"), boost::none);
}

TEST(MapResourceProvider, KeysAreExactBytes) {
  const MapResourceProvider provider = {{"A/b:c", "x"}};
  for (const std::string key : {"a/b:c", "A/b:c ", "A/b", "A/b:c/", ""}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(provider.getResourceString(key), boost::none);
  }
  EXPECT_EQ(MapResourceProvider().size(), 0u);
}

}  // namespace
}  // namespace Vesk::ResourceManager
