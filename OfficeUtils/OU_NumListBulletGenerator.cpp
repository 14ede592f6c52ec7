#include "OfficeUtils/OU_NumListBulletGenerator.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include <boost/algorithm/string/replace.hpp>
#include <fmt/format.h>

#include "OfficeUtils/OU_Assert.h"
#include "OfficeUtils/Utils/OU_TextUtils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/OU_NumListBulletGenerator";

using DOM::TrackChangesType;
using Node = NumListBulletGenerator::Node;
using TrackChanges = boost::optional<TrackChangesType>;

// Which views count an item: every view, the final one (no deletions), the original one (no
// insertions). A change of another type counts in neither of the two.
constexpr std::array<bool (*)(const TrackChanges&), 3> Counts = {
    [](const TrackChanges&) { return true; },
    [](const TrackChanges& type) { return !type || *type == TrackChangesType::Insertion; },
    [](const TrackChanges& type) { return !type || *type == TrackChangesType::Deletion; },
};

std::size_t countIndex(DOM::TrackChangesViewMode viewMode) {
  const auto bits = static_cast<unsigned>(viewMode);
  if ((bits & 7) == 7) return 0;
  if (bits & 4) return 1;
  if (bits & 2) return 2;
  OU_FAIL("Unsupported viewMode was met");
}

bool isPlaceholder(const Node& node) {
  return node.paraID == NullID && node.parent;
}

// Recomputes the positions and counts of `parent`'s children from `from` on, then, since a
// placeholder's type is that of its first item, the same above each placeholder whose first
// item changed.
void renumber(Node* parent, std::size_t from) {
  while (true) {
    auto& children = parent->children;
    for (std::size_t i = from; i < children.size(); ++i) {
      Node& child = *children[i];
      child.position = i;
      child.parent = parent;
      child.countedBefore = {};
      if (i == 0) continue;
      const Node& previous = *children[i - 1];
      for (std::size_t view = 0; view < Counts.size(); ++view)
        child.countedBefore[view] =
            previous.countedBefore[view] + (Counts[view](previous.trackChangesType) ? 1 : 0);
    }
    if (from != 0 || parent->paraID != NullID || children.empty()) return;
    parent->trackChangesType = children.front()->trackChangesType;  // the root's is unused
    if (!parent->parent) return;
    from = parent->position;
    parent = parent->parent;
  }
}

// Moves `source`'s children to the end of `target`'s, returning where they start.
std::size_t moveChildren(Node& source, Node& target) {
  const std::size_t start = target.children.size();
  std::move(source.children.begin(), source.children.end(), std::back_inserter(target.children));
  source.children.clear();
  renumber(&target, start);
  return start;
}

std::unique_ptr<Node> takeOut(Node& node) {
  Node* parent = node.parent;
  const std::size_t position = node.position;
  auto owned = std::move(parent->children[position]);
  parent->children.erase(parent->children.begin() + static_cast<std::ptrdiff_t>(position));
  renumber(parent, position);
  return owned;
}

void addToIndex(std::vector<Node*>& paraIDs, Node* node) {
  const auto at =
      std::lower_bound(paraIDs.begin(), paraIDs.end(), node->paraID,
                       [](const Node* n, const IDHolder::ID& id) { return n->paraID < id; });
  paraIDs.insert(at, node);
}

std::vector<Node*>::const_iterator findInIndex(const std::vector<Node*>& paraIDs,
                                               const IDHolder::ID& paraID) {
  const auto it =
      std::lower_bound(paraIDs.begin(), paraIDs.end(), paraID,
                       [](const Node* n, const IDHolder::ID& id) { return n->paraID < id; });
  return it != paraIDs.end() && (*it)->paraID == paraID ? it : paraIDs.end();
}

TrackChanges trackChangesOf(const DOM::Paragraph& paragraph) {
  const auto& own = paragraph.getTrackChangesType();
  return own && own == paragraph.getParaMarkStyle().getTrackChangesType() ? own : boost::none;
}

// Calls `action` for every paragraph of `blocks` in document order, inside tables, shapes and
// field blocks too.
class ParagraphWalker : public DOM::BlockVisitor {
 public:
  explicit ParagraphWalker(CallableRef<void(const DOM::Paragraph&)> action) : _action(action) {}

  void walk(const ReadonlyVector<DOM::Block>& blocks) {
    for (const auto& block : blocks) block->accept(*this);
  }
  void visit(const DOM::Paragraph& paragraph) override { _action(paragraph); }
  void visit(const DOM::Table& table) override {
    for (const auto& row : table.getRows())
      for (const auto& cell : row) walk(cell.getRawBlocks());
  }
  void visit(const DOM::SectionTag&) override {}
  void visit(const DOM::Shape& shape) override { walk(shape.getTextWithTombstones().getBlocks()); }
  void visit(const DOM::FieldBlock& field) override { walk(field.getBlocks()); }

 private:
  CallableRef<void(const DOM::Paragraph&)> _action;
};

void forEachParagraph(const ReadonlyVector<DOM::Block>& blocks,
                      CallableRef<void(const DOM::Paragraph&)> action) {
  ParagraphWalker(action).walk(blocks);
}

enum class HeaderFooterType { Header, Footer };

const DOM::TextWithTombstones& partOf(const DOM::HeaderFooterPair& pair, HeaderFooterType type) {
  switch (type) {
    case HeaderFooterType::Header:
      return pair.getHeader();
    case HeaderFooterType::Footer:
      return pair.getFooter();
  }
  OU_FAIL("Unknown header footer type");
}

NumListBulletGenerator::Scope scopeOf(const DOM::HeaderFooterPair& pair, HeaderFooterType type) {
  switch (type) {
    case HeaderFooterType::Header:
      return NumListBulletGenerator::Scope(pair.getHeaderUUID());
    case HeaderFooterType::Footer:
      return NumListBulletGenerator::Scope(pair.getFooterUUID());
  }
  OU_FAIL("Unknown header footer type");
}

constexpr HeaderFooterType PairParts[] = {HeaderFooterType::Header, HeaderFooterType::Footer};

}  // namespace

NumListBulletGenerator::Node::Node(Node* parent, IDHolder::ID&& id,
                                   boost::optional<DOM::TrackChangesType>&& type)
    : parent(parent), paraID(id), trackChangesType(type) {}

std::vector<std::unique_ptr<Node>>::iterator NumListBulletGenerator::Node::findSubNode(
    Node* child) {
  return std::find_if(children.begin(), children.end(),
                      [child](const std::unique_ptr<Node>& n) { return n.get() == child; });
}

boost::optional<std::size_t> NumListBulletGenerator::Node::getLevel() const {
  if (!parent) return boost::none;
  std::size_t ancestors = 0;
  for (const Node* node = parent; node; node = node->parent) ++ancestors;
  return ancestors - 1;
}

NumListBulletGenerator::NumListBulletGenerator(const DOM::Document& document)
    : _document(document) {
  auto append = [this](const DOM::Paragraph& paragraph) { this->append(paragraph); };
  _scope = Scope();
  forEachParagraph(document.getBlocks(), append);
  for (const auto& pair : document.getHeadersFooters()) {
    for (const auto part : PairParts) {
      _scope = scopeOf(pair, part);
      forEachParagraph(partOf(pair, part).getBlocks(), append);
    }
  }
  for (const auto& style : document.getStyles().getShapeStyles()) {
    _scope = Scope(style.getUUID());
    forEachParagraph(style.getTextWithTombstones().getBlocks(), append);
  }
  _scope = Scope();
}

NumListBulletGenerator::CacheValue& NumListBulletGenerator::getCacheValue(const ListTag& listTag,
                                                                          const Scope& scope) {
  for (auto [it, end] = _cache.equal_range(listTag); it != end; ++it)
    if (it->second.scope == scope) return it->second;
  auto root = std::make_unique<Node>(nullptr, IDHolder::ID(NullID), boost::none);
  return _cache.emplace(listTag, CacheValue{scope, std::move(root), {}})->second;
}

Node* NumListBulletGenerator::insertNode(Node* parent, std::size_t position,
                                         std::unique_ptr<Node> node, std::vector<Node*>& paraIDs) {
  Node* inserted = node.get();
  parent->children.insert(parent->children.begin() + static_cast<std::ptrdiff_t>(position),
                          std::move(node));
  renumber(parent, position);
  if (inserted->paraID != NullID) addToIndex(paraIDs, inserted);
  return inserted;
}

boost::optional<NumListBulletGenerator::ListPlace> NumListBulletGenerator::findListPlace(
    const DOM::Paragraph& paragraph) {
  auto numRef = DOM::getOverridenNumRefWithTracked(_document.getStyles(), paragraph,
                                                   DOM::TrackChangesViewMode::Final);
  if (!numRef) return boost::none;
  const auto& opt = numRef->getListTagUUID();
  OU_ASSERT(opt);
  CacheValue& tree = getCacheValue(*opt, _scope);
  return ListPlace{std::move(*numRef), &tree};
}

void NumListBulletGenerator::append(const DOM::Paragraph& paragraph) {
  const auto place = findListPlace(paragraph);
  if (!place) return;
  CacheValue& tree = *place->tree;
  const TrackChanges type = trackChangesOf(paragraph);
  Node* current = tree.root.get();
  for (std::size_t depth = 0; depth < place->numRef.getLevel().value_or(0); ++depth) {
    if (current->children.empty()) {
      auto placeholder = std::make_unique<Node>(current, IDHolder::ID(NullID), TrackChanges(type));
      current = insertNode(current, 0, std::move(placeholder), tree.paraIDs);
    } else {
      current = current->children.back().get();
    }
  }
  auto node = std::make_unique<Node>(current, IDHolder::ID(paragraph.getID()), TrackChanges(type));
  insertNode(current, current->children.size(), std::move(node), tree.paraIDs);
}

void NumListBulletGenerator::insert(const DOM::Block& block, const Scope& scope,
                                    const PreviousId& previousId) {
  LastInserted lastInserted;
  insertBlock(block, scope, previousId, lastInserted);
}

void NumListBulletGenerator::insert(const ReadonlyVector<DOM::Block>& blocks, const Scope& scope,
                                    const PreviousId& previousId) {
  insert(blocks.begin(), blocks.end(), scope, previousId);
}

void NumListBulletGenerator::insert(const DOM::HeaderFooterPair& pair) {
  const auto none = [](const DOM::NumberingRef&) { return IDHolder::ID(NullID); };
  for (const auto part : PairParts)
    insert(partOf(pair, part).getBlocks(), scopeOf(pair, part), none);
}

void NumListBulletGenerator::insertBlock(const DOM::Block& block, const Scope& scope,
                                         const PreviousId& previousId, LastInserted& lastInserted) {
  if (_document.getNumLists().empty()) return;
  _scope = scope;
  auto place = [&](const DOM::Paragraph& paragraph) {
    insertParagraph(paragraph, previousId, lastInserted);
  };
  ParagraphWalker walker(place);
  block.accept(walker);
  _scope = Scope();
}

void NumListBulletGenerator::insertParagraph(const DOM::Paragraph& paragraph,
                                             const PreviousId& previousId,
                                             LastInserted& lastInserted) {
  const auto place = findListPlace(paragraph);
  if (!place) return;
  const DOM::NumberingRef& numRef = place->numRef;
  auto& paraIDs = place->tree->paraIDs;
  auto& last = lastInserted[*numRef.getListTagUUID()];
  if (!last) last = previousId(numRef);

  Node* anchor = place->tree->root.get();
  if (*last != NullID) {
    const IDHolder::ID& paraID = *last;
    const auto it =
        std::lower_bound(paraIDs.begin(), paraIDs.end(), paraID,
                         [](const Node* n, const IDHolder::ID& id) { return n->paraID < id; });
    OU_ASSERT(it != paraIDs.end() && (*it)->paraID == paraID);
    anchor = *it;
  }
  const std::size_t level = numRef.getLevel().value_or(0);
  const auto anchorLevel = anchor->getLevel();
  const TrackChanges type = trackChangesOf(paragraph);
  Node* node = nullptr;

  if (!anchorLevel || level > *anchorLevel) {
    // Deeper than the anchor: the first item below it at that level, through placeholders.
    node = anchor;
    for (std::size_t depth = anchorLevel ? *anchorLevel + 1 : 0;; ++depth) {
      Node* first = node->children.empty() ? nullptr : node->children.front().get();
      if (first && first->paraID == NullID) {
        node = first;
      } else {
        auto placeholder = std::make_unique<Node>(node, IDHolder::ID(NullID), TrackChanges(type));
        node = insertNode(node, 0, std::move(placeholder), paraIDs);
      }
      if (depth == level) break;
    }
  } else if (level == *anchorLevel) {
    // A sibling right after the anchor that takes over the items below it.
    auto sibling =
        std::make_unique<Node>(anchor->parent, IDHolder::ID(paragraph.getID()), TrackChanges(type));
    sibling->children.swap(anchor->children);
    renumber(sibling.get(), 0);
    insertNode(anchor->parent, anchor->position + 1, std::move(sibling), paraIDs);
    last = paragraph.getID();
    return;
  } else {
    // Shallower: what follows the anchor's ancestors below `level` moves under the new item.
    // The anchor's own items follow the new paragraph too, so they go first.
    std::unique_ptr<Node> gathered;
    if (!anchor->children.empty()) {
      gathered = std::make_unique<Node>(nullptr, IDHolder::ID(NullID), TrackChanges(type));
      gathered->children.swap(anchor->children);
      renumber(gathered.get(), 0);
    }
    Node* current = anchor;
    for (std::size_t depth = *anchorLevel; depth > level; --depth) {
      Node* parent = current->parent;
      const auto from =
          parent->children.begin() + static_cast<std::ptrdiff_t>(current->position + 1);
      if (gathered || from != parent->children.end()) {
        auto placeholder =
            std::make_unique<Node>(nullptr, IDHolder::ID(NullID), TrackChanges(type));
        if (gathered) placeholder->children.push_back(std::move(gathered));
        std::move(from, parent->children.end(), std::back_inserter(placeholder->children));
        parent->children.erase(from, parent->children.end());
        renumber(placeholder.get(), 0);
        gathered = std::move(placeholder);
      }
      current = parent;
    }
    if (!gathered)
      gathered = std::make_unique<Node>(nullptr, IDHolder::ID(NullID), TrackChanges(type));
    gathered->parent = current->parent;
    node = insertNode(current->parent, current->position + 1, std::move(gathered), paraIDs);
  }
  node->paraID = paragraph.getID();
  node->trackChangesType = type;
  addToIndex(paraIDs, node);
  renumber(node->parent, node->position);
  last = paragraph.getID();
}

void NumListBulletGenerator::remove(const IDHolder::ID& paragraphId) {
  for (auto entry = _cache.begin(); entry != _cache.end(); ++entry) {
    auto& paraIDs = entry->second.paraIDs;
    const auto it = findInIndex(paraIDs, paragraphId);
    if (it == paraIDs.end()) continue;
    Node* node = *it;
    paraIDs.erase(it);
    Node* parent = node->parent;
    if (node->children.empty()) {
      takeOut(*node);
      // Placeholders left without items go too.
      while (isPlaceholder(*parent) && parent->children.empty()) {
        Node* above = parent->parent;
        takeOut(*parent);
        parent = above;
      }
    } else if (node->position == 0) {
      node->paraID = NullID;
      renumber(node, 0);
    } else {
      // The items below move to the end of the previous sibling's; a placeholder among them
      // merges with the item before it, one level down, and so on.
      Node* target = parent->children[node->position - 1].get();
      auto removed = takeOut(*node);
      std::size_t start = moveChildren(*removed, *target);
      while (start > 0 && isPlaceholder(*target->children[start])) {
        Node* placeholder = target->children[start].get();
        Node* before = target->children[start - 1].get();
        auto emptied = takeOut(*placeholder);
        start = moveChildren(*emptied, *before);
        target = before;
      }
    }
    if (paraIDs.empty()) _cache.erase(entry);
    return;
  }
}

void NumListBulletGenerator::removeBlocks(const ReadonlyVector<DOM::Block>& blocks) {
  if (_cache.empty()) return;
  forEachParagraph(blocks, [this](const DOM::Paragraph& paragraph) { remove(paragraph.getID()); });
}

void NumListBulletGenerator::remove(const ReadonlyVector<DOM::Block>& blocks) {
  removeBlocks(blocks);
}

void NumListBulletGenerator::remove(const DOM::HeaderFooterPair& pair) {
  for (const auto part : PairParts) removeBlocks(partOf(pair, part).getBlocks());
}

void NumListBulletGenerator::remove(const DOM::RowStyles& rowStyles) {
  for (const auto& [index, style] : rowStyles) removeBlocks(style.getCell().getRawBlocks());
}

void NumListBulletGenerator::remove(const DOM::ColumnStyles& columnStyles) {
  for (const auto& [index, style] : columnStyles) removeBlocks(style.getCell().getRawBlocks());
}

void NumListBulletGenerator::modify(const DOM::Paragraph& paragraph, const Scope& scope,
                                    const PreviousId& previousId) {
  remove(paragraph.getID());
  insert(paragraph, scope, previousId);
}

void NumListBulletGenerator::modify(const UUID& styleUuid) {
  const DOM::NamedTextStyle* plainPtr = _document.getStyles().findTextStyle(styleUuid);
  OU_ASSERT(plainPtr);
  modifyOrRemove(*plainPtr, false);
}

void NumListBulletGenerator::modifyOrRemove(const DOM::NamedTextStyle& style, bool) {
  // Styles are compared by UUID, so a style that has left the document is still found in the
  // hierarchies of the paragraphs that name it.
  const auto& uuid = style.getUUID();
  for (const auto& pair : _document.getHeadersFooters()) {
    for (const auto part : PairParts) {
      _scope = scopeOf(pair, part);
      renumberScope(partOf(pair, part).getBlocks(), uuid);
    }
  }
  _scope = Scope();
  renumberScope(_document.getBlocks(), uuid);
  for (const auto& shapeStyle : _document.getStyles().getShapeStyles()) {
    _scope = Scope(shapeStyle.getUUID());
    renumberScope(shapeStyle.getTextWithTombstones().getBlocks(), uuid);
  }
  _scope = Scope();
}

// Takes out and places again, in document order, each paragraph of the scope whose style
// hierarchy contains the style; its predecessor is the last paragraph of its list tag before it.
void NumListBulletGenerator::renumberScope(const ReadonlyVector<DOM::Block>& blocks,
                                           const UUID& styleUuid) {
  const DOM::Styles& styles = _document.getStyles();
  boost::container::map<ListTag, IDHolder::ID> lastOfTag;
  const Scope scope = _scope;
  forEachParagraph(blocks, [&](const DOM::Paragraph& paragraph) {
    bool dependent = false;
    auto next = paragraph.getStyle() ? paragraph.getStyle() : styles.getDefaultParagraphStyleUUID();
    for (std::size_t steps = 0; next && !dependent && steps <= styles.getTextStyles().size();
         ++steps) {
      dependent = *next == styleUuid;
      const DOM::NamedTextStyle* found = styles.findTextStyle(*next);
      next = found ? found->getParentUUID() : boost::none;
    }
    const auto numRef =
        DOM::getOverridenNumRefWithTracked(styles, paragraph, DOM::TrackChangesViewMode::Final);
    if (dependent) {
      remove(paragraph.getID());
      const auto previous = [&](const DOM::NumberingRef& ref) {
        const auto found = lastOfTag.find(*ref.getListTagUUID());
        return found == lastOfTag.end() ? IDHolder::ID(NullID) : found->second;
      };
      insert(paragraph, scope, previous);
    }
    if (numRef && numRef->getListTagUUID())
      lastOfTag[*numRef->getListTagUUID()] = paragraph.getID();
  });
}

boost::optional<std::string> NumListBulletGenerator::generateBullet(
    const IDHolder::ID& paragraphId, const DOM::NumberingRef& numRef,
    DOM::TrackChangesViewMode viewMode) const {
  const auto& listUuid = numRef.getNumListUUID();
  if (!listUuid || *listUuid == UUID()) return boost::none;
  const DOM::NumberedList* list = _document.findNumList(*listUuid);
  if (!list || !numRef.getListTagUUID()) return boost::none;
  auto range = _cache.equal_range(*numRef.getListTagUUID());
  if (range.first == range.second) return boost::none;
  const Node* node = nullptr;
  for (; range.first != range.second && !node; ++range.first) {
    const auto& paraIDs = range.first->second.paraIDs;
    const auto it = findInIndex(paraIDs, paragraphId);
    if (it != paraIDs.end()) node = *it;
  }
  if (!node)
    ::Vesk::doFailAssert(SourceFile, __LINE__, "range.first == range.second",
                         "Object with id does not exist in cache");

  const std::size_t level = numRef.getLevel().value_or(0);
  const auto& levels = list->getNumberingLevels();
  std::string expression;
  if (level < levels.size()) {
    const auto& marker = levels[level].getListMarker();
    if (marker && marker->getTextExpr()) expression = *marker->getTextExpr();
  }
  const std::size_t view = countIndex(viewMode);
  if (expression.empty()) return expression;

  for (std::size_t i = 0; i <= level && !expression.empty(); ++i) {
    const std::size_t current = level - i;
    OU_ASSERT(node->parent);
    const auto& marker = levels.at(current).getListMarker();
    const auto type = marker ? marker->getType().value_or(DOM::NumberFormatType::Decimal)
                             : DOM::NumberFormatType::Decimal;
    const std::size_t start = marker ? marker->getStartIndex().value_or(0) : 0;
    if (static_cast<unsigned>(type) <= 4) {
      boost::algorithm::replace_all(expression, fmt::format("%{}", current + 1),
                                    indexToString(start + node->countedBefore[view], type));
    }
    node = node->parent;
  }
  return expression;
}

}  // namespace Vesk::OfficeUtils
