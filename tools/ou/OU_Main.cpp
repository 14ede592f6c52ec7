// ou: the command-line front end of libOfficeUtils. Without arguments it tours built-in
// examples; "ou help" lists the subcommands.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

std::vector<Command>& mutableCommands() {
  static std::vector<Command> commands;
  return commands;
}

int printUsage(std::FILE* out) {
  std::fprintf(out,
               "usage: ou [COMMAND ARGUMENTS...]\n\nWithout a command, ou tours examples.\n\n");
  for (const auto& command : registeredCommands())
    std::fprintf(out, "  ou %s %s\n      %s\n", command.name, command.arguments, command.summary);
  return out == stdout ? 0 : 1;
}

}  // namespace

CommandRegistrar::CommandRegistrar(const Command& command) {
  auto& commands = mutableCommands();
  commands.push_back(command);
  std::stable_sort(commands.begin(), commands.end(),
                   [](const Command& a, const Command& b) { return a.order < b.order; });
}

const std::vector<Command>& registeredCommands() {
  return mutableCommands();
}

void printTourHeading(const Command& command) {
  std::printf("\n== ou %s %s: %s ==\n", command.name, command.arguments, command.summary);
}

}  // namespace Vesk::OfficeUtils::Tool

int main(int argc, char** argv) {
  using namespace Vesk::OfficeUtils::Tool;
  try {
    if (argc < 2) {
      std::printf(
          "libOfficeUtils tour: each section runs one ou subcommand on built-in examples.\n");
      for (const auto& command : registeredCommands()) {
        if (!command.tour) continue;
        printTourHeading(command);
        command.tour();
      }
      return 0;
    }
    if (!std::strcmp(argv[1], "help") || !std::strcmp(argv[1], "--help")) return printUsage(stdout);
    for (const auto& command : registeredCommands()) {
      if (std::strcmp(argv[1], command.name) != 0) continue;
      return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "ou: unknown command '%s'\n\n", argv[1]);
    return printUsage(stderr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ou: %s\n", error.what());
    return 1;
  }
}
