// Subcommands of the ou tool register themselves: one source file per subcommand defines
//   const CommandRegistrar registrar{{"tokens", "CODE", "print the token stream", run, tour, 10}};
// `tour` (optional) prints a few built-in examples when ou runs without arguments; tours run
// in ascending `order`.
#pragma once

#include <string>
#include <vector>

namespace Vesk::OfficeUtils::Tool {

struct Command {
  const char* name;
  const char* arguments;
  const char* summary;
  int (*run)(const std::vector<std::string>& arguments);
  void (*tour)();
  int order;
};

struct CommandRegistrar {
  explicit CommandRegistrar(const Command& command);
};

const std::vector<Command>& registeredCommands();

// Prints a tour heading: "== tokens: print the token stream ==".
void printTourHeading(const Command& command);

}  // namespace Vesk::OfficeUtils::Tool
