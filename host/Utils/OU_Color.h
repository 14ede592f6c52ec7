// An 8-bit RGBA colour, as the cell-format model stores it.
#pragma once

#include <cstdint>

namespace Vesk {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 255;

  friend constexpr bool operator==(const Color&, const Color&) = default;
};

}  // namespace Vesk
