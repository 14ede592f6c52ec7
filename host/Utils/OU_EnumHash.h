// Hash of any enumeration through its underlying value, for unordered containers keyed by enums.
#pragma once

#include <cstddef>
#include <functional>
#include <type_traits>

namespace Vesk {

struct EnumHash {
  template <typename Enum, typename = std::enable_if_t<std::is_enum_v<Enum>>>
  std::size_t operator()(Enum value) const {
    using Underlying = std::underlying_type_t<Enum>;
    return std::hash<Underlying>()(static_cast<Underlying>(value));
  }
};

}  // namespace Vesk
