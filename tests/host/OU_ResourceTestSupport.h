// Compact dumps of what resource providers answer, shared by the provider tests.
#pragma once

#include <string>
#include <vector>

#include <boost/optional.hpp>

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

inline std::string answers(const ResourceProvider& provider, const std::string& key) {
  return answers(provider.getResourceString(key), provider.getResourceStringArray(key),
                 provider.getResourceBoolean(key));
}

}  // namespace Vesk::ResourceManager::Testing
