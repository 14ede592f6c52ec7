#include "OfficeUtils/FormatDetector/Detectors/OU_FractionFormatDetector.h"

#include <utility>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionResources.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "OfficeUtils/OU_Assert.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils {
namespace {
constexpr const char* SourceFile = "OfficeUtils/FormatDetector/Detectors/OU_FractionFormatDetector";
}  // namespace

FractionFormatDetector::FractionFormatDetector(const LocaleContext& locale)
    : FormatDetector(locale, FractionIndex) {
  makeFormats();
}

FractionFormatDetector::FractionFormatDetector(const LocaleContext& locale,
                                               std::shared_ptr<TokensManager> manager)
    : FormatDetector(locale, std::move(manager), FractionIndex) {
  makeFormats();
}

void FractionFormatDetector::makeFormats() {
  const CellFormatFactory factory(getLocaleContext());
  for (std::size_t digits = 1; digits <= _formats.size(); ++digits)
    _formats[digits - 1] = factory.makeFractionFormat(DenominatorDigitsNumber(digits), 1);
}

Vesk::FormulaModel::FormulaValue FractionFormatDetector::detectWithParts(const std::string& text,
                                                                         TokenMap* parts) const {
  return parseSignedText(text, parts);
}

Vesk::FormulaModel::FormulaValue FractionFormatDetector::formatDetectorResultProcessing(
    const TokenMap& tokens) const {
  const auto& locale = getLocaleContext();
  const std::string* integer = tokens.find(IntegerPartFractionIndex);
  const std::string* numerator = tokens.find(NumeratorIndex);
  const std::string* denominator = tokens.find(DenominatorIndex);
  if (!integer) OU_FAIL("integerFractionIter != values.end()");
  if (!numerator) OU_FAIL("numeratorIter != values.end()");
  if (!denominator) OU_FAIL("denominatorIter != values.end()");
  const auto n = stringToFloatNumber(*numerator, locale);
  const auto d = stringToFloatNumber(*denominator, locale);
  const auto i = stringToFloatNumber(trimThousandSeparator(*integer, locale), locale);
  if (!n || !d || !i) return Vesk::FormulaModel::getFormulaEmpty();
  double value = n->getValue() / d->getValue() + i->getValue();
  if (value == 0.0) value = 0.0;  // no negative zero
  const bool negative = tokens.contains(OpeningParenthesisIndex) || [&] {
    const auto* sign = tokens.find(SignIndex);
    return sign && readSign(*sign) == MinusString;
  }();
  if (negative) value *= -1;
  if (!Vesk::isfinite(Vesk::FloatNumber(value))) return Vesk::FormulaModel::getFormulaDiv0Error();
  const std::size_t digits = denominator->size();
  if (digits >= 1 && digits <= _formats.size())
    return makeFormulaNumberWithCellFormat(value, _formats[digits - 1]);
  return makeFormulaNumberWithCellFormat(
      value, CellFormatFactory(locale).makeFractionFormat(DenominatorDigitsNumber(digits), 1));
}

}  // namespace Vesk::OfficeUtils
