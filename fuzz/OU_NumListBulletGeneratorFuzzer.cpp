// List bullets under edits driven by the input: the first bytes are a document outline (the
// reader is fuzzed too), the rest pick a random document and a sequence of edits told to the
// generator as a host would. After every edit each paragraph's bullet, in every view, must
// equal that of a generator built afresh over the edited document.
#include "OfficeUtils/OU_NumListBulletGenerator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "host/DOM/OU_DocumentOutline.h"
#include "tests/OU_NumListBulletEdits.h"

using namespace Vesk;
using Vesk::OfficeUtils::NumListBulletGenerator;

namespace {

constexpr DOM::TrackChangesViewMode Views[] = {DOM::TrackChangesViewMode::Original,
                                               DOM::TrackChangesViewMode::Final,
                                               DOM::TrackChangesViewMode::All};

void checkAgainstFreshBuild(DOM::Document& doc, const NumListBulletGenerator& generator) {
  const NumListBulletGenerator fresh(doc);
  for (auto& [scope, blocks] : Testing::scopesOf(doc)) {
    std::vector<const DOM::Paragraph*> paragraphs;
    Testing::collectParagraphs(*blocks, paragraphs);
    for (const auto* paragraph : paragraphs) {
      const auto ref = DOM::getOverridenNumRefWithTracked(doc.getStyles(), *paragraph,
                                                          DOM::TrackChangesViewMode::Final);
      if (!ref) continue;
      for (const auto view : Views) {
        if (generator.generateBullet(paragraph->getID(), *ref, view) !=
            fresh.generateBullet(paragraph->getID(), *ref, view))
          __builtin_trap();
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // longer inputs add run time, not coverage
  FuzzedDataProvider input(data, size);

  // An outline: bullets of any text that reads as one.
  const std::string outline = input.ConsumeRandomLengthString(1024);
  if (auto doc = DOM::readOutline(outline)) {
    const NumListBulletGenerator generator(*doc);
    checkAgainstFreshBuild(*doc, generator);
  }

  // A document grown by random edits; every choice is a byte of the input (0 when none are
  // left, which keeps the document small and the edits few).
  DOM::Document doc;
  Testing::BulletEditor editor(
      doc, [&input](std::size_t n) { return input.ConsumeIntegralInRange<std::size_t>(0, n - 1); });
  NumListBulletGenerator generator(doc);
  for (int edits = input.ConsumeIntegralInRange(0, 48); edits > 0; --edits) {
    editor.edit(generator);
    checkAgainstFreshBuild(doc, generator);
  }
  return 0;
}
