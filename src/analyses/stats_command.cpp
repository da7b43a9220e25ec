#include "analyses/stats_command.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "analyses/statistics.h"
#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "shell/game.h"
#include "shell/numbers.h"

namespace ds {

namespace {

constexpr std::string_view kStatsUsage =
    "Usage: drawsmith --stats --lotto NAME [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n";
constexpr std::string_view kFilterUsage =
    "Usage: drawsmith --filter-rate --lotto NAME --filter EXPR [--filter EXPR]... [--from YYYY-MM-DD] "
    "[--to YYYY-MM-DD]\n"
    "  EXPR: sum:A-B, odd:A-B, low:A-B, run:A-B, decade:A-B, new, include:n,m or exclude:n,m\n";

CommandRun usage(std::string_view text, const std::string& why) {
  return {2, "", why + "\n" + std::string(text)};
}

struct Loaded {
  LottoDefinition game;
  PeriodDraws period;
  std::string error;
};

Loaded load(const std::filesystem::path& games, const std::string& name, const DateFormat& format,
            std::optional<DayNumber> from, std::optional<DayNumber> to) {
  Loaded l;
  std::error_code ec;
  if (!std::filesystem::is_directory(games / name, ec)) {
    l.error =
        "There is no lotto named '" + name + "' (no folder '" + name + "' in '" + games.string() + "').";
    return l;
  }
  if (const std::string e = read_definition(games, name, l.game); !e.empty()) {
    l.error = "The lotto '" + name + "' cannot be used: " + e;
    return l;
  }
  TextGrid grid;
  if (file_exists(games / name / "draws.txt")) {
    const ReadDrawsResult read = read_draws(games, name, grid, format, l.game);
    if (read.stopped) {
      l.error = "The draws of '" + name + "' cannot be read: " + read.message;
      return l;
    }
  }
  l.period = period_draws(grid, l.game, format, from, to);
  return l;
}

}  // namespace

bool wants_stats_command(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(),
                     [](const std::string& a) { return a == "--stats" || a == "--filter-rate"; });
}

CommandRun run_stats_command(const std::vector<std::string>& args, const std::filesystem::path& games,
                             const DateFormat& format) {
  const bool stats = std::find(args.begin(), args.end(), "--stats") != args.end();
  const bool rate = std::find(args.begin(), args.end(), "--filter-rate") != args.end();
  const std::string_view use = stats ? kStatsUsage : kFilterUsage;
  if (stats && rate) return usage(use, "Give --stats or --filter-rate, not both.");
  std::string lotto;
  std::optional<DayNumber> from, to;
  std::vector<std::string> filters;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--stats" || a == "--filter-rate") continue;
    if (a != "--lotto" && a != "--from" && a != "--to" && !(a == "--filter" && rate))
      return usage(use, "Unknown argument '" + a + "'.");
    if (i + 1 >= args.size()) return usage(use, "'" + a + "' needs a value.");
    const std::string& value = args[++i];
    if (a == "--lotto") {
      lotto = value;
    } else if (a == "--filter") {
      filters.push_back(value);
    } else {
      const auto day = value.size() == 10 ? parse_date(value, DateFormat::iso()) : std::nullopt;
      if (!day) return usage(use, "'" + value + "' is not a date such as 2024-01-31.");
      (a == "--from" ? from : to) = *day;
    }
  }
  if (lotto.empty()) return usage(use, "--lotto NAME is needed.");
  if (rate && filters.empty()) return usage(use, "At least one --filter EXPR is needed.");
  if (from && to && *from > *to) return usage(use, "The period ends (--to) before it starts (--from).");

  const Loaded l = load(games, lotto, format, from, to);
  if (!l.error.empty()) return {1, "", l.error + "\n"};
  CommandRun run;
  if (l.period.skipped > 0)
    run.err = std::to_string(l.period.skipped) +
              " draws of the period were left out: their numbers are not a draw of the game.\n";
  const std::vector<PeriodDraw>& draws = l.period.draws;
  const FilterGame game{l.game.play_n, l.game.pick_n};
  if (stats) {
    run.out = "number,pool,drawn,bonus,expected,last_drawn,draws_since\n";
    for (const NumberStats& s : number_statistics(draws, l.game))
      run.out += std::to_string(s.number) + (s.second ? ",second," : ",main,") + std::to_string(s.drawn) +
                 "," + std::to_string(s.bonus) + "," + plain_decimal(s.expected) + "," +
                 (s.last ? format_date(*s.last, DateFormat::iso()) : "") + "," + std::to_string(s.since) +
                 "\n";
    return run;
  }
  TicketFilters set;
  for (const std::string& f : filters)
    if (const std::string why = add_filter(f, game, set); !why.empty()) return usage(use, why);
  const int passed = draws_passing(set, draws, game.pool);
  const std::uint64_t passing = count_passing(set, game, past_main_draws(draws));
  const double all = ways_to_choose(game.pool, game.drawn);
  run.out = "past draws passing: " + std::to_string(passed) + " of " + std::to_string(draws.size()) + "\n" +
            "combinations passing: " + std::to_string(passing) + " of " + format_fixed(all, 0) + "\n";
  const PassRateCheck check = check_pass_rate(passed, static_cast<int>(draws.size()), passing / all);
  const auto percent = [](double x) { return format_fixed(100 * x, 1) + " %"; };
  if (draws.empty())
    run.out +=
        "Pass rate: " + percent(check.combinations_rate) + " of the combinations; no draw in the period.";
  else
    run.out +=
        "Pass rate: " + percent(check.draws_rate) + " of the past draws (95 % interval " +
        percent(check.low) + " to " + percent(check.high) + "), " + percent(check.combinations_rate) +
        " of the combinations; a fair draw gives a difference at least this large " +
        (check.p_value < 0.005 ? std::string("less than 1 %") : format_fixed(100 * check.p_value, 0) + " %") +
        " of the time.";
  run.out +=
      " For a fair draw the two agree: a filter changes which tickets are played, not the chance of each.\n";
  return run;
}

}  // namespace ds
