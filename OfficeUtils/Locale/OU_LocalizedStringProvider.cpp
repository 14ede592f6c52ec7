#include "OfficeUtils/Locale/OU_LocalizedStringProvider.h"

#include "OfficeUtils/OU_Assert.h"

namespace Vesk::Detail {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Locale/OU_LocalizedStringProvider";

}  // namespace

void failNoDefaultMapValue() {
  OU_FAIL("map.end() != foundDefault");
}

void failUnknownLocalizedValue() {
  OU_FAIL("Unknown value");
}

}  // namespace Vesk::Detail
