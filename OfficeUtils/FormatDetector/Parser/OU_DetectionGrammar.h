// The detection grammar the library ships and the part of it that each locale supplies.
//
// One grammar serves every locale: Detection/AutodetectRules.json under the resources folder
// (getDefaultResourcesDirectory()), read once per process. Its tokens refer to a few symbol
// tokens whose literals depend on the locale (separators, signs, percent and exponent symbols,
// currency symbols, month names, day-half words, date separators); the literals the file lists
// for them are shared by every locale and getLocaleGrammarTokens appends the locale's own.
#pragma once

#include <string>
#include <vector>

#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {

class LocaleContext;

// The shipped grammar, read on the first call from any thread and kept for the life of the
// process. A missing or malformed file throws Vesk::ResourceManager::ResourceFileError naming it
// (on that call and each later one).
[[nodiscard]] const Vesk::ResourceManager::ResourceProvider& getShippedDetectionGrammar();

// The "Rules" entries of the locale-dependent symbol tokens, each the shipped grammar's literals
// followed by the locale's. `injected` is the locale's injected map (getInjectedResourcesMap):
// the numeric-date separators are taken from it, without white space and commas, so that "5 5"
// and "1, 2" stay text.
[[nodiscard]] InjectedResourcesMap getLocaleGrammarTokens(const LocaleContext& locale,
                                                          const InjectedResourcesMap& injected);

// The month names the grammar accepts, in blocks of twelve from January: long and short names
// as in a date, then as standing alone, then the short ones with their trailing dot dropped or
// added; the position modulo 12 is the month. English names when the locale's provider has none;
// names made only of digits are left out (a digit run is a month number).
[[nodiscard]] std::vector<std::string> getDetectionMonthNames(const LocaleContext& locale);

// The words accepted as a day-half marker: the locale's AM and PM words, also without their dots
// and blanks, and the English ones. A word is kept only when it reads as the right half (the
// date-time detector takes a word containing 'a' or 'A' as AM).
[[nodiscard]] std::vector<std::string> getDetectionAmPmWords(const LocaleContext& locale);

}  // namespace Vesk::OfficeUtils
