#include "OfficeUtils/Locale/OU_LocalizedStringProvider.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/Utils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {

using Provider = LocalizedStringProvider<int>;

// The condition text of the assertion `call` fails, or "" when it returns.
std::string failedCondition(const std::function<void()>& call) {
  try {
    call();
  } catch (const AssertionFailure& failure) {
    EXPECT_EQ(failure.file(), "OfficeUtils/Locale/OU_LocalizedStringProvider");
    return failure.condition();
  }
  return "";
}

TEST(LocalizedStringProvider, ShownStringFollowsTheDefaultFlag) {
  const struct {
    const char* name;
    Provider provider;
    std::string expected;  // "none" for no string, "assert" for the broken-map assertion
  } cases[] = {
      {"no entry", {{2, "two"}}, "none"},
      {"one unflagged entry", {{1, "one"}, {2, "two"}}, "one"},
      {"one flagged entry", {{1, "one", true}}, "one"},
      {"flagged second", {{1, "uno"}, {1, "one", true}, {1, "eins"}}, "one"},
      {"flagged first", {{1, "uno", true}, {1, "one"}}, "uno"},
      {"several, none flagged", {{1, "uno"}, {1, "one"}}, "assert"},
      {"one string for two values", {{1, "x"}, {3, "x"}}, "x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string shown;
    const std::string condition = failedCondition([&] {
      const auto text = c.provider.findString(1);
      shown = text ? *text : "none";
    });
    if (c.expected == "assert") {
      EXPECT_EQ(condition, "map.end() != foundDefault");
    } else {
      EXPECT_EQ(condition, "");
      EXPECT_EQ(shown, c.expected);
    }
  }
}

TEST(LocalizedStringProvider, GetStringOfAValueWithoutStringFailsTheAssertion) {
  const Provider provider{{1, "one"}};
  EXPECT_EQ(provider.getString(1), "one");
  EXPECT_EQ(failedCondition([&] { (void)provider.getString(2); }), "Unknown value");
  EXPECT_EQ(failedCondition([] { (void)Provider().getString(0); }), "Unknown value");
}

TEST(LocalizedStringProvider, ReplaceLeavesOnlyTheNewString) {
  Provider provider{{1, "uno"}, {1, "one", true}, {2, "two"}};
  provider.replace(1, "eins");
  EXPECT_EQ(provider.getString(1), "eins");
  EXPECT_EQ(provider.getString(2), "two");
  EXPECT_TRUE(provider.findValues("one").empty());
  EXPECT_EQ(provider.getMap().size(), 2u);
  // A value without a string gets one.
  provider.replace(3, "drei");
  EXPECT_EQ(provider.getString(3), "drei");
}

TEST(LocalizedStringProvider, StringsMapBackToEveryValue) {
  const Provider provider{{3, "x"}, {1, "x"}, {2, "y"}, {1, "z", true}};
  const struct {
    std::string text;
    std::vector<int> values;
  } cases[] = {{"x", {3, 1}}, {"y", {2}}, {"z", {1}}, {"X", {}}, {"", {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(provider.findValues(c.text), c.values);
  }
  EXPECT_FALSE(provider.isEmpty());
  EXPECT_TRUE(Provider().isEmpty());
}

// Against a plain list of entries: every value has the string the rule names.
TEST(LocalizedStringProvider, LookupAgreesWithAScanOfTheEntries) {
  std::vector<Provider::Entry> entries;
  Provider provider;
  unsigned seed = 7;
  for (int i = 0; i < 300; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int value = static_cast<int>((seed >> 8) % 40);
    const std::string text = "w" + std::to_string((seed >> 16) % 50);
    // At most one flagged entry per value, so the map is never broken.
    bool flagged = (seed >> 4) % 3 == 0;
    for (const auto& e : entries)
      if (e.value == value && e.isDefault) flagged = false;
    entries.push_back({value, text, flagged});
    provider.add(value, text, flagged);
  }
  for (int value = 0; value < 45; ++value) {
    SCOPED_TRACE(value);
    std::vector<const Provider::Entry*> found;
    const Provider::Entry* flagged = nullptr;
    for (const auto& e : entries) {
      if (e.value != value) continue;
      found.push_back(&e);
      if (e.isDefault) flagged = &e;
    }
    const std::string condition = failedCondition([&] {
      const auto text = provider.findString(value);
      if (found.empty()) {
        EXPECT_FALSE(text);
      } else if (found.size() == 1) {
        EXPECT_EQ(*text, found.front()->text);
      } else if (flagged) {
        EXPECT_EQ(*text, flagged->text);
      }
    });
    EXPECT_EQ(condition, found.size() > 1 && !flagged ? "map.end() != foundDefault" : "");
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
