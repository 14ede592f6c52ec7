// A strongly typed wrapper of a plain value: TaggedValue<int, YearTag> and
// TaggedValue<int, MonthTag> do not mix, though both hold an int.
#pragma once

#include <compare>
#include <cstddef>
#include <functional>
#include <utility>

namespace Vesk {

template <typename T, typename Tag>
class TaggedValue {
 public:
  using ValueType = T;

  constexpr TaggedValue() = default;
  constexpr explicit TaggedValue(T value) : _value(std::move(value)) {}

  constexpr const T& get() const { return _value; }
  constexpr T& get() { return _value; }

  friend constexpr auto operator<=>(const TaggedValue&, const TaggedValue&) = default;
  friend constexpr bool operator==(const TaggedValue&, const TaggedValue&) = default;

 private:
  T _value{};
};

}  // namespace Vesk

template <typename T, typename Tag>
struct std::hash<Vesk::TaggedValue<T, Tag>> {
  std::size_t operator()(const Vesk::TaggedValue<T, Tag>& value) const {
    return std::hash<T>()(value.get());
  }
};
