// Every locale ICU knows builds its matcher, and reads back what the locale itself writes: ICU's
// medium date, its number pattern and its currency pattern, each formatted by ICU in the
// locale's Latin digits (as the library's locale data are), detected with all detectors on.
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>
#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/timezone.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

std::string utf8(const icu::UnicodeString& text) {
  std::string result;
  text.toUTF8String(result);
  return result;
}

boost::optional<double> detected(const FormatDetectorMatcher& matcher, const std::string& text) {
  const auto number = Vesk::FormulaModel::asFormulaNumberOpt(matcher.detect(text, 0x3F));
  if (!number) return boost::none;
  return number->getValue().getValue();
}

bool near(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

// Locales whose own output the grammar does not read, and why.
const std::map<std::string, std::string>& exclusions() {
  static const std::map<std::string, std::string> excluded = {};
  return excluded;
}

TEST(DetectionLocaleSweep, EveryICULocaleReadsItsOwnOutput) {
  int32_t count = 0;
  const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
  const UDate dates[] = {1735603200000.0, 1044576000000.0, 932000000000.0};  // 2024-12-31 ...
  const double numbers[] = {1234567.25, -9876.5, 0.75, 42};
  const double amounts[] = {1234.5, -56.25};
  std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::createTimeZone("UTC"));
  int built = 0, datesRead = 0, numbersRead = 0, currenciesRead = 0, tried = 0;
  for (int32_t i = 0; i < count; i += Vesk::Testing::PropertyScale) {
    const std::string name = locales[i].getName();
    ++tried;
    std::string fault;
    try {
      const auto provider = makeLocaleProvider(name);
      if (!provider) throw std::runtime_error("no provider");
      const LocaleManager manager(*provider, Vesk::DOM::TimeZone());
      const FormatDetectorMatcher matcher(manager.getLocaleContext());
      ++built;
      icu::Locale data(locales[i]);
      UErrorCode status = U_ZERO_ERROR;
      data.setKeywordValue("calendar", "gregorian", status);
      data.setKeywordValue("numbers", "latn", status);

      std::unique_ptr<icu::DateFormat> dateFormat(
          icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, data));
      dateFormat->setTimeZone(*utc);
      bool ok = true;
      for (const UDate date : dates) {
        icu::UnicodeString text;
        const std::string shown = utf8(dateFormat->format(date, text));
        const auto value = detected(matcher, shown);
        if (!value || !near(*value, date / 86400000.0 + 25569)) {
          fault += " date \"" + shown + "\"";
          ok = false;
        }
      }
      datesRead += ok;

      std::unique_ptr<icu::NumberFormat> numberFormat(
          icu::NumberFormat::createInstance(data, status));
      ok = true;
      for (const double number : numbers) {
        icu::UnicodeString text;
        const std::string shown = utf8(numberFormat->format(number, text));
        const auto value = detected(matcher, shown);
        if (!value || !near(*value, number)) {
          fault += " number \"" + shown + "\"";
          ok = false;
        }
      }
      numbersRead += ok;

      std::unique_ptr<icu::NumberFormat> currencyFormat(
          icu::NumberFormat::createCurrencyInstance(data, status));
      ok = U_SUCCESS(status);
      for (const double amount : amounts) {
        if (!ok) break;
        icu::UnicodeString text;
        const std::string shown = utf8(currencyFormat->format(amount, text));
        const double scale = std::pow(10.0, currencyFormat->getMaximumFractionDigits());
        const double shownAmount = std::round(amount * scale) / scale;
        const auto value = detected(matcher, shown);
        if (!value || !near(*value, shownAmount)) {
          fault += " currency \"" + shown + "\"";
          ok = false;
        }
      }
      currenciesRead += ok;
    } catch (const std::exception& error) {
      fault += error.what();
    }
    if (!fault.empty() && !exclusions().count(name)) ADD_FAILURE() << name << ":" << fault;
  }
  std::printf(
      "ICU locales tried %d: matcher built %d, medium dates read %d, numbers read %d, "
      "currency amounts read %d\n",
      tried, built, datesRead, numbersRead, currenciesRead);
  EXPECT_GT(tried * Vesk::Testing::PropertyScale, 700);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
