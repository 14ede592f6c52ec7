// ou bullets: reads a document outline (see host/DOM/OU_DocumentOutline.h) and prints each
// paragraph with the bullet the list generator gives it in one view of the tracked changes.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "OfficeUtils/OU_NumListBulletGenerator.h"
#include "OfficeUtils/Utils/OU_TextUtils.h"
#include "host/DOM/OU_DocumentOutline.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

using DOM::TrackChangesViewMode;

void printBlocks(const char* heading, const ReadonlyVector<DOM::Block>& blocks,
                 const DOM::Document& document, const NumListBulletGenerator& generator,
                 TrackChangesViewMode view) {
  if (blocks.empty()) return;
  std::printf("%s\n", heading);
  for (const auto& block : blocks) {
    const auto* paragraph = dynamic_cast<const DOM::Paragraph*>(block.get());
    if (!paragraph) continue;
    const auto& tracked = paragraph->getTrackChangesType();
    const char mark = !tracked ? ' ' : *tracked == DOM::TrackChangesType::Insertion ? '+' : '-';
    const auto numRef = DOM::getOverridenNumRefWithTracked(document.getStyles(), *paragraph, view);
    std::string bullet;
    std::size_t level = 0;
    if (numRef) {
      level = numRef->getLevel().value_or(0);
      bullet = generator.generateBullet(paragraph->getID(), *numRef, view).value_or("");
    }
    const std::string text = getTextFromPara(*paragraph, RunInsertionStrategy::Concatenate);
    std::printf("  %c %*s%-10s %s\n", mark, static_cast<int>(2 * level), "", bullet.c_str(),
                text.c_str());
  }
}

bool printOutline(const std::string& outline, TrackChangesViewMode view) {
  DOM::OutlineError error;
  const auto document = DOM::readOutline(outline, &error);
  if (!document) {
    std::fprintf(stderr, "line %zu: %s\n", error.line, error.message.c_str());
    return false;
  }
  const NumListBulletGenerator generator(*document);
  printBlocks("body", document->getBlocks(), *document, generator, view);
  int number = 0;
  for (const auto& pair : document->getHeadersFooters()) {
    const std::string header = "header " + std::to_string(++number);
    const std::string footer = "footer " + std::to_string(number);
    printBlocks(header.c_str(), pair.getHeader().getBlocks(), *document, generator, view);
    printBlocks(footer.c_str(), pair.getFooter().getBlocks(), *document, generator, view);
  }
  return true;
}

boost::optional<TrackChangesViewMode> viewNamed(const std::string& name) {
  if (name == "final") return TrackChangesViewMode::Final;
  if (name == "original") return TrackChangesViewMode::Original;
  if (name == "all") return TrackChangesViewMode::All;
  return boost::none;
}

int run(const std::vector<std::string>& arguments) {
  const auto view = arguments.size() == 2 ? viewNamed(arguments[1])
                                          : boost::make_optional(TrackChangesViewMode::Final);
  if (arguments.empty() || arguments.size() > 2 || !view) {
    std::fprintf(
        stderr,
        "usage: ou bullets FILE [final|original|all]\n"
        "FILE is an outline, one paragraph a line:\n"
        "  list L                  a list with decimal levels \"%%1.\", \"%%1.%%2.\", ...\n"
        "  list R I:1:%%1. a:1:%%2)  levels as FORMAT:START:EXPR (FORMAT 1, I, i, A, a)\n"
        "  L text                  a paragraph of list L; two spaces of indent a level\n"
        "  +L text, -L text        tracked insertion, deletion; \". text\": no list\n"
        "  L/T text                numbered with list tag T (default: the list's name)\n"
        "  header, footer, body    where the following paragraphs go\n");
    return 1;
  }
  std::ifstream file(arguments[0], std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "ou bullets: cannot read %s\n", arguments[0].c_str());
    return 1;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return printOutline(text.str(), *view) ? 0 : 1;
}

void tour() {
  const char* outline =
      "list L\n"
      "list R I:1:%1. a:1:(%2)\n"
      "L Introduction\n"
      "    L a skipped level gets a counted placeholder\n"
      "  +L inserted under change tracking\n"
      "  L Scope\n"
      "-L deleted under change tracking\n"
      "L Results\n"
      "R Roman\n"
      "  R letters\n"
      "header\n"
      "L a header numbers on its own\n";
  std::printf("$ cat outline.txt\n%s", outline);
  for (const char* view : {"final", "original"}) {
    std::printf("$ ou bullets outline.txt %s\n", view);
    printOutline(outline, *viewNamed(view));
  }
}

const CommandRegistrar registrar{{"bullets", "FILE [final|original|all]",
                                  "print the list bullets of a document outline", run, tour, 70}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
