#include "OfficeUtils/RegEx/OU_NumberRegex.h"

#include <string>

#include <boost/regex.hpp>

#include "OfficeUtils/OU_Assert.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/RegEx/OU_NumberRegex";

constexpr const char* SignPattern = "([+-]?)";
constexpr const char* PointMantissaPattern = R"(([0-9]+(?:\.[0-9]*)?|[0-9]*\.[0-9]+))";
constexpr const char* CommaMantissaPattern = "([0-9]+(?:,[0-9]*)?|[0-9]*,[0-9]+)";
constexpr const char* ExponentPattern = "(([eE][+-]?)[0-9]+)?";

// Compiled on first use, kept for the life of the process.
const boost::regex& pointNumberRegex() {
  static const boost::regex regex(std::string(SignPattern) + PointMantissaPattern + ExponentPattern,
                                  boost::regex::perl);
  return regex;
}

const boost::regex& commaNumberRegex() {
  static const boost::regex regex(std::string(SignPattern) + CommaMantissaPattern + ExponentPattern,
                                  boost::regex::perl);
  return regex;
}

const boost::regex& numberRegex(DecimalSeparatorType type) {
  switch (type) {
    case DecimalSeparatorType::Point:
      return pointNumberRegex();
    case DecimalSeparatorType::Comma:
      return commaNumberRegex();
  }
  OU_FAIL("Unknown decimal separator type");
}

}  // namespace

boost::optional<NumberParts> parseNumber(std::string_view text, const LocaleContext& context) {
  return parseNumber(text, getDecimalSeparatorType(context));
}

boost::optional<NumberParts> parseNumber(std::string_view text,
                                         DecimalSeparatorType separatorType) {
  // One set of results per thread, reused so that a match allocates nothing.
  thread_local boost::match_results<const char*> match;
  const char* const begin = text.data();
  if (!boost::regex_match(begin, begin + text.size(), match, numberRegex(separatorType)))
    return boost::none;

  const auto view = [&](int group) -> std::string_view {
    if (!match[group].matched) return {};
    return {match[group].first, static_cast<std::size_t>(match[group].second - match[group].first)};
  };
  NumberParts parts;
  parts.sign = view(1);
  parts.number = view(2);
  if (match[2].matched) parts.numberPosition = static_cast<std::size_t>(match[2].first - begin);
  parts.exponent = view(3);
  parts.exponentLiteral = view(4);
  return parts;
}

}  // namespace Vesk::OfficeUtils
