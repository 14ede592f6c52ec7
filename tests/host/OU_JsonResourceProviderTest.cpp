#include "host/ResourceManager/OU_JsonResourceProvider.h"

#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace Vesk::ResourceManager {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

const std::string ResourcesDir = std::string(OU_TEST_DATA_DIR) + "/resources";

// "none" or "[a|b]": a compact form that tells an absent list from an empty one.
std::string dump(const boost::optional<std::vector<std::string>>& list) {
  if (!list) return "none";
  std::string text = "[";
  for (const auto& item : *list) text += (text.size() > 1 ? "|" : "") + item;
  return text + "]";
}

template <typename Make>
std::string errorOf(Make make) {
  try {
    make();
  } catch (const ResourceFileError& error) {
    return error.what();
  }
  return "no error";
}

TEST(JsonResourceProvider, ReadsEachKindOfValueFromAFile) {
  const JsonResourceProvider provider(std::filesystem::path(ResourcesDir + "/sample.json"));
  EXPECT_EQ(provider.size(), 9u);
  EXPECT_EQ(
      provider.getResourceString("LocaleResources/LocaleResources/Separators/DecimalSeparator"),
      std::string(","));
  EXPECT_EQ(
      provider.getResourceString("LocaleResources/LocaleResources/Separators/ThousandSeparator"),
      std::string("\xc2\xa0"));
  EXPECT_EQ(provider.getResourceString(Keys::RegionNamePath), std::string());
  EXPECT_EQ(dump(provider.getResourceStringArray(Keys::AMPMNamesPath)), "[vorm.|nachm.]");
  EXPECT_EQ(dump(provider.getResourceStringArray(Keys::ShortEraNamesPath)), "[]");
  EXPECT_EQ(provider.getResourceBoolean(Keys::DefaultCurrencySymbolBeforeAmountPath), false);
  EXPECT_EQ(dump(provider.getResourceStringArray(std::string(Keys::DateTimeTokensSubpath) +
                                                 Keys::TimeSeparatorRulesSubpath)),
            "[:|.]");
  // A key answers only the getter of its own kind.
  EXPECT_EQ(dump(provider.getResourceStringArray(Keys::LanguageNamePath)), "none");
  EXPECT_EQ(provider.getResourceBoolean(Keys::LanguageNamePath), boost::none);
  EXPECT_EQ(provider.getResourceString(Keys::AMPMNamesPath), boost::none);
  EXPECT_EQ(provider.getResourceString("LocaleResources/LocaleResources:Locale/languagename"),
            boost::none);
}

TEST(JsonResourceProvider, MalformedJsonNamesFileLineAndColumn) {
  const struct {
    std::string file;
    std::string position;
  } cases[] = {
      {"trailing-comma.json", "4:1"},  // the '}' after the last comma
      {"unclosed.json", "4:1"},        // just after the last byte
      {"latin1.json", "2:13"},         // the byte after a lead byte that starts no sequence
      {"empty.json", "1:1"},          {"two-documents.json", "2:1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = ResourcesDir + "/bad/" + c.file;
    const std::string message =
        errorOf([&] { JsonResourceProvider provider{std::filesystem::path(path)}; });
    EXPECT_THAT(message, StartsWith(path + ":" + c.position + ": invalid JSON: "));
    EXPECT_THAT(message, Not(HasSubstr("json.exception")));
  }
}

TEST(JsonResourceProvider, ValuesOfAnotherTypeNameTheKey) {
  const struct {
    std::string file;
    std::string message;
  } cases[] = {
      {"number-value.json",
       ": the value of \"Keys/Number\" is not a string, an array of strings or a boolean (it is "
       "number)"},
      {"object-value.json",
       ": the value of \"Keys/Nested\" is not a string, an array of strings or a boolean (it is "
       "object)"},
      {"null-value.json",
       ": the value of \"Keys/Null\" is not a string, an array of strings or a boolean (it is "
       "null)"},
      {"mixed-array.json", ": element 1 of \"Keys/List\" is not a string (it is number)"},
      {"top-level-array.json",
       ": the top-level value is not an object of resource keys (it is array)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = ResourcesDir + "/bad/" + c.file;
    EXPECT_EQ(errorOf([&] { JsonResourceProvider provider{std::filesystem::path(path)}; }),
              path + c.message);
  }
}

TEST(JsonResourceProvider, UnreadableFilesAreRefusedByName) {
  const std::string missing = ResourcesDir + "/no-such-file.json";
  EXPECT_EQ(errorOf([&] { JsonResourceProvider provider{std::filesystem::path(missing)}; }),
            missing + ": cannot open the file");
  EXPECT_EQ(errorOf([&] { JsonResourceProvider provider{std::filesystem::path(ResourcesDir)}; }),
            ResourcesDir + ": cannot read the file: it is a directory");
  EXPECT_THROW(JsonResourceProvider{std::filesystem::path(missing)}, BaseRuntimeError);
}

TEST(JsonResourceProvider, TextUsesItsNameInMessages) {
  const JsonResourceProvider provider(R"({"k": "v", "k": "w"})", "inline");
  EXPECT_EQ(provider.getResourceString("k"), std::string("w"));  // the later duplicate wins
  EXPECT_THAT(errorOf([] { JsonResourceProvider p("{\"k\": tru}", "inline"); }),
              StartsWith("inline:1:10: invalid JSON: "));
  // JSON has no number range, but no resource is a number: an overflow is refused in place.
  EXPECT_EQ(errorOf([] { JsonResourceProvider p("{\"k\":\n 2e635}", "inline"); }),
            "inline:2:6: invalid JSON: number overflow parsing '2e635'");
}

// Property: corrupting any one byte of a multi-line document with a control character, which
// JSON allows nowhere, is reported at exactly that byte's line and column, counted here
// independently of the provider.
TEST(JsonResourceProvider, ReportedPositionIsTheCorruptedByte) {
  const std::string document =
      "{\n  \"a/b:c\": \"text\",\n\n\t\"list\": [\"x\",\n    \"yz\"],\n  \"flag\": true\n}\n";
  ASSERT_NO_THROW(JsonResourceProvider(document, "doc"));
  for (std::size_t offset = 0; offset < document.size(); ++offset) {
    if (document[offset] == '\n') continue;  // a line end has no column of its own
    std::string corrupted = document;
    corrupted[offset] = '\x01';
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
      if (document[i] == '\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    SCOPED_TRACE(offset);
    EXPECT_THAT(errorOf([&] { JsonResourceProvider p(corrupted, "doc"); }),
                StartsWith("doc:" + std::to_string(line) + ":" + std::to_string(column) +
                           ": invalid JSON: "));
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
