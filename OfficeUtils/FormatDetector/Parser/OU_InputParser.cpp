#include "OfficeUtils/FormatDetector/Parser/OU_InputParser.h"

#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {

InputParser::InputParser(ResourceFunction resourceFunction, PathGroups pathGroups)
    : _resourceFunction(std::move(resourceFunction)), _pathGroups(std::move(pathGroups)) {
  // An odometer over the groups, the last group turning fastest; an empty group gives no path.
  std::vector<std::string> paths = {""};
  for (const auto& group : _pathGroups) {
    std::vector<std::string> longer;
    longer.reserve(paths.size() * group.size());
    for (const auto& prefix : paths)
      for (const auto& piece : group) longer.push_back(prefix + piece);
    paths = std::move(longer);
  }
  _paths = std::move(paths);
}

TokenData InputParser::getTokenFromResources(const std::string& name) const {
  TokenData data{name, "", {}, false};
  for (const auto& path : _paths) {
    const auto lines = _resourceFunction(path + "/" + name + "/Rules");
    if (!lines) continue;
    data.rules.resize(lines->size());
    getComlexityAndTypicalName(path, data);
    std::size_t ruleIndex = 0;
    for (const auto& line : *lines) getCommonRule(line, data, ruleIndex);
    break;
  }
  return data;
}

void InputParser::getComlexityAndTypicalName(const std::string& path, TokenData& data) const {
  const std::string prefix = path + "/" + data.name + "/";
  if (const auto typicalName = _resourceFunction(prefix + "TypicalName");
      typicalName && typicalName->size() == 1)
    data.typicalName = typicalName->front();
  if (const auto complexity = _resourceFunction(prefix + "Complexity");
      complexity && complexity->size() == 1)
    data.isComplex =
        Vesk::utf8StringToLowerCase(complexity->front()).find("primitive") == std::string::npos;
}

void InputParser::getCommonRule(const std::string& line, TokenData& data, std::size_t& ruleIndex) {
  if (data.rules.size() <= ruleIndex) data.rules.resize(ruleIndex + 1);
  auto& rule = data.rules[ruleIndex];
  if (!data.isComplex) {
    rule.push_back(line);
    return;
  }
  bool inItem = false;
  for (const char c : line) {
    if (c == ',') {
      inItem = false;
    } else if (!Vesk::ASCII::isSpace(c)) {
      if (!inItem) rule.emplace_back();
      inItem = true;
      rule.back().push_back(c);
    }
  }
  ++ruleIndex;
}

}  // namespace Vesk::OfficeUtils
