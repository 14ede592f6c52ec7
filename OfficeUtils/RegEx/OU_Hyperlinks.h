// Recognises a typed word as an e-mail or web address, so that a host can turn it into a link.
// The patterns are compiled once on first use; recognition may run on several threads at once.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Vesk::OfficeUtils {

enum class InternetResourceType : std::uint8_t {
  None = 0,
  Email = 1,
  WebAddress = 2,
};

// Code points that end a link word in running text: line feed, tab, space, form feed.
inline constexpr std::array<std::uint32_t, 4> HyperlinkDelimiters{10, 9, 32, 12};

// The whole text must be one word: "name@example.com" is Email, "HTTPS://x" and "www.a.b" are
// WebAddress (scheme and "www" in any case), "www.example" and " name@example.com" are None.
// Split running text at HyperlinkDelimiters first. Linear in the length of the text.
[[nodiscard]] InternetResourceType matchInternetResource(std::string_view text);

namespace Detail {
// The same verdict from the link patterns themselves (regular expressions, backtracking): the
// definition matchInternetResource is tested against. Slow on long words.
[[nodiscard]] InternetResourceType matchInternetResourceByPatterns(std::string_view text);
}  // namespace Detail

}  // namespace Vesk::OfficeUtils
