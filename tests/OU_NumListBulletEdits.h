// Random documents and random edits for the list bullet generator, shared by its property test
// and its fuzzer. Every choice comes from `pick(n)`, a number below n: a random engine in the
// test, the fuzzer's bytes in the fuzzer. Each edit changes the document as a host would and
// tells the generator, with the predecessor a host would give.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "OfficeUtils/OU_NumListBulletGenerator.h"
#include "host/DOM/OU_Document.h"

namespace Vesk::Testing {

using Blocks = ReadonlyVector<DOM::Block>;
using Scope = OfficeUtils::NumListBulletGenerator::Scope;

// The block lists inside a table, shape or field block.
inline std::vector<Blocks*> innerBlocks(const DOM::Block& block) {
  std::vector<Blocks*> inner;
  auto& mutableBlock = const_cast<DOM::Block&>(block);
  if (auto* table = dynamic_cast<DOM::Table*>(&mutableBlock)) {
    for (auto& row : table->getRows())
      for (auto& cell : row) inner.push_back(&cell.getRawBlocks());
  } else if (auto* shape = dynamic_cast<DOM::Shape*>(&mutableBlock)) {
    inner.push_back(&shape->getTextWithTombstones().getBlocks());
  } else if (auto* field = dynamic_cast<DOM::FieldBlock*>(&mutableBlock)) {
    inner.push_back(&field->getBlocks());
  }
  return inner;
}

// Every paragraph of `blocks` in document order, inside tables, shapes and field blocks too.
inline void collectParagraphs(const Blocks& blocks, std::vector<const DOM::Paragraph*>& out) {
  for (const auto& block : blocks) {
    if (const auto* paragraph = dynamic_cast<const DOM::Paragraph*>(block.get()))
      out.push_back(paragraph);
    for (const auto* inner : innerBlocks(*block)) collectParagraphs(*inner, out);
  }
}

// Each scope's outermost blocks: the body, the headers and footers, the shape styles' texts.
inline std::vector<std::pair<Scope, Blocks*>> scopesOf(DOM::Document& doc) {
  std::vector<std::pair<Scope, Blocks*>> scopes{{Scope(), &doc.getBlocks()}};
  for (auto& pair : doc.getHeadersFooters()) {
    scopes.emplace_back(Scope(pair.getHeaderUUID()), &pair.getHeader().getBlocks());
    scopes.emplace_back(Scope(pair.getFooterUUID()), &pair.getFooter().getBlocks());
  }
  for (auto& style : doc.getStyles().getShapeStyles())
    scopes.emplace_back(Scope(style.getUUID()), &style.getTextWithTombstones().getBlocks());
  return scopes;
}

class BulletEditor {
 public:
  using Pick = std::function<std::size_t(std::size_t)>;

  // A random element's position.
  template <typename Vector>
  auto pickIn(Vector& vector) {
    return vector.begin() + static_cast<std::ptrdiff_t>(_pick(vector.size()));
  }

  // Gives the empty document its lists, list tags, text styles and shape styles; the texts come
  // with the edits.
  BulletEditor(DOM::Document& document, Pick pick) : _doc(document), _pick(std::move(pick)) {
    for (int i = 0; i < 3; ++i) {
      _lists.push_back(UUID::generate());
      _tags.emplace_back(UUID::generate());
      _doc.getNumLists().emplace_back(_lists.back(), randomLevels());
    }
    auto& styles = _doc.getStyles();
    for (int i = 0; i < 4; ++i)
      _styles.push_back(styles.getTextStyles().emplace_back(UUID::generate()).getUUID());
    for (auto& style : styles.getTextStyles()) restyle(style);
    if (_pick(3) == 0) styles.setDefaultParagraphStyleUUID(_styles[_pick(4)]);
    for (std::size_t n = _pick(3); n > 0; --n)
      styles.getShapeStyles().emplace_back(UUID::generate());
  }

  // One random edit of the document, told to the generator: blocks (with tables, shapes and field
  // blocks holding more) come or go, paragraphs and styles are drawn afresh or go, header and
  // footer pairs come or go.
  void edit(OfficeUtils::NumListBulletGenerator& generator) {
    auto scopes = scopesOf(_doc);
    const auto [scope, top] = *pickIn(scopes);
    Blocks* where = top;  // the scope's outermost blocks, or now and then a list inside them
    while (!where->empty() && _pick(2)) {
      const auto inner = innerBlocks(**pickIn(*where));
      if (inner.empty()) break;
      where = inner[_pick(inner.size())];
    }
    auto& blocks = *where;
    auto& styles = _doc.getStyles().getTextStyles();
    auto& pairs = _doc.getHeadersFooters();
    lastEdit = _pick(9);
    if (lastEdit < 2) {  // new blocks, one or a batch
      const auto count = static_cast<std::ptrdiff_t>(1 + _pick(3));
      const auto mark = _doc.makeParagraph()->getID();  // the new paragraphs' ids are larger
      auto end = blocks.begin() + static_cast<std::ptrdiff_t>(_pick(blocks.size() + 1));
      for (auto i = count; i > 0; --i) end = blocks.insert(end, randomBlock(2)) + 1;
      const auto previous =
          previousIdBefore(*top, [mark](const IDHolder::ID& id) { return id > mark; });
      if (count == 1)
        generator.insert(**(end - 1), scope, previous);
      else
        generator.insert(end - count, end, scope, previous);
    } else if (lastEdit == 2 && !blocks.empty()) {  // a block goes
      const auto at = pickIn(blocks);
      const auto* paragraph = dynamic_cast<const DOM::Paragraph*>(at->get());
      Blocks removed;
      removed.push_back(std::move(*at));
      if (paragraph && _pick(2))
        generator.remove(paragraph->getID());
      else
        generator.remove(removed);
      blocks.erase(at);
    } else if (lastEdit < 5) {  // a paragraph changes
      std::vector<const DOM::Paragraph*> paragraphs;
      collectParagraphs(blocks, paragraphs);
      if (paragraphs.empty()) return;
      auto& paragraph = const_cast<DOM::Paragraph&>(**pickIn(paragraphs));
      randomize(paragraph);
      const auto previous = previousIdBefore(
          *top, [id = paragraph.getID()](const IDHolder::ID& other) { return other == id; });
      generator.modify(paragraph, scope, previous);
    } else if (lastEdit < 7 && !styles.empty()) {  // a style changes in place or goes
      const auto at = pickIn(styles);
      if (lastEdit == 5) {
        restyle(*at);
        generator.modify(at->getUUID());
      } else {
        const DOM::NamedTextStyle removed = *at;
        styles.erase(at);
        generator.remove(removed);
      }
    } else if (lastEdit == 7) {  // a header and footer pair comes
      auto& pair = pairs.emplace_back();
      fill(pair.getHeader().getBlocks(), 1, 8);
      fill(pair.getFooter().getBlocks(), 1, 8);
      generator.insert(pair);
    } else if (lastEdit == 8 && !pairs.empty()) {  // a header and footer pair goes
      const auto at = pickIn(pairs);
      generator.remove(*at);
      pairs.erase(at);
    }
  }

  std::size_t lastEdit = 0;  // the kind of the last edit, for failure messages

 private:
  // Levels of decimal, Roman, letter and unwritten (9) numbers, or without a marker.
  std::vector<DOM::NumberingLevel> randomLevels() {
    static const char* const expressions[] = {"%1.",   "%1.%2.",   "%2)", "(%3)", "%1.%2.%3.%4",
                                              "%5-%6", "%1%7%8%9", "",    "x"};
    std::vector<DOM::NumberingLevel> levels(1 + _pick(9));
    for (auto& level : levels) {
      const std::size_t type = _pick(6);
      if (_pick(8))
        level = DOM::NumberingLevel(DOM::NumListMarker(DOM::NumberFormatType(type < 5 ? type : 9),
                                                       _pick(3), expressions[_pick(9)]));
    }
    return levels;
  }

  // A reference with a list tag; the list (known, null, unknown) or the level may be left out.
  DOM::NumberingRef randomRef(bool partial) {
    DOM::NumberingRef ref;
    ref.setListTagUUID(_tags[_pick(3)]);
    const std::size_t list = _pick(5);
    if (!partial || _pick(4))
      ref.setNumListUUID(list < 3 ? _lists[list] : list == 3 ? UUID() : UUID::generate());
    if (!partial || _pick(4)) ref.setLevel(_pick(10));
    return ref;
  }

  void restyle(DOM::NamedTextStyle& style) {
    style.setNumRef(_pick(3) ? boost::make_optional(randomRef(true)) : boost::none);
    style.setParentUUID(_pick(2) ? boost::make_optional(_styles[_pick(4)]) : boost::none);
  }

  // Numbering, style and tracking (untracked, inserted, deleted or another change); now and
  // then the mark disagrees.
  void randomize(DOM::Paragraph& paragraph) {
    paragraph.setNumRef(_pick(6) ? boost::make_optional(randomRef(_pick(3) == 0)) : boost::none);
    paragraph.setStyle(_pick(3) ? boost::none : boost::make_optional(_styles[_pick(4)]));
    const std::size_t kind = _pick(7);
    paragraph.setTracked(kind < 4 ? boost::none
                                  : boost::make_optional(DOM::TrackChangesType(kind - 4)));
    if (_pick(6) == 0) paragraph.getParaMarkStyle().setTrackChangesType(boost::none);
  }

  std::unique_ptr<DOM::Block> randomBlock(int depth) {
    const std::size_t kind = depth > 0 ? _pick(10) : 0;
    if (kind < 6) {
      auto paragraph = _doc.makeParagraph();
      randomize(*paragraph);
      return paragraph;
    }
    if (kind == 6) return std::make_unique<DOM::SectionTag>();
    std::unique_ptr<DOM::Block> block;
    if (kind == 7) block = std::make_unique<DOM::Shape>();
    if (kind == 8) block = std::make_unique<DOM::FieldBlock>();
    if (kind == 9) {
      auto table = std::make_unique<DOM::Table>();
      for (std::size_t rows = 1 + _pick(2); rows > 0; --rows)
        table->getRows().emplace_back(1 + _pick(2));
      block = std::move(table);
    }
    for (auto* inner : innerBlocks(*block)) fill(*inner, depth - 1, 3);
    return block;
  }

  void fill(Blocks& blocks, int depth, std::size_t most) {
    for (std::size_t n = _pick(most + 1); n > 0; --n) blocks.push_back(randomBlock(depth));
  }

  // What a host answers: the last paragraph of the list tag in the scope before the first
  // paragraph whose id is `fresh`.
  std::function<IDHolder::ID(const DOM::NumberingRef&)> previousIdBefore(
      const Blocks& top, std::function<bool(const IDHolder::ID&)> fresh) {
    std::vector<const DOM::Paragraph*> paragraphs;
    collectParagraphs(top, paragraphs);
    return [this, paragraphs, fresh](const DOM::NumberingRef& ref) {
      IDHolder::ID previous = NullID;
      for (const auto* paragraph : paragraphs) {
        if (fresh(paragraph->getID())) break;
        const auto own = DOM::getOverridenNumRefWithTracked(_doc.getStyles(), *paragraph,
                                                            DOM::TrackChangesViewMode::Final);
        if (own && own->getListTagUUID() == ref.getListTagUUID()) previous = paragraph->getID();
      }
      return previous;
    };
  }

  DOM::Document& _doc;
  Pick _pick;
  std::vector<UUID> _lists;
  std::vector<DOM::ListTag> _tags;
  std::vector<UUID> _styles;
};

}  // namespace Vesk::Testing
