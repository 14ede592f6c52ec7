#include "host/Utils/OU_Assert.h"

#include <cstdio>
#include <cstdlib>

#include <fmt/format.h>

namespace Vesk {
namespace {

FailAssertHandler currentHandler = nullptr;

std::string describe(std::string_view file, int line, std::string_view condition,
                     std::string_view message) {
  if (message.empty()) return fmt::format("{}:{}: Assertion failed: {}", file, line, condition);
  return fmt::format("{}:{}: Assertion failed: {} ({})", file, line, condition, message);
}

[[noreturn]] void fail(const char* file, int line, const char* condition,
                       std::string_view message) {
  if (currentHandler) currentHandler(file, line, condition, message);
  const std::string text = describe(file, line, condition, message);
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace

AssertionFailure::AssertionFailure(std::string file, int line, std::string condition,
                                   std::string message)
    : std::logic_error(describe(file, line, condition, message)),
      _file(std::move(file)),
      _line(line),
      _condition(std::move(condition)),
      _message(std::move(message)) {}

void doFailAssert(const char* file, int line, const char* condition) {
  fail(file, line, condition, {});
}

void doFailAssert(const char* file, int line, const char* condition, std::string_view message) {
  fail(file, line, condition, message);
}

FailAssertHandler setFailAssertHandler(FailAssertHandler handler) {
  const FailAssertHandler previous = currentHandler;
  currentHandler = handler;
  return previous;
}

void throwingFailAssertHandler(const char* file, int line, const char* condition,
                               std::string_view message) {
  throw AssertionFailure(file, line, condition, std::string(message));
}

}  // namespace Vesk
