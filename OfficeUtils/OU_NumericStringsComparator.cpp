#include "OfficeUtils/OU_NumericStringsComparator.h"

#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_Errors.h"

namespace Vesk::OfficeUtils {
namespace {
constexpr const char* SourceFile = "OfficeUtils/OU_NumericStringsComparator";
}  // namespace

NumericStringComparator::NumericStringComparator(const LocaleContext& locale) {
  const icu::Locale icuLocale(locale.getResources().getLocaleName().c_str());
  UErrorCode status = U_ZERO_ERROR;
  _collator.reset(icu::Collator::createInstance(icuLocale, status));
  throwIfICUFailure(status);
  _collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
  throwIfICUFailure(status);
  _collator->setAttribute(UCOL_CASE_FIRST, UCOL_UPPER_FIRST, status);
  throwIfICUFailure(status);
}

int NumericStringComparator::operator()(std::string_view a, std::string_view b) const {
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult result =
      _collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                             icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
  throwIfICUFailure(status);
  switch (result) {
    case UCOL_LESS:
      return -1;
    case UCOL_EQUAL:
      return 0;
    case UCOL_GREATER:
      return 1;
  }
  OU_FAIL("Invalid execution branch");
}

}  // namespace Vesk::OfficeUtils
