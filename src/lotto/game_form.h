#pragma once
// The Lotto window's controls for a game beyond the classic shape: whether a
// bonus is drawn (chkBonus), the second pool (cmbSecondPool, cmbSecondN), and
// the prize table (msfPrizes, one editable row per tier), which stands in for
// the ten classic prize boxes whenever the game is not of the classic shape;
// and the second-pool boxes of a draw (txtS1, txtS2).
#include <array>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/game.h"
#include "shell/grid.h"
#include "shell/numbers.h"

namespace ds {

// The prize grid: a header row, then one tier per row.
enum PrizeColumn : int { prize_main = 0, prize_bonus, prize_second, prize_payout, prize_kind, prize_columns };

struct GameShapeForm {
  bool bonus = true;              // chkBonus
  std::string second_pool = "0";  // cmbSecondPool
  std::string second_n = "0";     // cmbSecondN
  TextGrid prizes;                // msfPrizes
  bool operator==(const GameShapeForm& o) const;
};

// The items of cmbSecondPool ("0", "5" .. "50") and cmbSecondN ("0" .. "2").
std::vector<std::string> second_pool_items();
std::vector<std::string> second_n_items();

// True when a game of these counts keeps its prizes in the table rather than in
// the ten boxes of 2 to 6 matches with and without the bonus.
bool uses_prize_table(int pick_n, bool bonus, int second_n);

// The prize grid's texts: "Main", "Bonus", "Second", "Payout", "Kind"; the
// bonus as yes or no, the kind as fixed or average, the payout in the region's form.
TextGrid prize_grid(const std::vector<PrizeTier>& tiers, const NumberFormat& format);
// A first table for a game of this shape: every way of matching at least two
// numbers of either pool, highest first, each paying 0.
std::vector<PrizeTier> starting_tiers(int pick_n, bool bonus, int second_n);

// The definition's shape in the controls (its table, or the start for a classic game).
GameShapeForm show_game_shape(const LottoDefinition& def, const NumberFormat& format);

// Reads the controls into `def` (bonus_n, second_pool, second_n, tiers) for a
// game of def.pick_n main numbers; a classic shape keeps no table. "" or the
// refusal; `row` and `col` name the prize cell at fault (row 0: none; col -1:
// cmbSecondPool, -2: cmbSecondN). `def` is changed only when all reads.
struct GameShapeRead {
  std::string message;
  int row = 0;
  int col = 0;
};
GameShapeRead read_game_shape(const GameShapeForm& form, const NumberFormat& format, LottoDefinition& def);

// Checks the second-pool boxes of a draw: `second_n` numbers from 1 to
// `second_pool`, not twice. "" or the refusal; `bad` is the box at fault (0 or 1).
std::string check_second_numbers(const std::array<std::string, 2>& texts, int second_n, int second_pool,
                                 int& bad);

}  // namespace ds
