// The input picks the decimals, flags, layout and locale (symbol before or after the amount);
// the rest is the currency text, any bytes, as a detector hands over what a user typed. Every
// format must be made and written; its code must read back and write itself again, unless the
// currency holds a character that the code syntax gives a meaning inside "[$...]".
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>
#include <utf8.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"

using namespace Vesk::OfficeUtils;
namespace Keys = Vesk::ResourceManager::Keys;
using Factory = CellFormatFactory;

namespace {

const LocaleContext& context(bool symbolBefore) {
  static const auto make = [](bool before) {
    return Vesk::ResourceManager::MapResourceProvider{
        {Keys::CurrencySymbolPath, "\u20AC"},
        {Keys::CurrencySymbolsListPath, {"$", "\u20AC", "K\u010D", "\u0130"}},
        {Keys::CurrencyCodesListPath, {"USD", "EUR", "CZK"}},
        {Keys::DefaultCurrencySymbolBeforeAmountPath, before}};
  };
  static const auto after = make(false);
  static const auto before = make(true);
  static const LocaleManager afterManager(after, Vesk::DOM::TimeZone::getUTCTimeZone());
  static const LocaleManager beforeManager(before, Vesk::DOM::TimeZone::getUTCTimeZone());
  return (symbolBefore ? beforeManager : afterManager).getLocaleContext();
}

void checkRoundTrip(const Factory::CellFormatPtr& format, const LocaleContext& locale,
                    bool mustRead) {
  if (!format) __builtin_trap();
  const std::string code = Parser::toRegEx(format->getData(), Parser::ParserType::Default, locale);
  const auto read = Parser::parse(code, Parser::ParserType::Default);
  if (!read) {
    if (mustRead) __builtin_trap();
    return;
  }
  if (mustRead && Parser::toRegEx(*read, Parser::ParserType::Default) != code) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 256) return 0;  // longer currencies add run time, not coverage
  FuzzedDataProvider input(data, size);
  const unsigned long decimals = input.ConsumeIntegralInRange<unsigned long>(0, 30);
  const bool red = input.ConsumeBool();
  const auto policyValue = input.ConsumeIntegralInRange<int>(0, 2);
  const auto policy =
      policyValue == 0 ? boost::none
                       : boost::make_optional(
                             static_cast<Factory::NegativeNumberRenderingPolicy>(policyValue - 1));
  const auto type = static_cast<Factory::CurrencyType>(input.ConsumeIntegral<std::uint8_t>());
  const auto& locale = context(input.ConsumeBool());
  const std::string currency = input.ConsumeRemainingBytesAsString();

  // The currency lists lowered once per context answer as lowering them per call does.
  if (getCurrencySeparationSymbol(currency, locale) !=
      Detail::getCurrencySeparationSymbolUncached(currency, locale))
    __builtin_trap();
  const Factory factory(locale);
  // Inside "[$...]" a bracket, quote, backslash or ";" changes where the code splits, and "-"
  // starts a language; the parser takes only UTF-8.
  const bool plain = currency.find_first_of("[]\"\\;-") == std::string::npos &&
                     utf8::is_valid(currency.begin(), currency.end());
  checkRoundTrip(factory.makeCurrencyFormat(decimals, currency, red, policy, type), locale, plain);
  checkRoundTrip(factory.makeNumberFormat(decimals, red, !red, policy), locale, true);
  checkRoundTrip(factory.makePercentageFormat(decimals), locale, true);
  checkRoundTrip(factory.makeScientificFormat(decimals), locale, true);
  checkRoundTrip(
      factory.makeFractionFormat(DenominatorDigitsNumber(decimals % 7 + 1), 1 + decimals), locale,
      true);
  checkRoundTrip(factory.makeFractionFormat(DenominatorValue(decimals + 1), 1), locale, true);
  return 0;
}
