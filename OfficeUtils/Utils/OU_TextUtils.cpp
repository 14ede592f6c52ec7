#include "OfficeUtils/Utils/OU_TextUtils.h"

#include <cstring>
#include <locale>

#include <fmt/format.h>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Locale/OU_LocaleResources.h"
#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Utils/OU_TextUtils";

std::string toLetters(std::size_t index, char base) {
  if (index == 0) return {};
  if (index > MaxLetterOrdinal) return fmt::format("{}", index);
  const std::size_t m = index - 1;
  return std::string(m / 26 + 1, static_cast<char>(base + m % 26));
}

std::size_t lettersToIndex(const std::string& text, char base) {
  if (text.empty()) return 0;
  const char first = text.front();
  if (first < base || first > base + 25) return 0;
  // Every character equals the first exactly when the text equals itself shifted by one.
  if (std::memcmp(text.data(), text.data() + 1, text.size() - 1) != 0) return 0;
  return static_cast<std::size_t>(first - base) + 26 * (text.size() - 1) + 1;
}

// The text of a paragraph block; the other kinds of blocks have none here.
class TextReader : public Vesk::DOM::BlockVisitor {
 public:
  explicit TextReader(RunInsertionStrategy strategy) : _strategy(strategy) {}

  void visit(const Vesk::DOM::Paragraph& paragraph) override {
    text = getTextFromPara(paragraph, _strategy);
  }
  void visit(const Vesk::DOM::Table&) override { notImplemented(__PRETTY_FUNCTION__); }
  void visit(const Vesk::DOM::SectionTag&) override { notImplemented(__PRETTY_FUNCTION__); }
  void visit(const Vesk::DOM::Shape&) override { notImplemented(__PRETTY_FUNCTION__); }
  void visit(const Vesk::DOM::FieldBlock&) override { notImplemented(__PRETTY_FUNCTION__); }

  std::string text;

 private:
  static void notImplemented(const char* handler) {
    OU_ASSERT_MSG(false, fmt::format("{} is not implemented", handler));
  }

  RunInsertionStrategy _strategy;
};

std::unique_ptr<Vesk::DOM::Paragraph> textBlock(
    const Vesk::DOM::SharedObjectFactory& factory, std::string text,
    const std::shared_ptr<const Vesk::DOM::Hyperlink>& hyperlink) {
  auto paragraph = std::make_unique<Vesk::DOM::Paragraph>(Vesk::NullID);
  Vesk::DOM::Run run(std::move(text));
  Vesk::DOM::SetToSharedStyleDetails::setToSharedStyleVariadicImpl(factory, run.getSharedStyle(),
                                                                   hyperlink);
  paragraph->addRun(std::move(run));
  return paragraph;
}

}  // namespace

std::string indexToString(std::size_t index, Vesk::DOM::NumberFormatType type) {
  using Vesk::DOM::NumberFormatType;
  switch (type) {
    case NumberFormatType::UpperRoman:
      if (index > MaxRomanOrdinal) break;
      return convertArabicToUpperRomanNumber(index, 0);
    case NumberFormatType::LowerRoman: {
      if (index > MaxRomanOrdinal) break;
      std::string text = convertArabicToUpperRomanNumber(index, 0);
      const auto& ctype = std::use_facet<std::ctype<char>>(std::locale());
      ctype.tolower(text.data(), text.data() + text.size());
      return text;
    }
    case NumberFormatType::UpperLetter:
      return toLetters(index, 'A');
    case NumberFormatType::LowerLetter:
      return toLetters(index, 'a');
    case NumberFormatType::Decimal:
      break;
    default:
      // 5 and 6 name formats without a text here; any value from 7 up is read as decimal.
      if (static_cast<int>(type) <= 6) OU_FAIL("Unsupported type");
      break;
  }
  return fmt::format("{}", index);
}

std::size_t convertLowerLatinLetterToDecimal(const std::string& text) {
  return lettersToIndex(text, 'a');
}

std::size_t convertUpperLatinLetterToDecimal(const std::string& text) {
  return lettersToIndex(text, 'A');
}

std::string getTextFromRun(const Vesk::DOM::Run& run) {
  using Vesk::DOM::RunType;
  if (run.getType() != RunType::TextRun && run.getType() != RunType::TabRun) return {};
  const auto& props = run.getStyle().getRunProps();
  // Transparent black is how hidden text is written; it keeps its width as spaces.
  if (props && props->getColor() == Vesk::Color{0, 0, 0, 0})
    return std::string(run.getText().size(), ' ');
  return run.getText();
}

std::string getTextFromPara(const Vesk::DOM::Paragraph& paragraph, RunInsertionStrategy strategy) {
  std::string text;
  for (const auto& run : paragraph.getRuns()) {
    if (strategy == RunInsertionStrategy::NewLineBetween && !text.empty()) text += '\n';
    text += getTextFromRun(run);
  }
  text.shrink_to_fit();
  return text;
}

std::string getTextFromBlock(const Vesk::DOM::Block& block, RunInsertionStrategy strategy) {
  TextReader reader(strategy);
  block.accept(reader);
  return std::move(reader.text);
}

void setTextToBlock(Vesk::DOM::Block& block, std::string text) {
  auto* paragraph = dynamic_cast<Vesk::DOM::Paragraph*>(&block);
  if (!paragraph) OU_FAIL("Error: Only in paragraph can set text");
  auto& runs = paragraph->getRuns();
  OU_ASSERT(1 == runs.size());
  Vesk::DOM::Run run(std::move(text), runs.front().getSharedStyle());
  runs.clear();
  runs.push_back(std::move(run));
}

std::unique_ptr<Vesk::DOM::Paragraph> numberValueToBlock(
    const Vesk::DOM::SharedObjectFactory& factory,
    const Vesk::DOM::BlockValue<Vesk::FloatNumber>& value,
    const std::shared_ptr<const Vesk::DOM::Hyperlink>& hyperlink, const LocaleContext& locale) {
  return textBlock(factory, doubleToString(value.get(), locale, 15), hyperlink);
}

std::unique_ptr<Vesk::DOM::Paragraph> boolValueToBlock(
    const Vesk::DOM::SharedObjectFactory& factory, const Vesk::DOM::BlockValue<bool>& value,
    const std::shared_ptr<const Vesk::DOM::Hyperlink>& hyperlink, const LocaleContext& locale) {
  return textBlock(factory, locale.getResources().getBooleanString(value.get()), hyperlink);
}

std::unique_ptr<Vesk::DOM::Paragraph> errorValueToBlock(
    const Vesk::DOM::SharedObjectFactory& factory,
    const Vesk::DOM::BlockValue<Vesk::DOM::FormulaErrorType>& value,
    const std::shared_ptr<const Vesk::DOM::Hyperlink>& hyperlink, const LocaleContext& locale) {
  // The locale's error word: what casting the error value to text gives without a formatter.
  return textBlock(factory, locale.getResources().getErrorString(value.get()), hyperlink);
}

}  // namespace Vesk::OfficeUtils
