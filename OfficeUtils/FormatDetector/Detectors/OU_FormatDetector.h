// The base of the detectors of typed input and the number functions they share. A detector runs
// the grammar of its detect type over a text and turns the parts of a complete match into a
// value with a cell format. Detectors are immutable: calls may run on several threads at once.
// A detector refers to its locale context, which must outlive it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionPrefilter.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokenMap.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"
#include "host/DOM/OU_CellFormat.h"
#include "host/FormulaModel/OU_FormulaValue.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::OfficeUtils {

class LocaleContext;

inline constexpr std::string_view PlusString = "+";
inline constexpr std::string_view MinusString = "-";

class FormatDetector {
 public:
  virtual ~FormatDetector();
  FormatDetector(const FormatDetector&) = delete;
  FormatDetector& operator=(const FormatDetector&) = delete;

  // The value and format `text` stands for, FormulaEmpty when it is not of this detector's kind.
  [[nodiscard]] virtual Vesk::FormulaModel::FormulaValue operator()(const std::string& text) const;
  // The value of one complete match; FormulaEmpty lets the walk try the next match.
  [[nodiscard]] virtual Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(
      const TokenMap& tokens) const = 0;

  // As operator(), and when a value results, `parts` (when not null) receives the matched texts
  // of the match that gave it, by typical-name index; otherwise `parts` is left as it was.
  [[nodiscard]] virtual Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                                         TokenMap* parts) const = 0;
  // The typical-name index of the grammar root this detector runs (CommonNumberIndex ...).
  [[nodiscard]] unsigned short getDetectType() const { return _detectType; }

  [[nodiscard]] const LocaleContext& getLocaleContext() const { return *_locale; }
  [[nodiscard]] std::shared_ptr<TokensManager> getTokensManager() const { return _manager; }

 protected:
  // Builds a private grammar for the locale (makeDetectionTokensManager).
  FormatDetector(const LocaleContext& locale, unsigned short detectType);
  // A null manager is allowed for a detector that never calls parseText.
  FormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager,
                 unsigned short detectType);

  // Parses `text` as the detect type with this detector's processing; fills `parts` on a
  // value. Texts the grammar can never match are answered without a walk.
  [[nodiscard]] Vesk::FormulaModel::FormulaValue parseText(const std::string& text,
                                                           TokenMap* parts) const;
  // parseText of trimNumberSigns(text), without copying a text that holds no sign.
  [[nodiscard]] Vesk::FormulaModel::FormulaValue parseSignedText(const std::string& text,
                                                                 TokenMap* parts) const;

 private:
  const LocaleContext* _locale;
  std::shared_ptr<TokensManager> _manager;
  unsigned short _detectType;
  DetectionPrefilter _prefilter;
};

// The grammar of all six detect types for a locale: getResourceProviderFunc(locale) with the
// built-in typical names, token names and paths. Throws GrammarError for a broken grammar.
[[nodiscard]] std::shared_ptr<TokensManager> makeDetectionTokensManager(
    const LocaleContext& locale);

// Collapses the first run of signs (and the white space between them) into one sign: "--5" ->
// "+5", "- - 5" -> "+ 5", "+-5" -> "-5"; later signs stay ("12-3" is unchanged).
[[nodiscard]] std::string trimNumberSigns(std::string_view text);
// The number in the locale's notation that the parts of a match spell: sign (minus for an
// opening parenthesis), integer part without grouping, decimal separator, decimal part.
// {IntegerPartNumber "1,234", DecimalPartNumber "5"} gives "1234.5" under English separators.
[[nodiscard]] std::string tokensToStringNumber(const TokenMap& tokens, const LocaleContext& locale);
// Removes the locale's thousand separator; a white-space separator removes every white-space
// code point (a typed space groups digits as U+00A0 does).
[[nodiscard]] std::string trimThousandSeparator(std::string text, const LocaleContext& locale);
// Completes a number cut at the decimal separator: ".5" -> "0.5", "12." -> "12.0".
[[nodiscard]] std::string numberTokenAutoComplete(std::string text, const LocaleContext& locale);
// Whether `text` holds the locale's thousand separator (any white-space code point when the
// separator is one).
[[nodiscard]] bool containsThousandSeparator(std::string_view text, const LocaleContext& locale);
// A number carrying `format` (none when null).
[[nodiscard]] Vesk::FormulaModel::FormulaValue makeFormulaNumberWithCellFormat(
    Vesk::FloatNumber value, std::shared_ptr<const Vesk::DOM::CellFormat> format);

}  // namespace Vesk::OfficeUtils
