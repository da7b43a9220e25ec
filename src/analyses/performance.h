#pragma once
// System Performance: which tickets of the current system would have won in one
// draw, in which prize class, for how much, and for how much in all.
// The window's handlers, over its model (PerformanceModel) and the texts of its
// boxes (PerformanceForm), one per control:
//   opening the window           open_performance
//   cmdRefresh, Enter in a box   refresh_performance (Performance over performance_input)
//   cmdPrint                     print_performance (performance_report_html)
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analyses/prize_boxes.h"
#include "analyses/prize_classes.h"
#include "shell/app_state.h"
#include "shell/grid.h"
#include "shell/numbers.h"
#include "shell/outcome.h"

namespace ds {

struct PerformanceInput {
  std::array<std::string, 8> draw;              // texts of txtN(1)..txtN(7); index 0 unused; 7 is the bonus
  std::array<std::string, 10> prizes;           // texts of the prize boxes, in prize-class order
  std::array<std::int16_t, 21> tset_numbers{};  // from index 1
  std::int16_t tset_size = 0;
  std::string system_id;
  std::int16_t pick_n = 0;
  std::filesystem::path system_file;  // the ticket file the Systems window writes
  NumberFormat number_format;
  // A game beyond the record (see shell/game.h): its definition, the texts of
  // its tier boxes (in the order of prize_tiers), a 7-number game's seventh
  // main number and the second-pool numbers of the draw. A play then wins the
  // tier find_tier gives for its main matches, the bonus and its second-pool
  // matches (the numbers after "+" on its line of the ticket file).
  bool general = false;
  LottoDefinition lotto{};
  std::vector<std::string> tier_prizes{};
  std::string draw_n7{};
  std::array<std::string, 2> draw_second{};
};

// The input of cmdRefresh: the texts of the draw and prize boxes, the rest from
// the current choices and the ticket file the Systems window writes.
PerformanceInput performance_input(const AppState& state, const std::array<std::string, 8>& draw,
                                   const std::array<std::string, 10>& prizes);

enum class PerformanceFocus { none, first_number, count };  // first_number: txtN1

// The texts of the draw boxes.
struct PerformanceDraw {
  std::array<std::string, 8> n;       // txtN1..txtN7; index 0 unused; 7 is the bonus
  std::string main7;                  // txtMain7: a 7-number game's seventh main number
  std::array<std::string, 2> second;  // txtS1, txtS2: the second-pool numbers
  bool operator==(const PerformanceDraw&) const = default;
};

// The texts of the window's boxes.
struct PerformanceForm {
  PerformanceDraw draw;
  PrizeTexts prizes;
};

// The draw boxes a game shows: a classic game its seven (N1..N6 and the
// bonus) as they always were; a game beyond the record its main numbers (the
// seventh in txtMain7), the bonus when it draws one and one box per
// second-pool number. A hidden box holds "0".
struct PerformanceBoxes {
  int main = 6;        // txtN1 .. txtN<main>
  bool main7 = false;  // txtMain7
  int second = 0;      // txtS1 .. txtS<second>
  bool bonus = true;   // txtN7
};
PerformanceBoxes performance_boxes(const LottoDefinition& game);

// `show` brings forward the window where a missing choice is made.
struct PerformanceOutcome : FocusOutcome<PerformanceFocus> {
  std::optional<std::string> system_label, tset_label;
  int winning_tickets = 0;  // ticket rows written
  bool total_written = false;
  PerformanceBoxes boxes;                // the draw boxes to show
  std::optional<PerformanceDraw> draw;   // new texts of the draw boxes
  std::optional<PrizeBoxesView> prizes;  // the prize boxes laid out and filled anew
};

// The design-time grid: the header row and one empty row, four columns.
void reset_performance_grid(TextGrid& grid);

// lblTset's text: each number of the set followed by one blank.
std::string tset_numbers_text(const std::array<std::int16_t, 21>& numbers, std::int16_t size);

// Writes one winning ticket into row `row`; the grid ends after that row.
// Column 3 takes the text of the prize box of class `prize` (unchanged when
// `prize` is no class label).
void fill_row(std::int16_t numT, std::int16_t row, const std::string& ticket, const std::string& prize,
              const std::array<std::string, 10>& prizes, TextGrid& grid);

// cmdRefresh (and opening the window). One run: the three checks, then the
// labels, then every line of the system file; winning tickets go into `grid`
// with a bold total row below them. Any failure past the checks ends with
// "Sorry, the data is not correct." and keeps the rows written so far.
PerformanceOutcome Performance(const PerformanceInput& in, TextGrid& grid);

// What the Print button puts on paper.
struct PerformanceReport {
  std::string lotto_name;
  std::string system_id;
  std::string tset_text;
  std::array<std::string, 8> draw;  // as in PerformanceInput
  const TextGrid* grid = nullptr;   // msfPerformance
  std::string draw_n7{};            // a 7-number game's seventh number ("" for none)
  std::string second{};             // the draw's second-pool numbers ("" for none)
  bool has_bonus = true;
};
// An HTML page with the draw, the system, the targeted set, the winning
// tickets and the total.
std::string performance_report_html(const PerformanceReport& report);
// Everything the System Performance window holds apart from its widgets: the
// winning tickets, what the last calculation decided for the printed page, and
// the tiers its prize boxes show.
struct PerformanceModel {
  TextGrid grid;                         // msfPerformance
  PerformanceReport report;              // its lotto and grid are added when printing
  std::vector<std::string> prize_tiers;  // the labels of the tier boxes shown
  PerformanceModel();
};

// The window opens: the prizes of the current lotto, its current draw (the one
// the Lotto window shows, seventh number and second pool included) in the draw
// boxes, then refresh_performance.
PerformanceOutcome open_performance(PerformanceModel& model, const AppState& state);
// cmdRefresh and Enter in a box: the prize boxes follow the lotto chosen now
// (follow_game), the hidden draw boxes hold "0", then one run of Performance
// into the model's grid; the model keeps what the printed page shows.
PerformanceOutcome refresh_performance(PerformanceModel& model, const PerformanceForm& form,
                                       const AppState& state);
// cmdPrint: the page of the last calculation in the lotto chosen now.
PrintOutcome print_performance(const PerformanceModel& model, const AppState& state);

}  // namespace ds
