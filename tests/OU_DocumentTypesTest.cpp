#include "OfficeUtils/OU_DocumentTypes.h"

#include <string>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

std::string dump(const boost::optional<DocumentTypeFormat>& typeFormat) {
  if (!typeFormat) return "none";
  return std::to_string(static_cast<int>(typeFormat->type)) + "," +
         std::to_string(static_cast<int>(typeFormat->format));
}

// The names a host meets; every extension written is read back by the next test.
TEST(DocumentTypes, ExtensionGivesTypeAndFormat) {
  const struct {
    std::string path;
    std::string expected;
  } cases[] = {
      {"C:/data/sheet.xods", "1,4"},
      {"dir.docx/notes.txt", "0,0"},
      {"REPORT.DOCX", "none"},
      {"noextension", "none"},
      {".docx", "none"},  // a leading dot starts no extension
      {"report.", "none"},
      {"dir.docx/", "none"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dump(getDocumentTypeAndFormat(c.path)), c.expected) << c.path;
}

// Of all 65,536 pairs exactly nine have an extension, never an alias such as ".xods", and each
// reads back as its pair.
TEST(DocumentTypes, TypeAndFormatGiveTheExtensionToWrite) {
  int written = 0;
  for (int type = 0; type < 256; ++type) {
    for (int format = 0; format < 256; ++format) {
      const DocumentTypeFormat pair{static_cast<DocumentType>(type),
                                    static_cast<DocumentFormat>(format)};
      const auto ext = getDocumentFileExtension(pair);
      if (!ext) continue;
      ++written;
      EXPECT_EQ(dump(getDocumentTypeAndFormat("file" + *ext)), dump(pair)) << *ext;
    }
  }
  EXPECT_EQ(written, 9);
  EXPECT_EQ(
      getDocumentFileExtension({DocumentType::Spreadsheet, DocumentFormat::OpenDocument}).value(),
      ".ods");
  EXPECT_EQ(getDocumentFileExtension({DocumentType::Text, DocumentFormat::HTML}).value(), ".html");
}

TEST(DocumentTypes, OrderIsTypeThenFormat) {
  const DocumentTypeFormat ordered[] = {
      {DocumentType::Text, DocumentFormat::PlainText},
      {DocumentType::Text, DocumentFormat::OpenDocument},
      {DocumentType::Spreadsheet, DocumentFormat::PlainText},
      {DocumentType::Presentation, DocumentFormat::OOXML},
  };
  for (std::size_t i = 0; i < std::size(ordered); ++i) {
    for (std::size_t j = 0; j < std::size(ordered); ++j) {
      EXPECT_EQ(ordered[i] < ordered[j], i < j) << i << " " << j;
      EXPECT_EQ(ordered[i] == ordered[j], i == j) << i << " " << j;
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
