#include "host/DOM/OU_Document.h"

#include <algorithm>

namespace Vesk::DOM {

Run::Run(RunType type, std::string text, std::shared_ptr<const RunStyle> style)
    : _type(type),
      _text(type == RunType::TabRun ? "\t" : std::move(text)),
      _style(style ? std::move(style) : std::make_shared<const RunStyle>()) {}

void SetToSharedStyleDetails::setToSharedStyleVariadicImpl(
    const SharedObjectFactory&, std::shared_ptr<const RunStyle>& style,
    const std::shared_ptr<const Hyperlink>& hyperlink) {
  style = std::make_shared<const RunStyle>(style ? style->getRunProps() : boost::none, hyperlink);
}

Paragraph& Paragraph::setTracked(boost::optional<TrackChangesType> type) {
  _trackChangesType = type;
  _paraMarkStyle.setTrackChangesType(type);
  return *this;
}

const NamedTextStyle* Styles::findTextStyle(const UUID& uuid) const {
  const auto it =
      std::find_if(_textStyles.begin(), _textStyles.end(),
                   [&](const NamedTextStyle& style) { return style.getUUID() == uuid; });
  return it == _textStyles.end() ? nullptr : &*it;
}

const NumberedList* Document::findNumList(const UUID& uuid) const {
  const auto it = std::find_if(_numLists.begin(), _numLists.end(),
                               [&](const NumberedList& list) { return list.getUUID() == uuid; });
  return it == _numLists.end() ? nullptr : &*it;
}

std::unique_ptr<Paragraph> Document::makeParagraph() {
  return std::make_unique<Paragraph>(IDHolder::ID{++_lastID});
}

boost::optional<NumberingRef> getOverridenNumRefWithTracked(const Styles& styles,
                                                            const Paragraph& paragraph,
                                                            TrackChangesViewMode) {
  NumberingRef ref = paragraph.getNumRef().value_or(NumberingRef());
  auto fill = [&ref](const NumberingRef& base) {
    if (!ref.getNumListUUID()) ref.setNumListUUID(base.getNumListUUID());
    if (!ref.getListTagUUID()) ref.setListTagUUID(base.getListTagUUID());
    if (!ref.getLevel()) ref.setLevel(base.getLevel());
  };
  boost::optional<UUID> next =
      paragraph.getStyle() ? paragraph.getStyle() : styles.getDefaultParagraphStyleUUID();
  // A parent chain that loops ends after every style has been seen once.
  for (std::size_t steps = 0; next && steps < styles.getTextStyles().size(); ++steps) {
    const NamedTextStyle* style = styles.findTextStyle(*next);
    if (!style) break;
    if (style->getNumRef()) fill(*style->getNumRef());
    next = style->getParentUUID();
  }
  if (ref == NumberingRef()) return boost::none;
  return ref;
}

}  // namespace Vesk::DOM
