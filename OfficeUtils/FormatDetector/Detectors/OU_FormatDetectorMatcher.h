// The entry point of typed-input detection: runs the six detectors in a fixed order (number,
// percentage, fraction, scientific, currency, date-time) over a trimmed text and returns the
// first value one of them recognises. Immutable once built: detect may run on several threads
// at once. The locale context must outlive the matcher.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"

namespace Vesk::OfficeUtils {

// The mask bit of each detector.
inline constexpr unsigned char NumberDetectorMask = 0x01;
inline constexpr unsigned char PercentageDetectorMask = 0x02;
inline constexpr unsigned char FractionDetectorMask = 0x04;
inline constexpr unsigned char ScientificDetectorMask = 0x08;
inline constexpr unsigned char CurrencyDetectorMask = 0x10;
inline constexpr unsigned char DateTimeDetectorMask = 0x20;
inline constexpr unsigned char AllDetectorsMask = 0x3F;

class FormatDetectorMatcher {
 public:
  static constexpr std::size_t DetectorsCount = 6;
  using Detectors = std::array<std::unique_ptr<FormatDetector>, DetectorsCount>;

  // Takes over the detectors, by position: number, percentage, fraction, scientific, currency,
  // date-time. A position left empty fails an assertion when its bit is asked for.
  explicit FormatDetectorMatcher(Detectors detectors);
  // The six detectors sharing one grammar.
  FormatDetectorMatcher(const LocaleContext& locale, std::shared_ptr<TokensManager> manager);
  // Loads the locale's grammar once (makeDetectionTokensManager) for the six detectors.
  explicit FormatDetectorMatcher(const LocaleContext& locale);

  // The value `text` stands for: a FormulaNumber with its cell format (none for a plain
  // ungrouped number), a FormulaError (#DIV/0! for "1 1/0"), or FormulaEmpty when no detector
  // whose bit `mask` holds recognises it (mask 0 runs none). Surrounding white space is ignored.
  [[nodiscard]] Vesk::FormulaModel::FormulaValue detect(std::string text, unsigned char mask) const;

  // What detect found, with where it came from.
  struct Match {
    Vesk::FormulaModel::FormulaValue value;
    int position = -1;  // of the detector that answered, -1 for none
    TokenMap parts;     // the matched texts by typical-name index, empty for none
  };
  // detect, also telling which detector answered and the parts of its match.
  [[nodiscard]] Match detectWithParts(std::string text, unsigned char mask) const;

  // The detector at `position` (0 ... 5), null when empty.
  [[nodiscard]] const FormatDetector* getDetector(std::size_t position) const;
  // The mask bit of the detector at `position`.
  [[nodiscard]] static unsigned char getDetectorMask(std::size_t position);

 private:
  // The value, and the position of the detector that gave it in `position`; `parts` as
  // FormatDetector::detectWithParts (none when null, so detect builds no map).
  [[nodiscard]] Vesk::FormulaModel::FormulaValue run(std::string text, unsigned char mask,
                                                     TokenMap* parts, int& position) const;

  Detectors _detectors;
};

// The bitwise OR of the masks (0 for none).
[[nodiscard]] unsigned char getMaskFromDetectors(const std::vector<unsigned char>& masks);

// Removes leading and trailing characters the global C++ locale classifies as space, byte by
// byte, as detect does.
[[nodiscard]] std::string trimDetectionText(std::string text);

}  // namespace Vesk::OfficeUtils
