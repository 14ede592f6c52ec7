#include "host/Utils/OU_StringUtils.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace Vesk {
namespace {

// Decodes the code point at `index` and advances; ill-formed bytes give U+FFFD.
UChar32 nextCodePoint(std::string_view text, std::size_t& index) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto length = static_cast<int32_t>(text.size());
  auto offset = static_cast<int32_t>(index);
  UChar32 c = 0;
  U8_NEXT(bytes, offset, length, c);
  index = static_cast<std::size_t>(offset);
  return c < 0 ? 0xFFFD : c;
}

std::string toUTF8(const icu::UnicodeString& text) {
  std::string result;
  text.toUTF8String(result);
  return result;
}

icu::UnicodeString fromUTF8(std::string_view text) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

}  // namespace

std::string utf8StringToUpperCase(std::string_view text, const icu::Locale& locale) {
  return toUTF8(fromUTF8(text).toUpper(locale));
}

std::string utf8StringToLowerCase(std::string_view text, const icu::Locale& locale) {
  return toUTF8(fromUTF8(text).toLower(locale));
}

int utf8StringCompare(std::string_view a, std::string_view b, bool caseInsensitive) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto byteA = static_cast<unsigned char>(a[i]);
    const auto byteB = static_cast<unsigned char>(b[j]);
    UChar32 ca = 0;
    UChar32 cb = 0;
    if (byteA < 0x80 && byteB < 0x80) {  // the common ASCII case, without decoding
      ca = byteA;
      cb = byteB;
      ++i;
      ++j;
      if (caseInsensitive) {
        if (ca >= 'A' && ca <= 'Z') ca += 'a' - 'A';
        if (cb >= 'A' && cb <= 'Z') cb += 'a' - 'A';
      }
    } else {
      ca = nextCodePoint(a, i);
      cb = nextCodePoint(b, j);
      if (caseInsensitive) {
        ca = u_foldCase(ca, U_FOLD_CASE_DEFAULT);
        cb = u_foldCase(cb, U_FOLD_CASE_DEFAULT);
      }
    }
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

std::string utf8StringFoldCase(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
      ++i;
      continue;
    }
    const UChar32 c = u_foldCase(nextCodePoint(text, i), U_FOLD_CASE_DEFAULT);
    char buffer[U8_MAX_LENGTH];
    int32_t length = 0;
    U8_APPEND_UNSAFE(buffer, length, c);
    folded.append(buffer, static_cast<std::size_t>(length));
  }
  return folded;
}

std::size_t getUnicodeCharsCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) nextCodePoint(text, i);
  return count;
}

std::string_view utf8SubStr(std::string_view text, std::size_t start, std::size_t count) {
  std::size_t begin = 0;
  for (std::size_t skipped = 0; skipped < start && begin < text.size(); ++skipped)
    nextCodePoint(text, begin);
  std::size_t end = begin;
  for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) nextCodePoint(text, end);
  return text.substr(begin, end - begin);
}

boost::optional<int> strToInt(const std::string& text, std::size_t* position, int base) {
  if (base != 0 && (base < 2 || base > 36)) return boost::none;
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(begin, &end, base);
  if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX) return boost::none;
  if (position) *position = static_cast<std::size_t>(end - begin);
  return static_cast<int>(value);
}

std::string convertArabicToUpperRomanNumber(unsigned long number, int /*form*/) {
  static constexpr struct {
    unsigned long value;
    const char* text;
  } numerals[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                  {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                  {5, "V"},    {4, "IV"},   {1, "I"}};
  std::string result;
  for (const auto& numeral : numerals) {
    for (; number >= numeral.value; number -= numeral.value) result += numeral.text;
  }
  return result;
}

}  // namespace Vesk
