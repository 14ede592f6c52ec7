#include "OfficeUtils/Formulas/OU_FunctionsLocalizedInfosMap.h"

#include <iterator>

namespace Vesk::OfficeUtils {
namespace {

constexpr std::size_t InitialBucketCount = 16;

}  // namespace

FunctionsLocalizedInfosMap::FunctionsLocalizedInfosMap() : _infos(InitialBucketCount) {
  _infos.max_load_factor(1.0F);
}

void FunctionsLocalizedInfosMap::addInfo(Vesk::DOM::FormulaFunctionType type,
                                         const FormulaFunctionInfo& info) {
  _infos.emplace(type, info);
}

std::vector<std::reference_wrapper<const FormulaFunctionInfo>>
FunctionsLocalizedInfosMap::getFormulaFunctionInfo(Vesk::DOM::FormulaFunctionType type) const {
  const auto [begin, end] = _infos.equal_range(type);
  std::vector<std::reference_wrapper<const FormulaFunctionInfo>> infos;
  infos.reserve(static_cast<std::size_t>(std::distance(begin, end)));
  for (auto it = begin; it != end; ++it) infos.emplace_back(it->second);
  return infos;
}

}  // namespace Vesk::OfficeUtils
