#include "host/ResourceManager/OU_JsonResourceProvider.h"

#include <algorithm>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/host/OU_ResourceTestSupport.h"

namespace Vesk::ResourceManager {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

const std::string ResourcesDir = std::string(OU_TEST_DATA_DIR) + "/resources";

template <typename Make>
std::string errorOf(Make make) {
  try {
    make();
  } catch (const ResourceFileError& error) {
    return error.what();
  }
  return "no error";
}

// A key answers only the getter of its own kind.
TEST(JsonResourceProvider, ReadsEachKindOfValueFromAFile) {
  const JsonResourceProvider provider(std::filesystem::path(ResourcesDir + "/sample.json"));
  EXPECT_EQ(provider.size(), 9u);
  const std::pair<std::string, const char*> cases[] = {
      {"LocaleResources/LocaleResources/Separators/ThousandSeparator", "\"\xc2\xa0\" none none"},
      {Keys::RegionNamePath, "\"\" none none"},
      {Keys::AMPMNamesPath, "none [vorm.|nachm.] none"},
      {Keys::ShortEraNamesPath, "none [] none"},
      {Keys::DefaultCurrencySymbolBeforeAmountPath, "none none false"},
      {"LocaleResources/LocaleResources:Locale/languagename", "none none none"},
  };
  for (const auto& [key, expected] : cases) EXPECT_EQ(Testing::answers(provider, key), expected);
}

// Each message names the file, and the line and column of malformed JSON.
TEST(JsonResourceProvider, FaultsOfTheFileAreRefusedByName) {
  const std::string notValue = " is not a string, an array of strings or a boolean (it is ";
  const struct {
    std::string file, message;
  } cases[] = {
      {"/bad/unclosed.json", ":4:1: invalid JSON: "},  // just after the last byte
      {"/bad/latin1.json", ":2:13: invalid JSON: "},   // after a lead byte that starts nothing
      {"/bad/empty.json", ":1:1: invalid JSON: "},
      {"/bad/two-documents.json", ":2:1: invalid JSON: "},
      {"/bad/number-value.json", ": the value of \"Keys/Number\"" + notValue + "number)"},
      {"/bad/null-value.json", ": the value of \"Keys/Null\"" + notValue + "null)"},
      {"/bad/mixed-array.json", ": element 1 of \"Keys/List\" is not a string (it is number)"},
      {"/bad/top-level-array.json",
       ": the top-level value is not an object of resource keys (it is array)"},
      {"/no-such-file.json", ": cannot open the file"},
      {"", ": cannot read the file: it is a directory"},
  };
  for (const auto& c : cases) {
    const std::string path = ResourcesDir + c.file;
    const std::string message =
        errorOf([&] { JsonResourceProvider provider{std::filesystem::path(path)}; });
    EXPECT_THAT(message, StartsWith(path + c.message));
    EXPECT_THAT(message, Not(HasSubstr("json.exception")));
  }
}

TEST(JsonResourceProvider, TextUsesItsNameInMessages) {
  const JsonResourceProvider provider(R"({"k": "v", "k": "w"})", "inline");
  EXPECT_EQ(provider.getResourceString("k"), std::string("w"));  // the later duplicate wins
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
    const auto line = 1 + std::count(document.begin(), document.begin() + offset, '\n');
    const std::size_t lineStart = offset ? document.rfind('\n', offset - 1) + 1 : 0;
    SCOPED_TRACE(offset);
    EXPECT_THAT(errorOf([&] { JsonResourceProvider p(corrupted, "doc"); }),
                StartsWith("doc:" + std::to_string(line) + ":" +
                           std::to_string(offset - lineStart + 1) + ": invalid JSON: "));
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
