// Any bytes as the text of a JSON resource file: a provider or ResourceFileError, never a
// crash. Checks that a reported position lies inside the text and that trailing white space
// never changes what a readable text holds.
#include "host/ResourceManager/OU_JsonResourceProvider.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

using Vesk::ResourceManager::JsonResourceProvider;
using Vesk::ResourceManager::ResourceFileError;

namespace {

// "fuzz:3:7: invalid JSON: ..." must name a line and column the text has (one past the end
// of the last line included).
void checkPosition(const std::string& message, std::string_view text) {
  unsigned long line = 0;
  unsigned long column = 0;
  if (std::sscanf(message.c_str(), "fuzz:%lu:%lu: invalid JSON", &line, &column) != 2) return;
  const auto lines = 1 + static_cast<unsigned long>(std::count(text.begin(), text.end(), '\n'));
  if (line < 1 || line > lines || column < 1 || column > text.size() + 1) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // longer files add run time, not new shapes
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::size_t keys = 0;
  try {
    keys = JsonResourceProvider(text, "fuzz").size();
  } catch (const ResourceFileError& error) {
    const std::string message = error.what();
    if (message.rfind("fuzz:", 0) != 0) __builtin_trap();
    checkPosition(message, text);
    return 0;
  }
  try {
    if (JsonResourceProvider(text + " \n\t", "fuzz").size() != keys) __builtin_trap();
  } catch (const ResourceFileError&) {
    __builtin_trap();
  }
  return 0;
}
