// A provider of one locale's data from ICU (CLDR): separators and symbols, the date and time
// patterns in format-code letters, AM/PM, weekday, month, quarter and era names, currencies and
// the locale's name parts. Everything is read from ICU once: at construction, save the currency
// lists (a symbol for each of some 160 currencies, which few callers ask for), which are read
// when first asked for. The provider may be read from several threads at once.
//
// Choices made for spreadsheet use: numbers are read in Latin digits ("numbers=latn") and dates
// in the Gregorian calendar, whatever the locale's defaults; bidirectional marks and other format
// characters (U+200E, U+200F, U+061C ...) are dropped from every value; a locale without a
// region takes its likely one ("de" reads as "de_DE"). The long date pattern is ICU's full
// style, so that it shows the weekday; the time pattern is the medium style, with seconds.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/locid.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::ResourceManager {

class ICUResourceProvider final : public ResourceProvider {
 public:
  // Any name ICU accepts ("de_DE", "de-DE", "sr_Latn_RS"). A name ICU holds no data for reads
  // ICU's fallback data, and one it cannot read ("de_DE/x@y") throws ICUError; check names
  // first with hasICULocaleData.
  explicit ICUResourceProvider(const std::string& localeName);
  explicit ICUResourceProvider(const char* localeName)
      : ICUResourceProvider(std::string(localeName)) {}
  explicit ICUResourceProvider(const icu::Locale& locale);
  ~ICUResourceProvider() override;

  boost::optional<std::string> getResourceString(const std::string& key) const override;
  boost::optional<std::vector<std::string>> getResourceStringArray(
      const std::string& key) const override;
  boost::optional<bool> getResourceBoolean(const std::string& key) const override;

  // The locale the data were read for: the given one with its likely region, Latin digits and
  // the Gregorian calendar ("de" -> "de_DE@calendar=gregorian;numbers=latn").
  [[nodiscard]] const icu::Locale& getDataLocale() const { return _dataLocale; }
  // The number of keys held, the currency lists included.
  [[nodiscard]] std::size_t size() const { return _values.size() + 2; }

 private:
  struct Currencies;
  const MapResourceProvider& currencies() const;

  icu::Locale _dataLocale;
  MapResourceProvider _values;
  std::unique_ptr<Currencies> _currencies;
};

// Whether ICU holds data of its own for the locale, not just the root or default fallback:
// true for "de_DE", "de" and "de_XX"; false for "xx_YY", "" and names ICU cannot read.
[[nodiscard]] bool hasICULocaleData(const std::string& localeName);

// An ICU date-time pattern (UTF-8) in format-code letters, read back by the library's pattern
// conversion: "EEEE, d. MMMM y" -> "EEEE, d. mmmm yyyy", "h:mm:ss a" -> "h:mm:ss AP",
// "y年M月d日" -> "yyyy'年'm'月'd'日'". Literal text is quoted unless it is a space or one of
// ".,/:-"; "@#*_?\[]" stay bare (the conversion quotes them); a literal apostrophe becomes
// U+2019 and a double quote U+201D, which the format-code quotes cannot hold. Fields without a
// format-code letter (time zones, day of year, fractions of seconds ...) are dropped.
[[nodiscard]] std::string convertICUDateTimePattern(std::string_view icuPattern);

}  // namespace Vesk::ResourceManager
