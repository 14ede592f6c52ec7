#include "OfficeUtils/FormatDetector/Detectors/OU_PercentageFormatDetector.h"

#include <utility>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils {

PercentageFormatDetector::PercentageFormatDetector(const LocaleContext& locale)
    : FormatDetector(locale, PercentageIndex) {
  makeFormats();
}

PercentageFormatDetector::PercentageFormatDetector(const LocaleContext& locale,
                                                   std::shared_ptr<TokensManager> manager)
    : FormatDetector(locale, std::move(manager), PercentageIndex) {
  makeFormats();
}

void PercentageFormatDetector::makeFormats() {
  const CellFormatFactory factory(getLocaleContext());
  _formats[0] = factory.makePercentageFormat(DefaultIntegerDecimalPlaces);
  _formats[1] = factory.makePercentageFormat(DefaultNonIntegerDecimalPlaces);
}

Vesk::FormulaModel::FormulaValue PercentageFormatDetector::detectWithParts(const std::string& text,
                                                                           TokenMap* parts) const {
  return parseSignedText(text, parts);
}

Vesk::FormulaModel::FormulaValue PercentageFormatDetector::formatDetectorResultProcessing(
    const TokenMap& tokens) const {
  const auto& locale = getLocaleContext();
  const auto number = stringToFloatNumber(tokensToStringNumber(tokens, locale), locale);
  if (!number) return Vesk::FormulaModel::getFormulaEmpty();
  return makeFormulaNumberWithCellFormat(number->getValue() / 100.0,
                                         _formats[tokens.contains(DecimalPartNumberIndex) ? 1 : 0]);
}

}  // namespace Vesk::OfficeUtils
