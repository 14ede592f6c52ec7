// ou cast: one formula value through one of the formula casts, under a locale and a cast mode.
// The value is written as a typed literal: "text" in double quotes, a number in English notation
// (42, -1.5e3), TRUE or FALSE, an English error word (#N/A, #DIV/0!), or an empty argument.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <boost/optional.hpp>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"
#include "OfficeUtils/Formulas/OU_FormulaValueCast.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

using Vesk::FormulaModel::FormulaValue;
using Mode = FormulaValueCast::CastMode;

constexpr const char* Usage =
    "usage: ou cast [--locale NAME] --to bool|number|string|string-or-number|error|error-or-bool|"
    "complex|date [--mode NAME|NAME...|BITS] [--default true|false] VALUE\n";

struct ModeName {
  const char* name;
  Mode mode;
};
constexpr ModeName ModeNames[] = {
    {"EmptyToDefault", Mode::EmptyToDefault},   {"NumberToDefault", Mode::NumberToDefault},
    {"NumberConvert", Mode::NumberConvert},     {"NumberToError", Mode::NumberToError},
    {"StringToDefault", Mode::StringToDefault}, {"StringConvert", Mode::StringConvert},
    {"StringToError", Mode::StringToError},     {"BooleanToDefault", Mode::BooleanToDefault},
    {"BooleanConvert", Mode::BooleanConvert},   {"BooleanToError", Mode::BooleanToError},
};

// "EmptyToDefault|StringConvert" (names joined by '|' or ','), or the bits as a number.
boost::optional<Mode> parseMode(std::string_view text) {
  unsigned bits = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits);
  if (error == std::errc() && end == text.data() + text.size() && bits <= 0xFFFF)
    return static_cast<Mode>(bits);
  Mode mode = static_cast<Mode>(0);
  while (!text.empty()) {
    const auto cut = text.find_first_of("|,");
    const std::string_view name = text.substr(0, cut);
    const ModeName* found = nullptr;
    for (const auto& entry : ModeNames)
      if (name == entry.name) found = &entry;
    if (!found) return boost::none;
    mode = mode | found->mode;
    text = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1);
  }
  return mode;
}

// The typed literal of a value; none for text that is none of the forms.
boost::optional<FormulaValue> parseLiteral(const std::string& text) {
  if (text.empty()) return FormulaValue(Vesk::FormulaModel::FormulaEmpty());
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return FormulaValue(Vesk::FormulaModel::FormulaString(text.substr(1, text.size() - 2)));
  if (text == "TRUE" || text == "FALSE")
    return FormulaValue(Vesk::FormulaModel::FormulaBoolean(text == "TRUE"));
  for (int type = 1; type <= 8; ++type) {
    const auto error = static_cast<Vesk::DOM::FormulaErrorType>(type);
    if (text == Vesk::DOM::formulaErrorTypeToString(error))
      return FormulaValue(Vesk::FormulaModel::FormulaError(error));
  }
  double number = 0;
  const char* last = text.data() + text.size();
  const char* first = text.data() + (text.front() == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(first, last, number);
  if (error == std::errc() && end == last)
    return FormulaValue(Vesk::FormulaModel::FormulaNumber(number));
  return boost::none;
}

// Whether the field of `mode` that `value` reads holds a value toBool or toDateTime has no
// reading for (they assert; the other casts refuse such a field with "#VALUE!").
bool unexpectedMode(const std::string& target, const FormulaValue& value, Mode mode) {
  const auto bits = static_cast<unsigned>(mode);
  const auto oneOf = [](unsigned field, unsigned first) {
    return field == first || field == first * 2 || field == first * 4;
  };
  if (target != "bool" && target != "date") return false;
  if (boost::get<Vesk::FormulaModel::FormulaString>(&value)) return !oneOf(bits & 0xE0, 32);
  if (target == "bool" && boost::get<Vesk::FormulaModel::FormulaNumber>(&value))
    return !oneOf(bits & 0x1C, 4);
  if (target == "date" && boost::get<Vesk::FormulaModel::FormulaBoolean>(&value))
    return !oneOf(bits & 0x700, 256);
  return false;
}

std::string showNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// The cast's result as one line; a failed cast as "throws #VALUE!".
std::string castToText(const std::string& target, const FormulaValue& value, Mode mode,
                       bool defaultValue, const FormatContext& format,
                       const LocaleContext& context) {
  try {
    if (target == "bool")
      return FormulaValueCast::toBool(value, context, mode, defaultValue) ? "true" : "false";
    if (target == "number")
      return showNumber(FormulaValueCast::toNumber(value, format, mode).getValue());
    if (target == "string") return '"' + FormulaValueCast::toString(value, context) + '"';
    if (target == "string-or-number") {
      const auto result = FormulaValueCast::toStringOrNumber(value, context);
      if (const auto* text = boost::get<std::string>(&result)) return "string \"" + *text + '"';
      return "number " + showNumber(boost::get<Vesk::FloatNumber>(result).getValue());
    }
    if (target == "error") {
      const auto result = FormulaValueCast::toError(value, context);
      return result ? std::string("error ") + formulaErrorTypeToString(result->getType())
                    : "(none)";
    }
    if (target == "error-or-bool") {
      const auto result = FormulaValueCast::toErrorOrBool(value, context);
      if (!result) return "(none)";
      if (const auto* flag = boost::get<bool>(&*result)) return *flag ? "true" : "false";
      return std::string("error ") +
             formulaErrorTypeToString(boost::get<Vesk::DOM::FormulaErrorType>(*result));
    }
    if (target == "complex") {
      const ComplexNumber result = FormulaValueCast::toComplex(value, format);
      return "real " + showNumber(result.getValue().real.getValue()) + ", imaginary " +
             showNumber(result.getValue().imaginary.getValue()) + ", letter " +
             (result.getSuffix().isDefined() ? std::string(1, result.getSuffix().toChar())
                                             : "none") +
             ": " + result.toString(context);
    }
    const DateTime result = FormulaValueCast::toDateTime(value, context, mode);
    char text[96];
    std::snprintf(text, sizeof text, "serial %s: %04d-%02d-%02d %02d:%02d:%02d.%03d",
                  showNumber(result.calculateDaysAndPartOfDay().getValue()).c_str(),
                  result.getYear(), result.getMonth(), result.getDay(), result.getHours(),
                  result.getMinutes(), result.getSeconds(), result.getMilliseconds());
    return text;
  } catch (const Vesk::FormulaModel::FormulaException& error) {
    return std::string("throws ") + error.what();
  } catch (const DateLimitException& error) {
    return std::string("throws: ") + error.what();
  }
}

int run(const std::vector<std::string>& arguments) {
  std::string localeName = "en_US", target;
  Mode mode =
      Mode::EmptyToDefault | Mode::NumberConvert | Mode::StringConvert | Mode::BooleanConvert;
  bool defaultValue = false;
  std::size_t at = 0;
  for (; at + 1 < arguments.size() && arguments[at].starts_with("--"); at += 2) {
    const std::string& option = arguments[at];
    const std::string& argument = arguments[at + 1];
    if (option == "--locale") {
      localeName = argument;
    } else if (option == "--to") {
      target = argument;
    } else if (option == "--mode") {
      const auto parsed = parseMode(argument);
      if (!parsed) {
        std::fprintf(stderr, "unknown cast mode: %s\n", argument.c_str());
        return 1;
      }
      mode = *parsed;
    } else if (option == "--default" && (argument == "true" || argument == "false")) {
      defaultValue = argument == "true";
    } else {
      break;
    }
  }
  static const char* const Targets[] = {"bool",  "number",        "string",  "string-or-number",
                                        "error", "error-or-bool", "complex", "date"};
  bool knownTarget = false;
  for (const char* known : Targets) knownTarget = knownTarget || target == known;
  if (at + 1 != arguments.size() || !knownTarget) {
    std::fputs(Usage, stderr);
    return 1;
  }
  const auto value = parseLiteral(arguments[at]);
  if (!value) {
    std::fprintf(stderr, "not a literal: %s (write text as \"text\")\n", arguments[at].c_str());
    return 1;
  }
  if (unexpectedMode(target, *value, mode)) {
    std::fprintf(stderr, "the cast has no reading for this mode's field of the value\n");
    return 1;
  }
  const auto provider = makeLocaleProvider(localeName);
  if (!provider) {
    std::fprintf(stderr, "unknown locale: %s\n", localeName.c_str());
    return 1;
  }
  const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  const FormatContext format(manager.getLocaleContext());
  std::printf(
      "  %s -> %s\n", arguments[at].empty() ? "(empty)" : arguments[at].c_str(),
      castToText(target, *value, mode, defaultValue, format, manager.getLocaleContext()).c_str());
  return 0;
}

void tour() {
  const std::vector<std::vector<std::string>> examples = {
      {"--to", "number", "\"1,234.5\""},
      {"--locale", "de_DE", "--to", "number", "\"1.234,5\""},
      {"--locale", "de_DE", "--to", "date", "\"31.12.2024\""},
      {"--to", "number", "\"abc\""},
      {"--to", "bool", "--mode", "NumberConvert", "-0.5"},
      {"--to", "bool", "\"true\""},
      {"--locale", "de_DE", "--to", "string", "TRUE"},
      {"--to", "error-or-bool", "\"#REF!\""},
      {"--to", "complex", "\" 1e+5 - 2i \""},
      {"--to", "number", "#N/A"},
  };
  for (const auto& example : examples) {
    std::printf("$ ou cast");
    for (const auto& argument : example)
      std::printf(argument.find_first_of(" \"#") == std::string::npos ? " %s" : " '%s'",
                  argument.c_str());
    std::printf("\n");
    run(example);
  }
}

const CommandRegistrar registrar{
    {"cast",
     "[--locale NAME] --to bool|number|string|string-or-number|error|error-or-bool|complex|date "
     "[--mode M] [--default true|false] VALUE",
     "cast a typed literal (\"text\", 42, TRUE, #N/A, empty) as a formula argument is cast", run,
     tour, 80}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
