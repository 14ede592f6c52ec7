#include "host/DOM/OU_DocumentOutline.h"

#include <string>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace Vesk::DOM {
namespace {

TEST(DocumentOutline, ReadsListsLevelsMarksAndParts) {
  const auto doc = readOutline(
      "# lists\nlist L\nlist R I:2:%1) a:1:\n\nL one\n    +R/L two words\n-. three\r\n"
      "header\nR four\nfooter\nbody\nL five");
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->getNumLists().size(), 2u);
  const auto& roman = doc->getNumLists()[1].getNumberingLevels();
  ASSERT_EQ(roman.size(), 2u);
  EXPECT_TRUE(roman[0].getListMarker()->getType() == NumberFormatType::UpperRoman);
  EXPECT_EQ(roman[0].getListMarker()->getStartIndex(), std::size_t{2});
  EXPECT_EQ(roman[1].getListMarker()->getTextExpr(), std::string());
  EXPECT_EQ(doc->getNumLists()[0].getNumberingLevels()[2].getListMarker()->getTextExpr(),
            std::string("%1.%2.%3."));

  const auto& body = doc->getBlocks();
  ASSERT_EQ(body.size(), 4u);
  const auto& one = dynamic_cast<const Paragraph&>(*body[0]);
  const auto& two = dynamic_cast<const Paragraph&>(*body[1]);
  const auto& three = dynamic_cast<const Paragraph&>(*body[2]);
  EXPECT_EQ(two.getNumRef()->getLevel(), std::size_t{2});
  EXPECT_TRUE(two.getNumRef()->getNumListUUID() == doc->getNumLists()[1].getUUID());
  EXPECT_TRUE(two.getNumRef()->getListTagUUID() == one.getNumRef()->getListTagUUID());
  EXPECT_EQ(two.getRuns().at(0).getText(), "two words");
  EXPECT_TRUE(two.getTrackChangesType() == TrackChangesType::Insertion);
  EXPECT_TRUE(two.getParaMarkStyle().getTrackChangesType() == TrackChangesType::Insertion);
  EXPECT_FALSE(three.getNumRef());
  EXPECT_TRUE(three.getTrackChangesType() == TrackChangesType::Deletion);
  EXPECT_EQ(three.getRuns().at(0).getText(), "three");
  ASSERT_EQ(doc->getHeadersFooters().size(), 1u);
  EXPECT_EQ(doc->getHeadersFooters()[0].getHeader().getBlocks().size(), 1u);
  EXPECT_TRUE(doc->getHeadersFooters()[0].getFooter().getBlocks().empty());
}

TEST(DocumentOutline, FaultsNameTheirLine) {
  const struct {
    std::string outline;
    std::size_t line;
    std::string message;
  } cases[] = {
      {"L a", 1, "no list L"},
      {"list L\n L a", 2, "indentation is two spaces a level"},
      {"list L\n" + std::string(32, ' ') + "L a", 2, "levels go to 15"},
      {"list L x:1:%1", 1, "level x:1:%1 is not FORMAT:START:EXPR"},
      {"list L 1:a:%1", 1, "level 1:a:%1 is not FORMAT:START:EXPR"},
      {"list L\nlist L", 2, "list L is defined twice"},
      {"list a/b", 1, "a list needs a name that is no keyword and has no '/', '+' or '-'"},
      {"list header", 1, "a list needs a name that is no keyword and has no '/', '+' or '-'"},
      {"list L\n+", 2, "no list "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outline);
    OutlineError error;
    EXPECT_FALSE(readOutline(c.outline, &error));
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.message, c.message);
  }
}

}  // namespace
}  // namespace Vesk::DOM
