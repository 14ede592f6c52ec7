// The text of a list item's ordinal in a list number format ("12", "XII", "xii", "L", "ll"),
// and the way back from letter numbering to the ordinal. The plain text of document blocks, and
// paragraphs that show a cell's number, boolean or error in the locale's words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "host/DOM/OU_Document.h"
#include "host/DOM/OU_FormulaTypes.h"
#include "host/DOM/OU_NumberFormatType.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::OfficeUtils {

// The largest ordinals written in Roman numerals (3,999 is "MMMCMXCIX", the largest numeral
// without an overline) and in letters (100 repeats of "Z"). Larger ordinals are written in
// decimal digits, as word processors do, so the text stays short for any ordinal.
inline constexpr std::size_t MaxRomanOrdinal = 3999;
inline constexpr std::size_t MaxLetterOrdinal = 26 * 100;

// Decimal: 12 -> "12" (also for types 7 and above). Roman: 4 -> "IV" / "iv" (0 -> "").
// Letters repeat instead of carrying: 1 -> "A", 26 -> "Z", 27 -> "AA", 28 -> "BB", 53 -> "AAA";
// 0 -> "". Above the bounds: 4000 -> "4000" in Roman, 2601 -> "2601" in letters. Types 5 and 6
// are not supported: assertion "Unsupported type".
[[nodiscard]] std::string indexToString(std::size_t index, Vesk::DOM::NumberFormatType type);

// The inverse of the letter numbering: "c" -> 3, "ccc" -> 55. Anything else ("ab", "C" for the
// lower-case form, "", "{") gives 0, which is no ordinal.
[[nodiscard]] std::size_t convertLowerLatinLetterToDecimal(const std::string& text);
[[nodiscard]] std::size_t convertUpperLatinLetterToDecimal(const std::string& text);

class LocaleContext;

// How the texts of a paragraph's runs are joined: directly, or with "\n" between them.
enum class RunInsertionStrategy : std::uint8_t { Concatenate = 0, NewLineBetween = 1 };
// How the texts of blocks are joined: directly, or each followed by "\n".
enum class BlockInsertionStrategy : std::uint8_t { Concatenate = 0, NewLineAfterEach = 1 };

// Text and tab runs give their text ("\t" for a tab); other runs give "". A run coloured fully
// transparent black (0, 0, 0, 0) gives as many spaces as its text has bytes.
[[nodiscard]] std::string getTextFromRun(const Vesk::DOM::Run& run);
// With NewLineBetween, "\n" goes before every run but while the text so far is empty.
[[nodiscard]] std::string getTextFromPara(const Vesk::DOM::Paragraph& paragraph,
                                          RunInsertionStrategy strategy);
// Only paragraphs have text here: other blocks fail an assertion naming the handler.
[[nodiscard]] std::string getTextFromBlock(const Vesk::DOM::Block& block,
                                           RunInsertionStrategy strategy);
// `blocks` holds std::unique_ptr<Block>: "text1\ntext2\n" with NewLineAfterEach.
template <class Blocks>
[[nodiscard]] std::string getTextFromBlocks(const Blocks& blocks, RunInsertionStrategy runStrategy,
                                            BlockInsertionStrategy blockStrategy) {
  std::string text;
  for (const auto& block : blocks) {
    text += getTextFromBlock(*block, runStrategy);
    if (blockStrategy == BlockInsertionStrategy::NewLineAfterEach) text += '\n';
  }
  return text;
}

// Replaces the one run of a paragraph by a text run with `text` and the same shared style.
// Assertions: "Error: Only in paragraph can set text" for other blocks, "1 == runs.size()".
void setTextToBlock(Vesk::DOM::Block& block, std::string text);

// A new paragraph of one text run showing the value as the locale writes it ("1.5", "TRUE",
// "#N/A"), the run linked to `hyperlink` (null: no link). The paragraph's id is NullID: the
// caller's document gives it one when it takes the paragraph.
[[nodiscard]] std::unique_ptr<Vesk::DOM::Paragraph> numberValueToBlock(
    const Vesk::DOM::SharedObjectFactory& factory,
    const Vesk::DOM::BlockValue<Vesk::FloatNumber>& value,
    const std::shared_ptr<const Vesk::DOM::Hyperlink>& hyperlink, const LocaleContext& locale);
[[nodiscard]] std::unique_ptr<Vesk::DOM::Paragraph> boolValueToBlock(
    const Vesk::DOM::SharedObjectFactory& factory, const Vesk::DOM::BlockValue<bool>& value,
    const std::shared_ptr<const Vesk::DOM::Hyperlink>& hyperlink, const LocaleContext& locale);
[[nodiscard]] std::unique_ptr<Vesk::DOM::Paragraph> errorValueToBlock(
    const Vesk::DOM::SharedObjectFactory& factory,
    const Vesk::DOM::BlockValue<Vesk::DOM::FormulaErrorType>& value,
    const std::shared_ptr<const Vesk::DOM::Hyperlink>& hyperlink, const LocaleContext& locale);

}  // namespace Vesk::OfficeUtils
