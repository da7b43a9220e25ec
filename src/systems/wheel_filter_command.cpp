#include "systems/wheel_filter_command.h"

#include <algorithm>

#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "shell/numbers.h"
#include "systems/played_system.h"
#include "wheels/wheel_renumber.h"

namespace ds {

namespace {

constexpr std::string_view kUsage =
    "Usage: drawsmith --wheel-filter --system ID|--wheel FILE --set N1,N2,... --filter EXPR "
    "[--filter EXPR]... [--lotto NAME] [--seconds S] [--seed N] [--restarts N]\n"
    "  EXPR: sum:A-B, odd:A-B, low:A-B, run:A-B, decade:A-B, new, include:n,m or exclude:n,m\n";

CommandRun usage(const std::string& why) { return {2, "", why + "\n" + std::string(kUsage)}; }

std::string joined(const std::vector<int>& xs) {
  std::string s;
  for (std::size_t i = 0; i < xs.size(); ++i) s += (i ? " " : "") + std::to_string(xs[i]);
  return s;
}

// A list of tickets on positions 1..v, or on the set's numbers.
WheelRead read_wheel_list(std::string_view bytes, const std::vector<int>& set) {
  WheelRead read = parse_ticket_list(bytes, {});
  if (read.ok && read.wheel.v <= static_cast<int>(set.size())) {
    read.wheel.v = static_cast<int>(set.size());
    return read;
  }
  WheelRead in_numbers = parse_ticket_list(bytes, set);
  return in_numbers.ok || !read.ok ? in_numbers : read;
}

}  // namespace

bool wants_wheel_filter_command(const std::vector<std::string>& args) {
  return std::find(args.begin(), args.end(), "--wheel-filter") != args.end();
}

CommandRun wheel_filter_command(const std::vector<std::string>& args, const std::filesystem::path& app_folder,
                                const DateFormat& format) {
  std::string system, file, lotto;
  std::vector<int> set;
  std::vector<std::string> filters;
  RenumberRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--wheel-filter") continue;
    if (i + 1 >= args.size()) return usage("'" + a + "' needs a value.");
    const std::string& value = args[++i];
    if (a == "--system") {
      system = value;
    } else if (a == "--wheel") {
      file = value;
    } else if (a == "--lotto") {
      lotto = value;
    } else if (a == "--filter") {
      filters.push_back(value);
    } else if (a == "--set") {
      const auto numbers = parse_number_list(value);
      if (!numbers || numbers->empty())
        return usage("'" + value + "' is not a list of numbers such as 3,7,12.");
      set = *numbers;
    } else if (a == "--seconds") {
      const auto s = parse_plain_double(value);
      if (!s || !(*s > 0) || *s > 1e6) return usage("'" + value + "' is not a number of seconds above 0.");
      request.seconds = *s;
    } else if (a == "--seed" || a == "--restarts") {
      const auto x = parse_whole(value);
      if (!x || *x < (a == "--seed" ? 0 : 1) || *x > (a == "--seed" ? (1ll << 62) : 1'000'000))
        return usage("'" + value + "' is not allowed for " + a + ".");
      if (a == "--seed")
        request.seed = static_cast<std::uint64_t>(*x);
      else
        request.restarts = static_cast<int>(*x);
    } else {
      return usage("Unknown argument '" + a + "'.");
    }
  }
  if (system.empty() == file.empty()) return usage("Give --system ID or --wheel FILE (one of them).");
  if (set.empty()) return usage("--set N1,N2,... is needed: the numbers the wheel is played on.");
  if (filters.empty()) return usage("At least one --filter EXPR is needed.");
  // --restarts alone: exactly that many, whatever the time
  if (request.restarts > 0 && std::find(args.begin(), args.end(), "--seconds") == args.end())
    request.seconds = 0;

  // the game: the lotto's, or numbers 1 to 49
  request.game = {49, 6};
  if (!lotto.empty()) {
    const std::filesystem::path games = lotto_folder(app_folder);
    std::error_code ec;
    if (!std::filesystem::is_directory(games / lotto, ec))
      return {1, "",
              "There is no lotto named '" + lotto + "' (no folder '" + lotto + "' in '" + games.string() +
                  "').\n"};
    LottoDefinition def;
    if (const std::string e = read_definition(games, lotto, def); !e.empty())
      return {1, "", "The lotto '" + lotto + "' cannot be used: " + e + "\n"};
    request.game = {def.play_n, def.pick_n};
    if (file_exists(games / lotto / "draws.txt")) {
      TextGrid grid;
      const ReadDrawsResult read = read_draws(games, lotto, grid, format, def);
      if (read.stopped) return {1, "", "The draws of '" + lotto + "' cannot be read: " + read.message + "\n"};
      request.past = grid_past_draws(grid, def.pick_n);
    }
  }

  std::string title;
  if (!system.empty()) {
    const PlayedLookup found = find_played_system(system, app_folder);
    if (!found.found) return {1, "", found.why + "\n"};
    const PlayedSystem& p = found.played;
    request.wheel.v = p.v;
    request.wheel.k = p.k;
    request.wheel.t = p.t;
    request.wheel.m = p.m;
    request.wheel.tickets = p.tickets;
    title = (p.wheel ? "Wheel " : "System ") + p.id;
  } else {
    const std::optional<std::string> bytes = read_file(file);
    if (!bytes) return {1, "", "Cannot read " + file + ".\n"};
    const WheelRead read = read_wheel_list(*bytes, set);
    if (!read.ok) return {1, "", file + ": " + read.error + "\n"};
    request.wheel = read.wheel;
    title = "Wheel " + file;
  }
  request.game.drawn = std::max(request.game.drawn, 1);
  for (const std::string& f : filters)
    if (const std::string why = add_filter(f, request.game, request.filters); !why.empty()) return usage(why);
  if (request.filters.new_only && lotto.empty())
    return usage("The filter new reads the draws of a lotto: give --lotto NAME.");
  request.set = set;
  if (std::string error = renumber_request_error(request); !error.empty()) return {2, "", error + "\n"};

  RenumberProgress progress;
  const RenumberResult r = renumber_for_filters(request, {}, progress);
  const KeptGuarantee kept = kept_guarantee(request.wheel, r.passes, r.numbers);
  const Wheel& w = request.wheel;
  CommandRun run;
  run.out = title + ": " + std::to_string(w.tickets.size()) + " tickets of " + std::to_string(w.k) +
            " numbers on " + std::to_string(w.v) + " numbers" +
            (w.t > 0 ? ", " + guarantee_text(w.t, w.m, w.keys) : std::string()) + ".\n";
  if (lotto.empty()) run.out += "No --lotto: the numbers run from 1 to 49.\n";
  run.out += "numbering (position: number):";
  for (std::size_t p = 0; p < r.numbers.size(); ++p)
    run.out += " " + std::to_string(p + 1) + ":" + std::to_string(r.numbers[p]);
  run.out += "\n";
  run.out += r.exact ? "Every numbering was tried: none makes more tickets pass.\n"
                     : "Best of " + std::to_string(r.restarts) +
                           (r.restarts == 1 ? " restart" : " restarts") + " in " +
                           format_fixed(r.seconds, 1) + " s (seed " + std::to_string(request.seed) + ").\n";
  for (std::size_t i = 0; i < r.tickets.size(); ++i)
    run.out += (r.passes[i] ? "  " : "- ") + joined(r.tickets[i]) + "\n";
  run.out += "tickets passing: " + std::to_string(r.passing) + " of " + std::to_string(w.tickets.size()) +
             " (" + std::to_string(r.identity_passing) + " in the set's own order)\n";
  run.out += "playing only those: " + kept.text + "\n";
  return run;
}

}  // namespace ds
