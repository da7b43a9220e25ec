#include "shell/program_info.h"

#include <algorithm>
#include <array>
#include <string_view>

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
         "Keep the tickets bought (Games/NAME/tickets.txt):\n"
         "  --play FILE --lotto NAME --from YYYY-MM-DD --to YYYY-MM-DD\n"
         "                           record the plays of FILE (the ticket file of the\n"
         "                           Systems window, or one ticket a line) as bought for\n"
         "                           every draw of NAME dated in the period, at the game's\n"
         "                           cost a play\n"
         "  --ledger --lotto NAME    print date,numbers,prize for each play bought that has\n"
         "                           its draw, then the total spent and won\n"
         "\n"
         "Fetch the results:\n"
         "  --update --lotto NAME [--url URL] [--check-url URL] [--day-month | --month-day]\n"
         "                           fetch the published history (CSV) at URL, or at the\n"
         "                           address remembered in Games/NAME/sources.txt, check it\n"
         "                           as an import does and add the new draws; with a second\n"
         "                           copy to cross-check, the draws on which they disagree\n"
         "                           are conflicts and are not stored\n"
         "\n"
         "Make a wheel without a window:\n"
         "  --make-wheel V --ticket K --guarantee T-if-M [--seconds S] [--seed N]\n"
         "               [--threads N] [--steps N] --out FILE\n"
         "                           search tickets of K numbers from V that hold T of any\n"
         "                           M winners among the V; at most S seconds (default 60),\n"
         "                           random seed N (default 1) for the first thread, N + 1\n"
         "                           for the next; --threads: how many threads search\n"
         "                           (default every core); --steps: annealing moves per\n"
         "                           thread, which makes the result the same on every run;\n"
         "                           the tickets go to FILE; --keys B puts 1..B on every\n"
         "                           ticket; --tickets N makes the best wheel of N tickets;\n"
         "                           it starts from the library's wheel of the size unless\n"
         "                           --no-library\n"
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
         "Filters on a wheel that keep its guarantee:\n"
         "  --wheel-filter --system ID|--wheel FILE --set N1,N2,... --filter EXPR\n"
         "               [--filter EXPR]... [--lotto NAME] [--seconds S] [--seed N]\n"
         "               [--restarts N]\n"
         "                           number the wheel's positions with the set's numbers\n"
         "                           so that the most tickets pass the filters (every\n"
         "                           numbering keeps the guarantee); print the numbering,\n"
         "                           the tickets, how many pass and what the passing ones\n"
         "                           alone guarantee; at most S seconds (default 10), or\n"
         "                           exactly N restarts, the same on every run\n"
         "\n"
         "Statistics of a draw history without a window:\n"
         "  --stats --lotto NAME [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
         "                           print CSV, one line per number of each pool: how\n"
         "                           many draws of the period held it, as the bonus, how\n"
         "                           many chance expects, the last draw holding it and\n"
         "                           the draws since (no --from or --to: every draw)\n"
         "  --filter-rate --lotto NAME --filter EXPR [--filter EXPR]... [--from D] [--to D]\n"
         "                           how many draws of the period and how many of all the\n"
         "                           game's combinations pass every filter, counted\n"
         "                           exactly; EXPR is sum:A-B, odd:A-B, low:A-B, run:A-B,\n"
         "                           decade:A-B, new, include:n,m or exclude:n,m\n"
         "\n"
         "Each ends with 0 when it succeeded, 1 otherwise; --make-wheel, --check-wheel,\n"
         "--wheel-filter, --stats, --filter-rate, --play, --ledger and --update end with\n"
         "2 on wrong arguments, and so does the program on an unknown option.\n";
}

std::optional<std::string> help_or_version(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") return command_line_help();
    if (a == "--version") return std::string("Drawsmith ") + program_version() + "\n";
  }
  return std::nullopt;
}

std::string window_arguments_error(const std::vector<std::string>& args) {
  // The options QApplication reads and removes from the command line.
  constexpr std::array<std::string_view, 16> with_value = {
      "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
      "qwindowicon",  "qwindowtitle",       "session",       "style",  "stylesheet",
      "display",      "geometry",           "title",         "name",   "icon",
      "qmljsdebugger"};
  constexpr std::array<std::string_view, 5> alone = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
  const auto known = [](const auto& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view a = args[i];
    std::string_view name = a;
    if (name.substr(0, 2) == "--")
      name.remove_prefix(2);
    else if (name.substr(0, 1) == "-")
      name.remove_prefix(1);
    else
      return "Unknown argument '" + args[i] + "'.\n\n" + command_line_help();
    const bool has_value = name.find('=') != std::string_view::npos;
    name = name.substr(0, name.find('='));
    if (known(with_value, name)) {
      if (!has_value && ++i >= args.size())
        return "'" + args[i - 1] + "' needs a value.\n\n" + command_line_help();
    } else if (!known(alone, name) || has_value) {
      return "Unknown option '" + args[i] + "'.\n\n" + command_line_help();
    }
  }
  return "";
}

}  // namespace ds
