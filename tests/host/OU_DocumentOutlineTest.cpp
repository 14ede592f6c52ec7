#include "host/DOM/OU_DocumentOutline.h"

#include <string>

#include <gtest/gtest.h>

namespace Vesk::DOM {
namespace {

// What outlines mean is checked through the bullets they give (NumListBulletGenerator tests).
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
      {"list L\nlist L", 2, "list L is defined twice"},
      {"list a/b", 1, "a list needs a name that is no keyword and has no '/', '+' or '-'"},
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
