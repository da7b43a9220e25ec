#pragma once
// The statistics and filter commands of the command line, run without a window:
//   drawsmith --stats --lotto NAME [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//   drawsmith --filter-rate --lotto NAME --filter EXPR [--filter EXPR]... [--from D] [--to D]
#include <filesystem>
#include <string>
#include <vector>

#include "shell/dates.h"
#include "systems/wheel_command.h"

namespace ds {

// True when the arguments ask for --stats or --filter-rate.
bool wants_stats_command(const std::vector<std::string>& args);

// --stats prints CSV, one line per number of each pool:
//   number,pool,drawn,bonus,expected,last_drawn,draws_since
// (pool "main" or "second", expected with '.' as the decimal sign, last_drawn ISO or
// empty). --filter-rate prints "past draws passing: P of D", "combinations passing:
// C of N" and the rates. The lotto is read from `games`, its draws.txt dates in
// `format` or ISO. 0 on success, 1 when the lotto or its draws cannot be read, 2 on
// wrong arguments (the message and the usage on standard error).
CommandRun run_stats_command(const std::vector<std::string>& args, const std::filesystem::path& games,
                             const DateFormat& format);

}  // namespace ds
