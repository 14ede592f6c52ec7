// A quick test, derived from a loaded grammar, that tells texts one detect type can never match
// without walking its trees: a text with an ASCII byte that no literal of the grammar holds
// (in either case), whose first ASCII byte starts no literal that can begin a match, or without
// a digit when every match needs one. Texts with other bytes pass on to the walk whenever
// case mapping could make them match (non-ASCII bytes always do), so the walk's results are
// unchanged. Immutable; calls may run on several threads at once.
#pragma once

#include <array>
#include <string_view>

namespace Vesk::OfficeUtils {

class TokensManager;

class DetectionPrefilter {
 public:
  // Lets every text through.
  DetectionPrefilter();
  // Reads the tokens of `manager` whose typical-name index is `detectType`.
  DetectionPrefilter(const TokensManager& manager, unsigned short detectType);

  // False only when no complete match of the detect type can exist for `text`.
  [[nodiscard]] bool mayMatch(std::string_view text) const;

  // Whether every match of the detect type holds an ASCII digit (a text of ASCII bytes only
  // without a digit is then rejected).
  [[nodiscard]] bool needsDigit() const { return _needsDigit; }

 private:
  std::array<bool, 128> _anywhere{};  // ASCII bytes that may stand anywhere in a match
  std::array<bool, 128> _first{};     // ASCII bytes that may start a match
  bool _needsDigit = false;
  bool _passAll = true;
};

}  // namespace Vesk::OfficeUtils
