#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include <utf8.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingScanner.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"
#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formatters/Parser/OU_FormattingParser";

namespace Model = Vesk::DOM::CellFormatModel;
using Type = FormattingToken::Type;
using Tokens = std::vector<FormattingToken>;
using ItemType = Model::DateTimeItem::Type;

// What a section shows, decided from its tokens before any item is built.
enum class SectionKind : std::uint8_t {
  DateTime = 0,
  Text = 1,
  Fraction = 2,
  Scientific = 3,
  General = 4,
  Number = 5,
  Literal = 6,
};

// DateTimeItem type of each date-time token, indexed from AmPmLong (the first date-time token).
constexpr Type FirstDateTimeToken = Type::AmPmLong;
constexpr Type LastDateTimeToken = Type::WeekOfYear;
// clang-format off
constexpr std::array<ItemType, 32> DateTimeItemTypes{{
    ItemType::AmPmLong,               ItemType::AmPmShort,
    ItemType::DayLong,                ItemType::DayShort,
    ItemType::DayOfWeekLong,          ItemType::DayOfWeekShort,
    ItemType::HoursLong,              ItemType::HoursShort,
    ItemType::HoursLongNoTruncate,    ItemType::HoursShortNoTruncate,
    ItemType::MinutesLong,            ItemType::MinutesShort,
    ItemType::MinutesLongNoTruncate,  ItemType::MinutesShortNoTruncate,
    ItemType::SecondsLong,            ItemType::SecondsShort,
    ItemType::SecondsLongNoTruncate,  ItemType::SecondsShortNoTruncate,
    ItemType::MonthFirstLetter,       ItemType::MonthLongText,
    ItemType::MonthShortText,         ItemType::MonthLongDecimal,
    ItemType::MonthShortDecimal,      ItemType::YearLong,
    ItemType::YearShort,              ItemType::BuddhistYearShort,
    ItemType::BuddhistYearLong,       ItemType::QuarterLong,
    ItemType::QuarterShort,           ItemType::EraLong,
    ItemType::EraShort,               ItemType::WeekOfYear,
}};
// clang-format on
static_assert(DateTimeItemTypes.size() == static_cast<std::size_t>(LastDateTimeToken) -
                                              static_cast<std::size_t>(FirstDateTimeToken) + 1);

bool isDateTime(Type type) {
  return type >= FirstDateTimeToken && type <= LastDateTimeToken;
}

bool isElapsedTime(Type type) {
  return type == Type::HoursLongNoTruncate || type == Type::HoursShortNoTruncate ||
         type == Type::MinutesLongNoTruncate || type == Type::MinutesShortNoTruncate ||
         type == Type::SecondsLongNoTruncate || type == Type::SecondsShortNoTruncate;
}

bool isHours(Type type) {
  return type == Type::HoursLong || type == Type::HoursShort || type == Type::HoursLongNoTruncate ||
         type == Type::HoursShortNoTruncate;
}

bool isSeconds(Type type) {
  return type == Type::SecondsLong || type == Type::SecondsShort ||
         type == Type::SecondsLongNoTruncate || type == Type::SecondsShortNoTruncate;
}

bool isMonthDecimal(Type type) {
  return type == Type::MonthLongDecimal || type == Type::MonthShortDecimal;
}

bool isPlaceholder(const FormattingToken& token) {
  const auto value = token.getValue();
  return token.getType() == Type::Number && value.size() == 1 &&
         (value[0] == '0' || value[0] == '#' || value[0] == '?');
}

// Plain ASCII is valid UTF-8: most codes need no decoding to be checked.
bool isAscii(std::string_view text) {
  unsigned char bits = 0;
  for (const char c : text) bits |= static_cast<unsigned char>(c);
  return bits < 0x80;
}

// Numbers and points are single characters, most pattern characters too.
[[gnu::always_inline]] inline void append(std::string& pattern, std::string_view value) {
  if (value.size() == 1) {
    pattern.push_back(value[0]);
  } else {
    pattern += value;
  }
}

bool isNumberOrPoint(const FormattingToken& token) {
  return token.getType() == Type::Number || token.getType() == Type::Point;
}

// A position not met (yet).
constexpr std::size_t NoPosition = static_cast<std::size_t>(-1);

// One scanned section: the rule with its directives set, the kept tokens and what is counted
// over them. Positions index the kept tokens. The rule and the tokens live in the parse's
// scratch storage, which outlives the section.
struct Section {
  Section(Model::Rule& sectionRule, Tokens& sectionTokens)
      : rule(sectionRule), tokens(sectionTokens) {}

  Model::Rule& rule;
  Tokens& tokens;
  SectionKind kind = SectionKind::Literal;

  std::size_t generalCount = 0;
  bool hasPlaceholder = false;
  std::size_t firstPoint = NoPosition;
  std::size_t exponentCount = 0;
  std::size_t firstExponent = NoPosition;
  bool hasPercent = false;
  std::size_t fractionCount = 0;
  std::size_t firstFraction = NoPosition;
  bool hasTextContent = false;
  std::size_t elapsedTimeCount = 0;
  std::size_t firstDateTime = NoPosition;
  bool hasCalendar = false;
  bool hasLanguage = false;
  std::size_t currencyCount = 0;
};

void setFirst(std::size_t& first, std::size_t position) {
  if (first == NoPosition) first = position;
}

// Sets a directive on the section's rule or counts a kept token; false when the token makes
// the section invalid.
bool takeToken(FormattingToken&& token, ParserType parserType, Section& section) {
  auto& rule = section.rule;
  const auto type = token.getType();
  const auto value = token.getValue();
  // One dispatch per token: directives are set and dropped, kept tokens counted (the elapsed
  // times among the date-time types).
  const auto position = section.tokens.size();
  switch (type) {
    case Type::Condition:
      if (rule.getCondition()) return false;
      // A condition whose number does not read is dropped, as if it were not there.
      rule.setCondition(stringToCondition(std::string(value)));
      return true;
    case Type::Color: {
      if (rule.getColor()) return false;
      const auto color = stringToColor(std::string(value));
      if (!color) return false;
      rule.setColor(color);
      return true;
    }
    case Type::Calendar:
      if (rule.getCalendar()) return false;
      rule.setCalendar(stringToCalendar(std::string(value)));
      section.hasCalendar = true;
      return true;
    case Type::Transliteration:
      if (rule.getTransliteration()) return false;
      rule.setTransliteration(stringToTransliteration(std::string(value)));
      return true;
    case Type::Language: {
      if (rule.getLanguage()) return false;
      const auto language = stringToLanguage(std::string(value));
      if (!language) return false;
      rule.setLanguage(language);
      section.hasLanguage = true;
      break;  // kept
    }
    case Type::BadSymbol:
      return false;
    case Type::QuarterLong:
    case Type::QuarterShort:
    case Type::EraLong:
    case Type::EraShort:
    case Type::WeekOfYear:
      if (parserType == ParserType::Restricted) {
        token.setType(Type::String);
      } else {
        setFirst(section.firstDateTime, position);
      }
      break;
    case Type::General:
      ++section.generalCount;
      break;
    case Type::Number:
      if (isPlaceholder(token)) section.hasPlaceholder = true;
      break;
    case Type::Point:
      setFirst(section.firstPoint, position);
      break;
    case Type::ExponentPlus:
    case Type::ExponentMinus:
      ++section.exponentCount;
      setFirst(section.firstExponent, position);
      break;
    case Type::Percent:
      section.hasPercent = true;
      break;
    case Type::Fraction:
      ++section.fractionCount;
      setFirst(section.firstFraction, position);
      break;
    case Type::TextContent:
      section.hasTextContent = true;
      break;
    case Type::Currency:
      ++section.currencyCount;
      break;
    default:
      if (isDateTime(type)) {
        if (isElapsedTime(type)) ++section.elapsedTimeCount;
        setFirst(section.firstDateTime, position);
      }
      break;
  }
  section.tokens.push_back(std::move(token));
  return true;
}

bool before(std::size_t position, std::size_t limit) {
  return position != NoPosition && position < limit;
}

// The kind of a scanned section, or none when its tokens do not go together.
boost::optional<SectionKind> decideKind(const Section& s) {
  if (s.generalCount > 1 || s.elapsedTimeCount > 1 || s.exponentCount > 1 || s.currencyCount > 1 ||
      (s.currencyCount == 1 && s.hasLanguage))
    return boost::none;
  const bool hasGeneral = s.generalCount > 0;
  const bool hasPoint = s.firstPoint != NoPosition;
  const bool hasExponent = s.exponentCount > 0;
  const bool hasFraction = s.fractionCount > 0;
  if (s.firstDateTime != NoPosition || s.hasCalendar) {
    // A calendar without date-time tokens: every point and slash comes before the first one.
    const std::size_t firstDateTime =
        s.firstDateTime != NoPosition ? s.firstDateTime : s.tokens.size();
    if (before(s.firstFraction, firstDateTime) || before(s.firstPoint, firstDateTime) ||
        s.hasPlaceholder || hasExponent || s.hasPercent || s.hasTextContent)
      return boost::none;
    return SectionKind::DateTime;
  }
  if (s.hasTextContent) {
    if (hasGeneral || s.hasPlaceholder || hasPoint || hasExponent || s.hasPercent || hasFraction)
      return boost::none;
    return SectionKind::Text;
  }
  if (hasFraction) {
    if (hasExponent || hasGeneral || s.fractionCount > 1) return boost::none;
    return SectionKind::Fraction;
  }
  if (hasExponent) {
    if (hasGeneral) return boost::none;
    return SectionKind::Scientific;
  }
  if (hasGeneral) {
    if (s.hasPlaceholder || hasPoint) return boost::none;
    return SectionKind::General;
  }
  if (s.hasPlaceholder || hasPoint) return SectionKind::Number;
  return SectionKind::Literal;
}

// "m" and "mm" come out of the scanner as months; next to hours or seconds they are minutes.
void retypeMinutes(Tokens& tokens) {
  const auto toMinutes = [](FormattingToken& token) {
    token.setType(token.getType() == Type::MonthLongDecimal ? Type::MinutesLong
                                                            : Type::MinutesShort);
  };
  // "mm:ss": a month decimal followed by seconds, with only literals between.
  bool secondsFollow = false;
  for (auto it = tokens.rbegin(); it != tokens.rend(); ++it) {
    const auto type = it->getType();
    if (type == Type::SecondsLong || type == Type::SecondsShort) {
      secondsFollow = true;
    } else if (isMonthDecimal(type) && secondsFollow) {
      toMinutes(*it);
    } else if (isDateTime(type)) {
      secondsFollow = false;
    }
  }
  // "h:mm": the first month decimal after hours, or after seconds when no minutes came yet.
  bool minutesExpected = false;
  bool minutesSeen = false;
  for (auto& token : tokens) {
    const auto type = token.getType();
    if (isHours(type)) {
      minutesExpected = true;
    } else if (type == Type::MinutesLong || type == Type::MinutesShort) {
      minutesExpected = false;
      minutesSeen = true;
    } else if (type == Type::MinutesLongNoTruncate || type == Type::MinutesShortNoTruncate) {
      minutesSeen = true;
    } else if (isSeconds(type)) {
      if (!minutesSeen) minutesExpected = true;
    } else if (isMonthDecimal(type) && minutesExpected) {
      toMinutes(token);
      minutesExpected = false;
      minutesSeen = true;
    }
  }
}

Model::DateTimeItem makeDateTimeItem(const FormattingToken& token) {
  const auto index =
      static_cast<std::size_t>(token.getType()) - static_cast<std::size_t>(FirstDateTimeToken);
  const auto value = token.getValue();
  // No optional built up in steps: GCC's optimiser then warns that it may be read uninitialised.
  const auto point = value.find('.');
  if (point == std::string::npos) return Model::DateTimeItem(DateTimeItemTypes[index]);
  const std::size_t zeroCount = value.size() - point - 1;
  OU_ASSERT(zeroCount <= MaxZeroCount);
  return Model::DateTimeItem(DateTimeItemTypes[index], static_cast<std::uint8_t>(zeroCount));
}

// Builds the items of one section from its kept tokens.
class ItemsBuilder {
 public:
  explicit ItemsBuilder(SectionKind kind) : _kind(kind) {}

  // Literal items of tokens [begin, end) appended to `items`; false when a currency does not
  // read.
  bool addLiteralItems(const Tokens& tokens, std::size_t begin, std::size_t end,
                       Model::Items& items) const {
    for (std::size_t i = begin; i < end; ++i) {
      const auto& token = tokens[i];
      const auto value = token.getValue();
      switch (token.getType()) {
        case Type::General:
          items.emplace_back(Model::ExtraItem(Model::ExtraItem::Type::General));
          break;
        case Type::TextContent:
          items.emplace_back(Model::ExtraItem(Model::ExtraItem::Type::Text));
          break;
        case Type::FillText:
        case Type::TransparentText:
        case Type::String:
        case Type::Percent:
          items.emplace_back(makeTextItem(token));
          break;
        case Type::Number:
          // A placeholder outside any number shows as what it would show for a missing digit.
          items.emplace_back(
              Model::TextItem(Model::TextItem::Type::Literal, value == "?"   ? " "
                                                              : value == "#" ? "0"
                                                                             : std::string(value)));
          break;
        case Type::Point:
        case Type::Fraction:
          items.emplace_back(Model::TextItem(Model::TextItem::Type::Raw, std::string(value)));
          break;
        case Type::Comma:
          items.emplace_back(Model::TextItem(Model::TextItem::Type::Literal, std::string(value)));
          break;
        case Type::Currency: {
          auto currency = stringToCurrency(std::string(value));
          if (!currency) return false;
          items.emplace_back(std::move(*currency));
          break;
        }
        case Type::Language:
          break;
        default:
          if (!isDateTime(token.getType())) OU_FAIL("Unexpected FormattingToken::Type");
          items.emplace_back(makeDateTimeItem(token));
          break;
      }
    }
    return true;
  }

  // The number item of tokens [begin, end); none when the part is not valid.
  boost::optional<Model::NumberItem> buildNumberPart(Model::NumberItem::Role role,
                                                     const Tokens& tokens, std::size_t begin,
                                                     std::size_t end) const {
    const bool denominator = role == Model::NumberItem::Role::Denominator;
    std::string pattern;
    bool grouping = false;
    std::uint32_t displayFactor = 0;
    bool pointSeen = false;
    bool digitSeen = false;
    // Each embedded item with the pattern length when it was met; turned into a count from the
    // right once the pattern is complete. A placeholder never embeds, so the tokens that are
    // not placeholders bound the count.
    Model::NumberItem::EmbeddedItems embedded;
    std::size_t embedBound = 0;
    for (std::size_t i = begin; i < end; ++i) embedBound += isPlaceholder(tokens[i]) ? 0 : 1;
    if (embedBound > 0) embedded.reserve(embedBound);
    const auto embed = [&](Model::NumberItem::EmbeddedItem item) {
      embedded.emplace_back(pattern.size(), std::move(item));
    };

    for (std::size_t i = begin; i < end; ++i) {
      const auto& token = tokens[i];
      const auto value = token.getValue();
      switch (token.getType()) {
        case Type::Number:
          if (isPlaceholder(token) || denominator) {
            append(pattern, value);
          } else {
            digitSeen = true;
            embed(Model::TextItem(Model::TextItem::Type::Raw, std::string(value)));
          }
          break;
        case Type::Point:
          if (denominator) return boost::none;
          if (!pointSeen) {
            pointSeen = true;
            append(pattern, value);
          } else {
            embed(Model::TextItem(Model::TextItem::Type::Literal, std::string(value)));
          }
          break;
        case Type::Comma: {
          const bool afterNumber = i > begin && isNumberOrPoint(tokens[i - 1]);
          const bool beforeNumber = i + 1 < end && tokens[i + 1].getType() == Type::Number;
          if (afterNumber && beforeNumber) {
            // "#,##0" groups thousands; a comma between decimals means nothing.
            if (!pointSeen) grouping = true;
          } else if (afterNumber) {
            // "0,," divides by 1000 twice.
            displayFactor += static_cast<std::uint32_t>(value.size());
          } else {
            embed(Model::TextItem(Model::TextItem::Type::Literal, std::string(value)));
          }
          break;
        }
        case Type::FillText:
        case Type::TransparentText:
        case Type::String:
        case Type::Percent:
          embed(makeTextItem(token));
          break;
        case Type::Currency: {
          auto currency = stringToCurrency(std::string(value));
          if (!currency) return boost::none;
          embed(std::move(*currency));
          break;
        }
        case Type::Language:
          break;
        default:
          OU_FAIL("Unexpected FormattingToken::Type");
      }
    }

    if (pattern.empty() && !digitSeen) return boost::none;
    if (_kind == SectionKind::Fraction || _kind == SectionKind::Scientific) displayFactor = 0;
    if (role == Model::NumberItem::Role::Numerator || role == Model::NumberItem::Role::Exponent)
      grouping = false;
    // "?/16" has the fixed denominator 16; "?/??" none; "?/?6" is no denominator.
    if (denominator && pattern.find_first_of("123456789") != std::string::npos &&
        !calcDenominatorValue(pattern))
      return boost::none;

    for (auto& entry : embedded) entry.first = pattern.size() - entry.first;
    boost::optional<Model::NumberItem> item(boost::in_place_init, role, std::move(pattern),
                                            grouping, displayFactor);
    item->setEmbeddedItems(std::move(embedded));
    return item;
  }

 private:
  // Text of fill, transparent, string and percent tokens.
  Model::TextItem makeTextItem(const FormattingToken& token) const {
    const auto value = token.getValue();
    switch (token.getType()) {
      case Type::FillText:
        return Model::TextItem(Model::TextItem::Type::Fill, std::string(value));
      case Type::TransparentText:
        return Model::TextItem(Model::TextItem::Type::Transparent, std::string(value));
      case Type::Percent:
        // "%" multiplies only where a number is shown.
        return Model::TextItem(_kind == SectionKind::Fraction || _kind == SectionKind::Number
                                   ? Model::TextItem::Type::Percent
                                   : Model::TextItem::Type::Literal,
                               std::string(value));
      default:
        // The time separator of "h:mm" stays unquoted when written back.
        return Model::TextItem(_kind == SectionKind::DateTime && value == ":"
                                   ? Model::TextItem::Type::Raw
                                   : Model::TextItem::Type::Literal,
                               std::string(value));
    }
  }

  SectionKind _kind;
};

// The items of a section of known kind; none when a part of it is not valid.
boost::optional<Model::Items> buildItems(const Section& section) {
  using Role = Model::NumberItem::Role;
  const auto& tokens = section.tokens;
  const ItemsBuilder builder(section.kind);
  Model::Items items;
  // One allocation: a token gives at most one item (a number part takes one token or more,
  // the slash and the exponent sign one each); a number section has a single item.
  const std::size_t itemBound = section.kind == SectionKind::Number       ? 1
                                : section.kind == SectionKind::Scientific ? 3
                                                                          : tokens.size();
  if (itemBound > 0) items.reserve(itemBound);
  const auto addNumberPart = [&](Role role, std::size_t begin, std::size_t end) {
    auto part = builder.buildNumberPart(role, tokens, begin, end);
    if (!part) return false;
    items.emplace_back(std::move(*part));
    return true;
  };

  switch (section.kind) {
    case SectionKind::Number:
      if (!addNumberPart(Role::Integer, 0, tokens.size())) return boost::none;
      break;
    case SectionKind::Scientific: {
      const auto exponent = section.firstExponent;
      if (!addNumberPart(Role::Integer, 0, exponent)) return boost::none;
      items.emplace_back(Model::ExtraItem(tokens[exponent].getType() == Type::ExponentPlus
                                              ? Model::ExtraItem::Type::ExponentPlus
                                              : Model::ExtraItem::Type::ExponentMinus));
      if (!addNumberPart(Role::Exponent, exponent + 1, tokens.size())) return boost::none;
      break;
    }
    case SectionKind::Fraction: {
      const auto slash = section.firstFraction;
      std::size_t numeratorBegin = slash;
      while (numeratorBegin > 0 && isNumberOrPoint(tokens[numeratorBegin - 1])) --numeratorBegin;
      std::size_t denominatorEnd = slash + 1;
      while (denominatorEnd < tokens.size() && isNumberOrPoint(tokens[denominatorEnd]))
        ++denominatorEnd;

      bool integerPart = false;
      for (std::size_t i = 0; i < numeratorBegin; ++i)
        integerPart = integerPart || tokens[i].getType() == Type::Point || isPlaceholder(tokens[i]);
      if (integerPart) {
        if (!addNumberPart(Role::Integer, 0, numeratorBegin)) return boost::none;
      } else if (!builder.addLiteralItems(tokens, 0, numeratorBegin, items)) {
        return boost::none;
      }
      if (!addNumberPart(Role::Numerator, numeratorBegin, slash)) return boost::none;
      items.emplace_back(Model::ExtraItem(Model::ExtraItem::Type::FractionSlash));
      if (!addNumberPart(Role::Denominator, slash + 1, denominatorEnd)) return boost::none;
      if (!builder.addLiteralItems(tokens, denominatorEnd, tokens.size(), items))
        return boost::none;
      break;
    }
    default:
      if (!builder.addLiteralItems(tokens, 0, tokens.size(), items)) return boost::none;
      break;
  }
  return items;
}

// What one parse reuses from code to code: the scanner, the kept tokens of the section being
// read, the section texts and the rules and kinds of the sections read so far.
struct Scratch {
  FormattingScanner scanner;
  Tokens tokens;
  std::vector<std::string_view> texts;
  std::vector<Model::Rule> rules;
  std::vector<SectionKind> kinds;
  bool busy = false;  // a parse is using it
};

// Scans one section into `rule`; the section's kind, or none when the section is not valid.
// The scanner is restarted on the section text.
boost::optional<SectionKind> readSection(std::string_view text, ParserType parserType,
                                         Scratch& scratch, Model::Rule& rule) {
  scratch.tokens.clear();
  Section section(rule, scratch.tokens);
  auto& scanner = scratch.scanner;
  scanner.restart(text);
  while (auto token = scanner.getNextToken()) {
    if (!takeToken(std::move(*token), parserType, section)) return boost::none;
  }
  const auto kind = decideKind(section);
  if (!kind) return boost::none;
  section.kind = *kind;
  if (section.kind == SectionKind::DateTime) retypeMinutes(section.tokens);
  auto items = buildItems(section);
  if (!items) return boost::none;
  rule.setItems(std::move(*items));
  return kind;
}

// Only literal text, "@" and "General": what a section that can only show text may hold.
bool holdsOnlyText(const Model::Rule& rule) {
  for (const auto& item : rule.getItems()) {
    if (boost::get<Model::TextItem>(&item)) continue;
    const auto* extra = boost::get<Model::ExtraItem>(&item);
    if (extra && (extra->getType() == Model::ExtraItem::Type::General ||
                  extra->getType() == Model::ExtraItem::Type::Text))
      continue;
    return false;
  }
  return true;
}

// Sorts the section rules into conditional rules, the default number rule and the text rule,
// moving them out of `rules`.
boost::optional<Model::Expression> assemble(std::vector<Model::Rule>& rules,
                                            const std::vector<SectionKind>& kinds,
                                            ParserType parserType) {
  const std::size_t count = rules.size();
  boost::optional<std::size_t> textIndex;
  for (std::size_t i = 0; i < count; ++i) {
    if (kinds[i] != SectionKind::Text) continue;
    if (i + 1 != count || rules[i].getCondition()) return boost::none;
    textIndex = i;
  }
  // From the third section on: conditional sections (full dialect only) until the first one
  // without a condition, which may be followed only by a last, text-only section.
  bool unconditionedSeen = false;
  for (std::size_t i = MaxConditionRulesCount; i < count; ++i) {
    if (rules[i].getCondition()) {
      if (parserType == ParserType::Restricted || unconditionedSeen) return boost::none;
    } else if (!unconditionedSeen) {
      unconditionedSeen = true;
      if (i + 1 < count) {
        if (i + 2 != count || !holdsOnlyText(rules[count - 1])) return boost::none;
        textIndex = count - 1;
      }
    }
  }

  boost::optional<std::size_t> numberIndex;
  if (textIndex) {
    if (*textIndex > 0 && !rules[*textIndex - 1].getCondition()) numberIndex = *textIndex - 1;
  } else if (!rules.back().getCondition()) {
    numberIndex = count - 1;
  }

  boost::optional<Model::Expression> expression(boost::in_place_init);
  std::size_t conditional = count;
  if (textIndex) expression->setDefaultTextRule(std::move(rules[--conditional]));
  if (numberIndex) expression->setDefaultNumberRule(std::move(rules[--conditional]));
  if (conditional > 0) {
    std::vector<Model::Rule> kept;
    kept.reserve(conditional);
    for (std::size_t i = 0; i < conditional; ++i) kept.push_back(std::move(rules[i]));
    expression->setRules(std::move(kept));
  }
  return expression;
}

}  // namespace

namespace {

// splitSections into `sections` (cleared first); false where splitSections gives none.
// Quoted and bracketed text is skipped in one search for its end.
bool splitSections(std::string_view code, std::vector<std::string_view>& sections) {
  sections.clear();
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < code.size()) {
    switch (code[i]) {
      case '"':
      case '[': {
        const auto close = code.find(code[i] == '"' ? '"' : ']', i + 1);
        if (close == std::string_view::npos) return false;
        i = close + 1;
        continue;
      }
      case '\\':
        if (i + 1 == code.size()) return false;
        i += 2;
        continue;
      case ']':
        return false;
      case ';':
        sections.push_back(code.substr(start, i - start));
        start = i + 1;
        break;
      default:
        break;
    }
    ++i;
  }
  sections.push_back(code.substr(start));
  return true;
}

}  // namespace

boost::optional<std::vector<std::string_view>> splitSections(std::string_view code) {
  std::vector<std::string_view> sections;
  if (!splitSections(code, sections)) return boost::none;
  return sections;
}

boost::optional<Model::Expression> parse(const std::string& code, ParserType type) {
  // The scanner ends the process on a byte outside UTF-8, so such text never reaches it.
  if (!isAscii(code) && !utf8::is_valid(code.begin(), code.end())) return boost::none;
  // One scanner and scratch storage per thread serve every code: building a scanner (its
  // buffer) cost a third of parsing a short code, and the vectors keep their capacity. A parse
  // started while they are busy (reading a condition's number first builds the built-in locale
  // context, which parses codes of its own) takes its own.
  thread_local Scratch shared;
  Scratch* const sharedScratch = &shared;
  std::unique_ptr<Scratch> own;
  if (sharedScratch->busy) own = std::make_unique<Scratch>();
  auto& scratch = own ? *own : *sharedScratch;
  struct Release {
    Scratch& scratch;
    ~Release() { scratch.busy = false; }
  } release{scratch};
  scratch.busy = true;

  if (!splitSections(code, scratch.texts)) return boost::none;
  scratch.rules.clear();
  scratch.kinds.clear();
  for (const auto text : scratch.texts) {
    auto& rule = scratch.rules.emplace_back();
    const auto kind = readSection(text, type, scratch, rule);
    if (!kind) return boost::none;
    scratch.kinds.push_back(*kind);
  }
  return assemble(scratch.rules, scratch.kinds, type);
}

Model::Condition resolveCondition(const Model::Expression& expression, std::size_t ruleIndex) {
  const auto& rules = expression.getRules();
  OU_ASSERT(ruleIndex < rules.size());
  if (const auto& condition = rules[ruleIndex].getCondition()) return *condition;
  if (rules.size() == 1) return Model::Condition(Model::Condition::Type::GreaterOrEqual, 0.0);
  OU_ASSERT(ruleIndex < MaxConditionRulesCount);
  return Model::Condition(
      ruleIndex == 0 ? Model::Condition::Type::Greater : Model::Condition::Type::Less, 0.0);
}

boost::optional<std::uint32_t> calcDenominatorValue(const std::string& pattern) {
  const auto value = strToInt(pattern, nullptr, 10);
  if (!value || *value <= 0) return boost::none;
  return static_cast<std::uint32_t>(*value);
}

namespace {

// What the items of a rule show, collected before the kind is decided.
struct RuleMarks {
  bool date = false;
  bool time = false;
  bool fraction = false;
  bool general = false;
  bool exponent = false;
  bool number = false;
  bool currency = false;
  bool fill = false;
  bool percent = false;
};

class RuleMarker : public boost::static_visitor<void> {
 public:
  explicit RuleMarker(RuleMarks& marks) : _marks(&marks) {}

  void operator()(const Model::CurrencyItem&) const { _marks->currency = true; }
  void operator()(const Model::DateTimeItem& item) const {
    (item.isTime() ? _marks->time : _marks->date) = true;
  }
  void operator()(const Model::ExtraItem& item) const {
    switch (item.getType()) {
      case Model::ExtraItem::Type::FractionSlash:
        _marks->fraction = true;
        break;
      case Model::ExtraItem::Type::General:
        _marks->general = true;
        break;
      case Model::ExtraItem::Type::ExponentPlus:
      case Model::ExtraItem::Type::ExponentMinus:
        _marks->exponent = true;
        break;
      case Model::ExtraItem::Type::Text:
        break;
    }
  }
  void operator()(const Model::NumberItem& item) const {
    _marks->number = true;
    for (const auto& embedded : item.getEmbeddedItems())
      boost::apply_visitor(*this, embedded.second);
  }
  void operator()(const Model::TextItem& item) const {
    if (item.getType() == Model::TextItem::Type::Fill) _marks->fill = true;
    if (item.getType() == Model::TextItem::Type::Percent) _marks->percent = true;
  }

 private:
  RuleMarks* _marks;
};

}  // namespace

FormatType calcFormatType(const Model::Rule& rule) {
  const auto& items = rule.getItems();
  if (items.size() == 1) {
    if (const auto* extra = boost::get<Model::ExtraItem>(&items.front())) {
      if (extra->getType() == Model::ExtraItem::Type::General) return FormatType::General;
      if (extra->getType() == Model::ExtraItem::Type::Text) return FormatType::Text;
    }
  }
  RuleMarks marks;
  const RuleMarker marker(marks);
  for (const auto& item : items) boost::apply_visitor(marker, item);
  if (marks.date) return marks.time ? FormatType::DateTime : FormatType::Date;
  if (marks.time) return FormatType::Time;
  if (marks.fraction) return FormatType::Fraction;
  if (marks.exponent) return FormatType::Scientific;
  if (marks.currency) return marks.fill ? FormatType::Accounting : FormatType::Currency;
  if (marks.number) return marks.percent ? FormatType::Percentage : FormatType::Number;
  if (marks.general) return FormatType::Number;
  return FormatType::Other;
}

FormatType calcFormatType(const Model::Expression& expression) {
  // The first kind other than Other sets the kind; any later differing kind (Other included)
  // makes the whole Other.
  FormatType merged = FormatType::Other;
  std::vector<const Model::Rule*> rules;
  for (const auto& rule : expression.getRules()) rules.push_back(&rule);
  if (const auto& numberRule = expression.getDefaultNumberRule()) rules.push_back(&*numberRule);
  for (const Model::Rule* rule : rules) {
    const FormatType kind = calcFormatType(*rule);
    if (merged != FormatType::Other && kind != merged) return FormatType::Other;
    merged = kind;
  }
  if (merged == FormatType::Other) {
    if (const auto& textRule = expression.getDefaultTextRule()) return calcFormatType(*textRule);
  }
  return merged;
}

FormatType calcFormatType(const Vesk::DOM::CellFormat& format) {
  if (const auto* expression = boost::get<Model::Expression>(&format.getData()))
    return calcFormatType(*expression);
  return static_cast<FormatType>(
      boost::get<Model::DateTimeLocalizedExpression>(format.getData()).getFormatType());
}

FormatType calcFormatType(const std::shared_ptr<const Vesk::DOM::CellFormat>& format) {
  if (!format) return FormatType::General;
  return calcFormatType(*format);
}

FormatType calcFormatType(const std::string& code) {
  const auto expression = parse(code, ParserType::Default);
  if (!expression) return FormatType::Other;
  return calcFormatType(*expression);
}

std::size_t calcDecimalPlaces(const std::string& pattern) {
  const std::size_t pointPos = pattern.find('.');
  return pointPos == std::string::npos ? 0 : pattern.size() - pointPos - 1;
}

boost::optional<char> calcFirstDecimalPlaceHolder(const std::string& pattern) {
  const std::size_t pointPos = pattern.find('.');
  if (pointPos == std::string::npos || pointPos + 1 >= pattern.size()) return boost::none;
  return pattern[pointPos + 1];
}

std::size_t calcMinIntegerDigits(const std::string& pattern) {
  if (pattern.empty() || pattern.front() == '?' || pattern.front() == '.') return 0;
  std::size_t count = 0;
  for (const char c : pattern) {
    if (c == '.' || c == '?') break;
    if (c == '#') {
      if (count > 0) break;
      continue;
    }
    if (c != '0') OU_FAIL("Unexpected cell formatting pattern");
    ++count;
  }
  return count;
}

std::size_t calcMinExponentDigits(const std::string& pattern) {
  return pattern.size();
}
std::size_t calcMinNumeratorDigits(const std::string& pattern) {
  return pattern.size();
}
std::size_t calcMinDenominatorDigits(const std::string& pattern) {
  return pattern.size();
}

const char* formatTypeName(FormatType type) {
  static const char* const Names[] = {
      "General",    "Number",   "Currency",   "Accounting", "Date",    "Time", "DateTime",
      "Percentage", "Fraction", "Scientific", "Text",       "Unknown", "Other"};
  const auto index = static_cast<std::size_t>(type);
  return index < std::size(Names) ? Names[index] : "Unknown";
}

}  // namespace Vesk::OfficeUtils::Parser
