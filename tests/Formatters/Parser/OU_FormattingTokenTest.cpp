#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

using Type = FormattingToken::Type;

// The scanner test reads the names of the types; past End (51) is an assertion.
TEST(FormattingToken, UnknownTypesAssert) {
  for (const std::uint32_t value : {52u, 0xFFFFFFFFu}) {
    EXPECT_ASSERTION((void)tokenTypeToString(static_cast<Type>(value)),
                     "OfficeUtils/Formatters/Parser/OU_FormattingToken",
                     "Unknown FormattingToken::Type");
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
