#include "OfficeUtils/Formatters/OU_ICUDecimalFormatWrapper.h"

#include <cstdint>
#include <utility>

#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/unistr.h>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_Errors.h"
#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils {

namespace {
constexpr const char* SourceFile = "OfficeUtils/Formatters/OU_ICUDecimalFormatWrapper";
}

ICUDecimalFormatWrapper::ICUDecimalFormatWrapper(const LocaleContext& context) {
  UErrorCode status = U_ZERO_ERROR;
  // Last-resort data: the separators come from the locale context, nothing from ICU's locales.
  std::unique_ptr<icu::DecimalFormatSymbols> formatSymbols(
      icu::DecimalFormatSymbols::createWithLastResortData(status));
  Vesk::throwIfICUFailure(status);
  OU_ASSERT(formatSymbols);
  const LocaleResources& resources = context.getResources();
  formatSymbols->setSymbol(
      icu::DecimalFormatSymbols::kDecimalSeparatorSymbol,
      icu::UnicodeString::fromUTF8(resources.getSymbol(LocalizableSymbolType::DecimalSeparator)));
  formatSymbols->setSymbol(
      icu::DecimalFormatSymbols::kGroupingSeparatorSymbol,
      icu::UnicodeString::fromUTF8(resources.getSymbol(LocalizableSymbolType::ThousandSeparator)));

  auto format = std::make_unique<icu::DecimalFormat>(icu::UnicodeString(u"#"),
                                                     formatSymbols.release(), status);
  Vesk::throwIfICUFailure(status);
  // The pattern "#" has no groups; grouping, when switched on, is by thousands.
  format->setGroupingSize(3);
  format->setScientificNotation(false);
  format->setExponentSignAlwaysShown(true);
  format->setRoundingMode(icu::DecimalFormat::kRoundHalfUp);
  format->setDecimalSeparatorAlwaysShown(false);
  format->setGroupingUsed(false);
  format->setMinimumIntegerDigits(1);
  format->setMaximumFractionDigits(getDefaultMaximumFractionDigits());
  _format = std::move(format);
}

ICUDecimalFormatWrapper::ICUDecimalFormatWrapper(const ICUDecimalFormatWrapper& other)
    : _format(other._format ? other._format->clone() : nullptr) {}

ICUDecimalFormatWrapper& ICUDecimalFormatWrapper::operator=(const ICUDecimalFormatWrapper& other) {
  if (this == &other) return *this;
  ICUDecimalFormatWrapper copy(other);
  std::swap(_format, copy._format);
  return *this;
}

ICUDecimalFormatWrapper::ICUDecimalFormatWrapper(ICUDecimalFormatWrapper&& other) noexcept =
    default;
ICUDecimalFormatWrapper& ICUDecimalFormatWrapper::operator=(
    ICUDecimalFormatWrapper&& other) noexcept = default;
ICUDecimalFormatWrapper::~ICUDecimalFormatWrapper() = default;

bool ICUDecimalFormatWrapper::isScientificNotation() const {
  return _format->isScientificNotation();
}
bool ICUDecimalFormatWrapper::hasGrouping() const {
  return _format->isGroupingUsed();
}
bool ICUDecimalFormatWrapper::getAlwaysShowDecimalSeparator() const {
  return _format->isDecimalSeparatorAlwaysShown();
}
int ICUDecimalFormatWrapper::getPrecision() const {
  return _format->getMaximumFractionDigits();
}
int ICUDecimalFormatWrapper::getMinIntegerDigits() const {
  return _format->getMinimumIntegerDigits();
}
int ICUDecimalFormatWrapper::getMinExponentDigits() const {
  return _format->getMinimumExponentDigits();
}
bool ICUDecimalFormatWrapper::getAlwaysShowExponentSign() const {
  return _format->isExponentSignAlwaysShown();
}

void ICUDecimalFormatWrapper::setScientificNotation(bool value) {
  _format->setScientificNotation(value);
}
void ICUDecimalFormatWrapper::setGrouping(bool value) {
  _format->setGroupingUsed(value);
}
void ICUDecimalFormatWrapper::setAlwaysShowDecimalSeparator(bool value) {
  _format->setDecimalSeparatorAlwaysShown(value);
}
void ICUDecimalFormatWrapper::setPrecision(int value) {
  _format->setMaximumFractionDigits(value);
}
void ICUDecimalFormatWrapper::setMinIntegerDigits(int value) {
  _format->setMinimumIntegerDigits(value);
}
void ICUDecimalFormatWrapper::setMinExponentDigits(int value) {
  _format->setMinimumExponentDigits(Vesk::numCast<std::int8_t>(value));
}
void ICUDecimalFormatWrapper::setAlwaysShowExponentSign(bool value) {
  _format->setExponentSignAlwaysShown(value);
}

std::string ICUDecimalFormatWrapper::toString(double value) const {
  icu::UnicodeString text;
  _format->format(value, text);
  std::string result;
  text.toUTF8String(result);
  OU_ASSERT(!result.empty());
  if (!_format->isScientificNotation() && _format->getMinimumIntegerDigits() == 0 &&
      result.front() == '0')
    result.erase(0, 1);
  return result;
}

std::string ICUDecimalFormatWrapper::toString(Vesk::FloatNumber value) const {
  return toString(value.getValue());
}

}  // namespace Vesk::OfficeUtils
