// Parses fuzzed bytes as a format code and renders a fuzzed value under it (numbers of every
// magnitude, NaN, infinities, subnormals, texts): no crash, no exception, and the text stays
// within the bound the renderer documents.
#include "OfficeUtils/Formatters/OU_CellFormatRenderer.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"

using namespace Vesk::OfficeUtils;

namespace {

const LocaleContext& german() {
  static const auto provider = makeLocaleProvider("de_DE");
  static const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  return manager.getLocaleContext();
}

double consumeValue(FuzzedDataProvider& data) {
  switch (data.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
      return data.ConsumeFloatingPoint<double>();
    case 1:
      return data.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
    case 2:
      return std::numeric_limits<double>::denorm_min() * data.ConsumeIntegral<std::uint16_t>();
    case 3: {
      const double specials[] = {std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::max(),
                                 -std::numeric_limits<double>::max(),
                                 -0.0,
                                 2958465.99999999};
      return data.PickValueInArray(specials);
    }
    default:
      return static_cast<double>(data.ConsumeIntegral<std::int32_t>()) / 1000.0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const bool asText = data.ConsumeBool();
  const LocaleContext& context =
      data.ConsumeBool() ? german() : LocaleContext::getEnLocaleContext();
  const double number = consumeValue(data);
  const std::string code = data.ConsumeRemainingBytesAsString();
  const auto expression = Parser::parse(code, Parser::ParserType::Default);
  if (!expression) return 0;
  const Vesk::FormulaModel::FormulaValue value =
      asText ? Vesk::FormulaModel::FormulaValue(Vesk::FormulaModel::FormulaString("text"))
             : Vesk::FormulaModel::FormulaValue(Vesk::FormulaModel::FormulaNumber(number));
  const RenderedValue result = formatValue(value, *expression, context);
  if (result.text.size() > 16 * code.size() + 1024) __builtin_trap();
  for (const auto& mark : result.marks)
    if (mark.offset + mark.length > result.text.size()) __builtin_trap();
  if (result.plainText().size() > result.text.size()) __builtin_trap();
  return 0;
}
