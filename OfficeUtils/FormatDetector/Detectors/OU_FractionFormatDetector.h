// Fractions with an integer part: "1 1/4" is 1.25 with a fraction format of as many denominator
// digits as typed; a zero denominator gives #DIV/0!.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {

class FractionFormatDetector : public FormatDetector {
 public:
  explicit FractionFormatDetector(const LocaleContext& locale);
  FractionFormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager);

  [[nodiscard]] Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(
      const TokenMap& tokens) const override;
  [[nodiscard]] Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                                 TokenMap* parts) const override;

 private:
  void makeFormats();

  // Fraction formats of 1 to 4 denominator digits, built once; longer ones per call.
  std::array<std::shared_ptr<const Vesk::DOM::CellFormat>, 4> _formats;
};

}  // namespace Vesk::OfficeUtils
