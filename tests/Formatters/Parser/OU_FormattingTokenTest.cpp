#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"

#include <cstdint>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

using Type = FormattingToken::Type;

// Every type from General (0) to End (51) has a name of its own; past End is an assertion.
TEST(FormattingToken, EveryTypeHasItsOwnNameAndUnknownTypesAssert) {
  std::set<std::string, std::less<>> names;
  for (std::uint32_t value = 0; value < 52; ++value)
    EXPECT_TRUE(names.emplace(tokenTypeToString(static_cast<Type>(value))).second) << value;
  EXPECT_EQ(tokenTypeToString(Type::MinutesShort), "MinutesShort");
  for (const std::uint32_t value : {52u, 0xFFFFFFFFu}) {
    EXPECT_ASSERTION((void)tokenTypeToString(static_cast<Type>(value)),
                     "OfficeUtils/Formatters/Parser/OU_FormattingToken",
                     "Unknown FormattingToken::Type");
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
