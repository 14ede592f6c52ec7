// The host's assertion handler: a failed assertion reports the source file, line, condition and
// message, then ends the process. Tests may install a handler that throws instead, so that an
// assertion is checked with EXPECT_THROW rather than a slow death test.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace Vesk {

// Writes "file:line: Assertion failed: condition" (and the message, when given) to stderr and
// aborts, unless an installed handler throws first.
[[noreturn]] void doFailAssert(const char* file, int line, const char* condition);
[[noreturn]] void doFailAssert(const char* file, int line, const char* condition,
                               std::string_view message);

// What the throwing test handler raises; what() is the same text the default handler prints.
class AssertionFailure : public std::logic_error {
 public:
  AssertionFailure(std::string file, int line, std::string condition, std::string message);

  const std::string& file() const { return _file; }
  int line() const { return _line; }
  const std::string& condition() const { return _condition; }
  const std::string& message() const { return _message; }

 private:
  std::string _file;
  int _line;
  std::string _condition;
  std::string _message;
};

// A handler may throw; if it returns, the default report and abort follow. Returns the
// previous handler; nullptr restores the default. Not synchronised: set it before other threads.
using FailAssertHandler = void (*)(const char* file, int line, const char* condition,
                                   std::string_view message);
FailAssertHandler setFailAssertHandler(FailAssertHandler handler);

// A ready-made handler that throws AssertionFailure.
[[noreturn]] void throwingFailAssertHandler(const char* file, int line, const char* condition,
                                            std::string_view message);

}  // namespace Vesk
