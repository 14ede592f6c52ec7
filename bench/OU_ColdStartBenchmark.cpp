// What a user pays the first time in a fresh process: each iteration starts this program anew as
// a child ("--cold WHAT"), which times one first call and prints the nanoseconds. The "Process"
// benchmarks time a whole child from spawn to exit: this program doing nothing (start and loading
// of the shared libraries) and the ou tool printing its usage. Times are CPU times (the process's
// for a first call, the child's user and system time for a process), which a machine shared with
// other work leaves nearly as they are, unlike wall times. The first
// stringToDouble is timed with its fast reader and with every value read by ICU, the reader it
// had before, and the first DateTime also with the limit dates built, as it was before their
// serials were written out. A locale is built before the timed first call for those that need one.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "OfficeUtils/Utils/OU_DateTime.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"

extern char** environ;

namespace {

using namespace Vesk::OfficeUtils;

// ----- The child: one first call, timed -----

long cpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1'000'000'000L + now.tv_nsec;
}

template <typename Call>
long timed(Call call) {
  const long start = cpuNanoseconds();
  call();
  return cpuNanoseconds() - start;
}

// The nanoseconds of the first call named `what`, or -1 for an unknown name or a wrong result.
long runCold(const std::string& what) {
  if (what == "Nothing") return 0;
  if (what == "Locale") {
    bool right = false;
    const long time = timed([&] {
      const auto provider = makeLocaleProvider("de_DE");
      const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
      right = manager.getLocaleContext().getResources().getSymbol(
                  LocalizableSymbolType::DecimalSeparator) == ",";
    });
    return right ? time : -1;
  }
  const auto provider = makeLocaleProvider("en_US");
  const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  const LocaleContext& context = manager.getLocaleContext();
  std::string text;
  double value = 0;
  long time = -1;
  if (what == "GeneralFormat") {
    time = timed([&] { text = GeneralNumberFormatter(context)(Vesk::FloatNumber(1234.5)); });
    return text == "1234.5" ? time : -1;
  }
  if (what == "StringToDouble" || what == "StringToDoubleIcu") {
    time = timed([&] {
      value = *(what == "StringToDouble" ? stringToDouble("-1234.5e1", context)
                                         : Detail::stringToDoubleIcu("-1234.5e1", context));
    });
    return value == -12345.0 ? time : -1;
  }
  if (what == "DateTime" || what == "DateTimeWithLimitDates") {
    time = timed([&] {
      // The limit dates are what a first date cost before the limits were written out.
      if (what == "DateTimeWithLimitDates")
        (void)DateTime::getMinDate(), (void)DateTime::getMaxDate();
      const DateTime dateTime(Vesk::FloatNumber(45000.75), context);
      text = std::to_string(dateTime.getYear()) + "-" + std::to_string(dateTime.getMonth()) + "-" +
             std::to_string(dateTime.getDay()) + " " + std::to_string(dateTime.getHours());
    });
    return text == "2023-3-15 18" ? time : -1;
  }
  return -1;
}

// ----- The parent: children spawned and timed -----

std::string selfPath() {
  return std::filesystem::read_symlink("/proc/self/exe").string();
}

// Runs `arguments` with its output in `output` and its CPU time in `seconds`; false when it
// cannot start or fails.
bool runChild(const std::vector<std::string>& arguments, std::string& output, double& seconds) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<char*> argv;
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  output.clear();
  char buffer[4096];
  for (ssize_t n; spawned == 0 && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
    output.append(buffer, static_cast<std::size_t>(n));
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  if (spawned != 0 || wait4(child, &status, 0, &usage) != child) return false;
  const auto toSeconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
  };
  seconds = toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Each iteration is a process: its own time, a fixed number, in milliseconds.
void coldRun(benchmark::internal::Benchmark* benchmark) {
  benchmark->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
}

// The child's own time for its first call.
void BM_FirstCall(benchmark::State& state, const char* what) {
  const std::vector<std::string> arguments = {selfPath(), "--cold", what};
  std::string output;
  double seconds = 0;
  for (auto _ : state) {
    const long nanoseconds = runChild(arguments, output, seconds) ? std::atol(output.c_str()) : -1;
    if (nanoseconds < 0) {
      state.SkipWithError("the child failed or gave a wrong result");
      break;
    }
    state.SetIterationTime(static_cast<double>(nanoseconds) * 1e-9);
  }
}
BENCHMARK_CAPTURE(BM_FirstCall, Locale, "Locale")->Apply(coldRun);
BENCHMARK_CAPTURE(BM_FirstCall, GeneralFormat, "GeneralFormat")->Apply(coldRun);
BENCHMARK_CAPTURE(BM_FirstCall, StringToDouble, "StringToDouble")->Apply(coldRun);
BENCHMARK_CAPTURE(BM_FirstCall, StringToDoubleIcu, "StringToDoubleIcu")->Apply(coldRun);
BENCHMARK_CAPTURE(BM_FirstCall, DateTime, "DateTime")->Apply(coldRun);
BENCHMARK_CAPTURE(BM_FirstCall, DateTimeWithLimitDates, "DateTimeWithLimitDates")->Apply(coldRun);

// A whole child from spawn to exit.
void BM_Process(benchmark::State& state, bool tool) {
  const std::filesystem::path self = selfPath();
  const std::vector<std::string> arguments =
      tool ? std::vector<std::string>{(self.parent_path().parent_path() / "tools/ou").string(),
                                      "help"}
           : std::vector<std::string>{self.string(), "--cold", "Nothing"};
  std::string output;
  double seconds = 0;
  for (auto _ : state) {
    if (!runChild(arguments, output, seconds)) {
      state.SkipWithError(("cannot run " + arguments[0]).c_str());
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK_CAPTURE(BM_Process, Nothing, false)->Apply(coldRun);
BENCHMARK_CAPTURE(BM_Process, OuHelp, true)->Apply(coldRun);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--cold") == 0) {
    const long nanoseconds = runCold(argv[2]);
    std::printf("%ld\n", nanoseconds);
    return nanoseconds < 0 ? 1 : 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
