// Any bytes as a path. A path that names a type and format must end in an extension of the
// table, and the extension written for its pair must read back as the same pair.
#include "OfficeUtils/OU_DocumentTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace Vesk::OfficeUtils;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;  // the .options budget holds it to linear cost
  const std::string path(reinterpret_cast<const char*>(data), size);

  const auto typeFormat = getDocumentTypeAndFormat(path);
  if (!typeFormat) return 0;
  const auto extension = getDocumentFileExtension(*typeFormat);
  if (!extension) __builtin_trap();
  const auto reread = getDocumentTypeAndFormat("name" + *extension);
  if (!reread || *reread != *typeFormat) __builtin_trap();
  // The written extension is the path's own, or the path's with an "x" in front.
  const bool plain =
      path.size() >= extension->size() &&
      path.compare(path.size() - extension->size(), extension->size(), *extension) == 0;
  const std::string variant = ".x" + extension->substr(1);
  const bool xVariant = path.size() >= variant.size() &&
                        path.compare(path.size() - variant.size(), variant.size(), variant) == 0;
  if (!plain && !xVariant) __builtin_trap();
  return 0;
}
