// Assertions of the library. Each .cpp that asserts defines
//   namespace { constexpr const char* SourceFile = "OfficeUtils/<Folder>/OU_Name"; }
// so the report names the source path below the source root; keep assertions out of headers.
#pragma once

#include "host/Utils/OU_Assert.h"

#define OU_ASSERT(condition) \
  ((condition) ? void() : ::Vesk::doFailAssert(SourceFile, __LINE__, #condition))
#define OU_ASSERT_MSG(condition, message) \
  ((condition) ? void() : ::Vesk::doFailAssert(SourceFile, __LINE__, #condition, message))
// An assertion that always fails, for impossible branches: OU_FAIL("Unknown FormulaType").
#define OU_FAIL(message) ::Vesk::doFailAssert(SourceFile, __LINE__, message)
