#include "host/Utils/OU_System.h"

#include <chrono>
#include <filesystem>

#include <unicode/uclean.h>

namespace Vesk {

FileSystem::Path FileSystem::Path::extension() const {
  return Path(std::filesystem::path(_path).extension().string());
}

std::int64_t Environment::getSystemTime() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool isICUInitialized() {
  static const bool initialized = [] {
    UErrorCode status = U_ZERO_ERROR;
    u_init(&status);
    return U_SUCCESS(status);
  }();
  return initialized;
}

}  // namespace Vesk
