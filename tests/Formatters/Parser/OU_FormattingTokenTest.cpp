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
  const struct {
    Type type;
    const char* name;
  } cases[] = {
      {Type::General, "General"},
      {Type::MinutesShort, "MinutesShort"},
      {Type::BadSymbol, "BadSymbol"},
      {Type::End, "End"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(tokenTypeToString(c.type), c.name);
  }
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
  FormattingToken target(Type::Number, "0");
  target = FormattingToken(moved);
  EXPECT_EQ(target, moved);
}

TEST(FormattingToken, OrderIsTypeThenUnsignedBytes) {
  // Pairs with left < right.
  const struct {
    FormattingToken left, right;
  } cases[] = {
      {{Type::General, "zzz"}, {Type::Condition, ""}},
      {{Type::String, "ab"}, {Type::String, "abc"}},
      {{Type::String, "z"}, {Type::String, "é"}},        // 0xC3 is above 'z'
      {{Type::String, "\x7F"}, {Type::String, "\x80"}},  // no sign extension
  };
  for (const auto& [left, right] : cases) {
    SCOPED_TRACE(left.toString() + " < " + right.toString());
    EXPECT_TRUE(left < right && right > left && left != right);
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
