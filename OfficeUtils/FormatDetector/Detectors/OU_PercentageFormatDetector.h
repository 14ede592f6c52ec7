// Percentages: "12.5%" is 0.125 with a percentage format of 2 decimals, "50 %" 0.5 with 0.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {

class PercentageFormatDetector : public FormatDetector {
 public:
  explicit PercentageFormatDetector(const LocaleContext& locale);
  PercentageFormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager);

  [[nodiscard]] Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(
      const TokenMap& tokens) const override;
  [[nodiscard]] Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                                 TokenMap* parts) const override;

 private:
  void makeFormats();

  // Percentage formats with 0 and 2 decimals, built once.
  std::array<std::shared_ptr<const Vesk::DOM::CellFormat>, 2> _formats;
};

}  // namespace Vesk::OfficeUtils
