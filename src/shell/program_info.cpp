#include "shell/program_info.h"

#ifndef DRAWSMITH_VERSION
#error "DRAWSMITH_VERSION is set by CMakeLists.txt"
#endif

namespace ds {

const char* program_version() { return DRAWSMITH_VERSION; }

std::string command_line_help() {
  return std::string("Usage: drawsmith [OPTION...]\n") +
         "Without an option the program opens its main window (it needs a display).\n"
         "\n"
         "  --help                   print this help and end\n"
         "  --version                print the version and end\n"
         "\n"
         "Import a draw history without a window:\n"
         "  --import FILE --lotto NAME [--day-month | --month-day]\n"
         "                           preview FILE (CSV), print what is new, present, in\n"
         "                           conflict or refused, and add the new draws to the\n"
         "                           lotto NAME; --day-month or --month-day says how to\n"
         "                           read dates such as 03/04/2024 when the file does not\n"
         "\n"
         "Make a wheel without a window:\n"
         "  --make-wheel V --ticket K --guarantee T-if-M [--seconds S] [--seed N] --out FILE\n"
         "                           search tickets of K numbers from V that hold T of any\n"
         "                           M winners among the V; at most S seconds, random\n"
         "                           seed N; the tickets go to FILE; --keys B puts\n"
         "                           1..B on every ticket; --tickets N makes the best\n"
         "                           wheel of N tickets; it starts from the library's\n"
         "                           wheel of the size unless --no-library\n"
         "\n"
         "Check a wheel without a window:\n"
         "  --check-wheel FILE [--guarantee T-if-M] [--set n1,n2,...]\n"
         "                           read the tickets of FILE, print what they guarantee\n"
         "                           (or check the guarantee given), on the numbers of\n"
         "                           the set when given\n"
         "\n"
         "The wheel library shipped beside the program (wheels the maker made):\n"
         "  --library                list its wheels, one a line: V K T M tickets\n"
         "  --library-wheel V --ticket K --guarantee T-if-M --out FILE\n"
         "                           write its wheel of that size to FILE\n"
         "\n"
         "Each ends with 0 when it succeeded, 1 otherwise.\n";
}

std::optional<std::string> help_or_version(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") return command_line_help();
    if (a == "--version") return std::string("Drawsmith ") + program_version() + "\n";
  }
  return std::nullopt;
}

}  // namespace ds
