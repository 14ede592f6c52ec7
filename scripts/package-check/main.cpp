// Uses the installed library: a de_DE locale context must show the shipped words and ICU's
// separators, and a format code must read and write back. Exits non-zero on any mismatch.
#include <cstdio>
#include <exception>
#include <string>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"

namespace OU = Vesk::OfficeUtils;

namespace {

bool expect(const char* what, const std::string& got, const std::string& expected) {
  std::printf("%s: \"%s\"%s\n", what, got.c_str(), got == expected ? "" : " (unexpected)");
  return got == expected;
}

int run() {
  std::printf("resources: %s\n", OU::getDefaultResourcesDirectory().c_str());
  const auto provider = OU::makeLocaleProvider("de_DE");
  if (!provider) return 1;
  const OU::LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  const auto& resources = manager.getLocaleContext().getResources();
  bool ok = expect("de_DE true", resources.getBooleanString(true), "WAHR");
  ok &= expect("de_DE decimal separator",
               resources.getSymbol(OU::LocalizableSymbolType::DecimalSeparator), ",");

  const std::string code = "#,##0.00;[red]-#,##0.00";  // colours are written lower-case
  const auto expression = OU::Parser::parse(code, OU::Parser::ParserType::Default);
  ok &=
      expression && expect("written back",
                           OU::Parser::toRegEx(*expression, OU::Parser::ParserType::Default), code);
  return ok ? 0 : 1;
}

}  // namespace

int main() {
  try {
    return run();
  } catch (const std::exception& error) {
    std::printf("error: %s\n", error.what());
    return 2;
  }
}
