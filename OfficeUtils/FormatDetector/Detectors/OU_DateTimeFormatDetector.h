// Dates, times and dates with times: "3/4/2024", "4 March", "12:30 PM", "2024-03-04 12:30:15".
// The value is the spreadsheet serial; the format mirrors what was typed (numeric or textual
// month, with or without day or year, with or without seconds), laid out in the locale's order
// when written. Impossible dates (31 April) and times (24:00) are not matches.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <boost/optional.hpp>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"
#include "OfficeUtils/Utils/OU_DateTime.h"

namespace Vesk::OfficeUtils {

class DateTimeFormatDetector : public FormatDetector {
 public:
  // Both read the month names once (getDetectorMonthNames).
  explicit DateTimeFormatDetector(const LocaleContext& locale);
  DateTimeFormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager);

  [[nodiscard]] Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(
      const TokenMap& tokens) const override;
  // The text as typed: signs are not collapsed.
  [[nodiscard]] Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                                 TokenMap* parts) const override;

  [[nodiscard]] Vesk::FormulaModel::FormulaValue dateProcessing(const TokenMap& tokens) const;
  [[nodiscard]] Vesk::FormulaModel::FormulaValue timeProcessing(const TokenMap& tokens) const;
  [[nodiscard]] Vesk::FormulaModel::FormulaValue dateAndTimeProcessing(
      const TokenMap& tokens) const;

  // The date the parts name, none when it does not exist: a missing month or day is 1, a
  // missing year the current one (UTC); a year of one or two digits is in 2000 ... 2099.
  [[nodiscard]] boost::optional<DateTime> getDateFromTokens(const TokenMap& tokens) const;
  // The time of day the parts name on the epoch day, none when out of range; "12:30 AM" is
  // 00:30, milliseconds are the digits after the decimal separator ("5" is 500).
  [[nodiscard]] boost::optional<DateTime> getTimeFromTokens(const TokenMap& tokens) const;
  // A number as it is ("13" -> 13), else 1 to 12 for a month name in any case, else 0.
  [[nodiscard]] int strToMonth(const std::string& text) const;

 private:
  // The date the parts name as whole days from 1899-12-30, none when it does not exist.
  [[nodiscard]] boost::optional<std::int64_t> dateDays(const TokenMap& tokens) const;
  // The time of day the parts name in milliseconds, none when out of range.
  [[nodiscard]] boost::optional<std::int64_t> timeMilliseconds(const TokenMap& tokens) const;

  std::vector<std::string> _lowerMonthNames;  // long then short names, lower-cased
  // Whether the locale's calendar counts years as the Gregorian calendar does, so that dates
  // from 1583 on are computed by civil arithmetic rather than through a calendar.
  bool _civilCalendar = false;
};

}  // namespace Vesk::OfficeUtils
