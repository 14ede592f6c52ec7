// What the formula editor shows about a function in one locale: its localized name, description,
// help link and, per argument, name, description and example. Filled on one thread by the locale
// manager, then read-only and safe to read from any thread.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <boost/unordered_map.hpp>

#include "host/DOM/OU_FormulaFunctionType.h"
#include "host/Utils/OU_EnumHash.h"

namespace Vesk::OfficeUtils {

struct FormulaFunctionInfo {
  std::string name;
  std::string description;
  std::string descriptionURL;
  // Parallel by position, as the resources give them; their lengths are not checked.
  std::vector<std::string> argumentsNames;
  std::vector<std::string> argumentsDescriptions;
  std::vector<std::string> argumentsExamples;

  bool operator==(const FormulaFunctionInfo&) const = default;
};

class FunctionsLocalizedInfosMap {
 public:
  FunctionsLocalizedInfosMap();

  // Stores a copy; entries already held for `type` stay (one per calling variant, for example).
  void addInfo(Vesk::DOM::FormulaFunctionType type, const FormulaFunctionInfo& info);

  // Every entry of `type`, in no particular order; empty if there is none. The references stay
  // valid while the map lives and nothing is added.
  [[nodiscard]] std::vector<std::reference_wrapper<const FormulaFunctionInfo>>
  getFormulaFunctionInfo(Vesk::DOM::FormulaFunctionType type) const;

  [[nodiscard]] bool isEmpty() const { return _infos.empty(); }

 private:
  boost::unordered_multimap<Vesk::DOM::FormulaFunctionType, FormulaFunctionInfo, Vesk::EnumHash>
      _infos;
};

}  // namespace Vesk::OfficeUtils
