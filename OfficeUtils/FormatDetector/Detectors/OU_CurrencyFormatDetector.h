// Currency amounts: "$1,234.50", "12 €". The format names the currency as typed, with 2 decimals
// (0 when typed without decimals).
#pragma once

#include <array>
#include <memory>
#include <string>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {

class CurrencyFormatDetector : public FormatDetector {
 public:
  explicit CurrencyFormatDetector(const LocaleContext& locale);
  CurrencyFormatDetector(const LocaleContext& locale, std::shared_ptr<TokensManager> manager);

  [[nodiscard]] Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(
      const TokenMap& tokens) const override;
  [[nodiscard]] Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                                 TokenMap* parts) const override;

 private:
  void makeFormats();

  // The formats of the locale's own currency symbol with 0 and 2 decimals, built once.
  std::array<std::shared_ptr<const Vesk::DOM::CellFormat>, 2> _ownSymbolFormats;
};

}  // namespace Vesk::OfficeUtils
