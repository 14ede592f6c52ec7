// Random documents and random edits for the list bullet generator, shared by its property test
// and its fuzzer. Every choice comes from `pick(n)`, a number below n: a random engine in the
// test, the fuzzer's bytes in the fuzzer. Each edit changes the document as a host would and
// tells the generator, with the predecessor a host would give.
#pragma once

#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
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

// Every paragraph of `block` in document order, inside tables, shapes and field blocks too.
inline void collectParagraphs(const DOM::Block& block, std::vector<const DOM::Paragraph*>& out) {
  if (const auto* paragraph = dynamic_cast<const DOM::Paragraph*>(&block)) out.push_back(paragraph);
  for (const auto* blocks : innerBlocks(block))
    for (const auto& inner : *blocks) collectParagraphs(*inner, out);
}

inline void collectParagraphs(const Blocks& blocks, std::vector<const DOM::Paragraph*>& out) {
  for (const auto& block : blocks) collectParagraphs(*block, out);
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
  using PreviousId = std::function<IDHolder::ID(const DOM::NumberingRef&)>;

  BulletEditor(DOM::Document& document, Pick pick) : _doc(document), _pick(std::move(pick)) {}

  // Fills the empty document: lists, list tags, styles, a body, headers, footers, shape texts.
  void build() {
    for (int i = 0; i < 3; ++i) _lists.push_back(UUID::generate());
    for (int i = 0; i < 3; ++i) _tags.emplace_back(UUID::generate());
    for (const auto& uuid : _lists) _doc.getNumLists().emplace_back(uuid, randomLevels());
    for (std::size_t i = 0; i < 4; ++i) {
      _styles.push_back(UUID::generate());
      auto& style = _doc.getStyles().getTextStyles().emplace_back(_styles.back());
      if (_pick(3)) style.setNumRef(randomRef(true));
      if (i > 0 && _pick(2)) style.setParentUUID(_styles[_pick(i)]);
    }
    if (_pick(3) == 0) _doc.getStyles().setDefaultParagraphStyleUUID(_styles[_pick(4)]);
    fill(_doc.getBlocks(), 2, 12);
    for (std::size_t n = _pick(3); n > 0; --n) fill(_doc.getHeadersFooters().emplace_back());
    for (std::size_t n = _pick(2); n > 0; --n) {
      auto& style = _doc.getStyles().getShapeStyles().emplace_back(UUID::generate());
      fill(style.getTextWithTombstones().getBlocks(), 1, 12);
    }
  }

  // One random edit of the document, told to the generator.
  void edit(OfficeUtils::NumListBulletGenerator& generator) {
    struct Container {
      Blocks* blocks;
      Scope scope;
      const Blocks* top;
    };
    std::vector<Container> containers;
    std::function<void(Blocks&, const Scope&, const Blocks*)> add =
        [&](Blocks& blocks, const Scope& scope, const Blocks* top) {
          containers.push_back({&blocks, scope, top});
          for (auto& block : blocks)
            for (auto* inner : innerBlocks(*block)) add(*inner, scope, top);
        };
    for (auto& [scope, blocks] : scopesOf(_doc)) add(*blocks, scope, blocks);
    const Container& where = containers[_pick(containers.size())];
    auto& blocks = *where.blocks;
    auto& styles = _doc.getStyles().getTextStyles();
    auto& pairs = _doc.getHeadersFooters();
    lastEdit = _pick(9);
    if (lastEdit < 2) {  // new blocks, one or a batch
      const auto first = blocks.begin() + static_cast<std::ptrdiff_t>(_pick(blocks.size() + 1));
      const auto count = static_cast<std::ptrdiff_t>(1 + _pick(3));
      std::vector<std::unique_ptr<DOM::Block>> added;
      for (auto i = count; i > 0; --i) added.push_back(randomBlock(1));
      const auto at = blocks.insert(first, std::make_move_iterator(added.begin()),
                                    std::make_move_iterator(added.end()));
      std::vector<const DOM::Paragraph*> fresh;
      for (auto it = at; it != at + count; ++it) collectParagraphs(**it, fresh);
      const auto previous = previousIdBefore(*where.top, fresh);
      if (count == 1)
        generator.insert(**at, where.scope, previous);
      else
        generator.insert(at, at + count, where.scope, previous);
    } else if (lastEdit == 2 && !blocks.empty()) {  // a block goes
      const auto at = blocks.begin() + static_cast<std::ptrdiff_t>(_pick(blocks.size()));
      const auto* paragraph = dynamic_cast<const DOM::Paragraph*>(at->get());
      Blocks removed;
      removed.push_back(std::move(*at));
      if (paragraph && _pick(2))
        generator.remove(paragraph->getID());
      else
        generator.remove(removed);
      blocks.erase(at);
    } else if (lastEdit < 5) {  // a paragraph's numbering, style or tracking changes
      std::vector<const DOM::Paragraph*> paragraphs;
      collectParagraphs(blocks, paragraphs);
      if (paragraphs.empty()) return;
      auto& paragraph = const_cast<DOM::Paragraph&>(*paragraphs[_pick(paragraphs.size())]);
      const std::size_t change = _pick(4);
      if (change == 0 && paragraph.getNumRef()) {
        paragraph.setNumRef(DOM::NumberingRef(*paragraph.getNumRef()).setLevel(_pick(10)));
      } else if (change < 2) {
        paragraph.setNumRef(_pick(5) ? boost::make_optional(randomRef(true)) : boost::none);
      } else if (change == 2) {
        paragraph.setStyle(_pick(2) ? boost::make_optional(_styles[_pick(4)]) : boost::none);
      } else {
        setTracking(paragraph);
      }
      generator.modify(paragraph, where.scope, previousIdBefore(*where.top, {&paragraph}));
    } else if (lastEdit == 5 && !styles.empty()) {  // a style changes in place
      auto& style = styles[_pick(styles.size())];
      if (_pick(3))
        style.setNumRef(_pick(4) ? boost::make_optional(randomRef(true)) : boost::none);
      else
        style.setParentUUID(_pick(2) ? boost::make_optional(_styles[_pick(4)]) : boost::none);
      generator.modify(style.getUUID());
    } else if (lastEdit == 6 && !styles.empty()) {  // a style goes
      const auto at = styles.begin() + static_cast<std::ptrdiff_t>(_pick(styles.size()));
      const DOM::NamedTextStyle removed = *at;
      styles.erase(at);
      generator.remove(removed);
    } else if (lastEdit == 7) {  // a header and footer pair comes
      fill(pairs.emplace_back());
      generator.insert(pairs.back());
    } else if (lastEdit == 8 && !pairs.empty()) {  // a header and footer pair goes
      const auto at = pairs.begin() + static_cast<std::ptrdiff_t>(_pick(pairs.size()));
      generator.remove(*at);
      pairs.erase(at);
    }
  }

  std::size_t lastEdit = 0;  // the kind of the last edit, for failure messages

 private:
  std::vector<DOM::NumberingLevel> randomLevels() {
    static const char* const expressions[] = {"%1.",   "%1.%2.",   "%2)", "(%3)", "%1.%2.%3.%4",
                                              "%5-%6", "%1%7%8%9", "",    "x"};
    std::vector<DOM::NumberingLevel> levels;
    for (std::size_t n = 1 + _pick(9); n > 0; --n) {
      const std::size_t type = _pick(6);  // decimal, Roman, letters, or 9 (decimal again)
      if (_pick(8) == 0)
        levels.emplace_back();
      else
        levels.emplace_back(DOM::NumListMarker(DOM::NumberFormatType(type < 5 ? type : 9), _pick(3),
                                               expressions[_pick(9)]));
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

  // Untracked, inserted, deleted or another change; now and then the mark disagrees.
  void setTracking(DOM::Paragraph& paragraph) {
    const std::size_t kind = _pick(7);
    paragraph.setTracked(kind < 4 ? boost::none
                                  : boost::make_optional(DOM::TrackChangesType(kind - 4)));
    if (_pick(6) == 0) paragraph.getParaMarkStyle().setTrackChangesType(boost::none);
  }

  std::unique_ptr<DOM::Block> randomBlock(int depth) {
    const std::size_t kind = depth > 0 ? _pick(10) : 0;
    if (kind < 6) {
      auto paragraph = _doc.makeParagraph();
      if (_pick(6)) paragraph->setNumRef(randomRef(_pick(3) == 0));
      if (_pick(3) == 0) paragraph->setStyle(_styles[_pick(4)]);
      setTracking(*paragraph);
      return paragraph;
    }
    std::unique_ptr<DOM::Block> block;
    if (kind == 6) return std::make_unique<DOM::SectionTag>();
    if (kind == 7) {
      auto table = std::make_unique<DOM::Table>();
      for (std::size_t rows = 1 + _pick(2); rows > 0; --rows)
        table->getRows().emplace_back(1 + _pick(2));
      block = std::move(table);
    } else if (kind == 8) {
      block = std::make_unique<DOM::Shape>();
    } else {
      block = std::make_unique<DOM::FieldBlock>();
    }
    for (auto* inner : innerBlocks(*block)) fill(*inner, depth - 1, 3);
    return block;
  }

  void fill(Blocks& blocks, int depth, std::size_t most) {
    for (std::size_t n = _pick(most + 1); n > 0; --n) blocks.push_back(randomBlock(depth));
  }

  void fill(DOM::HeaderFooterPair& pair) {
    fill(pair.getHeader().getBlocks(), 1, 12);
    fill(pair.getFooter().getBlocks(), 1, 12);
  }

  // What a host answers: the last paragraph of the list tag in the scope before the first of
  // the paragraphs `fresh`.
  PreviousId previousIdBefore(const Blocks& top, const std::vector<const DOM::Paragraph*>& fresh) {
    std::set<IDHolder::ID> ids;
    for (const auto* paragraph : fresh) ids.insert(paragraph->getID());
    std::vector<const DOM::Paragraph*> paragraphs;
    collectParagraphs(top, paragraphs);
    return [this, paragraphs, ids](const DOM::NumberingRef& ref) {
      IDHolder::ID previous = NullID;
      for (const auto* paragraph : paragraphs) {
        if (ids.count(paragraph->getID())) break;
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
