// The bullet texts of numbered paragraphs ("2.1.", "iv)", "B."): the generator keeps the order
// and nesting of every numbered paragraph of a document, per list tag and per numbering scope
// (the body, each header, each footer, each shape style's text), and writes a paragraph's
// bullet on demand, counting tracked insertions and deletions as the view mode says.
// The caller keeps it in step with the document through insert, modify and remove. It refers to
// the document it was built from, which must outlive it. Const calls may run concurrently;
// changes need exclusive access.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <boost/container/map.hpp>
#include <boost/optional.hpp>
#include <boost/unordered_map.hpp>

#include "host/DOM/OU_Document.h"
#include "host/Utils/OU_CallableRef.h"
#include "host/Utils/OU_Identifiers.h"
#include "host/Utils/OU_TaggedValue.h"

namespace Vesk::OfficeUtils {

class NumListBulletGenerator {
 public:
  struct ScopeTag;
  // One text container whose lists are numbered on their own; the body is Scope().
  using Scope = TaggedValue<UUID, ScopeTag>;
  using ListTag = DOM::ListTag;
  // Given the numbering of the first inserted paragraph of a list tag, the id of the paragraph
  // of that tag that precedes the inserted blocks in their scope, or NullID if none does.
  using PreviousId = CallableRef<IDHolder::ID(const DOM::NumberingRef&)>;

  // One numbered paragraph, or a placeholder (NullID) standing for a skipped level. Its
  // children are the items of the next level below it, in document order.
  struct Node {
    Node(Node* parent, IDHolder::ID&& id, boost::optional<DOM::TrackChangesType>&& type);

    // The position of `child` among the children, or their end.
    [[nodiscard]] std::vector<std::unique_ptr<Node>>::iterator findSubNode(Node* child);
    // None for the root, 0 for the items of level 0.
    [[nodiscard]] boost::optional<std::size_t> getLevel() const;

    Node* parent;
    IDHolder::ID paraID;
    // A placeholder's is that of the first paragraph below it.
    boost::optional<DOM::TrackChangesType> trackChangesType;
    std::vector<std::unique_ptr<Node>> children;
    // Kept current by every change: the index among the parent's children, and how many
    // earlier siblings count in each view (all, final, original).
    std::size_t position = 0;
    std::array<std::uint32_t, 3> countedBefore{};
  };

  // One numbering tree: the items of one list tag in one scope. `paraIDs` holds the paragraph
  // nodes sorted by id.
  struct CacheValue {
    Scope scope;
    std::unique_ptr<Node> root;
    std::vector<Node*> paraIDs;
  };

  // Reads the body, then every header and footer, then the text of every shape style.
  explicit NumListBulletGenerator(const DOM::Document& document);
  NumListBulletGenerator(const NumListBulletGenerator&) = delete;
  NumListBulletGenerator& operator=(const NumListBulletGenerator&) = delete;

  // The bullet of the paragraph under `numRef` (its effective numbering): "" when the level has
  // no expression; none when the list is unknown or no tree of the list tag exists. A paragraph
  // the generator does not hold fails "range.first == range.second"; a view mode without the
  // bits 2 and 4 fails "Unsupported viewMode was met".
  [[nodiscard]] boost::optional<std::string> generateBullet(
      const IDHolder::ID& paragraphId, const DOM::NumberingRef& numRef,
      DOM::TrackChangesViewMode viewMode) const;

  // Blocks just added to the document in `scope`, in document order: the numbered paragraphs
  // among them (tables, shapes and field blocks included) are placed after their predecessor.
  void insert(const DOM::Block& block, const Scope& scope, const PreviousId& previousId);
  void insert(const ReadonlyVector<DOM::Block>& blocks, const Scope& scope,
              const PreviousId& previousId);
  template <typename Iterator>  // over std::unique_ptr<DOM::Block>
  void insert(Iterator first, Iterator last, const Scope& scope, const PreviousId& previousId) {
    LastInserted lastInserted;
    for (; first != last; ++first) insertBlock(**first, scope, previousId, lastInserted);
  }
  // A header and footer pair just added to the document.
  void insert(const DOM::HeaderFooterPair& pair);

  // The paragraph's numbering changed: it is taken out and, if still numbered, placed again.
  void modify(const DOM::Paragraph& paragraph, const Scope& scope, const PreviousId& previousId);
  // The text style with that UUID changed in place; "plainPtr" fails if there is none.
  void modify(const UUID& styleUuid);
  // Every paragraph whose style hierarchy contains `style` is numbered again. For a removal
  // the style has already left the document's styles.
  void modifyOrRemove(const DOM::NamedTextStyle& style, bool remove);

  // Unknown ids are ignored.
  void remove(const IDHolder::ID& paragraphId);
  void remove(const ReadonlyVector<DOM::Block>& blocks);
  void remove(const DOM::HeaderFooterPair& pair);
  void remove(const DOM::NamedTextStyle& style) { modifyOrRemove(style, true); }
  void remove(const DOM::RowStyles& rowStyles);
  void remove(const DOM::ColumnStyles& columnStyles);

 private:
  using LastInserted = boost::container::map<ListTag, boost::optional<IDHolder::ID>>;
  // A numbered paragraph's effective list reference and the tree of its list in the current
  // scope.
  struct ListPlace {
    DOM::NumberingRef numRef;
    CacheValue* tree;
  };

  // None for a paragraph outside any list.
  boost::optional<ListPlace> findListPlace(const DOM::Paragraph& paragraph);
  void append(const DOM::Paragraph& paragraph);
  void insertBlock(const DOM::Block& block, const Scope& scope, const PreviousId& previousId,
                   LastInserted& lastInserted);
  void insertParagraph(const DOM::Paragraph& paragraph, const PreviousId& previousId,
                       LastInserted& lastInserted);
  void removeBlocks(const ReadonlyVector<DOM::Block>& blocks);
  void renumberScope(const ReadonlyVector<DOM::Block>& blocks, const UUID& styleUuid);
  CacheValue& getCacheValue(const ListTag& listTag, const Scope& scope);
  static Node* insertNode(Node* parent, std::size_t position, std::unique_ptr<Node> node,
                          std::vector<Node*>& paraIDs);

  const DOM::Document& _document;
  Scope _scope;
  boost::unordered_multimap<ListTag, CacheValue, std::hash<ListTag>> _cache;
};

}  // namespace Vesk::OfficeUtils
