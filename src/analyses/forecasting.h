#pragma once
// Forecasting Abilities: how often the targeted set held k of the drawn numbers
// over a period, divided by the chance a set of that size has of doing so.
// The window's handler: opening it, cmdRefresh and Enter in a date box call
// calculate_fa over the window's model (FaModel), its input from fa_input.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/prize_classes.h"
#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/numbers.h"
#include "shell/outcome.h"

namespace ds {

// Chance of each prize level, indexed [hits 0..6][bonus 0/1].
using FaTable = std::array<std::array<float, 2>, 7>;

// Observed levels of one comparison, indexed like FaTable.
struct FaCounts {
  std::array<std::array<int, 2>, 7> hits{};
  int matched_rows = 0;  // pairs of a draw and a set row of the same date
  bool operator==(const FaCounts&) const = default;
};

// First data row whose column-0 date is on or after `d`; 0 when none. A cell
// that is no date ends the search with what was found so far.
std::int16_t find_start(DayNumber d, const TextGrid& grid, const DateFormat& format);
// The row just before the first row whose date is after `d`; the last data row
// when no row is after it (0 for a grid without data rows). A cell that is no
// date ends the search with what was found so far.
std::int16_t find_end(DayNumber d, const TextGrid& grid, const DateFormat& format);

// Pairs (i, j), i = 1..na, j = 1..nb, with a[i] = b[j] > 0. Index 0 is unused.
std::int16_t intersect(std::span<const std::int16_t> a, int na, std::span<const std::int16_t> b, int nb);

// Writes the chances of levels 2..6 into `table` (k = 0 and 1 are left as they
// are). The bonus level is the chance of exactly one hit times the plain level.
// A chance that cannot be formed (more set numbers than playing numbers) is 0.
void fill_fa_table(std::int16_t play_n, std::int16_t pick_n, std::int16_t tset_size, FaTable& table);

// Compares draw rows ds..de of `draws` (date in column 0, numbers in columns
// 2..pick_n + 1, bonus in column 8) with set rows ts..te of `sets` (date in
// column 0, numbers in columns 1..tset_size) that carry the same date. A cell
// that holds no whole number counts as no number; a row whose date cannot be
// read pairs with nothing. Each date is read once; the set rows are joined on
// their day number.
FaCounts count_fa_hits(const TextGrid& draws, int ds, int de, const TextGrid& sets, int ts, int te,
                       int pick_n, int tset_size, const DateFormat& format);

// The text of one result cell: "1" unless hits / (matched * chance) is above 1,
// then the ratio rounded to two decimals (halves to even), shortest form.
std::string fa_ratio_text(int hits, int matched_rows, float chance, const NumberFormat& format);

// Sets msfFA to its design-time form: the header row and one empty row.
void reset_fa_grid(TextGrid& grid);

// Everything the Forecasting Abilities window holds apart from its widgets:
// msfFA, which Average Profitability copies.
struct FaModel {
  TextGrid grid;
  FaModel() { reset_fa_grid(grid); }
};

struct FaInput {
  std::string from_text, to_text;  // txtFrom, txtTo
  std::string lotto_name;
  std::int16_t play_n = 0, pick_n = 0;
  std::string tset_name;
  std::int16_t tset_size = 0;
  DateFormat date_format;
  NumberFormat number_format;
  // A game beyond the record (see shell/game.h) is measured by general_fa_levels.
  bool general = false;
  LottoDefinition lotto{};
  std::vector<int> second_picks{};
};

// ---- A game beyond the record ----
// Its levels, one grid row each: w main numbers in the set (w = 2..pick_n),
// split by whether the bonus lies in the set too when the game draws one;
// then, for a game with a second pool, u = 1..second_n of the drawn
// second-pool numbers among those picked. The chance of each is exact:
// hypergeometric in each pool, the bonus one of the play_n - pick_n numbers
// not drawn as main numbers (v - w of them in the set).
struct FaLevel {
  std::string label;  // "4", "4+bonus", "second 1"
  int main = -1;      // w, or -1 for a second-pool level
  int bonus = -1;     // 0 or 1 for a game with a bonus, -1 otherwise
  int second = -1;    // u, or -1 for a main level
  double chance = 0;
  int hits = 0;  // pairs of a draw and a set row at this level
};
std::vector<FaLevel> general_fa_levels(const LottoDefinition& game, int tset_size, int picks);

// Counts the levels of each pair of a draw and a set row of the same date, as
// count_fa_hits does (rows ds..de and ts..te), with the draw's columns laid
// out by shell/game.h. Returns the pairs compared.
int count_general_fa(const TextGrid& draws, int ds, int de, const TextGrid& sets, int ts, int te,
                     const LottoDefinition& game, int tset_size, const std::vector<int>& second_picks,
                     const DateFormat& format, std::vector<FaLevel>& levels);
// The input of cmdRefresh: the period's texts and the current choices.
FaInput fa_input(const AppState& state, const std::string& from_text, const std::string& to_text);

// The focus goes to txtFrom or txtTo; `show` brings forward the window where a
// missing choice is made.
enum class FaFocus { none, from, to, count };
struct FaOutcome : FocusOutcome<FaFocus> {
  using Focus = FaFocus;
  std::optional<std::string> lotto_label, tset_name_label, tset_size_label;
  // Draws and set rows were paired: the Lotto and Targeted Sets windows, which
  // lent them, are hidden afterwards (they stay loaded, as the comparison
  // leaves them; a window the user had open is hidden too).
  bool compared = false;
  FaCounts counts;
  // For the status line, once the choices are sound: how many draws fall in
  // the period; when none, where the history starts and ends.
  Text period;
};

// cmdRefresh (and opening the window): one run of the calculation over the
// grids chosen (`grids`, read once the period and the choices are sound).
// Writes msfFA and `fa_table` as it goes; returns the message, focus, window and
// labels for the window to apply.
FaOutcome calculate_fa(FaModel& model, const FaInput& in, const ChosenGrids& grids, FaTable& fa_table);

}  // namespace ds
