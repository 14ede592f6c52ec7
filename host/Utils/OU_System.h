// Host services for file names, the clock and ICU.
#pragma once

#include <cstdint>
#include <string>

namespace Vesk {

namespace FileSystem {

// A file-system path as text. Only the splitting the library needs is provided.
class Path {
 public:
  explicit Path(std::string path) : _path(std::move(path)) {}

  // The last dot and what follows it in the file name, as std::filesystem splits it:
  // "a/b.tar.gz" -> ".gz", ".profile" -> "", "name." -> ".", "noextension" -> "".
  Path extension() const;
  const std::string& string() const { return _path; }

 private:
  std::string _path;
};

}  // namespace FileSystem

namespace Environment {
// Milliseconds since 1970-01-01 00:00 UTC.
std::int64_t getSystemTime();
}  // namespace Environment

// True once ICU's data has loaded (it is loaded on the first call).
bool isICUInitialized();

}  // namespace Vesk
