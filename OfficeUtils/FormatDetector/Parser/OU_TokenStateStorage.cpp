#include "OfficeUtils/FormatDetector/Parser/OU_TokenStateStorage.h"

namespace Vesk::OfficeUtils {

TokenStateStorage& TokenStateStorage::refreshInner() {
  if (!_inner) {
    _inner = std::make_unique<TokenStateStorage>();
  } else if (_innerStale) {
    _inner->reset();
  }
  _innerStale = false;
  return *_inner;
}

TokenStateStorage& TokenStateStorage::refreshOuter() {
  if (!_outer) {
    _outer = std::make_unique<TokenStateStorage>();
  } else if (_outerStale) {
    _outer->reset();
  }
  _outerStale = false;
  return *_outer;
}

void TokenStateStorage::reset() {
  _innerState = FreshState;
  _outerState = FreshState;
  _symbolsContained = 0;
  _runLength = 0;
  _innerStale = _inner != nullptr;
  _outerStale = _outer != nullptr;
}

}  // namespace Vesk::OfficeUtils
