#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"

#include <algorithm>
#include <utility>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionResources.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"

namespace Vesk::OfficeUtils {
namespace {

bool isWhitespaceSymbol(std::string_view text) {
  for (const auto& symbol : getAllWhitespaceSymbols())
    if (symbol == text) return true;
  return false;
}

// The byte length of the white-space code point of the table that starts `text` at `position`,
// 0 when none does.
std::size_t whitespaceAt(std::string_view text, std::size_t position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  // Every entry starts with one of these bytes: ASCII controls and space, then C2, E1, E2, E3, EF.
  if (lead != ' ' && (lead < 0x09 || lead > 0x0D) && lead != 0xC2 && lead != 0xE1 && lead != 0xE2 &&
      lead != 0xE3 && lead != 0xEF)
    return 0;
  for (const auto& symbol : getAllWhitespaceSymbols())
    if (text.compare(position, symbol.size(), symbol) == 0) return symbol.size();
  return 0;
}

const std::string& symbol(const LocaleContext& locale, LocalizableSymbolType type) {
  return locale.getResources().getSymbol(type);
}

}  // namespace

FormatDetector::FormatDetector(const LocaleContext& locale, unsigned short detectType)
    : FormatDetector(locale, makeDetectionTokensManager(locale), detectType) {}

FormatDetector::FormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager,
                               unsigned short detectType)
    : _locale(&locale),
      _manager(std::move(manager)),
      _detectType(detectType),
      _prefilter(_manager ? DetectionPrefilter(*_manager, detectType) : DetectionPrefilter()) {}

FormatDetector::~FormatDetector() = default;

Vesk::FormulaModel::FormulaValue FormatDetector::operator()(const std::string& text) const {
  return detectWithParts(text, nullptr);
}

Vesk::FormulaModel::FormulaValue FormatDetector::parseText(const std::string& text,
                                                           TokenMap* parts) const {
  if (!_prefilter.mayMatch(text)) return Vesk::FormulaModel::getFormulaEmpty();
  const unsigned short detectType = _detectType;
  if (!parts) {
    return _manager->parse(text, detectType, [this](const TokenMap& tokens) {
      return formatDetectorResultProcessing(tokens);
    });
  }
  return _manager->parse(text, detectType, [this, parts](const TokenMap& tokens) {
    auto value = formatDetectorResultProcessing(tokens);
    if (!Vesk::FormulaModel::isFormulaEmpty(value)) *parts = tokens;
    return value;
  });
}

Vesk::FormulaModel::FormulaValue FormatDetector::parseSignedText(const std::string& text,
                                                                 TokenMap* parts) const {
  const bool hasSign =
      std::any_of(text.begin(), text.end(), [](char c) { return c == '+' || c == '-'; });
  if (!hasSign) return parseText(text, parts);
  return parseText(trimNumberSigns(text), parts);
}

std::shared_ptr<TokensManager> makeDetectionTokensManager(const LocaleContext& locale) {
  return std::make_shared<TokensManager>(getResourceProviderFunc(locale), fillTokensStructures,
                                         getAutoDetectNodesNames(), getAutodetectResourcesPath());
}

std::string trimNumberSigns(std::string_view text) {
  const std::size_t first = text.find_first_of("+-");
  if (first == std::string_view::npos) return std::string(text);
  std::size_t minusCount = 0;
  std::size_t lastSignEnd = first;
  std::size_t position = first;
  while (position < text.size()) {
    std::size_t next = position;
    UChar32 c = 0;
    U8_NEXT(text.data(), next, text.size(), c);
    if (c == '+' || c == '-') {
      if (c == '-') ++minusCount;
      lastSignEnd = next;
    } else if (c < 0 || !u_isspace(c)) {
      break;
    }
    position = next;
  }
  std::string result(text.substr(0, first));
  result += minusCount % 2 == 1 ? MinusString : PlusString;
  result += text.substr(lastSignEnd);
  return result;
}

std::string tokensToStringNumber(const TokenMap& tokens, const LocaleContext& locale) {
  std::string result;
  if (tokens.contains(OpeningParenthesisIndex))
    result.push_back(MinusString.front());
  else if (const auto* sign = tokens.find(SignIndex))
    result = readSign(*sign);  // a locale's minus sign reads as "-"
  std::string body;
  if (const auto* integer = tokens.find(IntegerPartNumberIndex))
    body = trimThousandSeparator(*integer, locale);
  body += symbol(locale, LocalizableSymbolType::DecimalSeparator);
  if (const auto* decimals = tokens.find(DecimalPartNumberIndex)) body += *decimals;
  result += numberTokenAutoComplete(std::move(body), locale);
  return result;
}

std::string trimThousandSeparator(std::string text, const LocaleContext& locale) {
  const std::string& separator = symbol(locale, LocalizableSymbolType::ThousandSeparator);
  if (separator.empty()) return text;
  std::string result;
  result.reserve(text.size());
  if (isWhitespaceSymbol(separator)) {
    for (std::size_t position = 0; position < text.size();) {
      if (const std::size_t length = whitespaceAt(text, position)) {
        position += length;
      } else {
        result += text[position++];
      }
    }
    return result;
  }
  const std::string_view typed = typedThousandSeparator(separator);
  for (std::size_t position = 0; position < text.size();) {
    if (text.compare(position, separator.size(), separator) == 0) {
      position += separator.size();
    } else if (!typed.empty() && text.compare(position, typed.size(), typed) == 0) {
      position += typed.size();
    } else {
      result += text[position++];
    }
  }
  return result;
}

bool containsThousandSeparator(std::string_view text, const LocaleContext& locale) {
  const std::string& separator = symbol(locale, LocalizableSymbolType::ThousandSeparator);
  if (separator.empty()) return false;
  if (!isWhitespaceSymbol(separator))
    return text.find(separator) != std::string_view::npos ||
           (!typedThousandSeparator(separator).empty() &&
            text.find(typedThousandSeparator(separator)) != std::string_view::npos);
  for (std::size_t position = 0; position < text.size(); ++position)
    if (whitespaceAt(text, position) != 0) return true;
  return false;
}

std::string numberTokenAutoComplete(std::string text, const LocaleContext& locale) {
  const std::string& separator = symbol(locale, LocalizableSymbolType::DecimalSeparator);
  if (separator.empty()) return text;
  const std::size_t found = text.find(separator);
  if (found == std::string::npos) return text;
  if (found == 0)
    text.insert(0, 1, '0');
  else if (found + separator.size() == text.size())
    text += '0';
  return text;
}

Vesk::FormulaModel::FormulaValue makeFormulaNumberWithCellFormat(
    Vesk::FloatNumber value, std::shared_ptr<const Vesk::DOM::CellFormat> format) {
  Vesk::FormulaModel::FormulaValueProps props;
  props.setFormatProps(std::move(format));
  return Vesk::FormulaModel::FormulaNumber(value, std::move(props));
}

}  // namespace Vesk::OfficeUtils
