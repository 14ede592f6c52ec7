// Compares texts the way a spreadsheet sorts cell text: code point by code point through a fixed
// weight per character, so that letters compare without regard to case and digits sort between
// punctuation and letters. Stateless; safe on any thread.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Vesk::OfficeUtils {

// The sort weight of each code point 0 to 255 (the upper half laid out as Windows-1252):
// "A" and "a" weigh 131, "0" 115, and 138 and 154 (Š and š in that layout) both 222.
extern const std::array<std::uint8_t, 256> CharWeight;

// -1 when `a` sorts first, 0 when both are equal, 1 when `b` sorts first. Code points below 256
// compare by CharWeight, larger ones by their own value (after every weighted one); a text that
// is a prefix of the other sorts first. ("a", "A") -> 0, ("9", "A") -> -1, ("ab", "a") -> 1.
// Invalid UTF-8 met before the texts differ throws utfcpp's decoding error (utf8::exception:
// utf8::invalid_utf8, utf8::not_enough_room or utf8::invalid_code_point); bytes after the first
// difference are not read.
[[nodiscard]] int compareStringsByWeight(std::string_view a, std::string_view b);

}  // namespace Vesk::OfficeUtils
