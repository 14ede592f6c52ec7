// Plain numbers: "1,234.5", "-12", "(5)", ".5". A grouped number gets a grouped number format with
// 2 decimals (0 when typed without decimals); an ungrouped one no format.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {

class NumberFormatDetector : public FormatDetector {
 public:
  explicit NumberFormatDetector(const LocaleContext& locale);
  NumberFormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager);

  [[nodiscard]] Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(
      const TokenMap& tokens) const override;
  [[nodiscard]] Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                                 TokenMap* parts) const override;

 private:
  void makeFormats();

  // Grouped number formats with 0 and 2 decimals, built once.
  std::array<std::shared_ptr<const Vesk::DOM::CellFormat>, 2> _groupedFormats;
};

}  // namespace Vesk::OfficeUtils
