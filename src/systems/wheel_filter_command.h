#pragma once
// The wheel filter of the command line, run without a window:
//   drawsmith --wheel-filter --system ID|--wheel FILE --set N1,N2,... --filter EXPR
//             [--filter EXPR]... [--lotto NAME] [--seconds S] [--seed N] [--restarts N]
// It numbers the wheel's positions with the set's numbers so that the most tickets pass
// the filters (wheels/wheel_renumber.h), and says what the passing tickets alone keep of
// the wheel's guarantee.
#include <filesystem>
#include <string>
#include <vector>

#include "shell/dates.h"
#include "shell/program_info.h"

namespace ds {

// True when the arguments ask for --wheel-filter.
bool wants_wheel_filter_command(const std::vector<std::string>& args);

// Prints "position: number" pairs of the numbering found, the tickets in it (those that
// fail marked with "-"), "tickets passing: P of T" (and under the set's own order), and
// "playing only those: 3 if 6 on 94.1 % of the cases". The system is a catalogue id or a
// made wheel of `app_folder`; a wheel file may be written on positions 1..V or on the
// set's numbers. Without --lotto the numbers run from 1 to 49 and `new` is refused; with
// it the lotto of `games` gives the numbers and its draws (dates in `format` or ISO) the
// past draws `new` reads. 0 when it ran, 1 when the system, wheel or lotto cannot be
// read, 2 on wrong arguments.
CommandRun wheel_filter_command(const std::vector<std::string>& args, const std::filesystem::path& app_folder,
                                const DateFormat& format);

}  // namespace ds
