#include "OfficeUtils/RegEx/OU_Hyperlinks.h"

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

// Tried in this order; the first full match decides. A word is anything above the space.
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

}  // namespace

InternetResourceType matchInternetResource(std::string_view text) {
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

}  // namespace Vesk::OfficeUtils
