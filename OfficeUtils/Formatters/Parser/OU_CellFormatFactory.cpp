#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "OfficeUtils/Utils/OU_Utils.h"
#include "host/DOM/OU_FormulaTypes.h"
#include "host/ResourceManager/OU_ResourceProvider.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using Policy = CellFormatFactory::NegativeNumberRenderingPolicy;

constexpr Vesk::Color NegativeColor{255, 0, 0, 255};

// A format code writes "." and "%" whatever the locale: the symbols of the built-in context
// that codes are read under.
const std::string& codeSymbol(LocalizableSymbolType symbol) {
  return LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType::OOXMLStrict)
      .getResources()
      .getSymbol(symbol);
}

Model::TextItem literal(std::string text) {
  return Model::TextItem(Model::TextItem::Type::Literal, std::move(text));
}

Model::NumberItem numberItem(Model::NumberItem::Role role, std::string pattern,
                             bool grouping = false) {
  return Model::NumberItem(role, std::move(pattern), grouping, 0);
}

CellFormatFactory::CellFormatPtr makeFormat(Model::Expression expression) {
  return std::make_shared<const Vesk::DOM::CellFormat>(std::move(expression));
}

// The positive items alone, or followed by a negative section: "0;[red]-0".
CellFormatFactory::CellFormatPtr withNegativeSection(Model::Items items, bool negativeInRed,
                                                     boost::optional<Policy> policy) {
  const auto color = negativeInRed ? boost::make_optional(NegativeColor) : boost::none;
  if (!policy && !color) return makeFormat(Model::Expression(Model::Rule(std::move(items))));

  Model::Items negative;
  negative.reserve(items.size() + 2);
  if (policy) negative.emplace_back(literal(*policy == Policy::Parentheses ? "(" : "-"));
  negative.insert(negative.end(), items.begin(), items.end());
  if (policy == Policy::Parentheses) negative.emplace_back(literal(")"));

  // The positive section's condition follows from its place: greater than or equal to 0.
  Model::Expression expression(std::vector<Model::Rule>{Model::Rule(std::move(items))});
  expression.setDefaultNumberRule(Model::Rule(std::move(negative), color));
  return makeFormat(std::move(expression));
}

// The entry of `lowered` equal to `currency` as `written` holds it.
boost::optional<const std::string&> findEntry(const std::string& currency,
                                              const std::vector<std::string>& written,
                                              const std::vector<std::string>& lowered) {
  const auto at = std::find(lowered.begin(), lowered.end(), currency);
  if (at == lowered.end()) return boost::none;
  return written[static_cast<std::size_t>(at - lowered.begin())];
}

// "usd" as the locale writes it, "USD"; a currency in neither list stays as it is.
std::string resolveCurrency(std::string currency, const LocaleContext& context) {
  const auto& lists = context.getCurrencyLists();
  const std::string lowered = Vesk::utf8StringToLowerCase(currency);
  if (const auto symbol = findEntry(lowered, lists.symbols, lists.loweredSymbols)) return *symbol;
  if (const auto code = findEntry(lowered, lists.codes, lists.loweredCodes)) return *code;
  return currency;
}

}  // namespace

std::string CellFormatFactory::makeNumberPattern(unsigned long decimals, bool grouping) const {
  std::string pattern = grouping ? "###0" : "0";
  if (decimals > 0) {
    pattern += codeSymbol(LocalizableSymbolType::DecimalSeparator);
    pattern.append(decimals, '0');
  }
  return pattern;
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeNumberFormat(
    unsigned long decimals, bool grouping, bool negativeInRed,
    boost::optional<NegativeNumberRenderingPolicy> policy) const {
  return withNegativeSection({numberItem(Model::NumberItem::Role::Integer,
                                         makeNumberPattern(decimals, grouping), grouping)},
                             negativeInRed, policy);
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeCurrencyFormat(
    unsigned long decimals, std::string currency, bool negativeInRed,
    boost::optional<NegativeNumberRenderingPolicy> policy, CurrencyType type) const {
  currency = currency.empty()
                 ? _context->getResources().getSymbol(LocalizableSymbolType::CurrencySymbol)
                 : resolveCurrency(std::move(currency), *_context);
  std::string separation = getCurrencySeparationSymbol(currency, *_context);
  const bool symbolBefore = _context->getResourceProvider().safeGetResourceBoolean(
      Vesk::ResourceManager::Keys::DefaultCurrencySymbolBeforeAmountPath);

  Model::Item number =
      numberItem(Model::NumberItem::Role::Integer, makeNumberPattern(decimals, true), true);
  Model::Item symbol = Model::CurrencyItem(std::move(currency));
  Model::Items items;
  const auto addSeparation = [&] {
    if (!separation.empty()) items.emplace_back(literal(std::move(separation)));
  };
  if (type == CurrencyType::Accounting) {
    const Model::TextItem fill(Model::TextItem::Type::Fill, " ");
    if (symbolBefore) {
      items = {std::move(symbol), fill, std::move(number)};
    } else {
      items = {fill, std::move(number)};
      addSeparation();
      items.push_back(std::move(symbol));
    }
  } else if (symbolBefore) {
    items.push_back(std::move(symbol));
    addSeparation();
    items.push_back(std::move(number));
  } else {
    items.push_back(std::move(number));
    addSeparation();
    items.push_back(std::move(symbol));
  }
  return withNegativeSection(std::move(items), negativeInRed, policy);
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makePercentageFormat(
    unsigned long decimals) const {
  return makeFormat(Model::Expression(
      Model::Rule({numberItem(Model::NumberItem::Role::Integer, makeNumberPattern(decimals, false)),
                   Model::TextItem(Model::TextItem::Type::Percent,
                                   codeSymbol(LocalizableSymbolType::PercentageSymbol))})));
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeScientificFormat(
    unsigned long decimals) const {
  return makeFormat(Model::Expression(
      Model::Rule({numberItem(Model::NumberItem::Role::Integer, makeNumberPattern(decimals, false)),
                   Model::ExtraItem(Model::ExtraItem::Type::ExponentPlus),
                   numberItem(Model::NumberItem::Role::Exponent, "00")})));
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeFractionFormat(
    const Denominator& denominator, unsigned long numeratorDigits) const {
  struct PatternOf {
    std::string operator()(const DenominatorDigitsNumber& digits) const {
      return std::string(digits.get(), '?');
    }
    std::string operator()(const DenominatorValue& value) const {
      return std::to_string(value.get());
    }
  };
  return makeFormat(Model::Expression(Model::Rule(
      {numberItem(Model::NumberItem::Role::Integer, "#"), literal(" "),
       numberItem(Model::NumberItem::Role::Numerator, std::string(numeratorDigits, '?')),
       Model::ExtraItem(Model::ExtraItem::Type::FractionSlash),
       numberItem(Model::NumberItem::Role::Denominator,
                  boost::apply_visitor(PatternOf(), denominator))})));
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeDateTimeFormat(
    Model::DateTimeDefaultType type) {
  return std::make_shared<const Vesk::DOM::CellFormat>(Model::DateTimeLocalizedExpression(type));
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeDateTimeFormat(
    const Model::DateTimePatternItemSet& items) {
  return std::make_shared<const Vesk::DOM::CellFormat>(Model::DateTimeLocalizedExpression(items));
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeTextFormat() {
  static const CellFormatPtr format = [] {
    Model::Expression expression;
    expression.setDefaultTextRule(Model::Rule({Model::ExtraItem(Model::ExtraItem::Type::Text)}));
    return makeFormat(std::move(expression));
  }();
  return format;
}

CellFormatFactory::CellFormatPtr CellFormatFactory::makeDefaultFormat() {
  static const CellFormatPtr format = makeFormat(
      Model::Expression(Model::Rule({Model::ExtraItem(Model::ExtraItem::Type::General)})));
  return format;
}

}  // namespace Vesk::OfficeUtils
