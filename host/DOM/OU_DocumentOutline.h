// Documents written as small text outlines, one paragraph a line, for tools and tests:
//
//   # a comment; blank lines are skipped
//   list L                  a list with nine decimal levels from 1: "%1.", "%1.%2.", ...
//   list R I:1:%1. a:1:%2)  a list with its levels given as FORMAT:START:EXPR, FORMAT one of
//                           1 (decimal), I, i (Roman), A, a (letters); EXPR may be empty
//   L first                 a paragraph of list L at level 0
//     L/T second            level 1 (two spaces a level), numbered with list tag T
//   +L inserted             a tracked insertion; "-" marks a tracked deletion
//   . plain text            a paragraph without numbering
//   header                  the following paragraphs go to a new header; "footer" to the
//                           footer of the last header (or of a new pair), "body" back
//
// The list tag of a paragraph defaults to its list's name, so each list counts on its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <boost/optional.hpp>

#include "host/DOM/OU_Document.h"

namespace Vesk::DOM {

struct OutlineError {
  std::size_t line = 0;  // from 1
  std::string message;
};

// Levels deeper than this are refused, so that a line cannot make a document huge.
inline constexpr std::size_t MaxOutlineLevel = 15;

// None for text that does not follow the syntax, with the first fault in `error` if given.
[[nodiscard]] boost::optional<Document> readOutline(std::string_view text,
                                                    OutlineError* error = nullptr);

}  // namespace Vesk::DOM
