#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionExplanation.h"

#include <array>
#include <utility>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr std::size_t NamedIndices = PercentageIndex + 1;

const std::array<std::string, NamedIndices>& indexNames() {
  static const auto names = [] {
    ValueTokensInfo info;
    fillTokensStructures(info);
    std::array<std::string, NamedIndices> all;
    for (const auto& [name, index] : info.typicalNames)
      if (index < NamedIndices) all[index] = name;
    return all;
  }();
  return names;
}

DetectedKind kindOf(const FormatDetectorMatcher::Match& match) {
  using Vesk::FormulaModel::FormulaError;
  if (match.position < 0) return DetectedKind::Text;
  if (boost::get<FormulaError>(&match.value)) return DetectedKind::Error;
  switch (match.position) {
    case 0:
      return DetectedKind::Number;
    case 1:
      return DetectedKind::Percentage;
    case 2:
      return DetectedKind::Fraction;
    case 3:
      return DetectedKind::Scientific;
    case 4:
      return DetectedKind::Currency;
    default:
      break;
  }
  const bool date = match.parts.contains(DateIndex);
  const bool time = match.parts.contains(TimeIndex);
  return date && time ? DetectedKind::DateTime : time ? DetectedKind::Time : DetectedKind::Date;
}

}  // namespace

const char* detectedKindName(DetectedKind kind) {
  switch (kind) {
    case DetectedKind::Text:
      return "text";
    case DetectedKind::Number:
      return "number";
    case DetectedKind::Percentage:
      return "percentage";
    case DetectedKind::Fraction:
      return "fraction";
    case DetectedKind::Scientific:
      return "scientific";
    case DetectedKind::Currency:
      return "currency";
    case DetectedKind::Date:
      return "date";
    case DetectedKind::Time:
      return "time";
    case DetectedKind::DateTime:
      return "datetime";
    case DetectedKind::Error:
      return "error";
  }
  return "unknown";
}

const std::string& typicalNameOfIndex(unsigned short index) {
  static const std::string none;
  return index < NamedIndices ? indexNames()[index] : none;
}

const std::string* DetectionExplanation::findPart(unsigned short index) const {
  for (const auto& part : parts)
    if (part.index == index) return &part.text;
  return nullptr;
}

DetectionExplanation explainDetection(const FormatDetectorMatcher& matcher, std::string text,
                                      unsigned char mask) {
  auto match = matcher.detectWithParts(std::move(text), mask);
  DetectionExplanation explanation;
  explanation.kind = kindOf(match);
  if (match.position >= 0)
    explanation.detectorMask =
        FormatDetectorMatcher::getDetectorMask(static_cast<std::size_t>(match.position));
  if (const auto* number = boost::get<Vesk::FormulaModel::FormulaNumber>(&match.value))
    explanation.format = number->getProps().getCellFormat();
  for (auto& [index, part] : match.parts.entries())
    explanation.parts.push_back({static_cast<unsigned short>(index),
                                 typicalNameOfIndex(static_cast<unsigned short>(index)),
                                 std::move(part)});
  explanation.value = std::move(match.value);
  return explanation;
}

DetectionExplanation explainDetection(const FormatContext& context, std::string text,
                                      unsigned char mask) {
  return explainDetection(context.getFormatDetectorMatcher(), std::move(text), mask);
}

}  // namespace Vesk::OfficeUtils
