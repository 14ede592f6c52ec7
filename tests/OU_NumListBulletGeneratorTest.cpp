#include "OfficeUtils/OU_NumListBulletGenerator.h"

#include <map>
#include <random>
#include <string>
#include <vector>

#include <boost/algorithm/string/replace.hpp>
#include <boost/optional/optional_io.hpp>
#include <fmt/format.h>
#include <gtest/gtest.h>

#include "OfficeUtils/Utils/OU_TextUtils.h"
#include "host/DOM/OU_DocumentOutline.h"
#include "tests/OU_NumListBulletEdits.h"
#include "tests/OU_TestSupport.h"

namespace {

using namespace Vesk;
using namespace Vesk::OfficeUtils;
using DOM::TrackChangesViewMode;

constexpr TrackChangesViewMode Views[] = {
    TrackChangesViewMode::Original, TrackChangesViewMode::Final, TrackChangesViewMode::All,
    static_cast<TrackChangesViewMode>(3), static_cast<TrackChangesViewMode>(6)};

// `text(scope, paragraph, ref)` of each paragraph, scope by scope in document order, "|"
// between them; "." for a paragraph without numbering.
template <typename Text>
std::string joined(DOM::Document& doc, Text text) {
  std::vector<std::string> texts;
  for (auto& [scope, blocks] : Testing::scopesOf(doc)) {
    std::vector<const DOM::Paragraph*> paragraphs;
    Testing::collectParagraphs(*blocks, paragraphs);
    for (const auto* paragraph : paragraphs) {
      const auto ref = DOM::getOverridenNumRefWithTracked(doc.getStyles(), *paragraph,
                                                          TrackChangesViewMode::Final);
      texts.push_back(ref ? text(blocks, *paragraph, *ref) : ".");
    }
  }
  return fmt::format("{}", fmt::join(texts, "|"));
}

// The generator's bullets in `view`, "none" where it gives none.
std::string bullets(DOM::Document& doc, const NumListBulletGenerator& generator,
                    TrackChangesViewMode view) {
  return joined(doc, [&](auto*, const DOM::Paragraph& paragraph, const DOM::NumberingRef& ref) {
    return generator.generateBullet(paragraph.getID(), ref, view).value_or("none");
  });
}

// Per level, the items counted before the latest one and with it.
struct Level {
  std::size_t before = 0, total = 0;
};

// The bullet `ref` shows when its levels have counted `levels` items.
std::string referenceBullet(const DOM::Document& doc, const DOM::NumberingRef& ref,
                            const std::vector<Level>& levels) {
  const auto* list = ref.getNumListUUID() ? doc.findNumList(*ref.getNumListUUID()) : nullptr;
  if (!list || *ref.getNumListUUID() == UUID()) return "none";
  const auto& markers = list->getNumberingLevels();
  const std::size_t depth = ref.getLevel().value_or(0);
  if (depth >= markers.size() || !markers[depth].getListMarker()) return "";
  std::string text = markers[depth].getListMarker()->getTextExpr().value_or("");
  for (std::size_t level = depth + 1; level-- > 0 && !text.empty();) {
    const auto& marker = markers[level].getListMarker();
    const auto type = marker ? marker->getType().value_or(DOM::NumberFormatType::Decimal)
                             : DOM::NumberFormatType::Decimal;
    if (static_cast<int>(type) > 4) continue;
    const std::size_t start = marker ? marker->getStartIndex().value_or(0) : 0;
    boost::algorithm::replace_all(text, fmt::format("%{}", level + 1),
                                  indexToString(start + levels[level].before, type));
  }
  return text;
}

// The bullets of a document renumbered from scratch, as `bullets` writes them: each (scope,
// list tag) sequence of paragraphs is walked in order with one counter per level. A paragraph
// deeper than the open levels opens each missing level with an item of its own tracking, as a
// placeholder; one less deep closes the levels below it.
std::string referenceBullets(DOM::Document& doc, TrackChangesViewMode view) {
  // Every item in a view of everything; else untracked items and the view's kind of change.
  const int bits = static_cast<int>(view);
  const auto shown = bits == 7  ? boost::none
                     : bits & 4 ? boost::make_optional(DOM::TrackChangesType::Insertion)
                                : boost::make_optional(DOM::TrackChangesType::Deletion);
  std::map<std::pair<const void*, DOM::ListTag>, std::vector<Level>> sequences;
  return joined(doc, [&](const void* scope, const DOM::Paragraph& paragraph,
                         const DOM::NumberingRef& ref) {
    auto& levels = sequences[{scope, *ref.getListTagUUID()}];
    const std::size_t depth = ref.getLevel().value_or(0), open = std::min(levels.size(), depth);
    const auto& own = paragraph.getTrackChangesType();
    const auto type = own == paragraph.getParaMarkStyle().getTrackChangesType() ? own : boost::none;
    levels.resize(depth + 1);
    for (std::size_t level = open; level <= depth; ++level) {
      levels[level].before = levels[level].total;
      levels[level].total += !type || !shown || *type == *shown;
    }
    return referenceBullet(doc, ref, levels);
  });
}

// Documents grown by random edits from lists and styles alone: after every edit the generator
// kept in step and one built afresh give the bullets of renumbering from scratch.
TEST(NumListBulletGenerator, EditsKeepTheBulletsOfAFreshBuildAndOfRenumberingFromScratch) {
  std::mt19937 random(18);
  for (int round = 0; round < 40 / Testing::PropertyScale; ++round) {
    DOM::Document doc;
    Testing::BulletEditor editor(doc, [&](std::size_t n) { return random() % n; });
    NumListBulletGenerator generator(doc);
    for (int step = 1; step <= 40; ++step) {
      SCOPED_TRACE(fmt::format("round {} step {}", round, step));
      editor.edit(generator);
      const NumListBulletGenerator fresh(doc);
      for (const auto view : Views) {
        const auto expected = referenceBullets(doc, view);
        ASSERT_EQ(bullets(doc, fresh, view), expected) << "view " << static_cast<int>(view);
        ASSERT_EQ(bullets(doc, generator, view), expected)
            << "view " << static_cast<int>(view) << " after an edit of kind " << editor.lastEdit;
      }
    }
  }
}

// What the edits do not reach: a sheet's row styles, an unknown list tag, and misuse.
TEST(NumListBulletGenerator, RowStylesUnknownListTagsAndMisuse) {
  constexpr auto Final = TrackChangesViewMode::Final;
  const std::string file = "OfficeUtils/OU_NumListBulletGenerator";
  auto doc = *DOM::readOutline("list L\nL a");
  const auto& first = dynamic_cast<const DOM::Paragraph&>(*doc.getBlocks()[0]);
  const auto ref = *DOM::getOverridenNumRefWithTracked(doc.getStyles(), first, Final);
  NumListBulletGenerator generator(doc);
  // The paragraphs of a row style number in their own scope and leave with the row.
  DOM::RowStyles rows;
  auto& cell = rows[3].getCell().getRawBlocks();
  cell.push_back(doc.makeParagraph());
  const auto id = dynamic_cast<DOM::Paragraph&>(*cell.back()).setNumRef(ref).getID();
  generator.insert(cell, NumListBulletGenerator::Scope(UUID::generate()),
                   [](const DOM::NumberingRef&) { return NullID; });
  EXPECT_EQ(generator.generateBullet(id, ref, Final), std::string("1."));
  EXPECT_EQ(bullets(doc, generator, Final), "1.");
  generator.remove(rows);
  EXPECT_ASSERTION((void)generator.generateBullet(id, ref, Final), file,
                   "Object with id does not exist in cache");
  const DOM::ListTag otherTag(UUID::generate());
  EXPECT_EQ(generator.generateBullet(first.getID(), DOM::NumberingRef(ref).setListTagUUID(otherTag),
                                     Final),
            boost::none);
  EXPECT_ASSERTION((void)generator.generateBullet(first.getID(), ref, TrackChangesViewMode::Markup),
                   file, "Unsupported viewMode was met");
  EXPECT_ASSERTION(generator.modify(UUID::generate()), file, "plainPtr");
  doc.getBlocks().push_back(doc.makeParagraph());
  dynamic_cast<DOM::Paragraph&>(*doc.getBlocks().back())
      .setNumRef(DOM::NumberingRef(ref).setListTagUUID(boost::none));
  EXPECT_ASSERTION(NumListBulletGenerator{doc}, file, "opt");
}

}  // namespace
