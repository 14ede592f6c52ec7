// The texts a complete match gave the value tokens of the grammar, keyed by typical-name index
// (OU_TokensInfo.h): IntegerPartNumberIndex -> "1,234". Indices below 32 live in a fixed array
// (no hashing, no allocation for short texts; a cleared map keeps its buffers), any other index
// a custom grammar declares as a value token in a small list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vesk::OfficeUtils {

class TokenMap {
 public:
  // The text of `index`, null when the map holds none.
  [[nodiscard]] const std::string* find(int index) const;
  [[nodiscard]] bool contains(int index) const { return find(index) != nullptr; }
  [[nodiscard]] std::size_t size() const;
  [[nodiscard]] bool empty() const { return size() == 0; }

  // Stores `text` under `index` unless the map already holds that index; whether it stored.
  bool insert(int index, std::string_view text);
  void erase(int index);
  void clear();

  // The entries in ascending index order.
  [[nodiscard]] std::vector<std::pair<int, std::string>> entries() const;

  friend bool operator==(const TokenMap& a, const TokenMap& b) {
    return a.entries() == b.entries();
  }

 private:
  static constexpr int DirectCount = 32;

  std::uint32_t _present = 0;
  std::array<std::string, DirectCount> _direct;
  std::vector<std::pair<int, std::string>> _others;
};

}  // namespace Vesk::OfficeUtils
