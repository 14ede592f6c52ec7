#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include <fmt/format.h>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/OU_Assert.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "host/DOM/OU_FormulaTypes.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils";

namespace Model = Vesk::DOM::CellFormatModel;

template <typename Value>
struct NamedValue {
  std::string_view name;
  Value value;
};

constexpr std::array<NamedValue<Model::Condition::Type>, 6> ConditionOperators{{
    {"<", Model::Condition::Type::Less},
    {">", Model::Condition::Type::Greater},
    {"=", Model::Condition::Type::Equal},
    {"<>", Model::Condition::Type::NotEqual},
    {"<=", Model::Condition::Type::LessOrEqual},
    {">=", Model::Condition::Type::GreaterOrEqual},
}};

constexpr std::array<NamedValue<Model::Calendar>, 2> Calendars{{
    {"B1", Model::Calendar::B1},
    {"B2", Model::Calendar::B2},
}};

constexpr std::array<NamedValue<Model::Transliteration>, 4> Transliterations{{
    {"DBNum1", Model::Transliteration::DBNum1},
    {"DBNum2", Model::Transliteration::DBNum2},
    {"DBNum3", Model::Transliteration::DBNum3},
    {"DBNum4", Model::Transliteration::DBNum4},
}};

constexpr Color rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Color{red, green, blue, 255};
}

constexpr std::array<NamedValue<Color>, 8> NamedColors{{
    {"cyan", rgb(0, 255, 255)},
    {"green", rgb(0, 255, 0)},
    {"black", rgb(0, 0, 0)},
    {"blue", rgb(0, 0, 255)},
    {"magenta", rgb(255, 0, 255)},
    {"red", rgb(255, 0, 0)},
    {"white", rgb(255, 255, 255)},
    {"yellow", rgb(255, 255, 0)},
}};

// "[Color1]" to "[Color56]": entry i is index i + 1. Ten colours occur twice; scanning from the
// front makes the lower index the one a colour maps back to.
// clang-format off
constexpr std::array<Color, 56> Palette{{
    rgb(0, 0, 0),       rgb(255, 255, 255), rgb(255, 0, 0),     rgb(0, 255, 0),
    rgb(0, 0, 255),     rgb(255, 255, 0),   rgb(255, 0, 255),   rgb(0, 255, 255),
    rgb(128, 0, 0),     rgb(0, 128, 0),     rgb(0, 0, 128),     rgb(128, 128, 0),
    rgb(128, 0, 128),   rgb(0, 128, 128),   rgb(192, 192, 192), rgb(128, 128, 128),
    rgb(153, 153, 255), rgb(153, 51, 102),  rgb(255, 255, 204), rgb(204, 255, 255),
    rgb(102, 0, 102),   rgb(255, 128, 128), rgb(0, 102, 204),   rgb(204, 204, 255),
    rgb(0, 0, 128),     rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(0, 255, 255),
    rgb(128, 0, 128),   rgb(128, 0, 0),     rgb(0, 128, 128),   rgb(0, 0, 255),
    rgb(0, 204, 255),   rgb(204, 255, 255), rgb(204, 255, 204), rgb(255, 255, 153),
    rgb(153, 204, 255), rgb(255, 153, 204), rgb(204, 153, 255), rgb(255, 204, 153),
    rgb(51, 102, 255),  rgb(51, 204, 204),  rgb(153, 204, 0),   rgb(255, 204, 0),
    rgb(255, 153, 0),   rgb(255, 102, 0),   rgb(102, 102, 153), rgb(150, 150, 150),
    rgb(0, 51, 102),    rgb(51, 153, 102),  rgb(0, 51, 0),      rgb(51, 51, 0),
    rgb(153, 51, 0),    rgb(153, 51, 102),  rgb(51, 51, 153),   rgb(51, 51, 51),
}};
// clang-format on

// The first eight palette entries are the named colours, so a named colour always has an index.
constexpr bool namedColorsArePaletteColors() {
  for (const auto& named : NamedColors) {
    bool found = false;
    for (std::size_t i = 0; i < 8; ++i) found = found || Palette[i] == named.value;
    if (!found) return false;
  }
  return true;
}
static_assert(namedColorsArePaletteColors());

template <typename Value, std::size_t Size>
const Value* findByName(const std::array<NamedValue<Value>, Size>& table, std::string_view name) {
  for (const auto& entry : table) {
    if (entry.name == name) return &entry.value;
  }
  return nullptr;
}

template <typename Value, std::size_t Size>
const std::string_view* findByValue(const std::array<NamedValue<Value>, Size>& table, Value value) {
  for (const auto& entry : table) {
    if (entry.value == value) return &entry.name;
  }
  return nullptr;
}

// The operator at the start of a condition: the two-character ones before their first
// character alone ("<=5" is "<=" and 5, never "<" and "=5").
std::string_view conditionOperator(std::string_view text) {
  if (text.size() >= 2) {
    const auto pair = text.substr(0, 2);
    if (pair == "<=" || pair == ">=" || pair == "<>") return pair;
  }
  if (!text.empty() && (text[0] == '<' || text[0] == '>' || text[0] == '='))
    return text.substr(0, 1);
  return {};
}

}  // namespace

boost::optional<Model::Condition> stringToCondition(const std::string& text) {
  // An operator, spaces, one run of anything but spaces, spaces to the end. A number that
  // starts with "=" or ">" (what a shorter operator would leave) never reads, so the longest
  // operator decides.
  const std::string_view whole(text);
  const auto op = conditionOperator(whole);
  if (op.empty()) return boost::none;
  std::size_t position = op.size();
  while (position < whole.size() && whole[position] == ' ') ++position;
  const std::size_t numberStart = position;
  while (position < whole.size() && whole[position] != ' ') ++position;
  const std::size_t numberEnd = position;
  while (position < whole.size() && whole[position] == ' ') ++position;
  if (numberStart == numberEnd || position != whole.size()) return boost::none;
  const auto* type = findByName(ConditionOperators, op);
  OU_ASSERT_MSG(type != nullptr,
                "Check correctness of ConditionMap and regex defined in flex file Lexer.l");
  // Reached only for a code that holds a condition, so building the built-in contexts (whose
  // patterns hold none) never comes back here.
  const auto& context =
      LocaleContext::getDefaultLocaleContext(static_cast<Vesk::DOM::FormulaType>(2));
  const auto value =
      stringToDouble(std::string(whole.substr(numberStart, numberEnd - numberStart)), context);
  // "1e999" reads as infinity, which no code can write back: no number, as for "abc".
  if (!value || !std::isfinite(*value)) return boost::none;
  return Model::Condition(*type, *value);
}

boost::optional<Color> stringToColor(const std::string& text) {
  if (const auto* named = findByName(NamedColors, text)) return *named;
  const auto index = strToInt(text, nullptr, 10);
  if (!index || *index < 1 || static_cast<std::size_t>(*index) > Palette.size()) return boost::none;
  return Palette[static_cast<std::size_t>(*index) - 1];
}

boost::optional<std::string_view> colorToName(const Color& color) {
  for (const auto& entry : NamedColors) {
    if (entry.value == color) return entry.name;
  }
  return boost::none;
}

boost::optional<std::uint32_t> colorToPaletteIndex(const Color& color) {
  for (std::size_t i = 0; i < Palette.size(); ++i) {
    if (Palette[i] == color) return static_cast<std::uint32_t>(i + 1);
  }
  return boost::none;
}

Model::Calendar stringToCalendar(const std::string& text) {
  const auto* calendar = findByName(Calendars, text);
  OU_ASSERT_MSG(calendar != nullptr, "Check correctness of calendar map");
  return *calendar;
}

Model::Transliteration stringToTransliteration(const std::string& text) {
  const auto* transliteration = findByName(Transliterations, text);
  OU_ASSERT_MSG(transliteration != nullptr, "Check correctness of the transliteration map");
  return *transliteration;
}

boost::optional<std::uint32_t> stringToLanguage(const std::string& text) {
  const auto value = strToInt(text, nullptr, 16);
  if (!value || *value < 0) return boost::none;
  return static_cast<std::uint32_t>(*value);
}

boost::optional<Model::CurrencyItem> stringToCurrency(const std::string& text) {
  std::vector<std::string_view> pieces;
  const std::string_view rest(text);
  std::size_t start = 0;
  while (start <= rest.size()) {
    const auto dash = rest.find('-', start);
    const auto end = dash == std::string_view::npos ? rest.size() : dash;
    if (end > start) pieces.push_back(rest.substr(start, end - start));
    start = end + 1;
  }
  switch (pieces.size()) {
    case 0:
      return Model::CurrencyItem("");
    case 1:
      return Model::CurrencyItem(std::string(pieces[0]));
    case 2: {
      const auto language = stringToLanguage(std::string(pieces[1]));
      if (!language) return boost::none;
      return Model::CurrencyItem(std::string(pieces[0]), language);
    }
    default:
      return boost::none;
  }
}

namespace {

using ItemType = Model::DateTimeItem::Type;
using PatternToken = Model::DateTimePatternToken;

struct PatternItemCode {
  PatternToken token;
  std::uint8_t variant;
  std::string_view code;
};

constexpr std::array<PatternItemCode, 10> PatternItemCodes{{
    {PatternToken::Weekday, 0, "dddd"},
    {PatternToken::Month, 0, "m"},
    {PatternToken::Month, 1, "mmmm"},
    {PatternToken::Month, 2, "mmm"},
    {PatternToken::Day, 0, "d"},
    {PatternToken::Year, 0, "yyyy"},
    {PatternToken::Year, 1, "yy"},
    {PatternToken::Hour, 0, "h"},
    {PatternToken::Minute, 0, "mm"},
    {PatternToken::Second, 0, "ss"},
}};

// The date components in the order of each DateOrder; the weekday always comes first.
constexpr std::array<std::array<PatternToken, 4>, 3> DateOrders{{
    {PatternToken::Weekday, PatternToken::Month, PatternToken::Day, PatternToken::Year},
    {PatternToken::Weekday, PatternToken::Day, PatternToken::Month, PatternToken::Year},
    {PatternToken::Weekday, PatternToken::Year, PatternToken::Month, PatternToken::Day},
}};
constexpr std::array<PatternToken, 3> TimeOrder{
    {PatternToken::Hour, PatternToken::Minute, PatternToken::Second}};

[[noreturn]] void throwKeyNotFound() {
  throw std::out_of_range("map::at key not found");
}

// The one-character literals that a section of this kind reads back as literal text without a
// backslash; "," only in dates and times, where it is no thousands separator.
std::string_view freeCharacters(FormatType kind) {
  const auto value = static_cast<unsigned>(kind);
  if (value >= 4 && value <= 6) return ",-() ";
  return value <= 12 ? "-() " : "";
}

// A digit the parser kept as literal text inside a number part ("1" of "1/2").
bool isLiteralDigit(const Model::NumberItem::EmbeddedItem& item) {
  const auto* text = boost::get<Model::TextItem>(&item);
  if (!text || text->getType() != Model::TextItem::Type::Raw) return false;
  const auto& value = text->getTextValue();
  return value.size() == 1 && value[0] >= '0' && value[0] <= '9';
}

// doubleToString with 15 digits under the context conditions are read in, with one formatter
// per thread: building its ICU formats costs more than writing a whole code.
std::string conditionValueToString(Vesk::FloatNumber value) {
  thread_local const auto formatter = [] {
    auto made = std::make_unique<GeneralNumberFormatter>(
        LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType::OOXMLStrict));
    made->setPrecisionForScientificMode(15);
    return made;
  }();
  return (*formatter)(value);
}

// Appends the code of each item it visits to one string.
class ItemWriter : public boost::static_visitor<void> {
 public:
  ItemWriter(std::string& out, FormatType kind, ParserType type)
      : _out(&out), _kind(kind), _type(type) {}

  void operator()(const Model::CurrencyItem& item) const {
    if (const auto& language = item.getLanguage()) {
      *_out += fmt::format("[${0:s}-{1:X}]", item.getCurrencySymbol(), *language);
    } else {
      *_out += fmt::format("[${}]", item.getCurrencySymbol());
    }
  }

  void operator()(const Model::DateTimeItem& item) const {
    const auto code = Model::getCode(item.getType());
    if (code.empty()) OU_FAIL("Unknown DOM::CellFormatModel::DateTimeItem::Type");
    if (_type == ParserType::Restricted && item.getType() >= ItemType::QuarterShort) return;
    *_out += code;
    if (const auto& decimalPlaces = item.getDecimalPlaces()) {
      *_out += '.';
      _out->append(*decimalPlaces, '0');
    }
  }

  void operator()(const Model::ExtraItem& item) const {
    const auto code = Model::getCode(item.getType());
    if (code.empty()) OU_FAIL("Unknown DOM::CellFormatModel::ExtraItem::Type");
    *_out += code;
  }

  void operator()(const Model::TextItem& item) const {
    const auto& text = item.getTextValue();
    switch (item.getType()) {
      case Model::TextItem::Type::Literal:
        if (text.empty() || getUnicodeCharsCount(text) != 1) {
          *_out += '"';
          *_out += text;
          *_out += '"';
        } else {
          // Two bare commas would read back as one run of commas.
          if (freeCharacters(_kind).find(text) == std::string_view::npos ||
              (text == "," && _out->ends_with(',')))
            *_out += '\\';
          *_out += text;
        }
        break;
      case Model::TextItem::Type::Raw:
        *_out += text;
        break;
      case Model::TextItem::Type::Transparent:
        *_out += '_';
        *_out += text;
        break;
      case Model::TextItem::Type::Fill:
        *_out += '*';
        *_out += text;
        break;
      case Model::TextItem::Type::Percent:
        *_out += '%';
        break;
      default:
        OU_FAIL("Unknown DOM::CellFormatModel::TextItem::Type");
    }
  }

  void operator()(const Model::NumberItem& item) const {
    const auto& pattern = item.getPattern();
    const auto& embedded = item.getEmbeddedItems();
    const std::size_t patternSize = pattern.size();
    if (embedded.empty()) OU_ASSERT(patternSize != 0);
    if (patternSize == 0) {
      writeLiteralDigits(item);
      return;
    }
    // Left to right: an item at position p stands before the last p pattern characters.
    std::string text;
    const ItemWriter inText(text, _kind, _type);
    // A "." after the pattern's point is a literal when it reads back, and stays bare so that a
    // numerator remains one run of digits and points ("?.?.?/?").
    const std::size_t point = pattern.find('.');
    const auto write = [&](std::size_t index, const Model::NumberItem::EmbeddedItem& embeddedItem) {
      const auto* literal = boost::get<Model::TextItem>(&embeddedItem);
      if (point < index && literal && literal->getType() == Model::TextItem::Type::Literal &&
          literal->getTextValue() == ".") {
        text += '.';
      } else {
        boost::apply_visitor(inText, embeddedItem);
      }
    };
    // The items inside the pattern by falling position (in their own order where positions
    // tie), so that one pass over the pattern meets each of them once.
    std::vector<const Model::NumberItem::EmbeddedItems::value_type*> inside;
    for (const auto& entry : embedded) {
      if (entry.first > 0 && entry.first < patternSize) inside.push_back(&entry);
    }
    std::stable_sort(inside.begin(), inside.end(),
                     [](const auto* a, const auto* b) { return a->first > b->first; });
    auto next = inside.begin();
    for (std::size_t i = 0; i < patternSize; ++i) {
      for (; next != inside.end() && (*next)->first == patternSize - i; ++next)
        write(i, (*next)->second);
      text += pattern[i];
    }
    // The display-factor commas divide only where a digit or point comes before them and none
    // after, so they go after the literal digits that follow the last placeholder.
    std::vector<const Model::NumberItem::EmbeddedItem*> trailing;
    for (const auto& [itemPosition, embeddedItem] : embedded) {
      if (itemPosition == 0) trailing.push_back(&embeddedItem);
    }
    std::size_t digits = 0;
    while (digits < trailing.size() && isLiteralDigit(*trailing[digits])) ++digits;
    for (std::size_t i = 0; i < trailing.size(); ++i) {
      if (i == digits) text.append(item.getDisplayFactor(), ',');
      write(patternSize, *trailing[i]);
    }
    if (digits == trailing.size()) text.append(item.getDisplayFactor(), ',');
    // Grouping before the items in front of the first placeholder: "#,##" must touch the
    // placeholders for the parser to see it.
    if (item.hasGrouping()) addGrouping(text);
    for (const auto& [itemPosition, embeddedItem] : embedded) {
      if (itemPosition >= patternSize) boost::apply_visitor(*this, embeddedItem);
    }
    *_out += text;
  }

 private:
  // A number part of literal digits only ("1" of "1/2"). The parser sets no display factor in
  // fractions and exponents, the only sections where such a part occurs.
  void writeLiteralDigits(const Model::NumberItem& item) const {
    const auto& embedded = item.getEmbeddedItems();
    bool groupingPending = item.hasGrouping();
    for (std::size_t i = 0; i < embedded.size(); ++i) {
      boost::apply_visitor(*this, embedded[i].second);
      if (groupingPending && i + 1 < embedded.size() && isLiteralDigit(embedded[i].second) &&
          isLiteralDigit(embedded[i + 1].second)) {
        *_out += ',';
        groupingPending = false;
      }
    }
  }

  std::string* _out;
  FormatType _kind;
  ParserType _type;
};

}  // namespace

std::string toRegEx(const Model::Expression& expression, ParserType type) {
  std::string code;
  const auto append = [&](const Model::Rule& rule) {
    if (!code.empty()) code += ';';
    code += toRegEx(rule, type);
  };
  const auto& rules = expression.getRules();
  const std::size_t count = type == ParserType::Restricted
                                ? std::min(rules.size(), MaxConditionRulesCount)
                                : rules.size();
  for (std::size_t i = 0; i < count; ++i) append(rules[i]);
  if (const auto& rule = expression.getDefaultNumberRule()) append(*rule);
  if (const auto& rule = expression.getDefaultTextRule()) append(*rule);
  return code;
}

std::string toRegEx(const Model::Rule& rule, const ParserType& type) {
  std::string code;
  if (const auto& condition = rule.getCondition()) {
    const auto* name = findByValue(ConditionOperators, condition->getType());
    OU_ASSERT_MSG(name != nullptr, "Check correctness of the condition map");
    code += fmt::format("[{}{}]", *name, conditionValueToString(condition->getValue()));
  }
  if (const auto& color = rule.getColor()) code += colorToRegEx(*color);
  if (const auto& transliteration = rule.getTransliteration()) {
    const auto* name = findByValue(Transliterations, *transliteration);
    OU_ASSERT_MSG(name != nullptr, "Check correctness of the transliteration map");
    code += fmt::format("[{}]", *name);
  }
  if (const auto& language = rule.getLanguage()) code += fmt::format("[$-{0:X}]", *language);
  if (const auto& calendar = rule.getCalendar()) {
    const auto* name = findByValue(Calendars, *calendar);
    OU_ASSERT_MSG(name != nullptr, "Check correctness of the calendar map");
    code += *name;
  }
  const ItemWriter writer(code, calcFormatType(rule), type);
  for (const auto& item : rule.getItems()) boost::apply_visitor(writer, item);
  return code;
}

std::string toRegEx(const Model::DateTimeLocalizedExpression& expression,
                    const LocaleContext& context) {
  const auto& resources = context.getFormattingResources();
  const auto& items = expression.getDateTimePatternTokenSet();
  const DateType dateType = getDateTypeByTokenSet(items);
  const auto order = static_cast<std::size_t>(resources.getDateProps(dateType).order);
  OU_ASSERT(order < DateOrders.size());
  const auto& separators = resources.getSeparatorsMap(dateType);
  const std::string date = createPatternByTokens(items, separators, DateOrders[order]);
  std::string time = createPatternByTokens(items, separators, TimeOrder);
  if (resources.getTimeProps().is12Hour && items.count({PatternToken::Hour})) time += " AM/PM";
  if (time.empty()) return date;
  if (date.empty()) return time;
  return date + ' ' + time;
}

std::string toRegEx(
    const boost::variant<Model::Expression, Model::DateTimeLocalizedExpression>& format,
    ParserType type, const LocaleContext& context) {
  if (const auto* expression = boost::get<Model::Expression>(&format))
    return toRegEx(*expression, type);
  return toRegEx(boost::get<Model::DateTimeLocalizedExpression>(format), context);
}

std::string colorToRegEx(const Color& color) {
  if (const auto name = colorToName(color)) return fmt::format("[{}]", *name);
  if (const auto index = colorToPaletteIndex(color)) return fmt::format("[color {}]", *index);
  return {};
}

void addGrouping(std::string& pattern) {
  OU_ASSERT(!pattern.empty());
  if (pattern.starts_with("###")) {
    pattern.insert(1, 1, ',');
  } else if (pattern.starts_with("##")) {
    pattern.insert(0, "#,");
  } else if (pattern.starts_with("#")) {
    pattern.insert(0, "#,#");
  } else {
    pattern.insert(0, "#,##");
  }
}

std::string createPatternByTokens(const Model::DateTimePatternItemSet& items,
                                  const DateTimeSeparatorsMap& separators,
                                  std::span<const PatternToken> order) {
  std::string pattern;
  boost::optional<PatternToken> previous;
  for (const PatternToken token : order) {
    const auto item = items.find({token});
    if (item == items.end()) continue;
    if (previous) {
      const auto separator =
          separators.find({std::min(*previous, token), std::max(*previous, token)});
      if (separator == separators.end()) throwKeyNotFound();
      pattern += separator->second;
    }
    const auto* code = std::find_if(PatternItemCodes.begin(), PatternItemCodes.end(),
                                    [&](const PatternItemCode& entry) {
                                      return entry.token == token && entry.variant == item->variant;
                                    });
    if (code == PatternItemCodes.end()) throwKeyNotFound();
    pattern += code->code;
    previous = token;
  }
  return pattern;
}

DateType getDateTypeByTokenSet(const Model::DateTimePatternItemSet& items) {
  const auto month = items.find({PatternToken::Month});
  if (month == items.end() || (month->variant != 1 && month->variant != 2)) return DateType::Medium;
  if (!items.count({PatternToken::Day}) || !items.count({PatternToken::Year}))
    return DateType::Short;
  return DateType::Long;
}

}  // namespace Vesk::OfficeUtils::Parser
