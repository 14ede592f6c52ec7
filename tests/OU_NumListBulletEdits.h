// Random documents and random edits for the list bullet generator, shared by its property test
// and its fuzzer. Every choice comes from `pick(n)`, a number below n: a random engine in the
// test, the fuzzer's bytes in the fuzzer. Each edit changes the document the way a host would
// and tells the generator, with the predecessor a host would give.
#pragma once

#include <algorithm>
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

using Pick = std::function<std::size_t(std::size_t)>;
using Scope = OfficeUtils::NumListBulletGenerator::Scope;

// A container of blocks, the scope it numbers in and the scope's outermost blocks.
struct Container {
  ReadonlyVector<DOM::Block>* blocks;
  Scope scope;
  const ReadonlyVector<DOM::Block>* top;
};

inline void collectParagraphs(const ReadonlyVector<DOM::Block>& blocks,
                              std::vector<const DOM::Paragraph*>& out);

// Every paragraph of `block` in document order, inside tables, shapes and field blocks too.
inline void collectParagraphs(const DOM::Block& block, std::vector<const DOM::Paragraph*>& out) {
  if (const auto* paragraph = dynamic_cast<const DOM::Paragraph*>(&block)) {
    out.push_back(paragraph);
  } else if (const auto* table = dynamic_cast<const DOM::Table*>(&block)) {
    for (const auto& row : table->getRows())
      for (const auto& cell : row) collectParagraphs(cell.getRawBlocks(), out);
  } else if (const auto* shape = dynamic_cast<const DOM::Shape*>(&block)) {
    collectParagraphs(shape->getTextWithTombstones().getBlocks(), out);
  } else if (const auto* field = dynamic_cast<const DOM::FieldBlock*>(&block)) {
    collectParagraphs(field->getBlocks(), out);
  }
}

inline void collectParagraphs(const ReadonlyVector<DOM::Block>& blocks,
                              std::vector<const DOM::Paragraph*>& out) {
  for (const auto& block : blocks) collectParagraphs(*block, out);
}

// Each scope's outermost blocks: the body, the headers and footers, the shape styles' texts.
inline std::vector<std::pair<Scope, ReadonlyVector<DOM::Block>*>> scopesOf(DOM::Document& doc) {
  std::vector<std::pair<Scope, ReadonlyVector<DOM::Block>*>> scopes{{Scope(), &doc.getBlocks()}};
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
  BulletEditor(DOM::Document& document, Pick pick) : _doc(document), _pick(std::move(pick)) {}

  // Fills the empty document: lists, list tags, styles, a body, headers, footers, shape texts.
  void build() {
    for (int i = 0; i < 3; ++i) _lists.push_back(UUID::generate());
    for (int i = 0; i < 3; ++i) _tags.emplace_back(UUID::generate());
    for (const auto& uuid : _lists) _doc.getNumLists().emplace_back(uuid, randomLevels());
    for (int i = 0; i < 4; ++i) {
      _styles.push_back(UUID::generate());
      auto& style = _doc.getStyles().getTextStyles().emplace_back(_styles.back());
      if (_pick(3)) style.setNumRef(randomRef(true));
      if (i > 0 && _pick(2)) style.setParentUUID(_styles[_pick(i)]);
    }
    if (_pick(3) == 0) _doc.getStyles().setDefaultParagraphStyleUUID(_styles[_pick(4)]);
    fill(_doc.getBlocks(), 2);
    for (std::size_t n = _pick(3); n > 0; --n) {
      auto& pair = _doc.getHeadersFooters().emplace_back();
      fill(pair.getHeader().getBlocks(), 1);
      fill(pair.getFooter().getBlocks(), 1);
    }
    for (std::size_t n = _pick(2); n > 0; --n) {
      auto& style = _doc.getStyles().getShapeStyles().emplace_back(UUID::generate());
      fill(style.getTextWithTombstones().getBlocks(), 1);
    }
  }

  // One random edit of the document, told to the generator.
  void edit(OfficeUtils::NumListBulletGenerator& generator) {
    const auto containers = allContainers();
    const Container& where = containers[_pick(containers.size())];
    auto& blocks = *where.blocks;
    const std::size_t kind = _pick(9);
    lastEdit = std::to_string(kind);
    switch (kind) {
      case 0:
      case 1: {  // new blocks, one or a batch, among any
        const std::size_t at = _pick(blocks.size() + 1);
        const std::size_t count = 1 + _pick(3);
        for (std::size_t i = 0; i < count; ++i)
          blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(at + i), randomBlock(1));
        const auto first = blocks.begin() + static_cast<std::ptrdiff_t>(at);
        const auto previous =
            previousIdOf(where, first, first + static_cast<std::ptrdiff_t>(count));
        if (count == 1)
          generator.insert(**first, where.scope, previous);
        else
          generator.insert(first, first + static_cast<std::ptrdiff_t>(count), where.scope,
                           previous);
        break;
      }
      case 2: {  // a block goes
        if (blocks.empty()) break;
        const auto at = blocks.begin() + static_cast<std::ptrdiff_t>(_pick(blocks.size()));
        const auto* paragraph = dynamic_cast<const DOM::Paragraph*>(at->get());
        if (paragraph && _pick(2)) {
          generator.remove(paragraph->getID());
        } else {
          ReadonlyVector<DOM::Block> removed;
          removed.push_back(std::move(*at));
          generator.remove(removed);
        }
        blocks.erase(at);
        break;
      }
      case 3:
      case 4: {  // a paragraph's numbering, style or tracking changes
        std::vector<const DOM::Paragraph*> paragraphs;
        collectParagraphs(blocks, paragraphs);
        if (paragraphs.empty()) break;
        auto& paragraph = const_cast<DOM::Paragraph&>(*paragraphs[_pick(paragraphs.size())]);
        changeParagraph(paragraph);
        const auto self = paragraph.getID();
        generator.modify(paragraph, where.scope, previousIdBefore(where, {self}));
        break;
      }
      case 5: {  // a style changes in place
        auto& styles = _doc.getStyles().getTextStyles();
        if (styles.empty()) break;
        auto& style = styles[_pick(styles.size())];
        if (_pick(3))
          style.setNumRef(_pick(4) ? boost::make_optional(randomRef(true)) : boost::none);
        else
          style.setParentUUID(_pick(2) ? boost::make_optional(_styles[_pick(_styles.size())])
                                       : boost::none);
        generator.modify(style.getUUID());
        break;
      }
      case 6: {  // a style goes
        auto& styles = _doc.getStyles().getTextStyles();
        if (styles.empty()) break;
        const auto at = styles.begin() + static_cast<std::ptrdiff_t>(_pick(styles.size()));
        const DOM::NamedTextStyle removed = *at;
        styles.erase(at);
        generator.remove(removed);
        break;
      }
      case 7: {  // a header and footer pair comes
        DOM::HeaderFooterPair pair;
        fill(pair.getHeader().getBlocks(), 1);
        fill(pair.getFooter().getBlocks(), 1);
        _doc.getHeadersFooters().push_back(std::move(pair));
        generator.insert(_doc.getHeadersFooters().back());
        break;
      }
      default: {  // a header and footer pair goes
        auto& pairs = _doc.getHeadersFooters();
        if (pairs.empty()) break;
        const auto at = pairs.begin() + static_cast<std::ptrdiff_t>(_pick(pairs.size()));
        generator.remove(*at);
        pairs.erase(at);
        break;
      }
    }
  }

  std::string lastEdit;  // the kind of the last edit, for failure messages

 private:
  std::vector<DOM::NumberingLevel> randomLevels() {
    static const char* const expressions[] = {"%1.",   "%1.%2.",   "%2)", "(%3)", "%1.%2.%3.%4",
                                              "%5-%6", "%1%7%8%9", "",    "x"};
    static const DOM::NumberFormatType types[] = {
        DOM::NumberFormatType::Decimal,     DOM::NumberFormatType::UpperRoman,
        DOM::NumberFormatType::LowerRoman,  DOM::NumberFormatType::UpperLetter,
        DOM::NumberFormatType::LowerLetter, static_cast<DOM::NumberFormatType>(9)};
    std::vector<DOM::NumberingLevel> levels;
    for (std::size_t n = 1 + _pick(9); n > 0; --n) {
      if (_pick(8) == 0) {
        levels.emplace_back();
      } else {
        levels.emplace_back(DOM::NumListMarker(types[_pick(6)], _pick(3),
                                               expressions[_pick(std::size(expressions))]));
      }
    }
    return levels;
  }

  // A reference with a list tag; the list or the level may be left to the styles.
  DOM::NumberingRef randomRef(bool partial) {
    DOM::NumberingRef ref;
    ref.setListTagUUID(_tags[_pick(_tags.size())]);
    if (!partial || _pick(4)) {
      const std::size_t which = _pick(_lists.size() + 2);
      ref.setNumListUUID(which < _lists.size()    ? _lists[which]
                         : which == _lists.size() ? UUID()
                                                  : UUID::generate());
    }
    if (!partial || _pick(4)) ref.setLevel(_pick(10));
    return ref;
  }

  void changeParagraph(DOM::Paragraph& paragraph) {
    switch (_pick(4)) {
      case 0:
        if (paragraph.getNumRef()) {
          auto ref = *paragraph.getNumRef();
          paragraph.setNumRef(ref.setLevel(_pick(10)));
          break;
        }
        [[fallthrough]];
      case 1:
        paragraph.setNumRef(_pick(5) ? boost::make_optional(randomRef(true)) : boost::none);
        break;
      case 2:
        paragraph.setStyle(_pick(2) ? boost::make_optional(_styles[_pick(_styles.size())])
                                    : boost::none);
        break;
      default:
        setTracking(paragraph);
        break;
    }
  }

  void setTracking(DOM::Paragraph& paragraph) {
    const std::size_t kind = _pick(7);
    paragraph.setTracked(kind < 4 ? boost::none
                         : kind < 6
                             ? boost::make_optional(static_cast<DOM::TrackChangesType>(kind - 4))
                             : boost::make_optional(static_cast<DOM::TrackChangesType>(2)));
    // Only a paragraph whose mark carries the same change counts as tracked.
    if (_pick(6) == 0) paragraph.getParaMarkStyle().setTrackChangesType(boost::none);
  }

  std::unique_ptr<DOM::Paragraph> randomParagraph() {
    auto paragraph = _doc.makeParagraph();
    if (_pick(6)) paragraph->setNumRef(randomRef(_pick(3) == 0));
    if (_pick(3) == 0) paragraph->setStyle(_styles[_pick(_styles.size())]);
    setTracking(*paragraph);
    return paragraph;
  }

  std::unique_ptr<DOM::Block> randomBlock(int depth) {
    const std::size_t kind = depth > 0 ? _pick(10) : 0;
    if (kind < 6) return randomParagraph();
    if (kind == 6) return std::make_unique<DOM::SectionTag>();
    if (kind == 7) {
      auto table = std::make_unique<DOM::Table>();
      for (std::size_t rows = 1 + _pick(2); rows > 0; --rows) {
        auto& row = table->getRows().emplace_back(1 + _pick(2));
        for (auto& cell : row) fill(cell.getRawBlocks(), depth - 1, 3);
      }
      return table;
    }
    if (kind == 8) {
      auto shape = std::make_unique<DOM::Shape>();
      fill(shape->getTextWithTombstones().getBlocks(), depth - 1, 3);
      return shape;
    }
    auto field = std::make_unique<DOM::FieldBlock>();
    fill(field->getBlocks(), depth - 1, 3);
    return field;
  }

  void fill(ReadonlyVector<DOM::Block>& blocks, int depth, std::size_t most = 12) {
    for (std::size_t n = _pick(most + 1); n > 0; --n) blocks.push_back(randomBlock(depth));
  }

  void addContainers(ReadonlyVector<DOM::Block>& blocks, const Scope& scope,
                     const ReadonlyVector<DOM::Block>* top, std::vector<Container>& out) {
    out.push_back({&blocks, scope, top});
    for (auto& block : blocks) {
      if (auto* table = dynamic_cast<DOM::Table*>(block.get())) {
        for (auto& row : table->getRows())
          for (auto& cell : row) addContainers(cell.getRawBlocks(), scope, top, out);
      } else if (auto* shape = dynamic_cast<DOM::Shape*>(block.get())) {
        addContainers(shape->getTextWithTombstones().getBlocks(), scope, top, out);
      } else if (auto* field = dynamic_cast<DOM::FieldBlock*>(block.get())) {
        addContainers(field->getBlocks(), scope, top, out);
      }
    }
  }

  std::vector<Container> allContainers() {
    std::vector<Container> containers;
    for (auto& [scope, blocks] : scopesOf(_doc)) addContainers(*blocks, scope, blocks, containers);
    return containers;
  }

  // What a host answers: the last numbered paragraph of the list tag in the scope before the
  // first of the paragraphs `fresh`.
  std::function<IDHolder::ID(const DOM::NumberingRef&)> previousIdBefore(
      const Container& where, std::set<IDHolder::ID> fresh) {
    std::vector<const DOM::Paragraph*> paragraphs;
    collectParagraphs(*where.top, paragraphs);
    return [this, paragraphs, fresh](const DOM::NumberingRef& ref) {
      IDHolder::ID previous = NullID;
      for (const auto* paragraph : paragraphs) {
        if (fresh.count(paragraph->getID())) break;
        const auto own = DOM::getOverridenNumRefWithTracked(_doc.getStyles(), *paragraph,
                                                            DOM::TrackChangesViewMode::Final);
        if (own && own->getListTagUUID() == ref.getListTagUUID()) previous = paragraph->getID();
      }
      return previous;
    };
  }

  template <typename Iterator>
  std::function<IDHolder::ID(const DOM::NumberingRef&)> previousIdOf(const Container& where,
                                                                     Iterator first,
                                                                     Iterator last) {
    std::vector<const DOM::Paragraph*> inserted;
    for (auto it = first; it != last; ++it) collectParagraphs(**it, inserted);
    std::set<IDHolder::ID> fresh;
    for (const auto* paragraph : inserted) fresh.insert(paragraph->getID());
    return previousIdBefore(where, std::move(fresh));
  }

  DOM::Document& _doc;
  Pick _pick;
  std::vector<UUID> _lists;
  std::vector<DOM::ListTag> _tags;
  std::vector<UUID> _styles;
};

}  // namespace Vesk::Testing
