// Which parsed models the format-code writer cannot bring back unchanged, decided from the model
// alone. Shared by the round-trip test and the writer fuzz target.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"

namespace Vesk::OfficeUtils::Parser::TestSupport {

enum class RoundTripGap {
  None,
  LeadingEmptySections,  // ";;;@" writes "@": ";" only follows written text
  GroupingRewritten,     // "0,0" writes "#,##00": grouping starts "#,##" before the placeholders
  RunTogether,           // "d[Red]d" writes "dd": only a directive or "g" parted the items,
                         // or a language tag parted number parts ("#[$-409]?/?"); may not read
                         // back, and settles one write later than the others
  SplitCharacter,        // "*\\", "_[", "*\"": the section splitter reads the filler as syntax
};

namespace Detail {
namespace Model = Vesk::DOM::CellFormatModel;

inline bool isEmpty(const Model::Rule& rule) {
  return rule.getItems().empty() && !rule.getCondition() && !rule.getColor() &&
         !rule.getLanguage() && !rule.getCalendar() && !rule.getTransliteration();
}

inline bool isSplitCharacter(const Model::TextItem* text) {
  using Type = Model::TextItem::Type;
  return text && (text->getType() == Type::Fill || text->getType() == Type::Transparent) &&
         (text->getTextValue() == "\"" || text->getTextValue() == "\\" ||
          text->getTextValue() == "[");
}

// The first letter of an unbracketed date-time code ("m" of "mm"), 0 for "[h]", "A/P" and the
// other codes that end where they end whatever follows.
inline char codeLetter(const Model::Item& item) {
  static constexpr char Letters[] = "--ddddhh--mm--ss--mmmmmyybbqqrrw";
  static_assert(sizeof(Letters) == Model::DateTimeItem::TypeCount + 1);
  const auto* date = boost::get<Model::DateTimeItem>(&item);
  if (!date) return 0;
  const char letter = Letters[static_cast<int>(date->getType())];
  return letter == '-' ? 0 : letter;
}

// "s", "ss", "[s]" and "[ss]" without decimals, which take a point after them in.
inline bool isSecondsWithoutPoint(const Model::Item& item) {
  using Type = Model::DateTimeItem::Type;
  const auto* date = boost::get<Model::DateTimeItem>(&item);
  return date && date->getType() >= Type::SecondsShort &&
         date->getType() <= Type::SecondsLongNoTruncate && !date->getDecimalPlaces();
}

inline bool isNumber(const Model::Item& item, Model::NumberItem::Role role) {
  const auto* number = boost::get<Model::NumberItem>(&item);
  return number && number->getRole() == role;
}

// An integer part that ends in a placeholder, digit or point, which a numerator after it joins.
inline bool endsInDigitOrPoint(const Model::Item& item) {
  if (!isNumber(item, Model::NumberItem::Role::Integer)) return false;
  for (const auto& [position, embedded] : boost::get<Model::NumberItem>(item).getEmbeddedItems()) {
    const auto* text = boost::get<Model::TextItem>(&embedded);
    if (position == 0 &&
        (!text || text->getTextValue().find_first_not_of(".0123456789") != std::string::npos ||
         text->getTextValue().empty()))
      return false;
  }
  return true;
}

// "s" before "dd" reads as the currency code "SDD"; "r" and "s" start "RSD" and "SRD".
inline bool startsCurrencyCode(const Model::Item& item, const Model::Item& next) {
  const auto* date = boost::get<Model::DateTimeItem>(&item);
  const char letter = codeLetter(next);
  return date && !date->getDecimalPlaces() &&
         (date->getType() == Model::DateTimeItem::Type::SecondsShort ||
          date->getType() == Model::DateTimeItem::Type::EraShort) &&
         (letter == 'd' || letter == 's' || letter == 'r');
}

inline RoundTripGap ruleGap(const Model::Rule& rule) {
  using Role = Model::NumberItem::Role;
  const auto& items = rule.getItems();
  auto gap = RoundTripGap::None;
  const auto note = [&gap](bool found, RoundTripGap kind) {
    if (found && (gap == RoundTripGap::None || kind == RoundTripGap::SplitCharacter)) gap = kind;
  };
  for (std::size_t i = 0; i < items.size(); ++i) {
    note(isSplitCharacter(boost::get<Model::TextItem>(&items[i])), RoundTripGap::SplitCharacter);
    if (const auto* number = boost::get<Model::NumberItem>(&items[i])) {
      const auto size = number->getPattern().size();
      bool rewritten = number->hasGrouping() && size > 0 && number->getPattern().rfind("###", 0);
      for (const auto& [position, embedded] : number->getEmbeddedItems()) {
        note(isSplitCharacter(boost::get<Model::TextItem>(&embedded)),
             RoundTripGap::SplitCharacter);
        rewritten = rewritten || (number->hasGrouping() && position + 3 > size && position < size);
      }
      note(rewritten, RoundTripGap::GroupingRewritten);
    }
    if (i == 0) continue;
    const auto* text = boost::get<Model::TextItem>(&items[i]);
    const bool pointAfter = text && text->getTextValue().rfind(".", 0) == 0;
    note((codeLetter(items[i]) && codeLetter(items[i]) == codeLetter(items[i - 1])) ||
             (isSecondsWithoutPoint(items[i - 1]) && pointAfter) ||
             startsCurrencyCode(items[i - 1], items[i]) ||
             (endsInDigitOrPoint(items[i - 1]) && isNumber(items[i], Role::Numerator)) ||
             (isNumber(items[i - 1], Role::Denominator) && pointAfter),
         RoundTripGap::RunTogether);
  }
  return gap;
}
}  // namespace Detail

// A gap of the model (a split character before any other); None when parse(toRegEx(model)) must
// equal the model.
inline RoundTripGap roundTripGap(const Vesk::DOM::CellFormatModel::Expression& model,
                                 ParserType type) {
  std::vector<const Detail::Model::Rule*> written;
  for (const auto& rule : model.getRules()) written.push_back(&rule);
  if (type == ParserType::Restricted && written.size() > MaxConditionRulesCount)
    written.resize(MaxConditionRulesCount);
  if (const auto& rule = model.getDefaultNumberRule()) written.push_back(&*rule);
  if (const auto& rule = model.getDefaultTextRule()) written.push_back(&*rule);
  // The gravest first: a split character leaves nothing to compare.
  auto gap = RoundTripGap::None;
  for (const auto* rule : written) {
    const auto ruleGap = Detail::ruleGap(*rule);
    if (gap == RoundTripGap::None || ruleGap == RoundTripGap::SplitCharacter) gap = ruleGap;
  }
  if (gap == RoundTripGap::None && written.size() > 1 && Detail::isEmpty(*written.front()))
    return RoundTripGap::LeadingEmptySections;
  return gap;
}

}  // namespace Vesk::OfficeUtils::Parser::TestSupport
