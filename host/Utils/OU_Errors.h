// The host's exception types. Every library error derives from BaseRuntimeError except
// assertion failures (programming errors) and date-limit errors (a logic error).
#pragma once

#include <stdexcept>
#include <string>

#include <unicode/utypes.h>

namespace Vesk {

class BaseRuntimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "ICU error: U_ILLEGAL_ARGUMENT_ERROR".
class ICUError : public BaseRuntimeError {
 public:
  explicit ICUError(UErrorCode status);
  UErrorCode status() const { return _status; }

 private:
  UErrorCode _status;
};

// Raised by numCast: "bad numeric conversion: positive overflow" and the like.
class BadNumCastError : public BaseRuntimeError {
 public:
  using BaseRuntimeError::BaseRuntimeError;
};

// The one check every ICU call goes through: throws ICUError when `status` is a failure.
// Warnings (negative codes such as U_USING_DEFAULT_WARNING) pass.
inline void throwIfICUFailure(UErrorCode status) {
  if (U_FAILURE(status)) throw ICUError(status);
}

}  // namespace Vesk
