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
using DOM::TrackChangesType;
using DOM::TrackChangesViewMode;

constexpr TrackChangesViewMode Views[] = {
    TrackChangesViewMode::Original, TrackChangesViewMode::Final, TrackChangesViewMode::All,
    static_cast<TrackChangesViewMode>(3), static_cast<TrackChangesViewMode>(6)};

using Vesk::Testing::PropertyScale;

DOM::NumberingRef effectiveRef(const DOM::Document& doc, const DOM::Paragraph& paragraph) {
  return *DOM::getOverridenNumRefWithTracked(doc.getStyles(), paragraph,
                                             TrackChangesViewMode::Final);
}

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

// The bullet `ref` shows when its levels have counted `before` items in the view.
std::string referenceBullet(const DOM::Document& doc, const DOM::NumberingRef& ref,
                            const std::vector<std::size_t>& before) {
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
                                  indexToString(start + before[level], type));
  }
  return text;
}

// The bullets of a document renumbered from scratch, as `bullets` writes them: each (scope,
// list tag) sequence of paragraphs is walked in order with one counter per level. A paragraph
// deeper than the open levels opens each missing level with an item of its own tracking, as a
// placeholder.
std::string referenceBullets(DOM::Document& doc, TrackChangesViewMode view) {
  struct Level {
    bool open = false;
    std::size_t total = 0, before = 0;
  };
  // Every item in a view of everything; else untracked items and the view's kind of change.
  const int bits = static_cast<int>(view);
  const auto shown = bits == 7  ? boost::none
                     : bits & 4 ? boost::make_optional(TrackChangesType::Insertion)
                                : boost::make_optional(TrackChangesType::Deletion);
  std::map<std::pair<const void*, DOM::ListTag>, std::vector<Level>> sequences;
  return joined(doc, [&](const void* scope, const DOM::Paragraph& paragraph,
                         const DOM::NumberingRef& ref) {
    auto& levels = sequences[{scope, *ref.getListTagUUID()}];
    const std::size_t depth = ref.getLevel().value_or(0);
    if (levels.size() <= depth) levels.resize(depth + 1);
    const auto& own = paragraph.getTrackChangesType();
    const auto type = own == paragraph.getParaMarkStyle().getTrackChangesType() ? own : boost::none;
    for (std::size_t level = 0; level <= depth; ++level) {
      if (levels[level].open && level < depth) continue;
      levels[level].before = levels[level].total;
      levels[level].total += !type || !shown || *type == *shown;
      levels[level].open = true;
    }
    levels.resize(depth + 1);
    std::vector<std::size_t> before;
    for (const auto& level : levels) before.push_back(level.before);
    return referenceBullet(doc, ref, before);
  });
}

TEST(NumListBulletGenerator, EditsKeepTheBulletsOfAFreshBuildAndOfRenumberingFromScratch) {
  std::mt19937 random(18);
  for (int round = 0; round < 40 / PropertyScale; ++round) {
    DOM::Document doc;
    Testing::BulletEditor editor(doc, [&](std::size_t n) { return random() % n; });
    editor.build();
    NumListBulletGenerator generator(doc);
    for (int step = 0; step <= 30; ++step) {
      SCOPED_TRACE(fmt::format("round {} step {}", round, step));
      if (step > 0) editor.edit(generator);
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

TEST(NumListBulletGenerator, BulletsOfOutlines) {
  constexpr auto Final = TrackChangesViewMode::Final;
  constexpr auto Original = TrackChangesViewMode::Original;
  const struct {
    const char* outline;
    TrackChangesViewMode view;
    const char* expected;
  } cases[] = {
      // A skipped level opens with a placeholder that counts, tracked as its item.
      {"list L 1:1:%1. 1:1:%1.%2\n  L a\nL b", Final, "1.1|2."},
      {"list L\n  +L a\nL b", Original, "1.1.|1."},
      {"list L\n+L a\n-L b\nL c", TrackChangesViewMode::All, "1.|2.|3."},
      {"list L I:1:%1) a:0:%2\nL a\nL b\n  L c\n  L d\n    L e", Final, "I)|II)||a|"},
      // Lists count apart unless they share a list tag; each scope counts on its own.
      {"list L\nlist M\nL a\nM b\nL c\nM/L d", Final, "1.|1.|2.|3."},
      {"list L\nL a\nL b\nheader\nL c\nfooter\n. d\nL e", Final, "1.|2.|1.|.|1."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outline);
    auto doc = DOM::readOutline(c.outline);
    ASSERT_TRUE(doc);
    EXPECT_EQ(bullets(*doc, NumListBulletGenerator(*doc), c.view), c.expected);
  }
}

TEST(NumListBulletGenerator, SheetRowStylesNumberInTheirScopeAndLeaveWithTheirParagraphs) {
  auto doc = *DOM::readOutline("list L\nL a\nL b");
  NumListBulletGenerator generator(doc);
  const auto ref = effectiveRef(doc, dynamic_cast<const DOM::Paragraph&>(*doc.getBlocks()[1]));
  DOM::RowStyles rows;
  auto& cell = rows[3].getCell().getRawBlocks();
  auto paragraph = doc.makeParagraph();
  paragraph->setNumRef(ref);
  const auto id = paragraph->getID();
  cell.push_back(std::move(paragraph));
  generator.insert(cell, NumListBulletGenerator::Scope(UUID::generate()),
                   [](const DOM::NumberingRef&) { return NullID; });
  EXPECT_EQ(generator.generateBullet(id, ref, TrackChangesViewMode::Final), std::string("1."));
  generator.remove(rows);
  EXPECT_ASSERTION((void)generator.generateBullet(id, ref, TrackChangesViewMode::Final),
                   "OfficeUtils/OU_NumListBulletGenerator",
                   "Object with id does not exist in cache");
}

TEST(NumListBulletGenerator, UnknownListTagGivesNoneAndMisuseAsserts) {
  auto doc = *DOM::readOutline("list L\nL a");
  const auto& first = dynamic_cast<const DOM::Paragraph&>(*doc.getBlocks()[0]);
  const NumListBulletGenerator generator(doc);
  const auto ref = effectiveRef(doc, first);
  // Unknown and null lists are met by the edit property; an unknown list tag is not.
  EXPECT_EQ(
      generator.generateBullet(
          first.getID(), DOM::NumberingRef(ref).setListTagUUID(DOM::ListTag(UUID::generate())),
          TrackChangesViewMode::Final),
      boost::none);

  const std::string file = "OfficeUtils/OU_NumListBulletGenerator";
  EXPECT_ASSERTION(
      (void)generator.generateBullet(first.getID(), ref, DOM::TrackChangesViewMode::Markup), file,
      "Unsupported viewMode was met");
  EXPECT_ASSERTION(NumListBulletGenerator(doc).modify(UUID::generate()), file, "plainPtr");
  auto untagged = doc.makeParagraph();
  untagged->setNumRef(DOM::NumberingRef(ref).setListTagUUID(boost::none));
  doc.getBlocks().push_back(std::move(untagged));
  EXPECT_ASSERTION(NumListBulletGenerator{doc}, file, "opt");
}

}  // namespace
