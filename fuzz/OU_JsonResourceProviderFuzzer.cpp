// Any bytes as the text of a JSON resource file: a provider or ResourceFileError, never a
// crash. Checks that a reported position lies inside the text and that trailing white space
// never changes what a readable text holds, nor reading it from a file.
#include "host/ResourceManager/OU_JsonResourceProvider.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include <unistd.h>

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

// One file per process for the text read back from disk.
const std::filesystem::path& scratchFile() {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("OU_JsonResourceProviderFuzzer." + std::to_string(static_cast<long>(::getpid())) + ".json");
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;  // the .options budget holds it to linear cost
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
  // Read from a file, the same text holds the same keys.
  const std::filesystem::path& file = scratchFile();
  if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) == 0 && written && JsonResourceProvider(file).size() != keys)
      __builtin_trap();
  }
  return 0;
}
