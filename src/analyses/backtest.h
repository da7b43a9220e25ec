#pragma once
// Back-test: what a system would have spent and won over a period of the draw
// history. Every draw of the period is paired with the targeted set rows of
// the same date (the pairing of Forecasting Abilities); the system's tickets
// are expanded on each such row and scored as System Performance scores them:
// a ticket holding k >= 2 of the drawn numbers wins the prize of class k, or
// of class k+bonus when it also holds the bonus number.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "analyses/prize_classes.h"
#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/numbers.h"
#include "shell/outcome.h"

namespace ds {

struct BacktestInput {
  std::string system_id;             // "20_4_6", or the name of a made wheel
  LottoDefinition lotto;             // pick_n, prizes and the cost of one ticket
  int tset_size = 0;                 // numbers in each set row
  DayNumber from = 0, to = 0;        // the period, both days included
  DateFormat date_format;            // of both grids' dates (ISO is always read)
  std::filesystem::path app_folder;  // where the made wheels are kept
  // A game with a second pool: the second-pool numbers played; every ticket is
  // played with each second_n-subset of them (see shell/game.h).
  std::vector<int> second_picks{};
  std::filesystem::path library{};  // the wheel library file ("" for none)
};

// One draw played.
struct BacktestDraw {
  DayNumber day = 0;
  int tickets = 0;  // the system's tickets times the set rows of this date
  double spent = 0, won = 0;
  int winning_tickets = 0;
  int best_hits = 0;        // most drawn numbers on one ticket
  bool best_bonus = false;  // the best ticket also holds the bonus
  int best_second = -1;     // most second-pool numbers on one play; -1 without a second pool
};

struct BacktestResult {
  std::string message;              // "" when draws were played; otherwise why none was
  int draws_in_period = 0;          // draws of the history dated in the period
  int draws_without_set = 0;        // of those, draws no set row is dated with: not played
  std::vector<BacktestDraw> draws;  // the draws played, oldest first
  std::vector<double> running_net;  // won minus spent up to and including each draw played
  double spent = 0, won = 0, net = 0;
  double return_per_unit = 0;  // won / spent
  int winning_draws = 0;       // draws played with any prize
  int system_tickets = 0;      // the tickets of the system or wheel on one set row
};

// `draws`: the draw table (date in column 0, numbers in columns 2.., bonus in
// column 8; for a game beyond the record the columns of shell/game.h, and a
// play is paid by the game's prize table); `sets`: the targeted set grid (date in column 0, numbers in
// columns 1..tset_size). A cell that holds no whole number is no number. The
// system must fit: its set size is tset_size and its tickets hold pick_n numbers.
BacktestResult run_backtest(const BacktestInput& in, const TextGrid& draws, const TextGrid& sets);

// One play on one draw of a draw table (`row` of `draws`, laid out as above):
// the main numbers it holds, whether it holds the bonus, its second-pool matches,
// and what it wins by the game's tiers (find_tier), at the values shown in the
// lotto's boxes as the back-test pays them; `tier` is -1 when it wins nothing.
struct PlayScore {
  int main = 0;
  bool bonus = false;
  int second = 0;
  double prize = 0;
  int tier = -1;  // index in prize_tiers(game)
};
PlayScore score_play(const LottoDefinition& game, const TextGrid& draws, int row,
                     const std::vector<int>& main, const std::vector<int>& second);

// "3", "4+bonus": the most numbers matched on one ticket, as the prize classes
// are named.
std::string best_match_text(int hits, bool bonus);
// The same for a game with a second pool, as its tiers are named: "4+1", "5+2+bonus".
std::string best_match_text(int hits, bool bonus, int second);

// The table for the grid view: header "Date", "Tickets", "Spent", "Won",
// "Best match", "Net" (the running net) and one row per draw played.
TextGrid backtest_grid(const BacktestResult& result, const DateFormat& date_format,
                       const NumberFormat& number_format);

// The totals in two lines: spent, won and net in `currency`, the return per
// unit staked, the draws with a prize; then the draws of the period not played.
Text backtest_totals_text(const BacktestResult& result, const std::string& currency,
                          const NumberFormat& number_format);

// Several systems or wheels on the same draws: one row each with its name, the
// tickets it plays on a set row, the draws played, spent, won, net and the
// return per unit staked. Header "System", "Tickets per draw", "Draws",
// "Spent", "Won", "Net", "Return".
using BacktestRun = std::pair<std::string, BacktestResult>;
TextGrid backtest_totals_grid(const std::vector<BacktestRun>& runs, const NumberFormat& number_format);

// ---- The Back-test window ----

// The systems of the catalogue that can be back-tested on a set of `tset_size`
// numbers in a lotto drawing `pick_n`: same set size, tickets of pick_n numbers,
// tickets held by the program; in catalogue order.
std::vector<std::string> backtest_systems(int tset_size, int pick_n);

// The made wheels in the Wheels folder of `app_folder` that can be back-tested
// the same way, in name order, then those of the wheel library file `library`.
std::vector<std::string> backtest_wheels(const std::filesystem::path& app_folder, int tset_size, int pick_n,
                                         const std::filesystem::path& library = {});

// The window's load: its labels, the systems (then the made wheels) to list and the period of the
// whole history of `draws` (first to last dated draw; today alone when there is
// none). `draws` may be null (no lotto chosen).
struct BacktestLoad {
  Text lotto_label, tset_label;  // "Not selected" when none
  std::vector<std::string> systems;
  std::string from_text, to_text;
};
BacktestLoad backtest_load(const AppState& state, const TextGrid* draws, DayNumber today);

// The texts of the window's controls.
struct BacktestForm {
  std::string system_text, from_text, to_text;
  std::vector<std::string> compare;  // more systems or wheels to play on the same draws
};

// `show` brings forward the window where a missing choice is made.
enum class BacktestFocus { none, system, from, to, count };
struct BacktestOutcome : FocusOutcome<BacktestFocus> {
  using Focus = BacktestFocus;
  // The status line: how many draws fall in the period; when none, where the
  // history starts and ends. "" when the checks stopped before the period.
  Text period;
  BacktestResult result;  // draws were played when result.message is ""
  // The system chosen first (its result again), then each one compared that
  // played draws; empty when the checks stopped before the period.
  std::vector<BacktestRun> runs;
};

// Go: the choices first (lotto, set, system), then the dates, then the run.
// A run that plays nothing because no draw falls in the period says so in
// `period` alone; any other reason is also the message. Each system compared
// is played on the same draws; one that cannot be played is named in the
// message and left out.
BacktestOutcome backtest_go(const BacktestForm& form, const AppState& state, const TextGrid* draws,
                            const TextGrid* sets);

// What Print puts on paper: the choices, the period, the totals and the table.
struct BacktestReport {
  std::string lotto_name, tset_name, system_id, period, totals;
  const TextGrid* grid = nullptr;         // backtest_grid
  const TextGrid* totals_grid = nullptr;  // backtest_totals_grid, printed when it compares systems
};
std::string backtest_report_html(const BacktestReport& report);

// Everything the Back-test window holds apart from its widgets and its chart:
// the table and the totals of the run shown, and what Print puts on paper.
struct BacktestModel {
  TextGrid grid;                        // the table, one row per draw played (backtest_grid)
  TextGrid totals;                      // one row per system or wheel played (backtest_totals_grid)
  std::string lotto_label, tset_label;  // as the window opened
  std::string system_id, period;        // of the run shown
  Text totals_text;
  BacktestModel(const DateFormat& date_format, const NumberFormat& number_format);
};

// The window opens: backtest_load over the chosen draws; the model keeps the
// labels for the printout.
BacktestLoad backtest_open(BacktestModel& model, const AppState& state, const ChosenGrids& grids,
                           DayNumber today);
// cmdGo: backtest_go over the chosen grids. Once the checks pass (a period to
// show), the model holds this run's table, totals and choices.
BacktestOutcome backtest_run(BacktestModel& model, const BacktestForm& form, const AppState& state,
                             const ChosenGrids& grids);
// cmdPrint: the page of the run shown.
PrintOutcome print_backtest(const BacktestModel& model);

}  // namespace ds
