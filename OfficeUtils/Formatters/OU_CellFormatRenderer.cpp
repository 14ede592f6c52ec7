#include "OfficeUtils/Formatters/OU_CellFormatRenderer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Formatters/Parser/OU_LanguageInfo.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "OfficeUtils/Utils/OU_DateTime.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Model::DateTimeItem;
using Model::ExtraItem;
using Model::NumberItem;
using Model::Rule;
using Model::TextItem;

// ---------------------------------------------------------------------------------------------
// Decimal digits

// A non-negative decimal 0.digits x 10^pointPos: digits without leading or trailing zeros (none
// for zero).
struct Decimal {
  std::string digits;
  int pointPos = 0;

  [[nodiscard]] bool isZero() const { return digits.empty(); }
  // The digit at `index` counted from the first digit (negative: leading zeros).
  [[nodiscard]] char digitAt(long index) const {
    return index >= 0 && index < static_cast<long>(digits.size()) ? digits[index] : '0';
  }
  // The digits of the integer part, without leading zeros.
  [[nodiscard]] std::string integerDigits() const {
    std::string result;
    for (int i = 0; i < pointPos; ++i) result += digitAt(i);
    return result;
  }
  // The first `count` digits after the point.
  [[nodiscard]] std::string fractionDigits(std::size_t count) const {
    std::string result(count, '0');
    for (std::size_t i = 0; i < count; ++i) result[i] = digitAt(pointPos + static_cast<long>(i));
    return result;
  }
};

void trimTrailingZeros(Decimal& decimal) {
  while (!decimal.digits.empty() && decimal.digits.back() == '0') decimal.digits.pop_back();
  if (decimal.digits.empty()) decimal.pointPos = 0;
}

// The decimal that a finite non-negative double shows with 15 significant digits.
Decimal toDecimal15(double value) {
  Decimal decimal;
  if (!(value > 0)) return decimal;
  char buffer[40];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
  // "d.ddddddddddddddde+XX"
  const char* exponent = std::find(buffer, end, 'e');
  decimal.digits.assign(1, buffer[0]);
  decimal.digits.append(static_cast<const char*>(buffer + 2), exponent);
  int power = 0;
  std::from_chars(exponent + (exponent[1] == '+' ? 2 : 1), end, power);
  decimal.pointPos = power + 1;
  trimTrailingZeros(decimal);
  return decimal;
}

// Rounds half away from zero to `decimals` digits after the point.
void roundTo(Decimal& decimal, long decimals) {
  const long keep = decimal.pointPos + decimals;
  if (keep >= static_cast<long>(decimal.digits.size())) return;
  if (keep < 0) {
    decimal = Decimal{};
    return;
  }
  const bool up = decimal.digits[keep] >= '5';
  decimal.digits.resize(keep);
  if (up) {
    long i = keep - 1;
    while (i >= 0 && decimal.digits[i] == '9') decimal.digits[i--] = '0';
    if (i < 0) {
      decimal.digits.insert(decimal.digits.begin(), '1');
      ++decimal.pointPos;
    } else {
      ++decimal.digits[i];
    }
  }
  trimTrailingZeros(decimal);
}

// The double of a decimal (exact for what toDecimal15 gives).
double toDouble(const Decimal& decimal) {
  if (decimal.isZero()) return 0;
  std::string text = "0." + decimal.digits + "e" + std::to_string(decimal.pointPos);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// ---------------------------------------------------------------------------------------------
// Output

class Output {
 public:
  explicit Output(RenderedValue& result) : _result(result) {}

  void text(std::string_view text) { _result.text += text; }
  void mark(RenderMark::Kind kind, std::string_view character) {
    if (character.empty()) return;
    _result.marks.push_back({kind, _result.text.size(), character.size()});
    _result.text += character;
  }
  [[nodiscard]] std::size_t size() const { return _result.text.size(); }
  // Replaces everything written from `from` on by spaces, one per character.
  void blankFrom(std::size_t from) {
    std::string& text = _result.text;
    std::size_t characters = 0;
    for (std::size_t i = from; i < text.size(); ++i)
      if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++characters;
    text.resize(from);
    text.append(characters, ' ');
    auto& marks = _result.marks;
    marks.erase(std::remove_if(marks.begin(), marks.end(),
                               [from](const RenderMark& mark) { return mark.offset >= from; }),
                marks.end());
  }

 private:
  RenderedValue& _result;
};

const std::string& symbol(const LocaleContext& context, LocalizableSymbolType type) {
  return context.getResources().getSymbol(type);
}

void writeText(Output& out, const TextItem& item, const LocaleContext& context) {
  switch (item.getType()) {
    case TextItem::Type::Literal:
    case TextItem::Type::Raw:
      out.text(item.getTextValue());
      break;
    case TextItem::Type::Transparent:
      out.mark(RenderMark::Kind::Blank, item.getTextValue());
      break;
    case TextItem::Type::Fill:
      out.mark(RenderMark::Kind::Fill, item.getTextValue());
      break;
    case TextItem::Type::Percent:
      out.text(symbol(context, LocalizableSymbolType::PercentageSymbol));
      break;
  }
}

void writeEmbedded(Output& out, const NumberItem::EmbeddedItem& item,
                   const LocaleContext& context) {
  if (const auto* text = boost::get<TextItem>(&item))
    writeText(out, *text, context);
  else
    out.text(boost::get<Model::CurrencyItem>(item).getCurrencySymbol());
}

// A number part: its placeholders filled with `integer` (the integer digits, no leading zeros)
// and `fraction` (one digit per fraction placeholder), with grouping and its embedded literals
// at their positions.
void writeNumber(Output& out, const NumberItem& item, const std::string& integer,
                 const std::string& fraction, const LocaleContext& context) {
  const std::string& pattern = item.getPattern();
  const std::size_t size = pattern.size();
  const std::size_t point = std::min(pattern.find('.'), size);
  const bool grouping = item.hasGrouping();
  const std::string& separator = symbol(context, LocalizableSymbolType::ThousandSeparator);
  const std::size_t digits = integer.size();

  // Placeholder by placeholder, the integer part first.
  auto writeInteger = [&](std::size_t index) {
    const std::size_t right = point - 1 - index;  // integer places to its right
    auto groupAfter = [&](std::size_t place, const std::string& mark) {
      if (grouping && place > 0 && place % 3 == 0) out.text(mark);
    };
    if (index == 0)
      for (std::size_t i = 0; i + point < digits; ++i) {
        out.text(std::string_view(&integer[i], 1));
        groupAfter(digits - 1 - i, separator);
      }
    if (right < digits) {
      out.text(std::string_view(&integer[digits - 1 - right], 1));
      groupAfter(right, separator);
    } else if (pattern[index] == '0') {
      out.text("0");
      groupAfter(right, separator);
    } else if (pattern[index] == '?') {
      out.text(" ");
      groupAfter(right, " ");
    }
  };
  // Trailing zeros of "#" places are dropped, of "?" places shown as spaces.
  std::size_t significant = fraction.size();
  while (significant > 0 && fraction[significant - 1] == '0' && pattern[point + significant] != '0')
    --significant;
  auto writeFraction = [&](std::size_t place) {
    if (place < significant)
      out.text(std::string_view(&fraction[place], 1));
    else if (pattern[point + 1 + place] == '?')
      out.text(" ");
    else if (pattern[point + 1 + place] == '0')
      out.text("0");
  };

  const auto& embedded = item.getEmbeddedItems();
  for (std::size_t index = 0; index < size; ++index) {
    for (const auto& [position, literal] : embedded)
      if (position == size - index || (index == 0 && position > size))
        writeEmbedded(out, literal, context);
    if (index < point)
      writeInteger(index);
    else if (index == point) {
      if (point == 0) {  // ".00": the integer digits still show
        for (std::size_t i = 0; i < digits; ++i) {
          out.text(std::string_view(&integer[i], 1));
          if (grouping && digits - 1 - i > 0 && (digits - 1 - i) % 3 == 0) out.text(separator);
        }
      }
      out.text(symbol(context, LocalizableSymbolType::DecimalSeparator));
    } else if (index - point - 1 < fraction.size())
      writeFraction(index - point - 1);
  }
  for (const auto& [position, literal] : embedded)
    if (position == 0) writeEmbedded(out, literal, context);
}

std::size_t fractionPlaces(const std::string& pattern) {
  const std::size_t point = pattern.find('.');
  return point == std::string::npos ? 0 : pattern.size() - point - 1;
}

// ---------------------------------------------------------------------------------------------
// Locale contexts of "[$-407]"

struct TaggedLocale {
  std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
  std::unique_ptr<LocaleManager> manager;
};

// The context of a language tag, built once per tag and kept until exit; `fallback` for a tag
// without locale data, and beyond a few dozen tags.
const LocaleContext& taggedContext(std::uint32_t lcid, const LocaleContext& fallback) {
  static std::mutex mutex;
  static std::map<std::uint32_t, std::unique_ptr<TaggedLocale>> contexts;
  constexpr std::size_t MaxTaggedLocales = 64;
  lcid &= 0xFFFF;
  const std::lock_guard lock(mutex);
  auto found = contexts.find(lcid);
  if (found == contexts.end()) {
    if (contexts.size() >= MaxTaggedLocales) return fallback;
    auto entry = std::make_unique<TaggedLocale>();
    try {
      const auto info = Parser::msLCIDToLanguageInfo(lcid);
      if (info && !info->getLanguage().empty())
        entry->provider = makeLocaleProvider(info->toLocaleString());
      if (entry->provider)
        entry->manager = std::make_unique<LocaleManager>(*entry->provider,
                                                         Vesk::DOM::TimeZone::getUTCTimeZone());
    } catch (const std::exception&) {
      entry->manager.reset();
    }
    found = contexts.emplace(lcid, std::move(entry)).first;
  }
  return found->second->manager ? found->second->manager->getLocaleContext() : fallback;
}

// ---------------------------------------------------------------------------------------------
// Sections

bool matches(const Model::Condition& condition, double value) {
  const double operand = condition.getValue().getValue();
  switch (condition.getType()) {
    case Model::Condition::Type::Less:
      return value < operand;
    case Model::Condition::Type::Greater:
      return value > operand;
    case Model::Condition::Type::Equal:
      return value == operand;
    case Model::Condition::Type::NotEqual:
      return value != operand;
    case Model::Condition::Type::LessOrEqual:
      return value <= operand;
    case Model::Condition::Type::GreaterOrEqual:
      return value >= operand;
  }
  return false;
}

enum class Sign { Shown, Dropped, ShownUnlessLiteral };

struct Choice {
  const Rule* rule = nullptr;  // none: the general display
  Sign sign = Sign::Shown;
};

Choice chooseRule(const Model::Expression& format, double value) {
  const auto& rules = format.getRules();
  const bool conditional = std::any_of(rules.begin(), rules.end(),
                                       [](const Rule& rule) { return !!rule.getCondition(); });
  Choice choice;
  choice.sign =
      conditional ? Sign::ShownUnlessLiteral : (rules.empty() ? Sign::Shown : Sign::Dropped);
  for (std::size_t i = 0; i < rules.size(); ++i) {
    if (!rules[i].getCondition() && i >= Parser::MaxConditionRulesCount) continue;
    if (matches(Parser::resolveCondition(format, i), value)) {
      choice.rule = &rules[i];
      return choice;
    }
  }
  if (format.getDefaultNumberRule()) choice.rule = &*format.getDefaultNumberRule();
  return choice;
}

bool hasLiteralMinus(const Rule& rule) {
  auto isMinus = [](const TextItem& text) {
    return (text.getType() == TextItem::Type::Literal || text.getType() == TextItem::Type::Raw) &&
           text.getTextValue().find('-') != std::string::npos;
  };
  for (const auto& item : rule.getItems()) {
    if (const auto* text = boost::get<TextItem>(&item); text && isMinus(*text)) return true;
    if (const auto* number = boost::get<NumberItem>(&item))
      for (const auto& [position, embedded] : number->getEmbeddedItems())
        if (const auto* text = boost::get<TextItem>(&embedded); text && isMinus(*text)) return true;
  }
  return false;
}

enum class SectionKind { Literal, Number, Fraction, Scientific, DateTime, General };

struct SectionFacts {
  SectionKind kind = SectionKind::Literal;
  int percents = 0;
  std::uint32_t displayFactor = 0;
  int secondsPlaces = 0;
  bool twelveHourClock = false;
  bool hasInteger = false;
};

SectionFacts examine(const Rule& rule) {
  SectionFacts facts;
  auto countPercent = [&facts](const TextItem& text) {
    if (text.getType() == TextItem::Type::Percent) ++facts.percents;
  };
  for (const auto& item : rule.getItems()) {
    if (const auto* text = boost::get<TextItem>(&item)) countPercent(*text);
    if (const auto* extra = boost::get<ExtraItem>(&item)) {
      switch (extra->getType()) {
        case ExtraItem::Type::FractionSlash:
          facts.kind = SectionKind::Fraction;
          break;
        case ExtraItem::Type::ExponentPlus:
        case ExtraItem::Type::ExponentMinus:
          facts.kind = SectionKind::Scientific;
          break;
        case ExtraItem::Type::General:
          if (facts.kind == SectionKind::Literal) facts.kind = SectionKind::General;
          break;
        case ExtraItem::Type::Text:
          break;
      }
    }
    if (const auto* number = boost::get<NumberItem>(&item)) {
      for (const auto& [position, embedded] : number->getEmbeddedItems())
        if (const auto* text = boost::get<TextItem>(&embedded)) countPercent(*text);
      if (number->getRole() == NumberItem::Role::Integer) {
        facts.hasInteger = true;
        facts.displayFactor = std::max(facts.displayFactor, number->getDisplayFactor());
        if (facts.kind == SectionKind::Literal || facts.kind == SectionKind::General)
          facts.kind = SectionKind::Number;
      }
    }
    if (const auto* dateTime = boost::get<DateTimeItem>(&item)) {
      facts.kind = SectionKind::DateTime;
      const auto type = dateTime->getType();
      if (type == DateTimeItem::Type::AmPmLong || type == DateTimeItem::Type::AmPmShort)
        facts.twelveHourClock = true;
      if (dateTime->getDecimalPlaces())
        facts.secondsPlaces = std::max<int>(facts.secondsPlaces, *dateTime->getDecimalPlaces());
    }
  }
  facts.secondsPlaces = std::min(facts.secondsPlaces, 3);
  return facts;
}

void writeNumError(Output& out, const LocaleContext& context) {
  out.text(context.getResources().getErrorString(Vesk::DOM::FormulaErrorType::Num));
}

// The general display of a number shown with 15 significant digits.
void writeGeneral(Output& out, double value, const LocaleContext& context) {
  struct Cached {
    std::string decimal, thousands;
    std::unique_ptr<GeneralNumberFormatter> formatter;
  };
  thread_local std::vector<Cached> formatters;
  const auto& decimal = symbol(context, LocalizableSymbolType::DecimalSeparator);
  const auto& thousands = symbol(context, LocalizableSymbolType::ThousandSeparator);
  auto found = std::find_if(formatters.begin(), formatters.end(), [&](const Cached& cached) {
    return cached.decimal == decimal && cached.thousands == thousands;
  });
  if (found == formatters.end()) {
    if (formatters.size() >= 8) formatters.erase(formatters.begin());
    formatters.push_back({decimal, thousands, std::make_unique<GeneralNumberFormatter>(context)});
    found = formatters.end() - 1;
  }
  const double shown = toDouble(toDecimal15(std::fabs(value)));
  out.text((*found->formatter)(value < 0 && shown != 0 ? -shown : shown));
}

void writeItems(Output& out, const Rule& rule, const LocaleContext& context,
                const std::string* text) {
  for (const auto& item : rule.getItems()) {
    if (const auto* literal = boost::get<TextItem>(&item)) writeText(out, *literal, context);
    if (const auto* currency = boost::get<Model::CurrencyItem>(&item))
      out.text(currency->getCurrencySymbol());
    // In a text section "General" shows the text as "@" does.
    if (const auto* extra = boost::get<ExtraItem>(&item);
        extra && text &&
        (extra->getType() == ExtraItem::Type::Text || extra->getType() == ExtraItem::Type::General))
      out.text(*text);
  }
}

// Renders a section whose kind is not a date; false when the number cannot be shown.
class NumberSection {
 public:
  NumberSection(Output& out, const Rule& rule, const SectionFacts& facts,
                const LocaleContext& context)
      : _out(out), _rule(rule), _facts(facts), _context(context) {}

  // `magnitude` is the absolute value; `minus` whether a "-" goes in front unless the shown
  // number is zero.
  bool write(double magnitude, bool minus) {
    for (int i = 0; i < _facts.percents && std::isfinite(magnitude); ++i) magnitude *= 100;
    for (std::uint32_t i = 0; i < _facts.displayFactor && magnitude > 0; ++i) magnitude /= 1000;
    if (!std::isfinite(magnitude)) return false;
    switch (_facts.kind) {
      case SectionKind::Number:
        return writeFixed(magnitude, minus);
      case SectionKind::Scientific:
        return writeScientific(magnitude, minus);
      case SectionKind::Fraction:
        return writeFraction(magnitude, minus);
      case SectionKind::General:
        if (minus && magnitude != 0) _out.text("-");
        for (const auto& item : _rule.getItems()) {
          const auto* extra = boost::get<ExtraItem>(&item);
          if (extra && extra->getType() == ExtraItem::Type::General)
            writeGeneral(_out, magnitude, _context);
          else
            writeOther(item);
        }
        return true;
      default:
        if (minus) _out.text("-");
        writeItems(_out, _rule, _context, nullptr);
        return true;
    }
  }

 private:
  void writeOther(const Model::Item& item) {
    if (const auto* literal = boost::get<TextItem>(&item)) writeText(_out, *literal, _context);
    if (const auto* currency = boost::get<Model::CurrencyItem>(&item))
      _out.text(currency->getCurrencySymbol());
  }

  bool writeFixed(double magnitude, bool minus) {
    const NumberItem* number = nullptr;
    for (const auto& item : _rule.getItems())
      if (const auto* part = boost::get<NumberItem>(&item)) number = part;
    const std::size_t places = fractionPlaces(number->getPattern());
    Decimal decimal = toDecimal15(magnitude);
    roundTo(decimal, static_cast<long>(places));
    if (minus && !decimal.isZero()) _out.text("-");
    for (const auto& item : _rule.getItems()) {
      if (const auto* part = boost::get<NumberItem>(&item))
        writeNumber(_out, *part, decimal.integerDigits(), decimal.fractionDigits(places), _context);
      else
        writeOther(item);
    }
    return true;
  }

  bool writeScientific(double magnitude, bool minus) {
    const NumberItem* mantissa = nullptr;
    for (const auto& item : _rule.getItems())
      if (const auto* part = boost::get<NumberItem>(&item);
          part && part->getRole() == NumberItem::Role::Integer)
        mantissa = part;
    if (!mantissa) return false;
    const std::string& pattern = mantissa->getPattern();
    const long integerPlaces = static_cast<long>(std::min(pattern.find('.'), pattern.size()));
    const std::size_t places = fractionPlaces(pattern);
    const long step = std::max(integerPlaces, 1L);
    // The exponent: a multiple of the integer places, so that they hold 1 to `step` digits.
    auto exponentOf = [&](long pointPos) {
      if (integerPlaces == 0) return pointPos;
      const long power = pointPos - 1;
      return (power >= 0 ? power / step : -((-power + step - 1) / step)) * step;
    };
    Decimal decimal = toDecimal15(magnitude);
    long exponent = 0;
    if (!decimal.isZero()) {
      exponent = exponentOf(decimal.pointPos);
      decimal.pointPos -= static_cast<int>(exponent);
      roundTo(decimal, static_cast<long>(places));
      const long absolute = decimal.pointPos + exponent;
      const long settled = exponentOf(absolute);
      decimal.pointPos = static_cast<int>(absolute - settled);
      exponent = settled;
    }
    if (minus && !decimal.isZero()) _out.text("-");
    bool showPlus = true;
    for (const auto& item : _rule.getItems()) {
      if (const auto* part = boost::get<NumberItem>(&item)) {
        if (part->getRole() == NumberItem::Role::Exponent) {
          const std::size_t exponentPlaces = fractionPlaces(part->getPattern());
          writeNumber(_out, *part, exponent == 0 ? "" : std::to_string(std::labs(exponent)),
                      std::string(exponentPlaces, '0'), _context);
        } else {
          writeNumber(_out, *part, decimal.integerDigits(), decimal.fractionDigits(places),
                      _context);
        }
      } else if (const auto* extra = boost::get<ExtraItem>(&item)) {
        showPlus = extra->getType() == ExtraItem::Type::ExponentPlus;
        _out.text(symbol(_context, LocalizableSymbolType::ExponentLiteral));
        if (exponent < 0)
          _out.text("-");
        else if (showPlus)
          _out.text("+");
      } else {
        writeOther(item);
      }
    }
    return true;
  }

  // The best approximation of `value` by p/q with q <= `maxDenominator`: continued-fraction
  // convergents and the last semiconvergent; ties go to the smaller denominator.
  static std::pair<double, double> approximate(double value, double maxDenominator) {
    double p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    double rest = value;
    for (int i = 0; i < 64; ++i) {
      const double whole = std::floor(rest);
      const double p2 = whole * p1 + p0, q2 = whole * q1 + q0;
      if (q2 > maxDenominator) break;
      p0 = p1, q0 = q1, p1 = p2, q1 = q2;
      const double fraction = rest - whole;
      if (fraction < 1e-12 || std::fabs(value - p1 / q1) < 1e-15 * std::max(value, 1.0)) break;
      rest = 1 / fraction;
    }
    if (q1 == 0) return {std::round(value), 1};
    const double k = std::floor((maxDenominator - q0) / q1);
    const double ps = p0 + k * p1, qs = q0 + k * q1;
    if (k > 0 && std::fabs(value - ps / qs) < std::fabs(value - p1 / q1)) return {ps, qs};
    return {p1, q1};
  }

  bool writeFraction(double magnitude, bool minus) {
    const NumberItem* denominatorPart = nullptr;
    for (const auto& item : _rule.getItems())
      if (const auto* part = boost::get<NumberItem>(&item);
          part && part->getRole() == NumberItem::Role::Denominator)
        denominatorPart = part;
    if (!denominatorPart) return false;
    const std::string& pattern = denominatorPart->getPattern();
    const bool fixed = pattern.find_first_of("123456789") != std::string::npos;
    double whole = 0, rest = magnitude;
    if (_facts.hasInteger) {
      whole = std::floor(magnitude);
      rest = magnitude - whole;
    }
    double numerator = 0, denominator = 1;
    if (!_facts.hasInteger && magnitude >= 1e15) {
      numerator = std::round(magnitude);
    } else if (fixed) {
      denominator = Parser::calcDenominatorValue(pattern).value_or(1);
      numerator = std::round(rest * denominator);
    } else {
      const int digits = std::clamp(static_cast<int>(pattern.size()), 1, 7);
      std::tie(numerator, denominator) = approximate(rest, std::pow(10.0, digits) - 1);
    }
    if (_facts.hasInteger && numerator >= denominator) {
      whole += 1;
      numerator = 0;
    }
    const bool zero = whole == 0 && numerator == 0;
    if (minus && !zero) _out.text("-");
    auto digitsOf = [](double number) {
      Decimal decimal = toDecimal15(number);
      roundTo(decimal, 0);
      return decimal.integerDigits();
    };
    std::size_t blankFrom = std::string::npos;
    for (const auto& item : _rule.getItems()) {
      if (const auto* part = boost::get<NumberItem>(&item)) {
        const std::size_t places = fractionPlaces(part->getPattern());
        switch (part->getRole()) {
          case NumberItem::Role::Integer:
            writeNumber(_out, *part, zero ? "0" : digitsOf(whole), std::string(places, '0'),
                        _context);
            break;
          case NumberItem::Role::Numerator:
            if (numerator == 0 && _facts.hasInteger) blankFrom = _out.size();
            writeNumber(_out, *part, numerator == 0 ? "0" : digitsOf(numerator),
                        std::string(places, '0'), _context);
            if (numerator == 0 && !_facts.hasInteger) blankFrom = _out.size();
            break;
          default:
            writeDenominator(*part, fixed ? pattern : digitsOf(denominator));
            if (blankFrom != std::string::npos) _out.blankFrom(blankFrom);
            blankFrom = std::string::npos;
            break;
        }
      } else if (const auto* extra = boost::get<ExtraItem>(&item)) {
        if (extra->getType() == ExtraItem::Type::FractionSlash) _out.text("/");
      } else {
        writeOther(item);
      }
    }
    return true;
  }

  // Denominator digits stand on the left; missing "?" places become spaces after them.
  void writeDenominator(const NumberItem& part, const std::string& digits) {
    const std::string& pattern = part.getPattern();
    std::string padding;
    std::size_t zeros = 0;
    for (std::size_t i = digits.size(); i < pattern.size(); ++i) {
      const char placeholder = pattern[pattern.size() - 1 - i];
      if (placeholder == '?') padding += ' ';
      if (placeholder == '0') ++zeros;
    }
    _out.text(std::string(zeros, '0'));
    _out.text(digits);
    _out.text(padding);
    for (const auto& [position, literal] : part.getEmbeddedItems())
      writeEmbedded(_out, literal, _context);
  }

  Output& _out;
  const Rule& _rule;
  const SectionFacts& _facts;
  const LocaleContext& _context;
};

bool writeDateTime(Output& out, const Rule& rule, const SectionFacts& facts, double magnitude,
                   bool minus, const LocaleContext& context) {
  const double units = 86400.0 * std::pow(10.0, facts.secondsPlaces);
  const double serial = std::round(magnitude * units) / units;
  if (!std::isfinite(serial) || !isDateValid(serial)) return false;
  const LocaleContext& names =
      rule.getLanguage() ? taggedContext(*rule.getLanguage(), context) : context;
  try {
    const DateTime value(serial, names);
    if (minus && serial != 0) out.text("-");
    for (const auto& item : rule.getItems()) {
      if (const auto* dateTime = boost::get<DateTimeItem>(&item)) {
        std::string text = value.toString(*dateTime, facts.twelveHourClock);
        if (dateTime->getType() == DateTimeItem::Type::AmPmShort && !text.empty()) {
          std::size_t length = 1;
          while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            ++length;
          text.resize(length);
        }
        out.text(text);
      } else if (const auto* literal = boost::get<TextItem>(&item)) {
        writeText(out, *literal, context);
      } else if (const auto* currency = boost::get<Model::CurrencyItem>(&item)) {
        out.text(currency->getCurrencySymbol());
      }
    }
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

RenderedValue renderNumber(double value, const Model::Expression& format,
                           const LocaleContext& context) {
  RenderedValue result;
  Output out(result);
  const Choice choice = chooseRule(format, value);
  const bool emptyCode = format.getRules().empty() && !format.getDefaultTextRule() && choice.rule &&
                         choice.rule->getItems().empty();
  if (!std::isfinite(value)) {
    writeNumError(out, context);
    return result;
  }
  if (!choice.rule || emptyCode) {
    writeGeneral(out, value, context);
    return result;
  }
  const Rule& rule = *choice.rule;
  result.color = rule.getColor();
  const bool negative = value < 0;
  const bool minus =
      negative && (choice.sign == Sign::Shown ||
                   (choice.sign == Sign::ShownUnlessLiteral && !hasLiteralMinus(rule)));
  const SectionFacts facts = examine(rule);
  const double magnitude = std::fabs(value);
  const bool written = facts.kind == SectionKind::DateTime
                           ? writeDateTime(out, rule, facts, magnitude, minus, context)
                           : NumberSection(out, rule, facts, context).write(magnitude, minus);
  if (!written) {
    result.text.clear();
    result.marks.clear();
    writeNumError(out, context);
  }
  return result;
}

RenderedValue renderText(const std::string& text, const Model::Expression& format,
                         const LocaleContext& context) {
  RenderedValue result;
  const auto& rule = format.getDefaultTextRule();
  if (!rule) {
    result.text = text;
    return result;
  }
  result.color = rule->getColor();
  Output out(result);
  writeItems(out, *rule, context, &text);
  return result;
}

struct ValueRenderer : boost::static_visitor<RenderedValue> {
  const Model::Expression& format;
  const LocaleContext& context;

  ValueRenderer(const Model::Expression& format, const LocaleContext& context)
      : format(format), context(context) {}

  RenderedValue operator()(const Vesk::FormulaModel::FormulaEmpty&) const { return {}; }
  RenderedValue operator()(const Vesk::FormulaModel::FormulaNumber& number) const {
    return renderNumber(number.getValue().getValue(), format, context);
  }
  RenderedValue operator()(const Vesk::FormulaModel::FormulaString& text) const {
    return renderText(text.getValue(), format, context);
  }
  RenderedValue operator()(const Vesk::FormulaModel::FormulaBoolean& boolean) const {
    return {context.getResources().getBooleanString(boolean.getValue()), boost::none, {}};
  }
  RenderedValue operator()(const Vesk::FormulaModel::FormulaError& error) const {
    RenderedValue result;
    const auto type = error.getType();
    if (type >= Vesk::DOM::FormulaErrorType::Null &&
        type <= Vesk::DOM::FormulaErrorType::GettingData)
      result.text = context.getResources().getErrorString(type);
    return result;
  }
};

}  // namespace

std::string RenderedValue::plainText() const {
  std::string plain;
  plain.reserve(text.size());
  std::size_t at = 0;
  for (const auto& mark : marks) {
    plain.append(text, at, mark.offset - at);
    if (mark.kind == RenderMark::Kind::Blank) plain += ' ';
    at = mark.offset + mark.length;
  }
  plain.append(text, at, std::string::npos);
  return plain;
}

RenderedValue formatValue(const Vesk::FormulaModel::FormulaValue& value,
                          const Model::Expression& format, const LocaleContext& context) {
  return boost::apply_visitor(ValueRenderer(format, context), value);
}

RenderedValue formatValue(double value, const Model::Expression& format,
                          const LocaleContext& context) {
  return renderNumber(value, format, context);
}

RenderedValue formatValue(const Vesk::FormulaModel::FormulaValue& value,
                          const Vesk::DOM::CellFormat& format, const LocaleContext& context) {
  if (const auto* expression = boost::get<Model::Expression>(&format.getData()))
    return formatValue(value, *expression, context);
  const auto& localized = boost::get<Model::DateTimeLocalizedExpression>(format.getData());
  const auto expression =
      Parser::parse(Parser::toRegEx(localized, context), Parser::ParserType::Default);
  return formatValue(value, expression.value_or(Model::Expression{}), context);
}

std::string formatValueAsText(const Vesk::FormulaModel::FormulaValue& value,
                              const Model::Expression& format, const LocaleContext& context) {
  return formatValue(value, format, context).plainText();
}

}  // namespace Vesk::OfficeUtils
