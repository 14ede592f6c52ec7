#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include <boost/regex.hpp>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Utils/OU_Assert.h"
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

const boost::regex& conditionRegex() {
  static const boost::regex regex("(<=|>=|<>|<|>|=)[ ]*([^ ]+)[ ]*", boost::regex::perl);
  return regex;
}

}  // namespace

boost::optional<Model::Condition> stringToCondition(const std::string& text) {
  boost::smatch match;
  if (!boost::regex_match(text, match, conditionRegex())) return boost::none;
  const auto* type = findByName(ConditionOperators, match[1].str());
  OU_ASSERT_MSG(type != nullptr,
                "Check correctness of ConditionMap and regex defined in flex file Lexer.l");
  // Reached only for a code that holds a condition, so building the built-in contexts (whose
  // patterns hold none) never comes back here.
  const auto& context =
      LocaleContext::getDefaultLocaleContext(static_cast<Vesk::DOM::FormulaType>(2));
  const auto value = stringToDouble(match[2].str(), context);
  if (!value) return boost::none;
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

}  // namespace Vesk::OfficeUtils::Parser
