#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"

#include <locale>
#include <utility>

#include "OfficeUtils/FormatDetector/Detectors/OU_CurrencyFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_DateTimeFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_FractionFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_NumberFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_PercentageFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_ScientificFormatDetector.h"
#include "host/Utils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr std::array<unsigned char, FormatDetectorMatcher::DetectorsCount> Masks = {
    NumberDetectorMask,     PercentageDetectorMask, FractionDetectorMask,
    ScientificDetectorMask, CurrencyDetectorMask,   DateTimeDetectorMask};

FormatDetectorMatcher::Detectors makeDetectors(const LocaleContext& locale,
                                               const std::shared_ptr<TokensManager>& manager) {
  return {std::make_unique<NumberFormatDetector>(locale, manager),
          std::make_unique<PercentageFormatDetector>(locale, manager),
          std::make_unique<FractionFormatDetector>(locale, manager),
          std::make_unique<ScientificFormatDetector>(locale, manager),
          std::make_unique<CurrencyFormatDetector>(locale, manager),
          std::make_unique<DateTimeFormatDetector>(locale, manager)};
}

}  // namespace

FormatDetectorMatcher::FormatDetectorMatcher(Detectors detectors)
    : _detectors(std::move(detectors)) {}

FormatDetectorMatcher::FormatDetectorMatcher(const LocaleContext& locale,
                                             std::shared_ptr<TokensManager> manager)
    : _detectors(makeDetectors(locale, manager)) {}

FormatDetectorMatcher::FormatDetectorMatcher(const LocaleContext& locale)
    : FormatDetectorMatcher(locale, makeDetectionTokensManager(locale)) {}

Vesk::FormulaModel::FormulaValue FormatDetectorMatcher::detect(std::string text,
                                                               unsigned char mask) const {
  int position = -1;
  return run(std::move(text), mask, nullptr, position);
}

FormatDetectorMatcher::Match FormatDetectorMatcher::detectWithParts(std::string text,
                                                                    unsigned char mask) const {
  Match match;
  match.value = run(std::move(text), mask, &match.parts, match.position);
  return match;
}

Vesk::FormulaModel::FormulaValue FormatDetectorMatcher::run(std::string text, unsigned char mask,
                                                            TokenMap* parts, int& position) const {
  position = -1;
  if ((mask & AllDetectorsMask) == 0) return Vesk::FormulaModel::getFormulaEmpty();
  text = trimDetectionText(std::move(text));
  for (std::size_t at = 0; at < DetectorsCount; ++at) {
    if ((mask & Masks[at]) == 0) continue;
    const auto& detector = _detectors[at];
    if (!detector) Vesk::doFailAssert("Utils/Public/Ptr/PtrUtils", 254, "plainPtr");
    auto value = detector->detectWithParts(text, parts);
    if (!Vesk::FormulaModel::isFormulaEmpty(value)) {
      position = static_cast<int>(at);
      return value;
    }
  }
  return Vesk::FormulaModel::getFormulaEmpty();
}

const FormatDetector* FormatDetectorMatcher::getDetector(std::size_t position) const {
  return position < DetectorsCount ? _detectors[position].get() : nullptr;
}

unsigned char FormatDetectorMatcher::getDetectorMask(std::size_t position) {
  return position < DetectorsCount ? Masks[position] : 0;
}

unsigned char getMaskFromDetectors(const std::vector<unsigned char>& masks) {
  unsigned char mask = 0;
  for (const unsigned char each : masks) mask |= each;
  return mask;
}

std::string trimDetectionText(std::string text) {
  const auto& ctype = std::use_facet<std::ctype<char>>(std::locale());
  std::size_t end = text.size();
  while (end > 0 && ctype.is(std::ctype_base::space, text[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && ctype.is(std::ctype_base::space, text[begin])) ++begin;
  text.erase(end);
  text.erase(0, begin);
  return text;
}

}  // namespace Vesk::OfficeUtils
