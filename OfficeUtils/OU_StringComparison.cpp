#include "OfficeUtils/OU_StringComparison.h"

#include <cstddef>
#include <iterator>
#include <utility>

#include <utf8.h>

namespace Vesk::OfficeUtils {
namespace {

// Indexed by code point; the rows hold 16 code points each.
// clang-format off
constexpr std::uint8_t Weights[] = {
      0,   2,   3,   4,   5,   6,   7,   8,   9,  35,  36,  37,  38,  39,  10,  11,  // 0-15
     12,  13,  14,  15,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  // 16-31
     33,  40,  41,  42,  43,  44,  45,  29,  46,  47,  48,  88,  49,  30,  50,  51,  // 32-47
    115, 119, 121, 123, 125, 126, 127, 128, 129, 130,  52,  53,  89,  90,  91,  54,  // 48-63
     55, 131, 148, 150, 154, 158, 168, 171, 173, 175, 185, 187, 189, 191, 193, 197,  // 64-79
    214, 216, 218, 220, 225, 230, 240, 242, 244, 246, 252,  56,  57,  58,  59,  61,  // 80-95
     62, 131, 148, 150, 154, 158, 168, 171, 173, 175, 185, 187, 189, 191, 193, 197,  // 96-111
    214, 216, 218, 220, 225, 230, 240, 242, 244, 246, 252,  63,  64,  65,  66,  28,  // 112-127
     87, 110,  77, 170,  80, 105, 106, 107,  60, 109, 222,  81, 212, 111, 254, 112,  // 128-143
    113,  75,  76,  78,  79, 108,  31,  32,  74, 229, 222,  82, 212, 114, 254, 250,  // 144-159
     34,  67,  83,  84,  85,  86,  68,  97,  69,  98, 133,  93,  99,   1, 100,  70,  // 160-175
    101,  92, 122, 124,  71, 102, 103, 104,  72, 120, 199,  94, 116, 117, 118,  73,  // 176-191
    136, 134, 138, 142, 140, 144, 146, 152, 162, 160, 164, 166, 179, 177, 181, 183,  // 192-207
    156, 195, 202, 200, 204, 208, 206,  95, 210, 234, 232, 236, 238, 248, 227, 224,  // 208-223
    136, 134, 138, 142, 140, 144, 146, 152, 162, 160, 164, 166, 179, 177, 181, 183,  // 224-239
    156, 195, 202, 200, 204, 208, 206,  96, 210, 234, 232, 236, 238, 248, 227, 250,  // 240-255
};
// clang-format on
static_assert(std::size(Weights) == 256, "one weight for each code point from 0 to 255");

template <std::size_t... Index>
constexpr std::array<std::uint8_t, sizeof...(Index)> toArray(std::index_sequence<Index...>) {
  return {Weights[Index]...};
}

// The value a code point compares by: its weight, or itself beyond the table (always larger,
// as no weight exceeds 255).
inline std::uint32_t sortValue(std::uint32_t codePoint) {
  return codePoint < std::size(Weights) ? Weights[codePoint] : codePoint;
}

// The next code point; ASCII skips utfcpp's validation, which would accept it unchanged anyway.
inline std::uint32_t nextCodePoint(const char*& it, const char* end) {
  const auto byte = static_cast<unsigned char>(*it);
  if (byte < 0x80) {
    ++it;
    return byte;
  }
  return utf8::next(it, end);
}

}  // namespace

const std::array<std::uint8_t, 256> CharWeight = toArray(std::make_index_sequence<256>());

int compareStringsByWeight(std::string_view a, std::string_view b) {
  const char* itA = a.data();
  const char* const endA = itA + a.size();
  const char* itB = b.data();
  const char* const endB = itB + b.size();
  while (itA != endA && itB != endB) {
    const auto valueA = sortValue(nextCodePoint(itA, endA));
    const auto valueB = sortValue(nextCodePoint(itB, endB));
    if (valueA < valueB) return -1;
    if (valueB < valueA) return 1;
  }
  if (itA == endA) return itB == endB ? 0 : -1;
  return 1;
}

}  // namespace Vesk::OfficeUtils
