// The resumable state of one occurrence of a grammar node during a parse: which alternative the
// node's own match and its continuation are at, and how many bytes the node's current match
// covers. Storages grow lazily into a tree as the search goes deeper; a reset is O(1) and keeps
// the allocated children for reuse, so one tree serves parse after parse.
#pragma once

#include <cstddef>
#include <limits>
#include <memory>

namespace Vesk::OfficeUtils {

class TokenStateStorage {
 public:
  // The state number of a storage that has not started. It is off every list (no grammar has
  // that many rules, children or primitives), so any node treats it as "start from the first
  // alternative".
  static constexpr std::size_t FreshState = std::numeric_limits<std::size_t>::max();

  TokenStateStorage() = default;
  TokenStateStorage(TokenStateStorage&&) noexcept = default;
  TokenStateStorage& operator=(TokenStateStorage&&) noexcept = default;
  TokenStateStorage(const TokenStateStorage&) = delete;
  TokenStateStorage& operator=(const TokenStateStorage&) = delete;
  ~TokenStateStorage() = default;

  // The storage of the node's own match (the current rule root, the current repetition); fresh
  // on first access and after every reset or inner state change.
  TokenStateStorage& getInnerTokenStorage() {
    if (_innerStale) {
      _inner->reset();
      _innerStale = false;
    }
    return _inner ? *_inner : refreshInner();
  }
  // The storage of the node's continuation (the current child, the following repetitions).
  TokenStateStorage& getOuterTokenStorage() {
    if (_outerStale) {
      _outer->reset();
      _outerStale = false;
    }
    return _outer ? *_outer : refreshOuter();
  }

  [[nodiscard]] std::size_t getInnerStateNumber() const { return _innerState; }
  [[nodiscard]] std::size_t getOuterStateNumber() const { return _outerState; }
  // Stores the number and makes the inner storage fresh.
  void setInnerStateNumber(std::size_t state) {
    _innerState = state;
    _innerStale = _inner != nullptr;
  }
  // Stores the number and makes the outer storage fresh.
  void setOuterStateNumber(std::size_t state) {
    _outerState = state;
    _outerStale = _outer != nullptr;
  }

  [[nodiscard]] std::size_t getSymbolsContained() const { return _symbolsContained; }
  void setSymbolsContained(std::size_t count) { _symbolsContained = count; }
  // Bytes of a repeated token's whole current run (its symbols contained count only the first
  // repetition); a resumed repetition continues after the whole run.
  [[nodiscard]] std::size_t getRunLength() const { return _runLength; }
  void setRunLength(std::size_t length) { _runLength = length; }

  // Makes the storage and everything below it fresh.
  void reset() {
    _innerState = FreshState;
    _outerState = FreshState;
    _symbolsContained = 0;
    _runLength = 0;
    _innerStale = _inner != nullptr;
    _outerStale = _outer != nullptr;
  }

 private:
  // The first use of a child storage: allocates it.
  TokenStateStorage& refreshInner();
  TokenStateStorage& refreshOuter();

  std::unique_ptr<TokenStateStorage> _inner;
  std::unique_ptr<TokenStateStorage> _outer;
  std::size_t _innerState = FreshState;
  std::size_t _outerState = FreshState;
  std::size_t _symbolsContained = 0;
  std::size_t _runLength = 0;
  // A child storage kept from before a reset of this one; it is reset when next reached.
  bool _innerStale = false;
  bool _outerStale = false;
};

}  // namespace Vesk::OfficeUtils
