#include "host/DOM/OU_DocumentOutline.h"

#include <map>
#include <utility>
#include <vector>

#include <fmt/format.h>

namespace Vesk::DOM {
namespace {

// Splits off the next word of `text` (spaces separate words).
std::string_view nextWord(std::string_view& text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return text = {}, std::string_view();
  text.remove_prefix(start);
  const auto end = std::min(text.find(' '), text.size());
  const auto word = text.substr(0, end);
  text.remove_prefix(end);
  return word;
}

boost::optional<NumberFormatType> formatOf(std::string_view name) {
  if (name == "1") return NumberFormatType::Decimal;
  if (name == "I") return NumberFormatType::UpperRoman;
  if (name == "i") return NumberFormatType::LowerRoman;
  if (name == "A") return NumberFormatType::UpperLetter;
  if (name == "a") return NumberFormatType::LowerLetter;
  return boost::none;
}

// "FORMAT:START:EXPR".
boost::optional<NumberingLevel> levelOf(std::string_view word) {
  const auto first = word.find(':');
  const auto second = first == std::string_view::npos ? first : word.find(':', first + 1);
  if (second == std::string_view::npos) return boost::none;
  const auto format = formatOf(word.substr(0, first));
  const auto digits = word.substr(first + 1, second - first - 1);
  if (!format || digits.empty() || digits.size() > 6 ||
      digits.find_first_not_of("0123456789") != std::string_view::npos)
    return boost::none;
  return NumberingLevel(NumListMarker(*format, std::stoul(std::string(digits)),
                                      std::string(word.substr(second + 1))));
}

std::vector<NumberingLevel> defaultLevels() {
  std::vector<NumberingLevel> levels;
  std::string expression;
  for (int level = 1; level <= 9; ++level) {
    expression += fmt::format("%{}.", level);
    levels.emplace_back(NumListMarker(NumberFormatType::Decimal, 1, expression));
  }
  return levels;
}

class Reader {
 public:
  // An empty message when the line was read.
  std::string readLine(std::string_view line) {
    if (line.empty() || line.find_first_not_of(' ') == std::string_view::npos || line[0] == '#')
      return {};
    std::string_view rest = line;
    const std::string_view keyword = nextWord(rest);
    if (line[0] != ' ') {
      if (keyword == "list") return readList(rest);
      if (keyword == "body") return _target = &_document.getBlocks(), std::string();
      if (keyword == "header") {
        _target = &_document.getHeadersFooters().emplace_back().getHeader().getBlocks();
        return {};
      }
      if (keyword == "footer") {
        auto& pairs = _document.getHeadersFooters();
        if (pairs.empty() || !pairs.back().getFooter().getBlocks().empty()) pairs.emplace_back();
        _target = &pairs.back().getFooter().getBlocks();
        return {};
      }
    }
    return readParagraph(line);
  }

  Document take() { return std::move(_document); }

 private:
  std::string readList(std::string_view rest) {
    const std::string name(nextWord(rest));
    if (name.empty() || name == "." || name == "list" || name == "body" || name == "header" ||
        name == "footer" || name.find_first_of("/+-") != std::string::npos)
      return "a list needs a name that is no keyword and has no '/', '+' or '-'";
    if (_lists.count(name)) return fmt::format("list {} is defined twice", name);
    std::vector<NumberingLevel> levels;
    for (auto word = nextWord(rest); !word.empty(); word = nextWord(rest)) {
      auto level = levelOf(word);
      if (!level) return fmt::format("level {} is not FORMAT:START:EXPR", word);
      levels.push_back(std::move(*level));
    }
    if (levels.empty()) levels = defaultLevels();
    const UUID uuid = UUID::generate();
    _document.getNumLists().emplace_back(uuid, std::move(levels));
    _lists.emplace(name, uuid);
    return {};
  }

  std::string readParagraph(std::string_view line) {
    const auto indent = line.find_first_not_of(' ');
    if (indent % 2 != 0) return "indentation is two spaces a level";
    if (indent / 2 > MaxOutlineLevel) return fmt::format("levels go to {}", MaxOutlineLevel);
    line.remove_prefix(indent);
    auto paragraph = _document.makeParagraph();
    if (line[0] == '+' || line[0] == '-') {
      paragraph->setTracked(line[0] == '+' ? TrackChangesType::Insertion
                                           : TrackChangesType::Deletion);
      line.remove_prefix(1);
    }
    const std::string_view name = nextWord(line);
    if (!line.empty()) line.remove_prefix(1);
    if (name != ".") {
      const auto slash = std::min(name.find('/'), name.size());
      const auto list = _lists.find(std::string(name.substr(0, slash)));
      if (list == _lists.end()) return fmt::format("no list {}", name.substr(0, slash));
      const std::string tagName(slash < name.size() ? name.substr(slash + 1) : name);
      auto tag = _tags.try_emplace(tagName, ListTag(UUID::generate())).first->second;
      paragraph->setNumRef(NumberingRef(list->second, tag, indent / 2));
    }
    if (!line.empty()) paragraph->addRun(Run(std::string(line)));
    _target->push_back(std::move(paragraph));
    return {};
  }

  Document _document;
  ReadonlyVector<Block>* _target = &_document.getBlocks();
  std::map<std::string, UUID, std::less<>> _lists;
  std::map<std::string, ListTag, std::less<>> _tags;
};

}  // namespace

boost::optional<Document> readOutline(std::string_view text, OutlineError* error) {
  Reader reader;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const auto end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (std::string message = reader.readLine(line); !message.empty()) {
      if (error) *error = {number, std::move(message)};
      return boost::none;
    }
  }
  return reader.take();
}

}  // namespace Vesk::DOM
