#include "host/Utils/OU_Identifiers.h"

#include <random>

#include <fmt/format.h>

namespace Vesk {

UUID UUID::generate() {
  thread_local std::mt19937_64 engine{std::random_device{}()};
  UUID uuid;
  for (std::size_t i = 0; i < uuid.bytes.size(); i += 8) {
    const std::uint64_t random = engine();
    for (std::size_t j = 0; j < 8; ++j)
      uuid.bytes[i + j] = static_cast<std::uint8_t>(random >> (8 * j));
  }
  uuid.bytes[6] = static_cast<std::uint8_t>((uuid.bytes[6] & 0x0F) | 0x40);  // version 4
  uuid.bytes[8] = static_cast<std::uint8_t>((uuid.bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
  return uuid;
}

std::string UUID::toString() const {
  std::string text;
  text.reserve(36);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    text += fmt::format("{:02x}", bytes[i]);
  }
  return text;
}

}  // namespace Vesk

std::size_t std::hash<Vesk::UUID>::operator()(const Vesk::UUID& uuid) const {
  std::size_t seed = 0;
  for (const auto byte : uuid.bytes) seed = seed * 131 + byte;
  return seed;
}
