#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/OU_Printers.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

using Type = FormattingToken::Type;

constexpr std::uint32_t TypeCount = 52;  // General (0) to End (51)

TEST(FormattingToken, EveryTypeHasItsOwnEnumeratorName) {
  EXPECT_EQ(tokenTypeToString(Type::MinutesShort), "MinutesShort");
  std::set<std::string, std::less<>> names;
  for (std::uint32_t value = 0; value < TypeCount; ++value) {
    const auto name = tokenTypeToString(static_cast<Type>(value));
    SCOPED_TRACE(value);
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(std::all_of(name.begin(), name.end(),
                            [](unsigned char c) { return std::isalpha(c) != 0; }));
    EXPECT_TRUE(names.emplace(name).second) << name << " appears twice";
  }
}

TEST(FormattingToken, UnknownTypeFailsAnAssertion) {
  for (const std::uint32_t value : {TypeCount, 0xFFFFFFFFu}) {
    EXPECT_ASSERTION((void)tokenTypeToString(static_cast<Type>(value)),
                     "OfficeUtils/Formatters/Parser/OU_FormattingToken",
                     "Unknown FormattingToken::Type");
  }
}

TEST(FormattingToken, ToStringAndMoveEmptiesTheSource) {
  FormattingToken source(Type::Currency, "€-407");
  EXPECT_EQ(source.toString(), "Type: [Currency] Value: [€-407]");
  const FormattingToken moved(std::move(source));
  EXPECT_EQ(source.toString(), "Type: [Currency] Value: []");  // NOLINT(bugprone-use-after-move)
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
