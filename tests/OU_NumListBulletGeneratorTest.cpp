#include "OfficeUtils/OU_NumListBulletGenerator.h"

#include <array>
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

// The bullets of a document renumbered from scratch: each (scope, list tag) sequence of
// paragraphs is walked in order with one counter per level and per view. A paragraph deeper than
// the open levels opens each missing level with an item of its own tracking, as a placeholder.
class ReferenceBullets {
 public:
  struct Entry {
    const DOM::Paragraph* paragraph;
    DOM::NumberingRef ref;
    std::array<boost::optional<std::string>, std::size(Views)> bullets;
  };

  explicit ReferenceBullets(DOM::Document& doc) {
    for (auto& [scope, blocks] : Testing::scopesOf(doc)) {
      std::vector<const DOM::Paragraph*> paragraphs;
      Testing::collectParagraphs(*blocks, paragraphs);
      std::map<DOM::ListTag, std::vector<Level>> sequences;
      for (const auto* paragraph : paragraphs) {
        const auto ref = DOM::getOverridenNumRefWithTracked(doc.getStyles(), *paragraph,
                                                            TrackChangesViewMode::Final);
        if (!ref) continue;
        auto& levels = sequences[*ref->getListTagUUID()];
        const std::size_t depth = ref->getLevel().value_or(0);
        if (levels.size() <= depth) levels.resize(depth + 1);
        const auto& own = paragraph->getTrackChangesType();
        const auto type =
            own == paragraph->getParaMarkStyle().getTrackChangesType() ? own : boost::none;
        for (std::size_t level = 0; level <= depth; ++level) {
          if (levels[level].open && level < depth) continue;
          levels[level].before = levels[level].total;
          for (std::size_t view = 0; view < 3; ++view)
            levels[level].total[view] += counts(view, type);
          levels[level].open = true;
        }
        for (std::size_t level = depth + 1; level < levels.size(); ++level) levels[level] = {};
        Entry entry{paragraph, *ref, {}};
        for (std::size_t v = 0; v < std::size(Views); ++v)
          entry.bullets[v] = bullet(doc, *ref, levels, viewIndex(Views[v]));
        entries.push_back(std::move(entry));
      }
    }
  }

  std::vector<Entry> entries;

 private:
  struct Level {
    bool open = false;
    std::array<std::size_t, 3> total{}, before{};
  };

  static std::size_t viewIndex(TrackChangesViewMode mode) {
    const int bits = static_cast<int>(mode);
    return bits == 7 ? 0 : (bits & 4) ? 1 : 2;
  }

  static bool counts(std::size_t view, const boost::optional<TrackChangesType>& type) {
    if (view == 0 || !type) return true;
    return *type == (view == 1 ? TrackChangesType::Insertion : TrackChangesType::Deletion);
  }

  static boost::optional<std::string> bullet(const DOM::Document& doc, const DOM::NumberingRef& ref,
                                             const std::vector<Level>& levels, std::size_t view) {
    if (!ref.getNumListUUID() || *ref.getNumListUUID() == UUID()) return boost::none;
    const auto* list = doc.findNumList(*ref.getNumListUUID());
    if (!list) return boost::none;
    const auto& markers = list->getNumberingLevels();
    const std::size_t depth = ref.getLevel().value_or(0);
    if (depth >= markers.size() || !markers[depth].getListMarker()) return std::string();
    std::string text = markers[depth].getListMarker()->getTextExpr().value_or("");
    for (std::size_t level = depth + 1; level-- > 0 && !text.empty();) {
      const auto& marker = markers[level].getListMarker();
      const auto type = marker ? marker->getType().value_or(DOM::NumberFormatType::Decimal)
                               : DOM::NumberFormatType::Decimal;
      if (static_cast<int>(type) > 4) continue;
      const std::size_t start = marker ? marker->getStartIndex().value_or(0) : 0;
      boost::algorithm::replace_all(text, fmt::format("%{}", level + 1),
                                    indexToString(start + levels[level].before[view], type));
    }
    return text;
  }
};

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
      for (const auto& entry : ReferenceBullets(doc).entries) {
        for (std::size_t v = 0; v < std::size(Views); ++v) {
          const auto id = entry.paragraph->getID();
          ASSERT_EQ(fresh.generateBullet(id, entry.ref, Views[v]), entry.bullets[v])
              << "paragraph " << id.value << " view " << static_cast<int>(Views[v]);
          ASSERT_EQ(generator.generateBullet(id, entry.ref, Views[v]), entry.bullets[v])
              << "paragraph " << id.value << " view " << static_cast<int>(Views[v])
              << " after an edit of kind " << editor.lastEdit;
        }
      }
    }
  }
}

// The bullets of every paragraph of an outline, body first, "|" between them; "none" where
// the generator gives none and "." for a paragraph without numbering.
std::string bullets(const DOM::Document& doc, const NumListBulletGenerator& generator,
                    TrackChangesViewMode view) {
  std::vector<std::string> texts;
  for (auto& [scope, blocks] : Testing::scopesOf(const_cast<DOM::Document&>(doc))) {
    std::vector<const DOM::Paragraph*> paragraphs;
    Testing::collectParagraphs(*blocks, paragraphs);
    for (const auto* paragraph : paragraphs) {
      const auto ref = DOM::getOverridenNumRefWithTracked(doc.getStyles(), *paragraph, view);
      texts.push_back(
          !ref ? "." : generator.generateBullet(paragraph->getID(), *ref, view).value_or("none"));
    }
  }
  return fmt::format("{}", fmt::join(texts, "|"));
}

TEST(NumListBulletGenerator, BulletsOfOutlines) {
  constexpr auto Final = TrackChangesViewMode::Final;
  constexpr auto Original = TrackChangesViewMode::Original;
  const struct {
    const char* outline;
    TrackChangesViewMode view;
    const char* expected;
  } cases[] = {
      {"list L 1:1:%1. 1:1:%1.%2\nL a\n  L b\n  L c", Final, "1.|1.1|1.2"},
      // A skipped level opens with a placeholder that counts.
      {"list L 1:1:%1. 1:1:%1.%2\n  L a\nL b", Final, "1.1|2."},
      {"list L\nL a\n    L b\n  L c\n    L d", Final, "1.|1.1.1.|1.2.|1.2.1."},
      {"list L\n+L a\nL b", Original, "1.|1."},
      {"list L\n+L a\n-L b\nL c", TrackChangesViewMode::All, "1.|2.|3."},
      {"list L\n  +L a\nL b", Original, "1.1.|1."},  // the placeholder is tracked as its item
      {"list L I:1:%1) a:0:%2\nL a\nL b\n  L c\n  L d\n    L e", Final, "I)|II)||a|"},
      {"list L 1:1:%1.%1\nL a\nL b", Final, "1.1|2.2"},
      // Lists count apart unless they share a list tag; each scope counts on its own.
      {"list L\nlist M\nL a\nM b\nL c\nM/L d", Final, "1.|1.|2.|3."},
      {"list L\nL a\nL b\nheader\nL c\nfooter\n. d\nL e", Final, "1.|2.|1.|.|1."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outline);
    const auto doc = DOM::readOutline(c.outline);
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

TEST(NumListBulletGenerator, UnknownListsGiveNoneAndMisuseAsserts) {
  auto doc = *DOM::readOutline("list L\nL a");
  const auto& first = dynamic_cast<const DOM::Paragraph&>(*doc.getBlocks()[0]);
  const NumListBulletGenerator generator(doc);
  const auto ref = effectiveRef(doc, first);
  auto other = ref;
  EXPECT_EQ(generator.generateBullet(first.getID(), other.setNumListUUID(UUID::generate()),
                                     TrackChangesViewMode::Final),
            boost::none);
  EXPECT_EQ(generator.generateBullet(first.getID(), other.setNumListUUID(UUID()),
                                     TrackChangesViewMode::Final),
            boost::none);
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
