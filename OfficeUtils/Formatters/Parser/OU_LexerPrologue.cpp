#include "OfficeUtils/Formatters/Parser/OU_LexerPrologue.h"

#include <string>

#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils::LexerPrologue {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formatters/Parser/OU_LexerPrologue";

constexpr std::string_view DecimalDigits = "0123456789";

}  // namespace

std::string_view trimFirstChar(std::string_view str) {
  OU_ASSERT(!str.empty());
  return str.substr(1);
}

std::string_view trimQuoteMarks(std::string_view str) {
  OU_ASSERT(str.size() >= 2);
  OU_ASSERT(str[0] == '"');
  OU_ASSERT(str[str.size() - 1] == '"');
  return str.substr(1, str.size() - 2);
}

std::string_view trimSquareBrackets(std::string_view str) {
  OU_ASSERT(str.size() >= 2);
  OU_ASSERT(str[0] == '[');
  OU_ASSERT(str[str.size() - 1] == ']');
  return str.substr(1, str.size() - 2);
}

std::string_view trimCurrency(std::string_view str) {
  OU_ASSERT(str.size() >= 3);
  OU_ASSERT(str[0] == '[');
  OU_ASSERT(str[1] == '$');
  OU_ASSERT(str[str.size() - 1] == ']');
  return str.substr(2, str.size() - 3);
}

std::string_view trimLanguage(std::string_view str) {
  OU_ASSERT(str.size() >= 4);
  OU_ASSERT(str[0] == '[');
  OU_ASSERT(str[1] == '$');
  OU_ASSERT(str[2] == '-');
  OU_ASSERT(str[str.size() - 1] == ']');
  return str.substr(3, str.size() - 4);
}

std::string_view trimColorNumber(std::string_view str) {
  const auto start = str.find_first_of(DecimalDigits);
  OU_ASSERT(start != std::string::npos);
  const auto end = str.find_last_of(DecimalDigits);
  OU_ASSERT(end != std::string::npos);
  return str.substr(start, end - start + 1);
}

}  // namespace Vesk::OfficeUtils::LexerPrologue
