// The localized date-time writer: any set of pattern items under a prepared locale, and
// createPatternByTokens over fuzzed separators and component orders. A written code must read
// back as a date, time or date-time code; a missing separator or item code may only raise
// std::out_of_range.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"

using namespace Vesk::OfficeUtils;
using namespace Vesk::OfficeUtils::Parser;
namespace Model = Vesk::DOM::CellFormatModel;
using Token = Model::DateTimePatternToken;

namespace {

const LocaleContext& preparedContext(std::uint8_t pick) {
  static const char* const Names[] = {"de_DE", "ja_JP", "ar_EG", "hu_HU", "fr_CA", "ko_KR"};
  static std::map<std::size_t,
                  std::pair<std::shared_ptr<const Vesk::ResourceManager::ResourceProvider>,
                            std::unique_ptr<LocaleManager>>>
      managers;
  if (pick % 4 == 0) return LocaleContext::getEnLocaleContext();
  const std::size_t index = pick % std::size(Names);
  auto& entry = managers[index];
  if (!entry.second) {
    entry.first = makeLocaleProvider(Names[index]);
    entry.second = std::make_unique<LocaleManager>(*entry.first, Vesk::DOM::TimeZone());
  }
  return entry.second->getLocaleContext();
}

Model::DateTimePatternItemSet consumeItems(FuzzedDataProvider& data) {
  Model::DateTimePatternItemSet items;
  const auto mask = data.ConsumeIntegral<std::uint8_t>();
  for (std::uint8_t token = 0; token < 7; ++token) {
    if (!(mask & (1u << token))) continue;
    const std::uint8_t variant =
        token == 1 ? data.ConsumeIntegralInRange<std::uint8_t>(0, 2)
                   : (token == 3 ? data.ConsumeIntegralInRange<std::uint8_t>(0, 1) : 0);
    items.insert({static_cast<Token>(token), variant});
  }
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size > 65536) return 0;  // the .options budget holds it to linear cost
  FuzzedDataProvider data(bytes, size);
  const LocaleContext& context = preparedContext(data.ConsumeIntegral<std::uint8_t>());
  const Model::DateTimeLocalizedExpression expression(consumeItems(data));
  const std::string code = toRegEx(expression, context);
  // Minutes alone write "mm", which reads back as a month: the kind may change, but the code
  // is a date-time code.
  if (expression.getDateTimePatternTokenSet().empty() != code.empty()) __builtin_trap();
  if (!code.empty()) {
    const auto type = calcFormatType(code);
    if (type != FormatType::Date && type != FormatType::Time && type != FormatType::DateTime)
      __builtin_trap();
  }

  // Raw items, separators and order: any variant, any pair, any text.
  Model::DateTimePatternItemSet items;
  for (int i = data.ConsumeIntegralInRange(0, 7); i > 0; --i)
    items.insert({static_cast<Token>(data.ConsumeIntegralInRange(0, 6)),
                  data.ConsumeIntegralInRange<std::uint8_t>(0, 3)});
  DateTimeSeparatorsMap separators;
  for (int i = data.ConsumeIntegralInRange(0, 21); i > 0; --i) {
    const auto a = static_cast<Token>(data.ConsumeIntegralInRange(0, 6));
    const auto b = static_cast<Token>(data.ConsumeIntegralInRange(0, 6));
    separators[{a, b}] = data.ConsumeRandomLengthString(16);
  }
  std::vector<Token> order;
  for (int i = data.ConsumeIntegralInRange(0, 8); i > 0; --i)
    order.push_back(static_cast<Token>(data.ConsumeIntegralInRange(0, 6)));
  try {
    (void)createPatternByTokens(items, separators, order);
  } catch (const std::out_of_range&) {
  }
  return 0;
}
