#include "OfficeUtils/FormatDetector/Parser/OU_TokenStateStorage.h"

namespace Vesk::OfficeUtils {

TokenStateStorage& TokenStateStorage::refreshInner() {
  _inner = std::make_unique<TokenStateStorage>();
  return *_inner;
}

TokenStateStorage& TokenStateStorage::refreshOuter() {
  _outer = std::make_unique<TokenStateStorage>();
  return *_outer;
}

}  // namespace Vesk::OfficeUtils
