#include "OfficeUtils/Formatters/Parser/OU_FormattingToken.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/Utils/OU_Assert.h"
#include "tests/OU_Printers.h"

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
      {Type::BuddhistYearShort, "BuddhistYearShort"},
      {Type::BuddhistYearLong, "BuddhistYearLong"},
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
  for (const std::uint32_t value : {TypeCount, 1000u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(value);
    try {
      (void)tokenTypeToString(static_cast<Type>(value));
      ADD_FAILURE() << "no assertion";
    } catch (const AssertionFailure& failure) {
      EXPECT_EQ(failure.file(), "OfficeUtils/Formatters/Parser/OU_FormattingToken");
      EXPECT_EQ(failure.condition(), "Unknown FormattingToken::Type");
    }
  }
  const FormattingToken broken(static_cast<Type>(TypeCount), "x");
  EXPECT_THROW((void)broken.toString(), AssertionFailure);
}

TEST(FormattingToken, ToStringNamesTypeAndValue) {
  const struct {
    FormattingToken token;
    const char* expected;
  } cases[] = {
      {{Type::Number, "0"}, "Type: [Number] Value: [0]"},
      {{Type::Currency, "€-407"}, "Type: [Currency] Value: [€-407]"},
      {{Type::String, ""}, "Type: [String] Value: []"},
      {{Type::BadSymbol, "["}, "Type: [BadSymbol] Value: [[]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(c.token.toString(), c.expected);
  }
}

TEST(FormattingToken, SetTypeKeepsTheValueAndEqualityNeedsBoth) {
  FormattingToken token(Type::MonthLongDecimal, "mm");
  token.setType(Type::MinutesLong);  // the parser retypes months as minutes
  EXPECT_EQ(token, FormattingToken(Type::MinutesLong, "mm"));
  EXPECT_FALSE(token != FormattingToken(Type::MinutesLong, "mm"));
  EXPECT_TRUE(token != FormattingToken(Type::MinutesLong, "MM"));
  EXPECT_FALSE(token == FormattingToken(Type::MonthLongDecimal, "mm"));
}

TEST(FormattingToken, CopyKeepsAndMoveEmptiesTheSource) {
  // Short and long values: a short one lives inside the string object itself.
  for (const std::string& value : {std::string("ss"), std::string(100, 'x')}) {
    SCOPED_TRACE(value.size());
    FormattingToken source(Type::String, value);
    const FormattingToken copy(source);
    EXPECT_EQ(source.getValue(), value);
    EXPECT_EQ(copy, source);
    FormattingToken moved(std::move(source));
    EXPECT_EQ(moved, copy);
    EXPECT_EQ(source, FormattingToken(Type::String, ""));  // NOLINT(bugprone-use-after-move)
    FormattingToken target(Type::Number, "0"), assigned(Type::Number, "0");
    target = std::move(moved);
    EXPECT_EQ(target, copy);
    EXPECT_EQ(moved.getValue(), "");  // NOLINT(bugprone-use-after-move)
    assigned = copy;
    EXPECT_EQ(assigned, copy);
  }
}

TEST(FormattingToken, OrderIsTypeThenUnsignedBytes) {
  // Pairs with left < right.
  const struct {
    FormattingToken left, right;
  } cases[] = {
      {{Type::General, "zzz"}, {Type::Condition, ""}},
      {{Type::String, "a"}, {Type::String, "b"}},
      {{Type::String, "ab"}, {Type::String, "abc"}},
      {{Type::String, ""}, {Type::String, "\x01"}},
      {{Type::String, "z"}, {Type::String, "é"}},        // 0xC3 is above 'z'
      {{Type::String, "\x7F"}, {Type::String, "\x80"}},  // no sign extension
      {{Type::BuddhistYearShort, "bbbb"}, {Type::BuddhistYearLong, "b"}},
      {{Type::BadSymbol, "["}, {Type::End, ""}},
  };
  for (const auto& [left, right] : cases) {
    SCOPED_TRACE(left.toString() + " < " + right.toString());
    EXPECT_TRUE(left < right && left <= right && right > left && right >= left);
    EXPECT_FALSE(right < left || left > right || right <= left || left >= right);
  }
}

// An independent ordering: the type as a signed integer, then the value as unsigned bytes.
bool referenceLess(const FormattingToken& left, const FormattingToken& right) {
  const auto leftType = static_cast<std::int32_t>(left.getType());
  const auto rightType = static_cast<std::int32_t>(right.getType());
  if (leftType != rightType) return leftType < rightType;
  const auto& a = left.getValue();
  const auto& b = right.getValue();
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

TEST(FormattingToken, OperatorsAgreeWithAReferenceOrderOnRandomTokens) {
  std::mt19937 random(4711);
  const std::string alphabet = std::string("a\x7F\x80\xFF") + '\0';
  auto randomToken = [&] {
    std::string value(random() % 4, ' ');
    for (auto& c : value) c = alphabet[random() % alphabet.size()];
    return FormattingToken(static_cast<Type>(random() % 4 + 5), value);
  };
  for (int round = 0; round < 5000; ++round) {
    const auto a = randomToken();
    const auto b = randomToken();
    SCOPED_TRACE(a.toString() + " vs " + b.toString());
    const bool less = referenceLess(a, b);
    const bool greater = referenceLess(b, a);
    ASSERT_EQ(a < b, less);
    ASSERT_EQ(a > b, greater);
    ASSERT_EQ(a <= b, !greater);
    ASSERT_EQ(a >= b, !less);
    ASSERT_EQ(a == b, !less && !greater);
    ASSERT_EQ(a != b, less || greater);
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
