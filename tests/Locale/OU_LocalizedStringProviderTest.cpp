#include "OfficeUtils/Locale/OU_LocalizedStringProvider.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Provider = LocalizedStringProvider<int>;

// Against a plain list of entries, added or replacing a value's strings: every value has the
// string the rule names (the only one, else the flagged one; a value without one fails the
// assertion), and every string maps back to its values in the order added.
TEST(LocalizedStringProvider, LookupAgreesWithAScanOfTheEntries) {
  std::vector<Provider::Entry> entries;
  Provider provider;
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    const int value = static_cast<int>(random() % 40);
    const std::string text = "w" + std::to_string(random() % 50);
    if (random() % 6 == 0) {  // the only string of the value from now on, flagged
      std::erase_if(entries, [&](const auto& e) { return e.value == value; });
      entries.push_back({value, text, true});
      provider.replace(value, text);
      continue;
    }
    // At most one flagged entry per value: two would be a fault of the caller.
    const bool flagged =
        random() % 3 == 0 && std::none_of(entries.begin(), entries.end(), [&](const auto& e) {
          return e.value == value && e.isDefault;
        });
    entries.push_back({value, text, flagged});
    provider.add(value, text, flagged);
  }
  for (int value = 0; value < 45; ++value) {
    SCOPED_TRACE(value);
    const std::string word = "w" + std::to_string(value);
    std::vector<std::string> found;
    std::string flagged;
    std::vector<int> values;
    for (const auto& e : entries) {
      if (e.value == value) found.push_back(e.text);
      if (e.value == value && e.isDefault) flagged = e.text;
      if (e.text == word) values.push_back(e.value);
    }
    EXPECT_EQ(provider.findValues(word), values);
    const char* const file = "OfficeUtils/Locale/OU_LocalizedStringProvider";
    if (found.size() > 1 && flagged.empty()) {
      EXPECT_ASSERTION((void)provider.findString(value), file, "map.end() != foundDefault");
    } else if (found.empty()) {
      EXPECT_FALSE(provider.findString(value));
      EXPECT_ASSERTION((void)provider.getString(value), file, "Unknown value");
    } else {
      EXPECT_EQ(provider.getString(value), found.size() == 1 ? found[0] : flagged);
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
