#pragma once
// The wheel commands of the command line, run without a window:
//   drawsmith --make-wheel V --ticket K --guarantee T-if-M [--seconds S] [--seed N]
//             [--threads N] [--steps N] [--keys B] [--no-library] --out FILE
//   drawsmith --check-wheel FILE [--guarantee T-if-M] [--set n1,n2,...]
//   drawsmith --library
//   drawsmith --library-wheel V --ticket K --guarantee T-if-M --out FILE
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/numbers.h"
#include "shell/program_info.h"

namespace ds {

// "4-if-6", "4 if 6" or "4if6" as {t, m}; nullopt otherwise.
std::optional<std::pair<int, int>> parse_guarantee(std::string_view text);

// True when the arguments ask for --make-wheel, --check-wheel, --library or --library-wheel.
bool wants_wheel_command(const std::vector<std::string>& args);

// --make-wheel: 0 when a wheel meeting the guarantee was written, 1 when none was found
// in the time or the file could not be written, 2 on wrong arguments. The output says
// the size, the known bound and the catalogue system of the same size. With --keys B the
// positions 1..B are on every ticket and the rest is the wheel for V-B numbers, K-B per
// ticket, T-B if M-B: the guarantee T if M holds when the B keys are among the winners.
// The search starts from the wheel of that size in the wheel library `library` when it has
// one (unless --no-library), so it never offers a larger wheel than the library's.
CommandRun make_wheel_command(const std::vector<std::string>& args,
                              const std::filesystem::path& library = {});

// --check-wheel: prints the table of worst and best matches and how the cases spread for
// every count of winners, then the holes of the guarantee (asked for, or the file's own)
// with the first of them; for a wheel with keys, the guarantee when the keys are among the
// winners. 0 when the wheel meets the guarantee (or none is known),
// 1 when it has holes, 2 when the file cannot be read or the arguments are wrong.
CommandRun check_wheel_command(const std::vector<std::string>& args);

// --library lists the entries of the wheel library in the file `library`, "V K T M
// tickets" one a line (0; 2 when it cannot be read). --library-wheel writes the entry of
// that size as a Wheels file once the exhaustive check has found no hole: 0 when written,
// 1 when the library has no such wheel, it has holes or the file cannot be written, 2 on
// wrong arguments or a library that cannot be read.
CommandRun library_command(const std::vector<std::string>& args, const std::filesystem::path& library);

// One of them, by the first wheel argument; `library` is the shipped wheel library's file.
CommandRun run_wheel_command(const std::vector<std::string>& args, const std::filesystem::path& library = {});

}  // namespace ds
