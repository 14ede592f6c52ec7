// Compact dumps of what resource providers answer, shared by the provider tests.
#pragma once

#include <string>
#include <vector>

#include <boost/optional.hpp>
#include <gtest/gtest.h>

#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::ResourceManager::Testing {

// "none" or "[a|b]": tells an absent list from an empty one.
inline std::string dump(const boost::optional<std::vector<std::string>>& list) {
  if (!list) return "none";
  std::string text = "[";
  for (const auto& item : *list) text += (text.size() > 1 ? "|" : "") + item;
  return text + "]";
}

// What the three getters answer: the string (quoted), the list and the flag, "none" for each
// kind absent, as in "\"abc\" none none".
inline std::string answers(const boost::optional<std::string>& text,
                           const boost::optional<std::vector<std::string>>& list,
                           const boost::optional<bool>& flag) {
  return (text ? "\"" + *text + "\"" : std::string("none")) + " " + dump(list) + " " +
         (flag ? (*flag ? "true" : "false") : "none");
}

// The same for a key of `provider`, whose safe getters must agree: the value, or the empty one of
// the kind when the key is missing or holds another kind.
inline std::string answers(const ResourceProvider& provider, const std::string& key) {
  const auto text = provider.getResourceString(key);
  const auto list = provider.getResourceStringArray(key);
  const auto flag = provider.getResourceBoolean(key);
  EXPECT_EQ(provider.safeGetResourceString(key), text.value_or("")) << key;
  EXPECT_EQ(provider.safeGetResourceStringArray(key), list.value_or(std::vector<std::string>{}))
      << key;
  EXPECT_EQ(provider.safeGetResourceBoolean(key), flag.value_or(false)) << key;
  return answers(text, list, flag);
}

}  // namespace Vesk::ResourceManager::Testing
