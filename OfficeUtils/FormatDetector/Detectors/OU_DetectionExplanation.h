// Why typed text became what it became: the kind, value and format that detection gives, which
// detector answered and the parts of its match by typical name, so that a host can show that
// "3/4" was read as day 3, month 4. An explanation holds copies; it refers to nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"
#include "host/DOM/OU_CellFormat.h"
#include "host/FormulaModel/OU_FormulaValue.h"

namespace Vesk::OfficeUtils {

class FormatContext;

// What detection made of a text. Text: nothing recognised it (FormulaEmpty); Error: an error
// value (#DIV/0! for a zero denominator).
enum class DetectedKind : std::uint8_t {
  Text = 0,
  Number = 1,
  Percentage = 2,
  Fraction = 3,
  Scientific = 4,
  Currency = 5,
  Date = 6,
  Time = 7,
  DateTime = 8,
  Error = 9,
};

// "text", "number", "percentage", "fraction", "scientific", "currency", "date", "time",
// "datetime", "error"; "unknown" outside the enumeration.
[[nodiscard]] const char* detectedKindName(DetectedKind kind);

// One matched part: its typical-name index and name ("Day") and the text it matched ("3").
struct DetectedPart {
  unsigned short index = 0;
  std::string typicalName;
  std::string text;

  friend bool operator==(const DetectedPart&, const DetectedPart&) = default;
};

struct DetectionExplanation {
  DetectedKind kind = DetectedKind::Text;
  // Exactly what FormatDetectorMatcher::detect returns for the same text and mask.
  Vesk::FormulaModel::FormulaValue value;
  // The value's cell format; null for no value and for a plain ungrouped number.
  std::shared_ptr<const Vesk::DOM::CellFormat> format;
  // The mask bit of the detector that answered (NumberDetectorMask ...), 0 for none.
  unsigned char detectorMask = 0;
  // The parts of the match that gave the value, in typical-name index order; empty for none.
  std::vector<DetectedPart> parts;

  // The text of the part `index` (DayIndex ...), null when the match has none.
  [[nodiscard]] const std::string* findPart(unsigned short index) const;
};

// Detects `text` as FormatDetectorMatcher::detect does and explains the result.
[[nodiscard]] DetectionExplanation explainDetection(const FormatDetectorMatcher& matcher,
                                                    std::string text, unsigned char mask);
[[nodiscard]] DetectionExplanation explainDetection(const FormatContext& context, std::string text,
                                                    unsigned char mask);

// The typical name of a value-token or detect-type index ("Sign" for 0, "Percentage" for 26),
// empty for any other index.
[[nodiscard]] const std::string& typicalNameOfIndex(unsigned short index);

}  // namespace Vesk::OfficeUtils
