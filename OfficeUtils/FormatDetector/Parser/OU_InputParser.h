// Reads token definitions of the detection grammar through a resource function. A token N
// lives under the first path P (one piece of each path group, joined, the last group turning
// fastest) for which "P/N/Rules" answers; "P/N/TypicalName" and "P/N/Complexity" complete it.
// Rule lines of a primitive token are literals; a complex token's line is one rule, a list of
// comma-separated items ("Sign=opt, Digit=mul, Separator") in which white space is ignored.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include <boost/optional.hpp>

#include "OfficeUtils/FormatDetector/Parser/OU_Tokens.h"

namespace Vesk::OfficeUtils {

// A resource key to a list of strings, none when absent.
using ResourceFunction = std::function<boost::optional<std::vector<std::string>>(std::string)>;
using PathGroups = std::vector<std::vector<std::string>>;

class InputParser {
 public:
  InputParser(ResourceFunction resourceFunction, PathGroups pathGroups);

  // The token's definition; a token no path answers for has no rules, no typical name and is
  // primitive. Calls an empty resource function: std::bad_function_call.
  [[nodiscard]] TokenData getTokenFromResources(const std::string& name) const;
  // Reads "TypicalName" and "Complexity" under `path` into `data` (each only when it is exactly
  // one string; the token is complex unless the complexity contains "primitive", any case).
  void getComlexityAndTypicalName(const std::string& path, TokenData& data) const;
  // Adds one rule line to `data`: a primitive token's line is a literal of rule 0; a complex
  // token's line becomes rule `ruleIndex`, which then advances.
  static void getCommonRule(const std::string& line, TokenData& data, std::size_t& ruleIndex);

  // The key paths in the order they are tried.
  [[nodiscard]] const std::vector<std::string>& getPaths() const { return _paths; }

 private:
  ResourceFunction _resourceFunction;
  PathGroups _pathGroups;
  std::vector<std::string> _paths;
};

}  // namespace Vesk::OfficeUtils
