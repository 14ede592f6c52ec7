// The host's text-document model, as far as the library reads it: a document of blocks
// (paragraphs of runs, tables of cells, section tags, shapes, field blocks) with numbered lists,
// named text and shape styles, headers and footers, and tracked insertions and deletions.
// Plain values that callers build and change directly; blocks are owned by their container.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <boost/optional.hpp>

#include "host/DOM/OU_NumberFormatType.h"
#include "host/Utils/OU_Color.h"
#include "host/Utils/OU_Identifiers.h"
#include "host/Utils/OU_TaggedValue.h"

namespace Vesk {

// The blocks of a container, in document order.
template <typename T>
using ReadonlyVector = std::vector<std::unique_ptr<T>>;

}  // namespace Vesk

namespace Vesk::DOM {

struct ListTagUUIDTag;
// Groups the paragraphs that are numbered together, whichever list defines their markers.
using ListTag = TaggedValue<UUID, ListTagUUIDTag>;

// The kind of a tracked change of a paragraph.
enum class TrackChangesType : std::uint8_t { Insertion = 0, Deletion = 1 };

// A bit set saying which tracked changes a view shows; other combinations of the bits occur.
enum class TrackChangesViewMode : std::uint8_t {
  Markup = 1,
  Original = 2,  // the text before the changes: deletions shown, insertions hidden
  Final = 4,     // the text after the changes: insertions shown, deletions hidden
  All = 7,       // everything counts
};

// A paragraph's place in a numbered list; any part may be absent, and a paragraph's own
// reference overrides the parts its styles give.
class NumberingRef {
 public:
  NumberingRef() = default;
  NumberingRef(UUID list, ListTag tag, std::size_t level) : _list(list), _tag(tag), _level(level) {}

  [[nodiscard]] const boost::optional<UUID>& getNumListUUID() const { return _list; }
  [[nodiscard]] const boost::optional<ListTag>& getListTagUUID() const { return _tag; }
  [[nodiscard]] const boost::optional<std::size_t>& getLevel() const { return _level; }

  NumberingRef& setNumListUUID(boost::optional<UUID> list) { return _list = list, *this; }
  NumberingRef& setListTagUUID(boost::optional<ListTag> tag) { return _tag = tag, *this; }
  NumberingRef& setLevel(boost::optional<std::size_t> level) { return _level = level, *this; }

  friend bool operator==(const NumberingRef&, const NumberingRef&) = default;

 private:
  boost::optional<UUID> _list;
  boost::optional<ListTag> _tag;
  boost::optional<std::size_t> _level;
};

// How one level writes its items: "%1.%2." with the number format and first ordinal of the level.
class NumListMarker {
 public:
  NumListMarker() = default;
  NumListMarker(NumberFormatType type, std::size_t startIndex, std::string textExpr)
      : _type(type), _startIndex(startIndex), _textExpr(std::move(textExpr)) {}

  [[nodiscard]] const boost::optional<NumberFormatType>& getType() const { return _type; }
  [[nodiscard]] const boost::optional<std::size_t>& getStartIndex() const { return _startIndex; }
  [[nodiscard]] const boost::optional<std::string>& getTextExpr() const { return _textExpr; }

 private:
  boost::optional<NumberFormatType> _type;
  boost::optional<std::size_t> _startIndex;
  boost::optional<std::string> _textExpr;
};

class NumberingLevel {
 public:
  NumberingLevel() = default;
  explicit NumberingLevel(boost::optional<NumListMarker> marker) : _marker(std::move(marker)) {}

  [[nodiscard]] const boost::optional<NumListMarker>& getListMarker() const { return _marker; }

 private:
  boost::optional<NumListMarker> _marker;
};

class NumberedList {
 public:
  NumberedList(UUID uuid, std::vector<NumberingLevel> levels)
      : _uuid(uuid), _levels(std::move(levels)) {}

  [[nodiscard]] const UUID& getUUID() const { return _uuid; }
  [[nodiscard]] const std::vector<NumberingLevel>& getNumberingLevels() const { return _levels; }

 private:
  UUID _uuid;
  std::vector<NumberingLevel> _levels;
};

struct Hyperlink {
  std::string url;
  friend bool operator==(const Hyperlink&, const Hyperlink&) = default;
};

class RunProps {
 public:
  [[nodiscard]] const boost::optional<Color>& getColor() const { return _color; }
  [[nodiscard]] bool isBold() const { return _bold; }
  RunProps& setColor(boost::optional<Color> color) { return _color = color, *this; }
  RunProps& setBold(bool bold) { return _bold = bold, *this; }

 private:
  boost::optional<Color> _color;
  bool _bold = false;
};

// The look of a run; runs share style objects, which never change once shared.
class RunStyle {
 public:
  RunStyle() = default;
  explicit RunStyle(boost::optional<RunProps> props, std::shared_ptr<const Hyperlink> link = {})
      : _props(std::move(props)), _hyperlink(std::move(link)) {}

  [[nodiscard]] const boost::optional<RunProps>& getRunProps() const { return _props; }
  [[nodiscard]] const std::shared_ptr<const Hyperlink>& getHyperlink() const { return _hyperlink; }

 private:
  boost::optional<RunProps> _props;
  std::shared_ptr<const Hyperlink> _hyperlink;
};

enum class RunType : std::uint8_t {
  TextRun,
  TabRun,
  BreakRun,
  DrawingRun,
  BookmarkRun,
  FieldRun,
  AnchorRun,
};

class Run {
 public:
  // A text run; other kinds carry no text of their own (a tab run reads "\t").
  explicit Run(std::string text, std::shared_ptr<const RunStyle> style = {})
      : Run(RunType::TextRun, std::move(text), std::move(style)) {}
  Run(RunType type, std::string text, std::shared_ptr<const RunStyle> style = {});

  [[nodiscard]] RunType getType() const { return _type; }
  [[nodiscard]] const std::string& getText() const { return _text; }
  [[nodiscard]] const RunStyle& getStyle() const { return *_style; }
  // Never null; replace the pointer to restyle the run.
  [[nodiscard]] std::shared_ptr<const RunStyle>& getSharedStyle() { return _style; }
  [[nodiscard]] const std::shared_ptr<const RunStyle>& getSharedStyle() const { return _style; }

 private:
  RunType _type;
  std::string _text;
  std::shared_ptr<const RunStyle> _style;
};

// Makes the shared objects (styles) of a document; ours makes a fresh object each time.
class SharedObjectFactory {};

namespace SetToSharedStyleDetails {
// Replaces `style` by a copy of it that carries `hyperlink` (null removes the link).
void setToSharedStyleVariadicImpl(const SharedObjectFactory& factory,
                                  std::shared_ptr<const RunStyle>& style,
                                  const std::shared_ptr<const Hyperlink>& hyperlink);
}  // namespace SetToSharedStyleDetails

// A cell value to be shown in a block.
template <typename T>
class BlockValue {
 public:
  explicit BlockValue(T value) : _value(std::move(value)) {}
  [[nodiscard]] const T& get() const { return _value; }

 private:
  T _value;
};

class Paragraph;
class Table;
class SectionTag;
class Shape;
class FieldBlock;

class BlockVisitor {
 public:
  virtual ~BlockVisitor() = default;
  virtual void visit(const Paragraph& paragraph) = 0;
  virtual void visit(const Table& table) = 0;
  virtual void visit(const SectionTag& tag) = 0;
  virtual void visit(const Shape& shape) = 0;
  virtual void visit(const FieldBlock& field) = 0;
};

class Block {
 public:
  virtual ~Block() = default;
  virtual void accept(BlockVisitor& visitor) const = 0;
};

// The blocks of a header, a footer or a shape, deleted ones included.
class TextWithTombstones {
 public:
  [[nodiscard]] const ReadonlyVector<Block>& getBlocks() const { return _blocks; }
  [[nodiscard]] ReadonlyVector<Block>& getBlocks() { return _blocks; }

 private:
  ReadonlyVector<Block> _blocks;
};

// The paragraph mark's own formatting, which records whether the mark itself is tracked.
class ParaMarkStyle {
 public:
  [[nodiscard]] const boost::optional<TrackChangesType>& getTrackChangesType() const {
    return _trackChangesType;
  }
  void setTrackChangesType(boost::optional<TrackChangesType> type) { _trackChangesType = type; }

 private:
  boost::optional<TrackChangesType> _trackChangesType;
};

class Paragraph : public Block, public IDHolder {
 public:
  explicit Paragraph(IDHolder::ID id) : IDHolder(id) {}
  void accept(BlockVisitor& visitor) const override { visitor.visit(*this); }

  [[nodiscard]] const std::vector<Run>& getRuns() const { return _runs; }
  [[nodiscard]] std::vector<Run>& getRuns() { return _runs; }
  [[nodiscard]] const boost::optional<NumberingRef>& getNumRef() const { return _numRef; }
  // The named text style, or none for the document's default paragraph style.
  [[nodiscard]] const boost::optional<UUID>& getStyle() const { return _style; }
  [[nodiscard]] const ParaMarkStyle& getParaMarkStyle() const { return _paraMarkStyle; }
  [[nodiscard]] ParaMarkStyle& getParaMarkStyle() { return _paraMarkStyle; }
  [[nodiscard]] const boost::optional<TrackChangesType>& getTrackChangesType() const {
    return _trackChangesType;
  }

  Paragraph& setNumRef(boost::optional<NumberingRef> numRef) { return _numRef = numRef, *this; }
  Paragraph& setStyle(boost::optional<UUID> style) { return _style = style, *this; }
  // Marks the whole paragraph, mark included, as a tracked change (none: untracked).
  Paragraph& setTracked(boost::optional<TrackChangesType> type);
  Paragraph& addRun(Run run) { return _runs.push_back(std::move(run)), *this; }

 private:
  std::vector<Run> _runs;
  boost::optional<NumberingRef> _numRef;
  boost::optional<UUID> _style;
  ParaMarkStyle _paraMarkStyle;
  boost::optional<TrackChangesType> _trackChangesType;
};

class Cell {
 public:
  [[nodiscard]] const ReadonlyVector<Block>& getRawBlocks() const { return _blocks; }
  [[nodiscard]] ReadonlyVector<Block>& getRawBlocks() { return _blocks; }

 private:
  ReadonlyVector<Block> _blocks;
};

class Table : public Block {
 public:
  void accept(BlockVisitor& visitor) const override { visitor.visit(*this); }
  // Rows of cells, in reading order.
  [[nodiscard]] const std::vector<std::vector<Cell>>& getRows() const { return _rows; }
  [[nodiscard]] std::vector<std::vector<Cell>>& getRows() { return _rows; }

 private:
  std::vector<std::vector<Cell>> _rows;
};

class SectionTag : public Block {
 public:
  void accept(BlockVisitor& visitor) const override { visitor.visit(*this); }
};

class Shape : public Block {
 public:
  void accept(BlockVisitor& visitor) const override { visitor.visit(*this); }
  [[nodiscard]] const TextWithTombstones& getTextWithTombstones() const { return _text; }
  [[nodiscard]] TextWithTombstones& getTextWithTombstones() { return _text; }

 private:
  TextWithTombstones _text;
};

// A field whose result is a run of blocks (a table of contents).
class FieldBlock : public Block {
 public:
  void accept(BlockVisitor& visitor) const override { visitor.visit(*this); }
  [[nodiscard]] const ReadonlyVector<Block>& getBlocks() const { return _blocks; }
  [[nodiscard]] ReadonlyVector<Block>& getBlocks() { return _blocks; }

 private:
  ReadonlyVector<Block> _blocks;
};

// A named paragraph style; it inherits what it leaves out from its parent.
class NamedTextStyle {
 public:
  explicit NamedTextStyle(UUID uuid) : _uuid(uuid) {}

  [[nodiscard]] const UUID& getUUID() const { return _uuid; }
  [[nodiscard]] const boost::optional<UUID>& getParentUUID() const { return _parent; }
  [[nodiscard]] const boost::optional<NumberingRef>& getNumRef() const { return _numRef; }

  NamedTextStyle& setParentUUID(boost::optional<UUID> parent) { return _parent = parent, *this; }
  NamedTextStyle& setNumRef(boost::optional<NumberingRef> ref) { return _numRef = ref, *this; }

 private:
  UUID _uuid;
  boost::optional<UUID> _parent;
  boost::optional<NumberingRef> _numRef;
};

// A named shape style with the text that shapes of the style show.
class NamedShapeStyle {
 public:
  explicit NamedShapeStyle(UUID uuid) : _uuid(uuid) {}

  [[nodiscard]] const UUID& getUUID() const { return _uuid; }
  [[nodiscard]] const TextWithTombstones& getTextWithTombstones() const { return _text; }
  [[nodiscard]] TextWithTombstones& getTextWithTombstones() { return _text; }

 private:
  UUID _uuid;
  TextWithTombstones _text;
};

class Styles {
 public:
  [[nodiscard]] const std::vector<NamedTextStyle>& getTextStyles() const { return _textStyles; }
  [[nodiscard]] std::vector<NamedTextStyle>& getTextStyles() { return _textStyles; }
  [[nodiscard]] const std::vector<NamedShapeStyle>& getShapeStyles() const { return _shapeStyles; }
  [[nodiscard]] std::vector<NamedShapeStyle>& getShapeStyles() { return _shapeStyles; }
  [[nodiscard]] const boost::optional<UUID>& getDefaultParagraphStyleUUID() const {
    return _defaultParagraphStyle;
  }
  void setDefaultParagraphStyleUUID(boost::optional<UUID> uuid) { _defaultParagraphStyle = uuid; }

  // Null when no text style has that UUID.
  [[nodiscard]] const NamedTextStyle* findTextStyle(const UUID& uuid) const;

 private:
  std::vector<NamedTextStyle> _textStyles;
  std::vector<NamedShapeStyle> _shapeStyles;
  boost::optional<UUID> _defaultParagraphStyle;
};

// The header and footer of a page style; each is its own numbering scope.
class HeaderFooterPair {
 public:
  HeaderFooterPair() : _headerUUID(UUID::generate()), _footerUUID(UUID::generate()) {}

  [[nodiscard]] const UUID& getHeaderUUID() const { return _headerUUID; }
  [[nodiscard]] const UUID& getFooterUUID() const { return _footerUUID; }
  [[nodiscard]] const TextWithTombstones& getHeader() const { return _header; }
  [[nodiscard]] TextWithTombstones& getHeader() { return _header; }
  [[nodiscard]] const TextWithTombstones& getFooter() const { return _footer; }
  [[nodiscard]] TextWithTombstones& getFooter() { return _footer; }

 private:
  UUID _headerUUID;
  UUID _footerUUID;
  TextWithTombstones _header;
  TextWithTombstones _footer;
};

// Row and column styles of a sheet: an entry may hold the blocks of a default cell.
struct RowStyleTag;
struct ColumnStyleTag;
template <typename Tag>
class RowColumnStyle {
 public:
  [[nodiscard]] const Cell& getCell() const { return _cell; }
  [[nodiscard]] Cell& getCell() { return _cell; }

 private:
  Cell _cell;
};
// Entries by row or column index; absent indices have no style.
template <typename T>
using SparseData = std::map<std::size_t, T>;
using RowStyles = SparseData<RowColumnStyle<RowStyleTag>>;
using ColumnStyles = SparseData<RowColumnStyle<ColumnStyleTag>>;

class Document {
 public:
  [[nodiscard]] const std::vector<NumberedList>& getNumLists() const { return _numLists; }
  [[nodiscard]] std::vector<NumberedList>& getNumLists() { return _numLists; }
  [[nodiscard]] const ReadonlyVector<Block>& getBlocks() const { return _blocks; }
  [[nodiscard]] ReadonlyVector<Block>& getBlocks() { return _blocks; }
  [[nodiscard]] const std::vector<HeaderFooterPair>& getHeadersFooters() const { return _pairs; }
  [[nodiscard]] std::vector<HeaderFooterPair>& getHeadersFooters() { return _pairs; }
  [[nodiscard]] const Styles& getStyles() const { return _styles; }
  [[nodiscard]] Styles& getStyles() { return _styles; }

  // Null when the document has no list with that UUID.
  [[nodiscard]] const NumberedList* findNumList(const UUID& uuid) const;
  // A paragraph with an id no other object of the document has.
  [[nodiscard]] std::unique_ptr<Paragraph> makeParagraph();

 private:
  std::vector<NumberedList> _numLists;
  ReadonlyVector<Block> _blocks;
  std::vector<HeaderFooterPair> _pairs;
  Styles _styles;
  std::uint64_t _lastID = 0;
};

// The paragraph's numbering after style inheritance: each part of its own reference, else of
// its style's, else of the style's parents' (the default paragraph style when it names none).
// None when no part is given anywhere. Our model keeps no tracked formatting changes, so the
// view mode changes nothing.
[[nodiscard]] boost::optional<NumberingRef> getOverridenNumRefWithTracked(
    const Styles& styles, const Paragraph& paragraph, TrackChangesViewMode viewMode);

}  // namespace Vesk::DOM
