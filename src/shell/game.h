#pragma once
// The shape of a lotto game beyond the classic "up to 6 of N with a bonus":
// how many main numbers are drawn (3 to 7), whether a bonus is drawn from the
// main pool, a second pool the player picks from as well (the "star" or
// "power" balls), and a prize table keyed by what a play matched.
//
// A game of the classic shape (at most 6 main numbers, one bonus, no second
// pool, the ten classes 2..6 with and without the bonus) is still stored in the
// 52-byte record; any other game is stored in a text definition beside it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ds {

struct LottoDefinition;

inline constexpr int min_main_drawn = 3;
inline constexpr int max_main_drawn = 7;
inline constexpr int max_second_drawn = 2;
inline constexpr int max_second_pool = 99;

// One row of a prize table: a play that matched `main` main numbers, held the
// bonus number or not, and matched `second` second-pool numbers wins `payout`
// per unit played. `average` marks a pari-mutuel tier whose payout is the
// published average rather than a fixed amount.
struct PrizeTier {
  int main = 0;
  bool bonus = false;
  int second = 0;
  double payout = 0;
  bool average = false;
  bool operator==(const PrizeTier&) const = default;
};

// Ways to choose k of n, as a double (0 when k < 0 or k > n); the same steps for
// every caller, so figures worked from it agree to the bit.
double ways_to_choose(int n, int k);

// True when the game fits the 52-byte record exactly (see above).
bool fits_record(const LottoDefinition& def);

// The game's prize table: its own tiers, or for a classic game the ten classes
// of the record (2, 2+bonus, ... 6+bonus) with their amounts.
std::vector<PrizeTier> prize_tiers(const LottoDefinition& def);

// The tier a play wins with: the row of exactly (main, bonus, second); when
// the play holds the bonus and no row names it, the row without the bonus.
// nullptr when the play wins nothing.
const PrizeTier* find_tier(const std::vector<PrizeTier>& tiers, int main, bool bonus, int second);

// "5+bonus", "4+2", "5+1+bonus" ...: main matches, then "+bonus" (games with
// a bonus), then "+s" second-pool matches (games with a second pool).
std::string tier_label(const LottoDefinition& def, const PrizeTier& tier);

// The draw grid of a game: date, key, the main numbers (six or seven columns,
// so classic grids keep their bonus in column 8), the bonus when the
// game draws one, then the second-pool numbers.
int main_columns(const LottoDefinition& def);
int bonus_column(const LottoDefinition& def);          // -1 when no bonus is drawn
int second_column(const LottoDefinition& def, int j);  // j = 0 .. second_n - 1
int draw_grid_columns(const LottoDefinition& def);

// Chance that exactly k of the `drawn` numbers of a pool of `pool` lie among
// `picked` numbers of it (hypergeometric); 0 when picked > pool.
double pool_chance(int pool, int drawn, int picked, int k);

// Chance that one play (pick_n main numbers and second_n second-pool numbers)
// lands on exactly this tier's combination: hypergeometric in each pool, and
// for the bonus the chance that it is among the play's unmatched numbers.
double tier_probability(const LottoDefinition& def, int main, bool bonus, int second);

// What a play of (main, bonus, second) pays: the payout of its tier, 0 when none.
double tier_payout(const std::vector<PrizeTier>& tiers, int main, bool bonus, int second);

// ---- Plays of a game with a second pool ----
// The player picks which second-pool numbers to play; every main ticket is then
// played once with each second_n-subset of them (each number when second_n is
// 1, each pair when it is 2).

// The subsets of `picks` of `size` numbers, in lexicographic order of their
// places in `picks`; one empty subset when size is 0.
std::vector<std::vector<int>> second_subsets(const std::vector<int>& picks, int size);

// C(picks, second_n): the plays of one main ticket (1 for a game without a second pool).
long long plays_per_ticket(const LottoDefinition& def, int picks);

// The second-pool numbers typed by the player (blanks or commas between them),
// ascending. A number outside 1..second_pool, a repeat, anything not a whole
// number, or fewer than second_n numbers is refused with a message naming it.
struct SecondPicks {
  bool ok = false;
  std::vector<int> numbers;
  std::string message;
};
SecondPicks parse_second_picks(std::string_view text, const LottoDefinition& def);

// The numbers joined by single blanks.
std::string numbers_text(const std::vector<int>& numbers);

}  // namespace ds
