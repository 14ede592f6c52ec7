// ou ref: which cell-reference parsers accept a text, and the parts each one splits it into.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

struct Part {
  const char* name;
  std::string_view value;
};

void printParts(const char* parser, std::initializer_list<Part> parts) {
  std::printf("  %-22s", parser);
  for (const auto& part : parts) {
    std::printf(" %s=\"%.*s\"", part.name, static_cast<int>(part.value.size()), part.value.data());
  }
  std::printf("\n");
}

void describe(std::string_view text) {
  bool any = false;
  if (const auto p = A1ShortCellParser::parse(text)) {
    printParts("A1 cell", {{"columnMarker", p->columnMarker},
                           {"column", p->column},
                           {"rowMarker", p->rowMarker},
                           {"row", p->row}});
    any = true;
  }
  if (const auto p = R1C1ShortCellParser::parse(text)) {
    printParts("R1C1 cell", {{"rowMarker", p->rowMarker},
                             {"row", p->row},
                             {"columnMarker", p->columnMarker},
                             {"column", p->column}});
    any = true;
  }
  const struct {
    const char* name;
    boost::optional<ShortAxisParts> (*parse)(std::string_view);
  } axes[] = {{"A1 column", A1ShortColParser::parse},
              {"A1 row", A1ShortRowParser::parse},
              {"R1C1 column", R1C1ShortColParser::parse},
              {"R1C1 row", R1C1ShortRowParser::parse}};
  for (const auto& axis : axes) {
    if (const auto p = axis.parse(text)) {
      printParts(axis.name, {{"marker", p->marker}, {"value", p->value}});
      any = true;
    }
  }
  if (const auto p = parseA1ShortRange(text)) {
    printParts("A1 range", {{"first", text.substr(0, text.find(':'))},
                            {"second", text.substr(text.find(':') + 1)}});
    any = true;
  }
  // The prefix splitters accept any non-empty text; show them only when they find a prefix.
  if (const auto p = OXMLRefParser::parse(text); p && p->reference.size() != text.size()) {
    printParts("OOXML reference", {{"path", p->path},
                                   {"workbook", p->workbook},
                                   {"firstSheet", p->firstSheet},
                                   {"lastSheet", p->lastSheet},
                                   {"reference", p->reference}});
    any = true;
  }
  if (const auto p = OpenFormulaRefParser::parse(text); p && p->reference.size() != text.size()) {
    printParts("OpenDocument reference",
               {{"document", p->document}, {"sheet", p->sheet}, {"reference", p->reference}});
    any = true;
  }
  if (text.empty()) {
    std::printf("  (every parser rejects the empty text)\n");
  } else if (!any) {
    std::printf("  (no parser splits it; the prefix splitters read it all as the reference)\n");
  }
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: ou ref TEXT\n");
    return 1;
  }
  describe(arguments.front());
  return 0;
}

void tour() {
  for (const char* text : {"$XFD$1048576", "XFE1", "R[-1]C2", "A1:$B$2", "'[Book1.xlsx]Sheet 1'!A1",
                           "Sheet1:Sheet3!A1:B2", "'file:///x.ods'#$Sheet1.A1"}) {
    std::printf("$ ou ref \"%s\"\n", text);
    describe(text);
  }
}

const CommandRegistrar registrar{
    {"ref", "TEXT", "split a cell reference with every parser that accepts it", run, tour, 60}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
