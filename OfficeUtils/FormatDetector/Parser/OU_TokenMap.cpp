#include "OfficeUtils/FormatDetector/Parser/OU_TokenMap.h"

#include <algorithm>
#include <bit>

namespace Vesk::OfficeUtils {
namespace {

bool isDirect(int index) {
  return index >= 0 && index < 32;
}

}  // namespace

const std::string* TokenMap::find(int index) const {
  if (isDirect(index)) return (_present >> index & 1u) != 0 ? &_direct[index] : nullptr;
  for (const auto& [key, text] : _others)
    if (key == index) return &text;
  return nullptr;
}

std::size_t TokenMap::size() const {
  return static_cast<std::size_t>(std::popcount(_present)) + _others.size();
}

bool TokenMap::insert(int index, std::string_view text) {
  if (isDirect(index)) {
    if ((_present >> index & 1u) != 0) return false;
    _present |= 1u << index;
    _direct[index].assign(text);
    return true;
  }
  if (find(index) != nullptr) return false;
  _others.emplace_back(index, std::string(text));
  return true;
}

void TokenMap::erase(int index) {
  if (isDirect(index)) {
    _present &= ~(1u << index);
    return;
  }
  std::erase_if(_others, [index](const auto& entry) { return entry.first == index; });
}

void TokenMap::clear() {
  _present = 0;
  _others.clear();
}

std::vector<std::pair<int, std::string>> TokenMap::entries() const {
  std::vector<std::pair<int, std::string>> all;
  for (int i = 0; i < DirectCount; ++i)
    if ((_present >> i & 1u) != 0) all.emplace_back(i, _direct[i]);
  auto others = _others;
  std::sort(others.begin(), others.end());
  all.insert(all.end(), others.begin(), others.end());
  return all;
}

}  // namespace Vesk::OfficeUtils
