#include "OfficeUtils/Utils/OU_TextUtils.h"

#include <cstring>
#include <locale>

#include <fmt/format.h>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Utils/OU_TextUtils";

std::string toLetters(std::size_t index, char base) {
  if (index == 0) return {};
  if (index > MaxLetterOrdinal) return fmt::format("{}", index);
  const std::size_t m = index - 1;
  return std::string(m / 26 + 1, static_cast<char>(base + m % 26));
}

std::size_t lettersToIndex(const std::string& text, char base) {
  if (text.empty()) return 0;
  const char first = text.front();
  if (first < base || first > base + 25) return 0;
  // Every character equals the first exactly when the text equals itself shifted by one.
  if (std::memcmp(text.data(), text.data() + 1, text.size() - 1) != 0) return 0;
  return static_cast<std::size_t>(first - base) + 26 * (text.size() - 1) + 1;
}

}  // namespace

std::string indexToString(std::size_t index, Vesk::DOM::NumberFormatType type) {
  using Vesk::DOM::NumberFormatType;
  switch (type) {
    case NumberFormatType::UpperRoman:
      if (index > MaxRomanOrdinal) break;
      return convertArabicToUpperRomanNumber(index, 0);
    case NumberFormatType::LowerRoman: {
      if (index > MaxRomanOrdinal) break;
      std::string text = convertArabicToUpperRomanNumber(index, 0);
      const auto& ctype = std::use_facet<std::ctype<char>>(std::locale());
      ctype.tolower(text.data(), text.data() + text.size());
      return text;
    }
    case NumberFormatType::UpperLetter:
      return toLetters(index, 'A');
    case NumberFormatType::LowerLetter:
      return toLetters(index, 'a');
    case NumberFormatType::Decimal:
      break;
    default:
      // 5 and 6 name formats without a text here; any value from 7 up is read as decimal.
      if (static_cast<int>(type) <= 6) OU_FAIL("Unsupported type");
      break;
  }
  return fmt::format("{}", index);
}

std::size_t convertLowerLatinLetterToDecimal(const std::string& text) {
  return lettersToIndex(text, 'a');
}

std::size_t convertUpperLatinLetterToDecimal(const std::string& text) {
  return lettersToIndex(text, 'A');
}

}  // namespace Vesk::OfficeUtils
