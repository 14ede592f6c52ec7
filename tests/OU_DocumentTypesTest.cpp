#include "OfficeUtils/OU_DocumentTypes.h"

#include <string>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

std::string dump(const boost::optional<DocumentTypeFormat>& typeFormat) {
  if (!typeFormat) return "none";
  return std::to_string(int(typeFormat->type)) + "," + std::to_string(int(typeFormat->format));
}

// Names that read as no extension, beside a folder's dot; the fuzzer's seeds judge the others
// (case, the "x" variants), and every extension written is read back by the next test.
TEST(DocumentTypes, ExtensionGivesTypeAndFormat) {
  const std::pair<std::string, std::string> cases[] = {
      {"dir.docx/notes.txt", "0,0"},
      {".docx", "none"},  // a leading dot starts no extension
      {"report.", "none"},
      {"dir.docx/", "none"},
  };
  for (const auto& [path, expected] : cases)
    EXPECT_EQ(dump(getDocumentTypeAndFormat(path)), expected) << path;
}

// Of all 65,536 pairs exactly nine have an extension, never an alias such as ".xods", and each
// reads back as its pair.
TEST(DocumentTypes, TypeAndFormatGiveTheExtensionToWrite) {
  std::string written;
  for (int type = 0; type < 256; ++type) {
    for (int format = 0; format < 256; ++format) {
      const DocumentTypeFormat pair{DocumentType(type), DocumentFormat(format)};
      const auto ext = getDocumentFileExtension(pair);
      if (!ext) continue;
      written += *ext;
      EXPECT_EQ(dump(getDocumentTypeAndFormat("file" + *ext)), dump(pair)) << *ext;
    }
  }
  EXPECT_EQ(written, ".txt.html.docx.odt.csv.xlsx.ods.pptx.odp");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
