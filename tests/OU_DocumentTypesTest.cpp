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

TEST(DocumentTypes, ExtensionGivesTypeAndFormat) {
  const struct {
    std::string path;
    std::string expected;
  } cases[] = {
      // Every extension written reads back by the next test.
      {"C:/data/sheet.xods", "1,4"},
      {"slides.pptx", "2,3"},
      {"a.csv", "1,1"},
      {"dir.docx/notes.txt", "0,0"},
      {"REPORT.DOCX", "none"},
      {"noextension", "none"},
      {".docx", "none"},  // a name that starts with its only dot has no extension
      {"report.", "none"},
      {"dir.docx/", "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(dump(getDocumentTypeAndFormat(c.path)), c.expected);
  }
}

TEST(DocumentTypes, TypeAndFormatGiveTheExtensionToWrite) {
  auto extension = [](int type, int format) {
    return getDocumentFileExtension(
               {static_cast<DocumentType>(type), static_cast<DocumentFormat>(format)})
        .value_or("none");
  };
  const struct {
    int type, format;
    const char* expected;
  } cases[] = {{1, 4, ".ods"}, {0, 2, ".html"}, {1, 0, "none"}, {3, 3, "none"}, {0, 5, "none"}};
  for (const auto& c : cases)
    EXPECT_EQ(extension(c.type, c.format), c.expected) << c.type << c.format;
  // Exactly nine pairs have an extension, and each reads back as itself.
  int written = 0;
  for (int type = 0; type < 256; ++type) {
    for (int format = 0; format < 256; ++format) {
      const DocumentTypeFormat pair{static_cast<DocumentType>(type),
                                    static_cast<DocumentFormat>(format)};
      const auto ext = getDocumentFileExtension(pair);
      if (!ext) continue;
      ++written;
      SCOPED_TRACE(*ext);
      EXPECT_EQ(dump(getDocumentTypeAndFormat("file" + *ext)), dump(pair));
    }
  }
  EXPECT_EQ(written, 9);
}

TEST(DocumentTypes, OrderIsTypeThenFormat) {
  const DocumentTypeFormat ordered[] = {
      {DocumentType::Text, DocumentFormat::PlainText},
      {DocumentType::Text, DocumentFormat::OpenDocument},
      {DocumentType::Spreadsheet, DocumentFormat::PlainText},
      {DocumentType::Spreadsheet, DocumentFormat::CSV},
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
