#include "OfficeUtils/Formulas/OU_FormulaValueCast.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>

#include <boost/regex.hpp>

#include "OfficeUtils/FormatDetector/Detectors/OU_DateTimeFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"
#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Locale/OU_LocaleResources.h"
#include "OfficeUtils/OU_Assert.h"
#include "OfficeUtils/Utils/OU_DateLimitException.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "host/DOM/OU_TimeZone.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formulas/OU_FormulaValueCast";

using Vesk::DOM::FormulaErrorType;
using Vesk::FormulaModel::FormulaBoolean;
using Vesk::FormulaModel::FormulaEmpty;
using Vesk::FormulaModel::FormulaError;
using Vesk::FormulaModel::FormulaException;
using Vesk::FormulaModel::FormulaNumber;
using Vesk::FormulaModel::FormulaString;
using Mode = FormulaValueCast::CastMode;

// The bits of each field of a cast mode.
enum class Field : std::uint16_t { Empty = 0x3, Number = 0x1C, String = 0xE0, Boolean = 0x700 };

[[nodiscard]] Mode field(Mode mode, Field which) {
  return static_cast<Mode>(static_cast<std::uint16_t>(mode) & static_cast<std::uint16_t>(which));
}

[[noreturn]] void refuse() {
  throw FormulaException(FormulaErrorType::Value);
}

[[noreturn]] void propagate(const FormulaError& error) {
  throw FormulaException(error.getType());
}

template <typename... Functions>
struct Overloaded : Functions... {
  using Functions::operator()...;
};
template <typename... Functions>
Overloaded(Functions...) -> Overloaded<Functions...>;

// Applies the matching function of `functions` to the alternative `value` holds.
template <typename Result, typename... Functions>
Result visit(const FormulaValueCast::FormulaValue& value, Functions&&... functions) {
  auto visitor = Overloaded{std::forward<Functions>(functions)...};
  return boost::apply_visitor(
      [&](const auto& alternative) -> Result { return visitor(alternative); }, value);
}

[[nodiscard]] std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

[[nodiscard]] boost::optional<bool> localizedBoolean(const std::string& text,
                                                     const LocaleResources& resources) {
  if (text == resources.getBooleanString(true)) return true;
  if (text == resources.getBooleanString(false)) return false;
  return boost::none;
}

[[nodiscard]] boost::optional<FormulaErrorType> localizedError(const std::string& text,
                                                               const LocaleResources& resources) {
  for (int type = 1; type <= 8; ++type) {
    const auto error = static_cast<FormulaErrorType>(type);
    if (text == resources.getErrorString(error)) return error;
  }
  return boost::none;
}

// The detectors of a number, a percentage, a fraction, a scientific number, a currency amount and
// a date or time; the parts of a complex number take only the number, fraction and scientific
// ones.
constexpr unsigned char AllDetectors = 0x3F;
constexpr unsigned char NumberDetector = 0x01, FractionDetector = 0x04, ScientificDetector = 0x08;

// The number detection reads from `text` under `mask`; none for anything else (no value, an error
// value such as the #DIV/0! of "1/0").
[[nodiscard]] boost::optional<double> detectNumber(const FormatContext& context,
                                                   const std::string& text, unsigned char mask) {
  const auto number =
      Vesk::FormulaModel::asFormulaNumberOpt(context.getFormatDetectorMatcher().detect(text, mask));
  if (!number) return boost::none;
  return number->getValue().getValue();
}

// A number in the locale's notation is a serial; anything else must be a date or time that the
// locale's date detection reads. Dates outside the limits are refused like any other text. The
// detector loads the locale's date grammar for the call.
[[nodiscard]] DateTime stringToDateTime(const std::string& text, const LocaleContext& locale) {
  try {
    if (const auto serial = stringToDouble(text, locale)) return DateTime(*serial + 0.0, locale);
    const auto detected = asFormulaNumberOpt(DateTimeFormatDetector(locale)(text));
    if (detected) return DateTime(detected->getValue(), locale);
  } catch (const DateLimitException&) {
  } catch (const boost::bad_get&) {
  }
  refuse();
}

// A real part: an optional leading sign set aside, then a number, fraction or scientific number
// of the detection.
[[nodiscard]] double readPart(std::string_view text, const FormatContext& context) {
  static const unsigned char partMask =
      getMaskFromDetectors({NumberDetector, FractionDetector, ScientificDetector});
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (negative || text.front() == '+')) text.remove_prefix(1);
  const auto number = detectNumber(context, std::string(text), partMask);
  if (!number) refuse();
  return (negative ? -*number : *number) + 0.0;  // a zero comes out positive
}

// The factor before the unit letter: nothing or a bare sign is a unit.
[[nodiscard]] double readCoefficient(std::string_view text, const FormatContext& context) {
  text = trimBlanks(text);
  if (text.empty() || text == "+") return 1.0;
  if (text == "-") return -1.0;
  return readPart(text, context);
}

// "3+4i", " -2.5j ", "i", "1e+5-2i", "5": a real part, an imaginary part ending in the unit letter,
// or both. The first sign that follows a non-blank other than an exponent's "e" (blanks may stand
// between) separates the parts.
[[nodiscard]] ComplexNumber readComplex(std::string_view text, const FormatContext& context) {
  text = trimBlanks(text);
  if (text.empty()) refuse();
  ImaginarySuffix suffix;
  if (!suffix.setSuffixFromChar(text.back())) {
    return ComplexNumber(readPart(text, context), 0.0, suffix);
  }
  const std::string_view body = text.substr(0, text.size() - 1);
  // Each blank run is scanned once, from the non-blank before it: linear in the text.
  static const boost::regex separator("(?![eE])\\S *([+-])", boost::regex::perl);
  boost::match_results<std::string_view::const_iterator> match;
  if (!boost::regex_search(body.begin(), body.end(), match, separator)) {
    return ComplexNumber(0.0, readCoefficient(body, context), suffix);
  }
  const auto sign = static_cast<std::size_t>(match.position(1));
  return ComplexNumber(readPart(trimBlanks(body.substr(0, sign)), context),
                       readCoefficient(body.substr(sign), context), suffix);
}

}  // namespace

bool FormulaValueCast::toBool(const FormulaValue& value, const LocaleContext& locale, CastMode mode,
                              bool defaultValue) {
  return visit<bool>(
      value,
      [&](const FormulaEmpty&) {
        if (field(mode, Field::Empty) != Mode::EmptyToDefault) refuse();
        return defaultValue;
      },
      [&](const FormulaNumber& number) {
        switch (field(mode, Field::Number)) {
          case Mode::NumberToDefault:
            return defaultValue;
          case Mode::NumberConvert:
            return number.getValue().getValue() != 0.0;  // a NaN is true
          case Mode::NumberToError:
            refuse();
          default:
            OU_FAIL("Unexpected cast mode");
        }
      },
      [&](const FormulaString& string) {
        switch (field(mode, Field::String)) {
          case Mode::StringToDefault:
            return defaultValue;
          case Mode::StringConvert:
            if (const auto word = localizedBoolean(string.getValue(), locale.getResources()))
              return *word;
            refuse();
          case Mode::StringToError:
            refuse();
          default:
            OU_FAIL("Unexpected cast mode");
        }
      },
      [](const FormulaBoolean& boolean) { return boolean.getValue(); },
      [](const FormulaError& error) -> bool { propagate(error); });
}

std::string FormulaValueCast::toString(const FormulaValue& value, const LocaleContext& locale,
                                       const GeneralNumberFormatter* formatter) {
  return visit<std::string>(
      value, [](const FormulaEmpty&) { return std::string(); },
      [&](const FormulaNumber& number) {
        if (number.getText()) return *number.getText();
        // The formula formatter makes its ICU formats only for NaN and infinities, so building
        // one per call costs about as much as copying the decimal separator.
        if (formatter) return (*formatter)(number.getValue());
        return createGeneralFormatter(locale)(number.getValue());
      },
      [](const FormulaString& string) { return string.getValue(); },
      [&](const FormulaBoolean& boolean) {
        return locale.getResources().getBooleanString(boolean.getValue());
      },
      [&](const FormulaError& error) {
        return locale.getResources().getErrorString(error.getType());
      });
}

boost::variant<std::string, Vesk::FloatNumber> FormulaValueCast::toStringOrNumber(
    const FormulaValue& value, const LocaleContext& locale) {
  using Result = boost::variant<std::string, Vesk::FloatNumber>;
  return visit<Result>(
      value, [](const FormulaEmpty&) { return Result(std::string()); },
      [](const FormulaNumber& number) { return Result(number.getValue()); },
      [](const FormulaString& string) { return Result(string.getValue()); },
      [](const FormulaBoolean& boolean) {
        return Result(Vesk::FloatNumber(boolean.getValue() ? 1.0 : 0.0));
      },
      [&](const FormulaError& error) {
        return Result(locale.getResources().getErrorString(error.getType()));
      });
}

boost::optional<FormulaError> FormulaValueCast::toError(const FormulaValue& value,
                                                        const LocaleContext& locale) {
  if (const auto* error = boost::get<FormulaError>(&value)) return FormulaError(error->getType());
  if (const auto* string = boost::get<FormulaString>(&value)) {
    if (const auto type = localizedError(string->getValue(), locale.getResources()))
      return FormulaError(*type);
  }
  return boost::none;
}

boost::optional<boost::variant<Vesk::DOM::FormulaErrorType, bool>> FormulaValueCast::toErrorOrBool(
    const FormulaValue& value, const LocaleContext& locale) {
  using Result = boost::variant<Vesk::DOM::FormulaErrorType, bool>;
  if (const auto* boolean = boost::get<FormulaBoolean>(&value)) return Result(boolean->getValue());
  if (const auto* error = boost::get<FormulaError>(&value)) return Result(error->getType());
  if (const auto* string = boost::get<FormulaString>(&value)) {
    const auto& resources = locale.getResources();
    if (const auto word = localizedBoolean(string->getValue(), resources)) return Result(*word);
    if (const auto type = localizedError(string->getValue(), resources)) return Result(*type);
  }
  return boost::none;
}

Vesk::FloatNumber FormulaValueCast::toNumber(const FormulaValue& value,
                                             const FormatContext& context, CastMode mode) {
  return visit<Vesk::FloatNumber>(
      value,
      [&](const FormulaEmpty&) {
        if (field(mode, Field::Empty) != Mode::EmptyToDefault) refuse();
        return Vesk::FloatNumber(0.0);
      },
      [](const FormulaNumber& number) { return number.getValue(); },
      [&](const FormulaString& string) {
        switch (field(mode, Field::String)) {
          case Mode::StringToDefault:
            return Vesk::FloatNumber(0.0);
          case Mode::StringConvert:
            if (const auto number = detectNumber(context, string.getValue(), AllDetectors))
              if (std::isfinite(*number)) return Vesk::FloatNumber(*number);
            refuse();
          default:
            refuse();
        }
      },
      [&](const FormulaBoolean& boolean) {
        switch (field(mode, Field::Boolean)) {
          case Mode::BooleanToDefault:
            return Vesk::FloatNumber(0.0);
          case Mode::BooleanConvert:
            return Vesk::FloatNumber(boolean.getValue() ? 1.0 : 0.0);
          default:
            refuse();
        }
      },
      [](const FormulaError& error) -> Vesk::FloatNumber { propagate(error); });
}

ComplexNumber FormulaValueCast::toComplex(const FormulaValue& value, const FormatContext& context) {
  return visit<ComplexNumber>(
      value, [](const FormulaEmpty&) { return ComplexNumber(0.0, 0.0, {}); },
      [](const FormulaNumber& number) { return ComplexNumber(number.getValue(), 0.0, {}); },
      [&](const FormulaString& string) { return readComplex(string.getValue(), context); },
      [](const FormulaBoolean& boolean) {
        return ComplexNumber(boolean.getValue() ? 1.0 : 0.0, 0.0, {});
      },
      [](const FormulaError& error) -> ComplexNumber { propagate(error); });
}

DateTime FormulaValueCast::toDateTime(const FormulaValue& value, const LocaleContext& locale,
                                      CastMode mode) {
  const auto now = [&] { return DateTime::getNow(Vesk::DOM::TimeZone::getUTCTimeZone(), locale); };
  return visit<DateTime>(
      value,
      [&](const FormulaEmpty&) {
        if (field(mode, Field::Empty) != Mode::EmptyToDefault) refuse();
        return DateTime(Vesk::FloatNumber(0.0), locale);
      },
      [&](const FormulaNumber& number) { return DateTime(number.getValue(), locale); },
      [&](const FormulaString& string) {
        switch (field(mode, Field::String)) {
          case Mode::StringToDefault:
            return now();
          case Mode::StringConvert:
            return stringToDateTime(string.getValue(), locale);
          case Mode::StringToError:
            refuse();
          default:
            OU_FAIL("Unexpected cast mode");
        }
      },
      [&](const FormulaBoolean& boolean) {
        switch (field(mode, Field::Boolean)) {
          case Mode::BooleanToDefault:
            return now();
          case Mode::BooleanConvert:
            return DateTime(Vesk::FloatNumber(boolean.getValue() ? 1.0 : 0.0), locale);
          case Mode::BooleanToError:
            refuse();
          default:
            OU_FAIL("Unexpected cast mode");
        }
      },
      [](const FormulaError& error) -> DateTime { propagate(error); });
}

}  // namespace Vesk::OfficeUtils
