// The kind of document and the file format a file name's extension stands for, and the
// extension to write for a kind and format; hosts choose importers and exporters by them.
#pragma once

#include <cstdint>
#include <string>

#include <boost/optional.hpp>
#include <boost/utility/string_ref.hpp>

namespace Vesk::OfficeUtils {

enum class DocumentType : std::uint8_t {
  Text = 0,
  Spreadsheet = 1,
  Presentation = 2,
};

enum class DocumentFormat : std::uint8_t {
  PlainText = 0,
  CSV = 1,
  HTML = 2,
  OOXML = 3,
  OpenDocument = 4,
};

struct DocumentTypeFormat {
  DocumentType type;
  DocumentFormat format;

  // Type first, then format.
  friend constexpr bool operator==(const DocumentTypeFormat& a, const DocumentTypeFormat& b) {
    return a.type == b.type && a.format == b.format;
  }
  friend constexpr bool operator!=(const DocumentTypeFormat& a, const DocumentTypeFormat& b) {
    return !(a == b);
  }
  friend constexpr bool operator<(const DocumentTypeFormat& a, const DocumentTypeFormat& b) {
    return a.type != b.type ? a.type < b.type : a.format < b.format;
  }
};

// By the extension of the file name, case-sensitively: "report.docx" -> (Text, OOXML),
// "C:/data/sheet.xods" -> (Spreadsheet, OpenDocument); "REPORT.DOCX", "a.tar.gz" -> none.
[[nodiscard]] boost::optional<DocumentTypeFormat> getDocumentTypeAndFormat(boost::string_ref path);

// The extension, dot included, written for a kind and format: (Spreadsheet, OpenDocument) ->
// ".ods" (never ".xods"); none for a pair no extension stands for, such as (Spreadsheet,
// PlainText).
[[nodiscard]] boost::optional<std::string> getDocumentFileExtension(
    const DocumentTypeFormat& typeFormat);

}  // namespace Vesk::OfficeUtils
