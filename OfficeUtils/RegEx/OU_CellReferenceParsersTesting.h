// The reference grammars as full-match regular expressions: the definition that the parsers'
// hand-written scanners follow, for the tests and benchmarks that compare the two. Not installed.
#pragma once

#include <string_view>

#include <boost/optional.hpp>

#include "OfficeUtils/RegEx/OU_CellReferenceParsers.h"

namespace Vesk::OfficeUtils::Detail {

[[nodiscard]] boost::optional<ShortCellParts> matchA1ShortCell(std::string_view text);
[[nodiscard]] boost::optional<ShortCellParts> matchR1C1ShortCell(std::string_view text);
[[nodiscard]] boost::optional<ShortAxisParts> matchA1ShortCol(std::string_view text);
[[nodiscard]] boost::optional<ShortAxisParts> matchR1C1ShortCol(std::string_view text);
[[nodiscard]] boost::optional<ShortAxisParts> matchA1ShortRow(std::string_view text);
[[nodiscard]] boost::optional<ShortAxisParts> matchR1C1ShortRow(std::string_view text);
[[nodiscard]] boost::optional<ShortRangeParts> matchA1ShortRange(std::string_view text);
[[nodiscard]] boost::optional<OXMLRefParts> matchOXMLRef(std::string_view text);
[[nodiscard]] boost::optional<OpenFormulaRefParts> matchOpenFormulaRef(std::string_view text);

}  // namespace Vesk::OfficeUtils::Detail
