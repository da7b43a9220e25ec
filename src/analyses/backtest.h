#pragma once
// Back-test: what a system would have spent and won over a period of the draw
// history. Every draw of the period is paired with the targeted set rows of
// the same date (the pairing of Forecasting Abilities); the system's tickets
// are expanded on each such row and scored as System Performance scores them:
// a ticket holding k >= 2 of the drawn numbers wins the prize of class k, or
// of class k+bonus when it also holds the bonus number.
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/numbers.h"

namespace ds {

struct BacktestInput {
  std::string system_id;       // "20_4_6"
  LottoDefinition lotto;       // pick_n, prizes and the cost of one ticket
  int tset_size = 0;           // numbers in each set row
  DayNumber from = 0, to = 0;  // the period, both days included
  DateFormat date_format;      // of both grids' dates (ISO is always read)
};

// One draw played.
struct BacktestDraw {
  DayNumber day = 0;
  int tickets = 0;  // the system's tickets times the set rows of this date
  double spent = 0, won = 0;
  int winning_tickets = 0;
  int best_hits = 0;        // most drawn numbers on one ticket
  bool best_bonus = false;  // the best ticket also holds the bonus
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
};

// `draws`: the draw table (date in column 0, numbers in columns 2.., bonus in
// column 8); `sets`: the targeted set grid (date in column 0, numbers in
// columns 1..tset_size). A cell that holds no whole number is no number. The
// system must fit: its set size is tset_size and its tickets hold pick_n numbers.
BacktestResult run_backtest(const BacktestInput& in, const TextGrid& draws, const TextGrid& sets);

// "3", "4+bonus": the most numbers matched on one ticket, as the prize classes
// are named.
std::string best_match_text(int hits, bool bonus);

// The table for the grid view: header "Date", "Tickets", "Spent", "Won",
// "Best match", "Net" (the running net) and one row per draw played.
TextGrid backtest_grid(const BacktestResult& result, const DateFormat& date_format,
                       const NumberFormat& number_format);

// The totals in two lines: spent, won and net in `currency`, the return per
// unit staked, the draws with a prize; then the draws of the period not played.
std::string backtest_totals_text(const BacktestResult& result, const std::string& currency,
                                 const NumberFormat& number_format);

}  // namespace ds
