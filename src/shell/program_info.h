#pragma once
// The program's name and version, and what `drawsmith --help` prints.
#include <optional>
#include <string>
#include <vector>

namespace ds {

// What a command-line mode prints and how it ends: 0 done, 1 refused, 2 wrong arguments.
struct CommandRun {
  int exit_code = 0;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

// The version of this build (the project's version in CMakeLists.txt), e.g. "0.1.0".
const char* program_version();

// The options the program understands, one paragraph each.
std::string command_line_help();

// For `--help` and `--version` (anywhere on the command line, the first one
// wins): the text to print and end with 0. nullopt for any other command line.
std::optional<std::string> help_or_version(const std::vector<std::string>& args);

// For a command line that opens the windows: "" when every argument is one of the
// toolkit's own (-platform NAME, -style NAME, -reverse and the like, with one dash or
// two, a value after a blank or '='), else what is wrong followed by the help, to be
// printed before ending with 2.
std::string window_arguments_error(const std::vector<std::string>& args);

}  // namespace ds
