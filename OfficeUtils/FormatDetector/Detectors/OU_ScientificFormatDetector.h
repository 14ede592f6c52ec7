// Scientific numbers: "1.5E-3" is 0.0015 with a scientific format of 2 decimals whatever the
// digits.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {

class ScientificFormatDetector : public FormatDetector {
 public:
  explicit ScientificFormatDetector(const LocaleContext& locale);
  ScientificFormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager);

  [[nodiscard]] Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(
      const TokenMap& tokens) const override;
  [[nodiscard]] Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                                 TokenMap* parts) const override;

 private:
  void makeFormats();

  std::shared_ptr<const Vesk::DOM::CellFormat> _format;
};

}  // namespace Vesk::OfficeUtils
