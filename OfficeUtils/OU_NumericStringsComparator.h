// Compares texts with the locale's collation, reading runs of digits as numbers ("item2" before
// "item10") and putting upper case first ("B" before "b"). Owns one ICU collator: movable, not
// copyable, and used by one thread at a time.
#pragma once

#include <memory>
#include <string_view>

#include <unicode/coll.h>

#include "OfficeUtils/Locale/OU_LocaleContext.h"

namespace Vesk::OfficeUtils {

class NumericStringComparator {
 public:
  // Collates for the locale name of the context's resources ("de_DE"). Throws Vesk::ICUError
  // when ICU cannot build the collator.
  explicit NumericStringComparator(const LocaleContext& locale);

  NumericStringComparator(NumericStringComparator&&) noexcept = default;
  NumericStringComparator& operator=(NumericStringComparator&&) noexcept = default;

  // -1 when `a` sorts first, 0 when the two collate equal, 1 when `b` sorts first. Ill-formed
  // UTF-8 compares as U+FFFD; a failing ICU status throws Vesk::ICUError.
  [[nodiscard]] int operator()(std::string_view a, std::string_view b) const;

 private:
  std::unique_ptr<icu::Collator> _collator;
};

}  // namespace Vesk::OfficeUtils
