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

TEST(FormattingToken, TypeNamesAreTheEnumeratorNames) {
  const struct {
    Type type;
    const char* name;
  } cases[] = {
      {Type::General, "General"},
      {Type::Condition, "Condition"},
      {Type::TextContent, "TextContent"},
      {Type::MinutesShort, "MinutesShort"},
      {Type::SecondsShortNoTruncate, "SecondsShortNoTruncate"},
      {Type::BuddhistYearShort, "BuddhistYearShort"},
      {Type::BuddhistYearLong, "BuddhistYearLong"},
      {Type::Currency, "Currency"},
      {Type::BadSymbol, "BadSymbol"},
      {Type::End, "End"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(tokenTypeToString(c.type), c.name);
  }
}

TEST(FormattingToken, TypesKeepTheirFixedValues) {
  EXPECT_EQ(static_cast<int>(Type::General), 0);
  EXPECT_EQ(static_cast<int>(Type::String), 5);
  EXPECT_EQ(static_cast<int>(Type::MinutesLong), 25);
  EXPECT_EQ(static_cast<int>(Type::BuddhistYearShort), 40);
  EXPECT_EQ(static_cast<int>(Type::BuddhistYearLong), 41);
  EXPECT_EQ(static_cast<int>(Type::End), 51);
  EXPECT_EQ(sizeof(Type), 4u);
}

TEST(FormattingToken, EveryTypeHasItsOwnName) {
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
      {{Type::Color, "red"}, "Type: [Color] Value: [red]"},
      {{Type::Currency, "€-407"}, "Type: [Currency] Value: [€-407]"},
      {{Type::String, ""}, "Type: [String] Value: []"},
      {{Type::BadSymbol, "["}, "Type: [BadSymbol] Value: [[]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(c.token.toString(), c.expected);
  }
}

TEST(FormattingToken, AccessorsAndSetType) {
  FormattingToken token(Type::MonthLongDecimal, "mm");
  EXPECT_EQ(token.getType(), Type::MonthLongDecimal);
  EXPECT_EQ(token.getValue(), "mm");
  token.setType(Type::MinutesLong);  // the parser retypes months as minutes
  EXPECT_EQ(token.getType(), Type::MinutesLong);
  EXPECT_EQ(token.getValue(), "mm");
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
    EXPECT_EQ(source.getValue(), "");  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(source.getType(), Type::String);

    FormattingToken target(Type::Number, "0");
    target = std::move(moved);
    EXPECT_EQ(target, copy);
    EXPECT_EQ(moved.getValue(), "");  // NOLINT(bugprone-use-after-move)

    FormattingToken assigned(Type::Number, "0");
    assigned = copy;
    EXPECT_EQ(assigned, copy);
  }
}

TEST(FormattingToken, EqualityNeedsTypeAndValue) {
  const FormattingToken token(Type::String, "a");
  EXPECT_TRUE(token == FormattingToken(Type::String, "a"));
  EXPECT_FALSE(token != FormattingToken(Type::String, "a"));
  EXPECT_TRUE(token != FormattingToken(Type::String, "A"));
  EXPECT_TRUE(token != FormattingToken(Type::Number, "a"));
  EXPECT_FALSE(token == FormattingToken(Type::Number, "a"));
}

TEST(FormattingToken, OrderIsTypeThenUnsignedBytes) {
  // Pairs with left < right.
  const struct {
    FormattingToken left;
    FormattingToken right;
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
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left.toString() + " < " + c.right.toString());
    EXPECT_TRUE(c.left < c.right);
    EXPECT_TRUE(c.left <= c.right);
    EXPECT_TRUE(c.right > c.left);
    EXPECT_TRUE(c.right >= c.left);
    EXPECT_FALSE(c.right < c.left);
    EXPECT_FALSE(c.left > c.right);
    EXPECT_FALSE(c.right <= c.left);
    EXPECT_FALSE(c.left >= c.right);
  }
}

// An independent ordering: the type as a signed integer, then the value as unsigned bytes.
bool referenceLess(const FormattingToken& left, const FormattingToken& right) {
  const auto leftType = static_cast<std::int64_t>(static_cast<std::int32_t>(left.getType()));
  const auto rightType = static_cast<std::int64_t>(static_cast<std::int32_t>(right.getType()));
  if (leftType != rightType) return leftType < rightType;
  const auto& a = left.getValue();
  const auto& b = right.getValue();
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
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
