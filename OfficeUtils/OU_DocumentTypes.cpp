#include "OfficeUtils/OU_DocumentTypes.h"

#include <map>
#include <string_view>

#include "host/Utils/OU_System.h"

namespace Vesk::OfficeUtils {
namespace {

struct ExtensionRow {
  std::string_view extension;
  DocumentTypeFormat typeFormat;
  std::string_view writtenAs;  // the extension written for this row's pair
};

using Type = DocumentType;
using Format = DocumentFormat;

// The "x" variants read as their plain counterparts and are never written.
// clang-format off
constexpr ExtensionRow Extensions[] = {
    {".docx",  {Type::Text,         Format::OOXML},        ".docx"},
    {".xlsx",  {Type::Spreadsheet,  Format::OOXML},        ".xlsx"},
    {".pptx",  {Type::Presentation, Format::OOXML},        ".pptx"},
    {".odt",   {Type::Text,         Format::OpenDocument}, ".odt"},
    {".xodt",  {Type::Text,         Format::OpenDocument}, ".odt"},
    {".ods",   {Type::Spreadsheet,  Format::OpenDocument}, ".ods"},
    {".xods",  {Type::Spreadsheet,  Format::OpenDocument}, ".ods"},
    {".odp",   {Type::Presentation, Format::OpenDocument}, ".odp"},
    {".xodp",  {Type::Presentation, Format::OpenDocument}, ".odp"},
    {".html",  {Type::Text,         Format::HTML},         ".html"},
    {".xhtml", {Type::Text,         Format::HTML},         ".html"},
    {".csv",   {Type::Spreadsheet,  Format::CSV},          ".csv"},
    {".txt",   {Type::Text,         Format::PlainText},    ".txt"},
};
// clang-format on

// Rows that share a pair must agree on the extension written for it.
constexpr bool writtenExtensionsAgree() {
  for (const auto& a : Extensions) {
    for (const auto& b : Extensions) {
      if (a.typeFormat == b.typeFormat && a.writtenAs != b.writtenAs) return false;
    }
  }
  return true;
}
static_assert(writtenExtensionsAgree(), "one written extension per type and format");

}  // namespace

boost::optional<DocumentTypeFormat> getDocumentTypeAndFormat(boost::string_ref path) {
  const std::string extension =
      FileSystem::Path(std::string(path.data(), path.size())).extension().string();
  for (const auto& row : Extensions) {
    if (row.extension == extension) return row.typeFormat;
  }
  return boost::none;
}

boost::optional<std::string> getDocumentFileExtension(const DocumentTypeFormat& typeFormat) {
  static const std::map<DocumentTypeFormat, std::string_view> written = [] {
    std::map<DocumentTypeFormat, std::string_view> map;
    for (const auto& row : Extensions) map.emplace(row.typeFormat, row.writtenAs);
    return map;
  }();
  const auto found = written.find(typeFormat);
  if (found == written.end()) return boost::none;
  return std::string(found->second);
}

}  // namespace Vesk::OfficeUtils
