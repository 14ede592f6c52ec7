#include "OfficeUtils/FormatDetector/Detectors/OU_CurrencyFormatDetector.h"

#include <utility>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "OfficeUtils/OU_Assert.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils {
namespace {
constexpr const char* SourceFile = "OfficeUtils/FormatDetector/Detectors/OU_CurrencyFormatDetector";

using Factory = CellFormatFactory;

Factory::CellFormatPtr makeFormat(const Factory& factory, unsigned long decimals,
                                  std::string currency) {
  return factory.makeCurrencyFormat(decimals, std::move(currency), false,
                                    Factory::NegativeNumberRenderingPolicy::MinusSign,
                                    Factory::CurrencyType::Regular);
}

}  // namespace

CurrencyFormatDetector::CurrencyFormatDetector(const LocaleContext& locale)
    : FormatDetector(locale, CurrencyIndex) {
  makeFormats();
}

CurrencyFormatDetector::CurrencyFormatDetector(const LocaleContext& locale,
                                               std::shared_ptr<TokensManager> manager)
    : FormatDetector(locale, std::move(manager), CurrencyIndex) {
  makeFormats();
}

void CurrencyFormatDetector::makeFormats() {
  const auto& locale = getLocaleContext();
  const Factory factory(locale);
  const std::string& own = locale.getResources().getSymbol(LocalizableSymbolType::CurrencySymbol);
  _ownSymbolFormats[0] = makeFormat(factory, DefaultIntegerDecimalPlaces, own);
  _ownSymbolFormats[1] = makeFormat(factory, DefaultNonIntegerDecimalPlaces, own);
}

Vesk::FormulaModel::FormulaValue CurrencyFormatDetector::detectWithParts(const std::string& text,
                                                                         TokenMap* parts) const {
  return parseSignedText(text, parts);
}

Vesk::FormulaModel::FormulaValue CurrencyFormatDetector::formatDetectorResultProcessing(
    const TokenMap& tokens) const {
  const auto& locale = getLocaleContext();
  const std::string* currency = tokens.find(CurrencySymbolIndex);
  if (!currency) OU_FAIL("currencySymbolIter != values.end()");
  const auto number = stringToFloatNumber(tokensToStringNumber(tokens, locale), locale);
  if (!number) return Vesk::FormulaModel::getFormulaEmpty();
  const bool decimals = tokens.contains(DecimalPartNumberIndex);
  const std::string& own = locale.getResources().getSymbol(LocalizableSymbolType::CurrencySymbol);
  if (*currency == own)
    return makeFormulaNumberWithCellFormat(*number, _ownSymbolFormats[decimals]);
  return makeFormulaNumberWithCellFormat(
      *number, makeFormat(Factory(locale),
                          decimals ? DefaultNonIntegerDecimalPlaces : DefaultIntegerDecimalPlaces,
                          *currency));
}

}  // namespace Vesk::OfficeUtils
