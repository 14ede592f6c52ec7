// Which parsed models the format-code writer cannot bring back unchanged, decided from the model
// alone. Shared by the round-trip test and the writer fuzz target.
#pragma once

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

namespace Vesk::OfficeUtils::Parser::TestSupport {

enum class RoundTripGap {
  None,
  LeadingEmptySections,  // ";;;@" writes "@": ";" only follows written text
  GroupingRewritten,     // "0,0" writes "#,##00": grouping starts "#,##" before the placeholders
  RunTogether,           // "d[Red]d", "dgd", "s[Red]dd" write "dd", "sdd" (a currency code): only a
                         // directive or "g" parted them; "#[$-409]?/?" writes "[$-409]#?/?", one
                         // numerator. May not read back; settles one write later than the others.
  SplitCharacter,        // "*\\", "_[", "*\"": the section splitter reads the filler as syntax
};

namespace Detail {
namespace Model = Vesk::DOM::CellFormatModel;
using Role = Model::NumberItem::Role;

inline const Model::TextItem* text(const auto& item) {
  return boost::get<Model::TextItem>(&item);
}

inline bool isSplitCharacter(const Model::TextItem* item) {
  return item &&
         (item->getType() == Model::TextItem::Type::Fill ||
          item->getType() == Model::TextItem::Type::Transparent) &&
         std::string("\"\\[").find(item->getTextValue()) != std::string::npos;
}

// The letter of an unbracketed date-time code ("m" of "mm"); upper case for "s" and "r", codes
// of one letter; '-' for "[h]", "A/P" and the others that end where they end whatever follows
// (two of them in a row are counted as run together, which only loosens the check).
inline char codeLetter(const Model::Item& item) {
  const auto* date = boost::get<Model::DateTimeItem>(&item);
  if (!date) return 0;
  const auto code = Model::getCode(date->getType());
  if (code.empty() || code[0] == '[' || code[0] == 'A') return '-';
  return code == "s" || code == "r" ? static_cast<char>(std::toupper(code[0])) : code[0];
}

inline const Model::NumberItem* number(const Model::Item& item, Role role) {
  const auto* part = boost::get<Model::NumberItem>(&item);
  return part && part->getRole() == role ? part : nullptr;
}

// Whether two items written next to each other read back as something else.
inline bool runTogether(const Model::Item& before, const Model::Item& after) {
  using Type = Model::DateTimeItem::Type;
  const auto* date = boost::get<Model::DateTimeItem>(&before);
  // "ss.00" ends at its last zero.
  const char first = date && date->getDecimalPlaces() ? 0 : codeLetter(before);
  const char second = codeLetter(after);
  if (second && std::tolower(first) == std::tolower(second)) return true;
  // "s" and "r" start the currency codes "SDD", "SRD" and "RSD".
  if ((first == 'S' || first == 'R') && second &&
      std::string("dsSrR").find(second) != std::string::npos)
    return true;
  const bool seconds = date && !date->getDecimalPlaces() && date->getType() >= Type::SecondsShort &&
                       date->getType() <= Type::SecondsLongNoTruncate;
  if ((seconds || number(before, Role::Denominator)) && text(after) &&
      text(after)->getTextValue().rfind(".", 0) == 0)
    return true;  // "ss." reads as seconds with a point; "?/4." has a point in the denominator
  const auto* integer = number(before, Role::Integer);
  if (!integer || !number(after, Role::Numerator)) return false;
  // The numerator takes in the placeholder, digit or point that ends the integer part.
  const Model::NumberItem::EmbeddedItem* last = nullptr;
  for (const auto& [position, embedded] : integer->getEmbeddedItems()) {
    if (position == 0) last = &embedded;
  }
  const auto* literal = last ? text(*last) : nullptr;
  return !last || (literal && (literal->getType() == Model::TextItem::Type::Raw ||
                               (literal->getType() == Model::TextItem::Type::Literal &&
                                literal->getTextValue() == ".")));
}

inline RoundTripGap ruleGap(const Model::Rule& rule) {
  auto gap = RoundTripGap::None;
  const auto note = [&gap](bool found, RoundTripGap kind) {
    if (found && (gap == RoundTripGap::None || kind == RoundTripGap::SplitCharacter)) gap = kind;
  };
  const auto& items = rule.getItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    note(isSplitCharacter(text(items[i])), RoundTripGap::SplitCharacter);
    if (const auto* part = boost::get<Model::NumberItem>(&items[i])) {
      const auto size = part->getPattern().size();
      note(part->hasGrouping() && size > 0 && part->getPattern().rfind("###", 0),
           RoundTripGap::GroupingRewritten);
      for (const auto& [position, embedded] : part->getEmbeddedItems()) {
        note(isSplitCharacter(text(embedded)), RoundTripGap::SplitCharacter);
        note(part->hasGrouping() && position + 3 > size && position < size,
             RoundTripGap::GroupingRewritten);
      }
    }
    note(i > 0 && runTogether(items[i - 1], items[i]), RoundTripGap::RunTogether);
  }
  return gap;
}
}  // namespace Detail

// The gap of a model (a split character before any other); None when the model must come back.
inline RoundTripGap roundTripGap(const Vesk::DOM::CellFormatModel::Expression& model,
                                 ParserType type) {
  std::vector<const Detail::Model::Rule*> written;
  for (const auto& rule : model.getRules()) written.push_back(&rule);
  if (type == ParserType::Restricted && written.size() > MaxConditionRulesCount)
    written.resize(MaxConditionRulesCount);
  if (const auto& rule = model.getDefaultNumberRule()) written.push_back(&*rule);
  if (const auto& rule = model.getDefaultTextRule()) written.push_back(&*rule);
  auto gap = RoundTripGap::None;
  for (const auto* rule : written) {
    const auto ruleGap = Detail::ruleGap(*rule);
    if (gap == RoundTripGap::None || ruleGap == RoundTripGap::SplitCharacter) gap = ruleGap;
  }
  const auto& first = *written.front();
  if (gap == RoundTripGap::None && written.size() > 1 && first.getItems().empty() &&
      !first.getCondition() && !first.getColor() && !first.getLanguage() && !first.getCalendar() &&
      !first.getTransliteration())
    return RoundTripGap::LeadingEmptySections;
  return gap;
}

}  // namespace Vesk::OfficeUtils::Parser::TestSupport
