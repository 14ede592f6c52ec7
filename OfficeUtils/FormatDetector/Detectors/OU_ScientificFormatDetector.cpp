#include "OfficeUtils/FormatDetector/Detectors/OU_ScientificFormatDetector.h"

#include <utility>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils {

ScientificFormatDetector::ScientificFormatDetector(const LocaleContext& locale)
    : FormatDetector(locale, ScientificIndex) {
  makeFormats();
}

ScientificFormatDetector::ScientificFormatDetector(const LocaleContext& locale,
                                                   std::shared_ptr<TokensManager> manager)
    : FormatDetector(locale, std::move(manager), ScientificIndex) {
  makeFormats();
}

void ScientificFormatDetector::makeFormats() {
  _format =
      CellFormatFactory(getLocaleContext()).makeScientificFormat(DefaultNonIntegerDecimalPlaces);
}

Vesk::FormulaModel::FormulaValue ScientificFormatDetector::detectWithParts(const std::string& text,
                                                                           TokenMap* parts) const {
  return parseSignedText(text, parts);
}

Vesk::FormulaModel::FormulaValue ScientificFormatDetector::formatDetectorResultProcessing(
    const TokenMap& tokens) const {
  const auto& locale = getLocaleContext();
  std::string number = tokensToStringNumber(tokens, locale);
  number += locale.getResources().getSymbol(LocalizableSymbolType::ExponentLiteral);
  if (const auto* sign = tokens.find(ScientificSignIndex)) number += *sign;
  if (const auto* exponent = tokens.find(ExponentValueIndex))
    number += trimThousandSeparator(*exponent, locale);
  const auto value = stringToFloatNumber(number, locale);
  if (!value) return Vesk::FormulaModel::getFormulaEmpty();
  return makeFormulaNumberWithCellFormat(*value, _format);
}

}  // namespace Vesk::OfficeUtils
