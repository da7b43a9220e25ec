#pragma once
// Average Profitability: the expected return per unit of stake of playing the
// current system on the current targeted set, and the number of draws to play
// for one draw with the top paying number of hits inside the set.
// The window's handlers, over its model (ProfitabilityModel) and the texts of
// its boxes (ProfitabilityForm), one per control:
//   opening the window     open_profitability
//   cmdRefresh             refresh_profitability
//   Enter in a prize box   enter_prize
//   cmbClevel              choose_confidence
// They copy the Forecasting Abilities results (copy_forecasting) and calculate
// (calculate_avrprofitability, how_long_to_play) over profitability_input.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analyses/prize_boxes.h"
#include "analyses/prize_classes.h"
#include "shell/app_state.h"
#include "shell/grid.h"
#include "shell/numbers.h"
#include "shell/outcome.h"

namespace ds {

struct ProfitabilityInput {
  std::string lotto_name;
  std::string system_id;
  std::array<std::string, 10> prizes;  // texts of txtP2, txtP2b, ... txtP6b (prize-class order)
  std::array<std::string, 10> fa;      // column 1 of this window's msfFA, rows 1..10
  std::string clevel;                  // text of cmbClevel, in percent
  std::int16_t play_n = 0, pick_n = 0, tset_size = 0, ticket_count = 0;
  std::int32_t wheel_tickets = 0;  // a made wheel's tickets; 0 for a catalogue system
  float cost = 0;
  ResultsAvg results_avg{};
  NumberFormat number_format;
  // A game beyond the record (see shell/game.h): its definition, the texts of
  // its tier boxes (in the order of prize_tiers), the rows of this window's
  // msfFA (label, ability) and the number of second-pool numbers picked.
  bool general = false;
  LottoDefinition lotto{};
  std::vector<std::string> tier_prizes{};
  std::vector<std::pair<std::string, std::string>> fa_rows{};
  int second_picks = 0;
};

// The input of the calculations: the prize boxes, this window's abilities and
// the confidence level, the rest from the current choices.
ProfitabilityInput profitability_input(const AppState& state, const std::array<std::string, 10>& prizes,
                                       const std::array<std::string, 10>& fa, const std::string& clevel);

// The prize box that takes the focus, in prize-class order (txtP2, txtP2b, ... txtP6b).
enum class ProfitabilityFocus {
  none,
  prize_2,
  prize_2b,
  prize_3,
  prize_3b,
  prize_4,
  prize_4b,
  prize_5,
  prize_5b,
  prize_6,
  prize_6b,
  count
};

// `show` brings forward the window where a missing choice is made.
struct ProfitabilityOutcome : FocusOutcome<ProfitabilityFocus> {
  int tier_focus = -1;  // a general game: the tier box (0-based) that takes the focus
  std::optional<std::string> lotto_label, system_label;
  std::optional<std::string> profitability, times;  // new texts of lblProfitability, lblTimes
  std::optional<PrizeBoxesView> prizes;             // the prize boxes laid out and filled anew
  // The results were copied: the Forecasting Abilities window, shown to
  // calculate them, is hidden again.
  bool fa_copied = false;
};

// Sets this window's msfFA to its header and 10 empty rows.
void reset_profitability_fa_grid(TextGrid& grid);
// Copies columns 0 and 1 of rows 1..10 of the Forecasting Abilities grid;
// false (nothing copied) when there is no such grid or it has fewer than 11 rows.
// For a game beyond the record (`general`) every row is copied, and a grid
// without any row fails.
bool copy_fa_rows(const TextGrid* source, TextGrid& target, bool general = false);
// The rows of msfFA as (label, ability) pairs, row 1 on.
std::vector<std::pair<std::string, std::string>> fa_rows(const TextGrid& grid);
// The texts of column 1, rows 1..10.
std::array<std::string, 10> fa_column(const TextGrid& grid);
// Opening the window and cmdRefresh first copy the Forecasting Abilities results
// (copy_fa_rows); without them the user is asked to calculate them.
ProfitabilityOutcome copy_forecasting(const TextGrid* source, TextGrid& target, bool general = false);

// ---- A game beyond the record ----
// The expected prize of one play of a system of tickets of pick_n numbers on a
// targeted set of `tset_size` numbers, with the second-pool numbers `picks` of
// them (each second_n-subset played): the sum, over w drawn main numbers in
// the set, j of them on the ticket, the bonus on it or not, u drawn
// second-pool numbers among the picks and s of them on the play, of the
// chance of each times the payout of the tier (main j, bonus, s) in `payouts`
// (prize_tiers order). main_fa(w) and second_fa(u) multiply the chances of w
// and u (1 where not measured). With every ability 1 this is the sum over all
// outcomes of tier_probability times the payout: any ticket, any set.
double expected_play_prize(const LottoDefinition& game, int tset_size, int picks,
                           const std::vector<double>& payouts, const std::vector<double>& main_fa,
                           const std::vector<double>& second_fa);

// Opening the window, cmdRefresh and Enter in a prize box: the expected prize
// per unit of stake minus 1, then the times to play.
ProfitabilityOutcome calculate_avrprofitability(const ProfitabilityInput& in);
// cmbClevel: the times to play alone (a new confidence level). A failure leaves the times
// as they were; a confidence of 100 or more, or a chance that leaves no
// logarithm, is refused.
ProfitabilityOutcome how_long_to_play(const ProfitabilityInput& in);

// Everything the Average Profitability window holds apart from its widgets:
// the abilities copied and the tiers its prize boxes show.
struct ProfitabilityModel {
  TextGrid fa;                           // msfFA
  std::vector<std::string> prize_tiers;  // the labels of the tier boxes shown
  ProfitabilityModel() { reset_profitability_fa_grid(fa); }
};

// The texts of the window's boxes.
struct ProfitabilityForm {
  PrizeTexts prizes;
  std::string clevel;  // cmbClevel, in percent
};

// The window opens: the Forecasting Abilities results (`fa`, that window's
// msfFA) copied, then the prizes of the current lotto and the calculation.
ProfitabilityOutcome open_profitability(ProfitabilityModel& model, const ProfitabilityForm& form,
                                        const AppState& state, const TextGrid* fa);
// cmdRefresh: the results copied again, then enter_prize.
ProfitabilityOutcome refresh_profitability(ProfitabilityModel& model, const ProfitabilityForm& form,
                                           const AppState& state, const TextGrid* fa);
// Enter in a prize box: the boxes follow the lotto chosen now (follow_game),
// then calculate_avrprofitability.
ProfitabilityOutcome enter_prize(ProfitabilityModel& model, const ProfitabilityForm& form,
                                 const AppState& state);
// cmbClevel: how_long_to_play.
ProfitabilityOutcome choose_confidence(const ProfitabilityModel& model, const ProfitabilityForm& form,
                                       const AppState& state);

}  // namespace ds
