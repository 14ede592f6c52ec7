// The date-time detector on the token maps a grammar gives, against DateTime's calendar: which
// dates and times exist, two-digit years, month names, day halves, milliseconds, and the format
// shape chosen for each input shape.
#include "OfficeUtils/FormatDetector/Detectors/OU_DateTimeFormatDetector.h"

#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "host/Utils/OU_StringUtils.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;

std::string padded(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

// Random maps of dates, times, both or neither: fields absent or out of range, years of one to five
// digits (up to two count from 2000), months as numbers or English names in any case, hours on
// the 12-hour clock, one to four millisecond digits (a fourth rounds). The value must be
// DateTime's serial of the same fields, and the format follow the shape typed.
TEST(DateTimeFormatDetectorTest, sameSerialsAsTheCalendar) {
  using Token = Model::DateTimePatternToken;
  using D = DateTime;
  static const char* const Months[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
  static const int Powers[] = {1, 10, 100, 1000, 10000};
  std::mt19937 random(4);
  auto draw = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  // The detector's processing needs no grammar.
  const Testing::TestLocale context;
  const DateTimeFormatDetector english(context, nullptr);
  const int thisYear = D::getNow(Vesk::DOM::TimeZone::getUTCTimeZone(), context).getYear();
  for (int n = 0; n < 30000 / Vesk::Testing::PropertyScale; ++n) {
    TokenMap map;
    std::string shown;
    auto add = [&](unsigned short index, const std::string& text) {
      shown += text + " ";
      map.insert(index, text);
    };
    const bool date = draw(0, 2) != 0, time = draw(0, date ? 1 : 9) != 0;
    int year = thisYear, month = 1, day = 1, hour = 0, minute = 0, second = 0, ms = 0;
    bool hasDay = false, hasYear = false, textMonth = date, hasSecond = false, valid = true;
    if (date) {
      add(DateIndex, "-");
      if ((hasDay = draw(0, 9) != 0)) add(DayIndex, std::to_string(day = draw(0, 32)));
      if (draw(0, 9) != 0) {
        std::string text = std::to_string(month = draw(0, 13));
        if ((textMonth = month >= 1 && month <= 12 && draw(0, 1))) {
          text = draw(0, 1) ? Months[month - 1] : std::string(Months[month - 1], 3);
          if (draw(0, 1)) text = Vesk::utf8StringToUpperCase(text);
        }
        add(MonthIndex, text);
      }
      if ((hasYear = draw(0, 9) != 0)) {
        const int width = draw(1, 5);
        const int value = width == 5 ? draw(9990, 10010) : draw(0, Powers[width] - 1);
        year = value + (width <= 2 ? 2000 : 0);
        add(YearIndex, padded(value, width));
      }
    }
    if (time) {
      add(TimeIndex, "-");
      const int half = draw(0, 3);  // 0 before noon, 1 after, else the 24-hour clock
      add(HourIndex, std::to_string(hour = draw(0, half < 2 ? 13 : 24)));
      if (draw(0, 4) != 0) add(MinuteIndex, std::to_string(minute = draw(0, 60)));
      if ((hasSecond = draw(0, 1))) add(SecondIndex, std::to_string(second = draw(0, 60)));
      if (draw(0, 2) == 0) {
        // A fourth digit rounds (never half-way, never into the next second).
        const int width = draw(1, 4), value = draw(0, width == 4 ? 998 : Powers[width] - 1);
        int last = draw(0, 8);
        last += last >= 5;
        ms = width < 4 ? value * Powers[3 - width] : value + (last > 5);
        add(MillisecondIndex, width < 4 ? padded(value, width) : padded(value * 10 + last, 4));
      }
      if (half < 2) add(AmpmIndex, half == 0 ? (draw(0, 1) ? "AM" : "a.m.") : "pm");
      valid = hour <= (half < 2 ? 12 : 23) && minute <= 59 && second <= 59;
      if (half == 1 && hour != 12) hour += 12;
      if (half == 0 && hour == 12) hour = 0;
    }
    boost::optional<double> expected;
    try {
      if (valid && date) {
        const D typed(D::YearTag(year), D::MonthTag(month), D::DayTag(day), D::HourTag(hour),
                      D::MinuteTag(minute), D::SecondTag(second), D::MillisecondTag(ms), context);
        if (typed.getYear() == year && typed.getMonth() == month && typed.getDay() == day)
          expected = typed.calculateDaysAndPartOfDay().getValue();
      } else if (valid && time) {
        expected = D(D::HourTag(hour), D::MinuteTag(minute), D::SecondTag(second),
                     D::MillisecondTag(ms), context)
                       .calculateDaysAndPartOfDay()
                       .getValue();
      }
    } catch (const std::exception&) {
    }
    Model::DateTimePatternItemSet items = {{Token::Hour, 0}, {Token::Minute, 0}};
    if (date && !hasYear)
      items = {{Token::Month, 2}, {Token::Day, 0}};
    else if (date && !hasDay)
      items = {{Token::Month, 2}, {Token::Year, 1}};
    else if (date)
      items = {{Token::Month, std::uint8_t(textMonth ? 2 : 0)},
               {Token::Year, textMonth},
               {Token::Day, 0}};
    else if (hasSecond)
      items = {{Token::Hour, 0}, {Token::Minute, 0}, {Token::Second, 0}};
    const auto format =
        date && time ? CellFormatFactory::makeDateTimeFormat(Model::DateTimeDefaultType::DateTime)
                     : CellFormatFactory::makeDateTimeFormat(items);
    const auto number =
        Vesk::FormulaModel::asFormulaNumberOpt(english.formatDetectorResultProcessing(map));
    ASSERT_EQ(number.has_value(), expected.has_value()) << shown;
    if (number) {
      ASSERT_EQ(number->getValue().getValue(), *expected) << shown;
      ASSERT_EQ(*number->getProps().getCellFormat(), *format) << shown;
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
