// ou locale: the locale context that LocaleManager builds for a locale from the shipped data
// over ICU's ("ou locale de_DE"): separators and symbols, words, date orders and separators per
// date type, the clock, and a sample of names.
#include <cstdio>
#include <string>
#include <vector>

#include <unicode/uchar.h>
#include <utf8.h>

#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_ResourceProvider.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

namespace Keys = Vesk::ResourceManager::Keys;

// "\"1\u202F000\"" style: the text in quotes, with spaces other than U+0020 named.
std::string show(const std::string& text) {
  std::string shown = "\"";
  for (auto it = text.begin(); it != text.end();) {
    const auto start = it;
    const auto c = utf8::unchecked::next(it);
    if (c != ' ' && u_isUWhiteSpace(static_cast<UChar32>(c))) {
      char name[16];
      std::snprintf(name, sizeof name, "<U+%04X>", static_cast<unsigned>(c));
      shown += name;
    } else {
      shown.append(start, it);
    }
  }
  return shown + "\"";
}

std::string firstNames(const Vesk::ResourceManager::ResourceProvider& provider, const char* key,
                       std::size_t count) {
  const auto names = provider.safeGetResourceStringArray(key);
  std::string joined;
  for (std::size_t i = 0; i < names.size() && i < count; ++i)
    joined += (i ? " " : "") + show(names[i]);
  return joined + (names.size() > count ? " ..." : "") + " (" + std::to_string(names.size()) + ")";
}

int describe(const std::string& name) {
  const auto provider = makeLocaleProvider(name);
  if (!provider) {
    std::printf("  %s -> (no locale data)\n", name.c_str());
    return 1;
  }
  const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  const auto& context = manager.getLocaleContext();
  const auto& resources = context.getResources();
  using Symbol = LocalizableSymbolType;
  auto symbol = [&](Symbol type) { return show(resources.getSymbol(type)); };
  std::printf("  %s -> locale %s\n", name.c_str(), resources.getLocaleName().c_str());
  std::printf("    decimal %s  thousands %s  arguments %s  arrays %s\n",
              symbol(Symbol::DecimalSeparator).c_str(), symbol(Symbol::ThousandSeparator).c_str(),
              symbol(Symbol::ArgumentListSeparator).c_str(),
              symbol(Symbol::ArrayListSeparator).c_str());
  std::printf("    currency %s (%s the amount)  percent %s  exponent %s\n",
              symbol(Symbol::CurrencySymbol).c_str(),
              provider->safeGetResourceBoolean(Keys::DefaultCurrencySymbolBeforeAmountPath)
                  ? "before"
                  : "after",
              symbol(Symbol::PercentageSymbol).c_str(), symbol(Symbol::ExponentLiteral).c_str());
  std::printf(
      "    %s/%s  %s  SUM is %s\n", resources.getBooleanString(true).c_str(),
      resources.getBooleanString(false).c_str(),
      resources.getErrorString(Vesk::DOM::FormulaErrorType::Div0).c_str(),
      std::string(resources.getFunctionsNamesMap().getName(Vesk::DOM::FormulaFunctionType::Sum))
          .c_str());

  const auto& formatting = context.getFormattingResources();
  const char* const orders[] = {"month first", "day first", "year first"};
  const struct {
    DateType type;
    const char* name;
    const char* key;
  } dates[] = {{DateType::Long, "long", Keys::LongDatePatternPath},
               {DateType::Medium, "medium", Keys::MediumDatePatternPath},
               {DateType::Short, "short", Keys::ShortDatePatternPath}};
  for (const auto& date : dates) {
    const auto& props = formatting.getDateProps(date.type);
    std::printf("    %-6s %-11s weekday %s  day-month %s  year %s  from %s\n", date.name,
                orders[static_cast<int>(props.order)], show(props.weekdaySeparator).c_str(),
                show(props.dayMonthSeparator).c_str(), show(props.yearSeparator).c_str(),
                show(provider->safeGetResourceString(date.key)).c_str());
  }
  const auto& time = formatting.getTimeProps();
  std::printf("    time   %s clock, separator %s  from %s\n", time.is12Hour ? "12-hour" : "24-hour",
              show(time.timeSeparator).c_str(),
              show(provider->safeGetResourceString(Keys::TimePatternPath)).c_str());
  std::printf("    months %s\n", firstNames(*provider, Keys::LongMonthNamesPath, 3).c_str());
  std::printf("    days   %s\n", firstNames(*provider, Keys::ShortDaysOfWeekNamesPath, 3).c_str());
  std::printf("    AM/PM  %s  eras %s\n", firstNames(*provider, Keys::AMPMNamesPath, 2).c_str(),
              firstNames(*provider, Keys::LongEraNamesPath, 2).c_str());
  return 0;
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: ou locale NAME (de_DE, fr_FR, ja_JP ...)\n");
    return 1;
  }
  return describe(arguments.front());
}

void tour() {
  for (const char* name : {"en_US", "de_DE", "fr_FR", "ja_JP", "xx_YY"}) {
    std::printf("$ ou locale %s\n", name);
    describe(name);
  }
}

const CommandRegistrar registrar{{"locale", "NAME",
                                  "the locale context built from ICU's data and the shipped words",
                                  run, tour, 5}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
