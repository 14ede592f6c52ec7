// Host identifiers of document objects: a 128-bit UUID and the numeric id of an object held in
// a document's id registry.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace Vesk {

struct UUID {
  std::array<std::uint8_t, 16> bytes{};

  // A random (version 4) UUID.
  static UUID generate();
  // "0f8fad5b-d9cb-469f-a165-70867728950e".
  std::string toString() const;

  friend auto operator<=>(const UUID&, const UUID&) = default;
  friend bool operator==(const UUID&, const UUID&) = default;
};

// A document object with an id of its own (paragraphs).
class IDHolder {
 public:
  // The id of one object of a document; 0 is never handed out.
  struct ID {
    std::uint64_t value = 0;
    friend auto operator<=>(const ID&, const ID&) = default;
    friend bool operator==(const ID&, const ID&) = default;
  };

  IDHolder() = default;
  explicit IDHolder(ID id) : _id(id) {}

  [[nodiscard]] const ID& getID() const { return _id; }

 private:
  ID _id;
};

// The id no object has: placeholders and "no such object".
inline constexpr IDHolder::ID NullID{};

}  // namespace Vesk

template <>
struct std::hash<Vesk::UUID> {
  std::size_t operator()(const Vesk::UUID& uuid) const;
};

template <>
struct std::hash<Vesk::IDHolder::ID> {
  std::size_t operator()(const Vesk::IDHolder::ID& id) const {
    return std::hash<std::uint64_t>()(id.value);
  }
};
