#include "OfficeUtils/RegEx/OU_Hyperlinks.h"

#include <algorithm>
#include <array>
#include <utility>

#include <boost/regex.hpp>

namespace Vesk::OfficeUtils {
namespace {

struct LinkPattern {
  InternetResourceType type;
  const char* expression;
  bool ignoreCase;
};

// The definition of a link word: the patterns tried in this order, the first full match
// deciding. A word is anything above the space. Recognition runs the scanner below, which
// gives the same verdicts in linear time; tests hold the two to the same answers.
// clang-format off
constexpr LinkPattern LinkPatterns[] = {
    {InternetResourceType::Email,      R"([^\x00-\x20]+@[^\x00-\x20]+\.[^\x00-\x20]+)", false},
    {InternetResourceType::WebAddress, R"((HTTP|FTP)S?://[^\x00-\x20]+)",                true},
    {InternetResourceType::WebAddress, R"(WWW\.[^\x00-\x20]+\.[^\x00-\x20]+)",          true},
};
// clang-format on

struct CompiledPattern {
  InternetResourceType type;
  boost::regex regex;
};

using CompiledPatterns = std::array<CompiledPattern, std::size(LinkPatterns)>;

template <std::size_t... Index>
CompiledPatterns compileAll(std::index_sequence<Index...>) {
  auto compile = [](const LinkPattern& pattern) {
    const auto flags =
        pattern.ignoreCase ? boost::regex::perl | boost::regex::icase : boost::regex::perl;
    return CompiledPattern{pattern.type, boost::regex(pattern.expression, flags)};
  };
  return {compile(LinkPatterns[Index])...};
}

const CompiledPatterns& linkPatterns() {
  static const CompiledPatterns patterns =
      compileAll(std::make_index_sequence<std::size(LinkPatterns)>());
  return patterns;
}

// The patterns' verdicts read off in one pass. A pattern's "+" runs over word characters can
// split a word in many ways, and a backtracking match tries them all: quadratic on a long word
// of "@" or "." that fails at its end. Every character must be a word character; then
// - e-mail: an "@" after the first character, and after it, past at least one character, a "."
//   that is not the last character (taking the first such "@" leaves the most room);
// - scheme: "http://", "https://", "ftp://" or "ftps://" (any case) and at least one more;
// - www: "www." (any case), then a "." past at least one character that is not the last.
bool isWordCharacter(char c) {
  return static_cast<unsigned char>(c) > 0x20;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
  if (text.size() < lowerPrefix.size()) return false;
  for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
    const char c = text[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lowerPrefix[i])
      return false;
  }
  return true;
}

// Whether a "." stands in [from, text.size() - 1).
bool hasInnerPoint(std::string_view text, std::size_t from) {
  return from + 1 < text.size() &&
         text.substr(from, text.size() - 1 - from).find('.') != std::string_view::npos;
}

InternetResourceType scanInternetResource(std::string_view text) {
  if (!std::all_of(text.begin(), text.end(), isWordCharacter)) return InternetResourceType::None;
  const std::size_t at = text.size() > 1 ? text.find('@', 1) : std::string_view::npos;
  if (at != std::string_view::npos && hasInnerPoint(text, at + 2))
    return InternetResourceType::Email;
  for (const std::string_view scheme : {"http://", "https://", "ftp://", "ftps://"}) {
    if (startsWithIgnoringCase(text, scheme) && text.size() > scheme.size())
      return InternetResourceType::WebAddress;
  }
  if (startsWithIgnoringCase(text, "www.") && hasInnerPoint(text, 5))
    return InternetResourceType::WebAddress;
  return InternetResourceType::None;
}

}  // namespace

InternetResourceType matchInternetResource(std::string_view text) {
  if (text.empty()) return InternetResourceType::None;
  return scanInternetResource(text);
}

namespace Detail {

InternetResourceType matchInternetResourceByPatterns(std::string_view text) {
  if (text.empty()) return InternetResourceType::None;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (const auto& pattern : linkPatterns()) {
    try {
      if (boost::regex_match(begin, end, pattern.regex)) return pattern.type;
    } catch (const std::runtime_error&) {
      // Boost gives up a match past its backtracking limit; such a text is not a link word.
    }
  }
  return InternetResourceType::None;
}

}  // namespace Detail

}  // namespace Vesk::OfficeUtils
