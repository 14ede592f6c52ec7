#include "OfficeUtils/FormatDetector/Detectors/OU_NumberFormatDetector.h"

#include <utility>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils {

NumberFormatDetector::NumberFormatDetector(const LocaleContext& locale)
    : FormatDetector(locale, CommonNumberIndex) {
  makeFormats();
}

NumberFormatDetector::NumberFormatDetector(const LocaleContext& locale,
                                           std::shared_ptr<TokensManager> manager)
    : FormatDetector(locale, std::move(manager), CommonNumberIndex) {
  makeFormats();
}

void NumberFormatDetector::makeFormats() {
  const CellFormatFactory factory(getLocaleContext());
  _groupedFormats[0] = factory.makeNumberFormat(DefaultIntegerDecimalPlaces, true, false, {});
  _groupedFormats[1] = factory.makeNumberFormat(DefaultNonIntegerDecimalPlaces, true, false, {});
}

Vesk::FormulaModel::FormulaValue NumberFormatDetector::detectWithParts(const std::string& text,
                                                                       TokenMap* parts) const {
  return parseSignedText(text, parts);
}

Vesk::FormulaModel::FormulaValue NumberFormatDetector::formatDetectorResultProcessing(
    const TokenMap& tokens) const {
  const auto& locale = getLocaleContext();
  const auto number = stringToFloatNumber(tokensToStringNumber(tokens, locale), locale);
  if (!number) return Vesk::FormulaModel::getFormulaEmpty();
  const auto* integer = tokens.find(IntegerPartNumberIndex);
  if (!integer || !containsThousandSeparator(*integer, locale))
    return makeFormulaNumberWithCellFormat(*number, nullptr);
  return makeFormulaNumberWithCellFormat(
      *number, _groupedFormats[tokens.contains(DecimalPartNumberIndex) ? 1 : 0]);
}

}  // namespace Vesk::OfficeUtils
