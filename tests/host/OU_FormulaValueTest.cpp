#include "host/FormulaModel/OU_FormulaValue.h"

#include <gtest/gtest.h>

namespace Vesk::FormulaModel {
namespace {

using DOM::FormulaErrorType;

// Values, their helpers and their comparison are exercised by the cast and detector suites.
TEST(FormulaException, CarriesTheErrorTypeAndItsWord) {
  const std::pair<FormulaErrorType, const char*> cases[] = {
      {FormulaErrorType::NA, "#N/A"},
      {static_cast<FormulaErrorType>(9), "formula error 9"},
  };
  for (const auto& [type, word] : cases) {
    SCOPED_TRACE(word);
    const FormulaException error(type);
    EXPECT_EQ(error.getErrorType(), type);
    EXPECT_STREQ(error.what(), word);
  }
}

}  // namespace
}  // namespace Vesk::FormulaModel
