#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionPrefilter.h"

#include <unordered_map>
#include <vector>

#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"

namespace Vesk::OfficeUtils {
namespace {

using ByteSet = std::array<bool, 256>;

bool isDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

bool hasDigit(const std::string& literal) {
  for (const char c : literal)
    if (isDigit(static_cast<unsigned char>(c))) return true;
  return false;
}

// Facts about the texts one token matches, computed once per token over the pool (the loader
// refuses cyclic grammars, so the recursion ends). No token matches an empty text.
class GrammarFacts {
 public:
  // Bytes of every literal the token reaches.
  const ByteSet& bytes(const BaseToken& token) { return facts(token).bytes; }
  // First bytes of the literals that can begin a match of the token.
  const ByteSet& first(const BaseToken& token) { return facts(token).first; }
  // Whether the token matches some text without an ASCII digit.
  bool matchesWithoutDigit(const BaseToken& token) { return facts(token).withoutDigit; }

 private:
  struct Facts {
    ByteSet bytes{};
    ByteSet first{};
    bool withoutDigit = false;
  };

  static void add(ByteSet& to, const ByteSet& from) {
    for (std::size_t b = 0; b < to.size(); ++b) to[b] = to[b] || from[b];
  }

  const Facts& facts(const BaseToken& token) {
    if (const auto found = _facts.find(&token); found != _facts.end()) return found->second;
    Facts result;
    if (const auto* primitive = dynamic_cast<const PrimitiveToken*>(&token)) {
      const auto& set = primitive->getPrimitives();
      for (std::size_t i = 0; i < set.size(); ++i) {
        const std::string& literal = set.at(i);
        if (literal.empty()) continue;  // an empty literal never matches
        result.first[static_cast<unsigned char>(literal[0])] = true;
        for (const char c : literal) result.bytes[static_cast<unsigned char>(c)] = true;
        result.withoutDigit = result.withoutDigit || !hasDigit(literal);
      }
    } else if (const auto* multiple = dynamic_cast<const MultipleToken*>(&token)) {
      result = facts(multiple->getRepeatedToken());
    } else if (const auto* complex = dynamic_cast<const ComplexToken*>(&token)) {
      for (const auto& rule : complex->getRules()) {
        if (rule.getRuleSize() == 0) continue;
        add(result.first, facts(rule.getRuleToken(0)).first);
        bool withoutDigit = true;
        for (std::size_t i = 0; i < rule.getRuleSize(); ++i) {
          const Facts& item = facts(rule.getRuleToken(i));
          add(result.bytes, item.bytes);
          withoutDigit = withoutDigit && item.withoutDigit;
        }
        result.withoutDigit = result.withoutDigit || withoutDigit;
      }
    }
    return _facts.emplace(&token, result).first->second;
  }

  std::unordered_map<const BaseToken*, Facts> _facts;
};

bool anyNonAscii(const ByteSet& set) {
  for (std::size_t b = 0x80; b < set.size(); ++b)
    if (set[b]) return true;
  return false;
}

// The ASCII bytes of a text that may stand where a literal byte of `set` matches: lower-casing
// keeps every ASCII byte but the letters, which become lower-case letters, or for 'I' under a
// Turkic locale a non-ASCII letter.
std::array<bool, 128> asciiTextBytes(const ByteSet& set) {
  std::array<bool, 128> allowed{};
  const bool nonAscii = anyNonAscii(set);
  for (int b = 0; b < 128; ++b) {
    const bool upper = b >= 'A' && b <= 'Z';
    allowed[b] = set[b] || (upper && set[b - 'A' + 'a']) || (b == 'I' && nonAscii);
  }
  return allowed;
}

}  // namespace

DetectionPrefilter::DetectionPrefilter() = default;

DetectionPrefilter::DetectionPrefilter(const TokensManager& manager, unsigned short detectType)
    : _passAll(false) {
  GrammarFacts facts;
  ByteSet bytes{};
  ByteSet first{};
  bool withoutDigit = false;
  for (const BaseToken* token : manager.getPool().getTokens()) {
    if (token->getTypicalNameIndex() != detectType) continue;
    for (std::size_t b = 0; b < bytes.size(); ++b) {
      bytes[b] = bytes[b] || facts.bytes(*token)[b];
      first[b] = first[b] || facts.first(*token)[b];
    }
    withoutDigit = withoutDigit || facts.matchesWithoutDigit(*token);
  }
  _anywhere = asciiTextBytes(bytes);
  _first = asciiTextBytes(first);
  _needsDigit = !withoutDigit;
}

bool DetectionPrefilter::mayMatch(std::string_view text) const {
  if (_passAll) return true;
  if (text.empty() || text.size() > TokensManager::MaxTextBytes) return false;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80 && !_first[lead]) return false;
  bool digit = false;
  bool nonAscii = false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      nonAscii = true;
    } else if (!_anywhere[byte]) {
      return false;
    } else {
      digit = digit || isDigit(byte);
    }
  }
  return digit || nonAscii || !_needsDigit;
}

}  // namespace Vesk::OfficeUtils
