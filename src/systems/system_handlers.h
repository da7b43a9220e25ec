#pragma once
// Decisions of the Systems window, over its model (SystemModel) and the texts of
// its controls: the checks when it opens, the list of systems and made wheels,
// the guaranteed-results grid, the ticket grid with its cost, the second-pool
// numbers, the ticket file and the printed ticket list. Each handler changes the
// model and returns a SystemOutcome; the window only reads its controls, calls
// one of these and shows the model and the outcome. One handler per control:
//   opening the window  system_open        brought forward  system_refresh (second_pool_row)
//   cmbList             choose_system      txtSecond        take_second_picks
//   cmdPrint (Ctrl+P)   print_system       cmdExport        system_export_name
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"
#include "shell/grid.h"
#include "shell/outcome.h"
#include "systems/played_system.h"

namespace ds {

// ---- Opening the window ----

struct SystemLoadOutcome : Outcome {
  std::optional<std::string> tset_label;   // new text of lblTset, if any
  std::optional<std::string> lotto_label;  // new text of lblLotto, if any
};

// A targeted set must be chosen first, then a lotto; each missing choice stops
// the checks with its message and brings forward the window where it is made.
SystemLoadOutcome system_window_load(const AppState& state);

// The grids as the window first shows them: the results laid out with their
// counts blank, the ticket list with its headers alone.
void system_start_grids(TextGrid& results, TextGrid& tickets);

// ---- The list ----

// The ids of the catalogue, in its order (fill_list).
std::vector<std::string> system_list();

// The list of the window: the catalogue, then, when any are saved, the made
// wheels of the Wheels folder under their own heading (made_wheels_heading,
// not a choice), followed by the wheels of the library file `library` for
// tickets of `pick` numbers (library_wheel_names).
struct SystemListing {
  std::vector<std::string> systems;
  std::vector<std::string> wheels;
};
SystemListing system_listing(const std::filesystem::path& app_folder,
                             const std::filesystem::path& library = {}, int pick = 0);

// The shipped wheel library beside the program: program_folder / wheel_library.txt.
std::filesystem::path wheel_library_file(const AppState& state);

// ---- Guaranteed results ----

inline constexpr int results_rows = 12;
inline constexpr int results_cols = 7;

// Lays out msfResults: two header rows (2 and 3 times the default height), the
// "Min"/"Max" row pair of w = 2..top and every count of k = 2..top, zeros
// included; `top` is 6, or 7 for a wheel of seven-number tickets (the grid then
// has two more rows and one more column).
void layout_results_grid(TextGrid& grid, const ResultsCount& results_min, const ResultsCount& results_max,
                         int top = 6);

// fill_results: loads the tables of the trimmed list text into `state` and lays
// out the grid from them. A made wheel's tables come from its tickets (every
// placement evaluated) and its ticket count goes to state.wheel_tickets; a
// catalogue system sets that count to 0.
void fill_results(std::string_view list_text, AppState& state, TextGrid& grid);

// One line for under the Guaranteed Results: "" when the system's tickets give the
// published rows (or the id is unknown); otherwise it says that the rows shown are
// those of the tickets played and in how many cells they differ.
Text published_rows_note(std::string_view list_text);

// The line under the results of a made wheel: its guarantee, its tickets and
// how it was made.
Text wheel_note(const PlayedSystem& wheel);

// ---- Tickets ----

// What the ticket grid shows: kept so that printing describes the tickets on
// screen even after a system that does not fit was chosen.
struct ShownSystem {
  std::string system_id;
  std::string lotto_name;
  std::string tset_name;
  std::string currency;
  std::vector<int> tset_numbers;  // the v numbers of the set, in order
  int v = 0, t = 0, m = 0;
  int guarantee_m = 0;   // t matched whenever guarantee_m winning numbers lie in the set
  bool wheel = false;    // a made wheel rather than a catalogue system
  int ticket_count = 0;  // T, the number of tickets
  std::string cost;      // the text of lblCost
  Text rows_note;        // published_rows_note of the system
  // A game with a second pool: the second-pool numbers played with every
  // ticket and the plays of one ticket (ticket_count counts the plays).
  std::vector<int> second_picks{};
  int plays_per_ticket = 1;
  std::string plays_text{};  // lblPlays: "10 tickets x 3 second-pool numbers = 30 plays"; "" otherwise
};

enum class FillSystemStatus {
  not_fitting,      // the system is for another set size or ticket size: nothing changes
                    // (a made wheel says so in the message)
  no_tickets,       // no tickets for the system, or the wheel file unreadable: nothing changes
  no_tset_numbers,  // the set has no numbers: message, nothing shown
  no_second_picks,  // a game with a second pool and too few second-pool numbers picked: message
  shown,            // grid, cost and (see file_written) the file are new
};

struct FillSystemOutcome {
  FillSystemStatus status = FillSystemStatus::not_fitting;
  std::string message;        // "" or the text to show
  bool file_written = false;  // when shown: false means the message says why
  ShownSystem shown;          // when shown
};

// What the printout calls numbers that no saved set holds.
inline constexpr std::string_view unsaved_set_label = "unsaved set";
inline constexpr std::string_view no_tset_numbers_message =
    "Please, select the targeted set on the form 'Tsets'";

// The ticket file: application folder / "system".
std::filesystem::path ticket_file_path(const std::filesystem::path& app_folder);

// The cost of `tickets` plays at `cost` each, as general number text. The cost is
// taken at its shown decimal value (0.1, not the nearest binary fraction), so ten
// plays at 0.1 cost "1".
std::string system_cost_text(int tickets, float cost, const NumberFormat& format);

// Rebuilds `grid` as the ticket list: row 0 "Tickets"/"Numbers", row r "N" + r and
// the numbers of ticket r in walk order, joined by single blanks.
void layout_ticket_grid(TextGrid& grid, const std::vector<std::vector<int>>& positions,
                        const std::array<std::int16_t, 21>& tset_numbers);

// A game with a second pool: every ticket once with each subset of
// `second_sets`, ticket after ticket. Row r: "N" + r, the main numbers in walk
// order and, in a third column "Second pool", the second-pool numbers.
void layout_play_grid(TextGrid& grid, const std::vector<std::vector<int>>& positions,
                      const std::array<std::int16_t, 21>& tset_numbers,
                      const std::vector<std::vector<int>>& second_sets);

// The file text: one line per ticket, column 0, a blank, column 1, CR LF. A
// play grid adds " + " and the second-pool numbers: "N4 3 9 17 25 40 + 12".
std::string ticket_file_text(const TextGrid& grid);

// The line that says the ticket sizes do not fit when no catalogue system can:
// "" unless the lotto draws other than 5 or 6 numbers.
std::string catalogue_size_note(int pick_n);

// fill_system: the fit check, the tickets of the system into `state`, the grid, the
// cost and the ticket file at `file`. A file that cannot be written leaves the
// grid and cost shown and says so in the message.
FillSystemOutcome fill_system(std::string_view list_text, AppState& state, TextGrid& grid,
                              const std::filesystem::path& file);

// ---- Printing ----

// The document printed by "Print System": the lotto, the targeted set and its
// numbers, the system and its guarantee, the number of tickets, the cost and the
// tickets, as HTML for a rich-text document.
std::string system_print_html(const ShownSystem& shown, const TextGrid& grid);

// Shown when Print System is pressed before any tickets are on screen.
inline constexpr std::string_view nothing_to_print_message =
    "There are no tickets to print. Choose a system that fits the targeted set and the lotto.";

// ---- The window's handlers ----

// Everything the Systems window holds apart from its widgets.
struct SystemModel {
  TextGrid results;                  // msfResults
  TextGrid tickets;                  // msfSystem
  Text rows_note;                    // lblRowsNote, hidden when ""
  std::optional<ShownSystem> shown;  // what msfSystem shows: lblCost, lblPlays, the printout
  std::vector<std::string> wheels;   // the made wheels listed after the catalogue
  std::string lotto_seen;            // the lotto, as chosen when the window last looked
  LottoDefinition game_seen;
  SystemModel() { system_start_grids(results, tickets); }
};

// The second-pool row, shown only for a game with a second pool.
struct SecondPoolRow {
  bool shown = false;
  int pool = 0;              // the numbers run from 1 to pool (Label6)
  std::string picks;         // txtSecond, unless the user is typing in it
  bool plays_shown = false;  // lblPlays: the plays of the tickets shown
};

// The row for the chosen lotto and the tickets of the model.
SecondPoolRow second_pool_row(const SystemModel& model, const AppState& state);

enum class SystemFocus { none, second, count };

// What every Systems handler returns: the common part, the control to focus,
// and what the window shows anew (unset or false: the controls keep theirs).
struct SystemOutcome : FocusOutcome<SystemFocus> {
  std::optional<std::string> tset_label, lotto_label;  // lblTset, lblLotto
  std::optional<std::vector<std::string>> wheels;      // the model's made wheels, listed anew
  std::optional<SecondPoolRow> second_row;
  std::optional<std::string> second_text;  // txtSecond: the numbers as taken
  bool results = false;                    // msfResults and lblRowsNote show the model anew
  bool tickets = false;                    // msfSystem, lblCost and lblPlays show the model anew
  bool show_again = false;                 // the lotto changed: the system chosen is shown anew for it
};

// Brought forward (and when it opens): the made wheels of the Wheels folder,
// listed anew only when they changed (a wheel saved meanwhile), and the
// second-pool row of the chosen lotto. When another lotto was chosen (or its
// definition saved) meanwhile, its name is shown and, with tickets shown, the
// system is shown again for it (its price, its second pool).
SystemOutcome system_refresh(SystemModel& model, const AppState& state);

// The window opens: system_refresh, then the checks of system_window_load.
SystemOutcome system_open(SystemModel& model, const AppState& state);

// cmbList: the guaranteed results of the chosen system and the note under them,
// the system id the other windows use, then fill_system with the ticket file of
// the application folder; tickets that fit become the model's.
SystemOutcome choose_system(SystemModel& model, std::string_view list_text, AppState& state);

// txtSecond (Enter or leaving it), with the system chosen in cmbList ("" for
// none): numbers that cannot be played are refused with a message and the box
// keeps the focus (an empty box is let be while none are picked); the numbers
// taken are shown in order and, when they changed, the chosen system is shown
// again with them.
SystemOutcome take_second_picks(SystemModel& model, std::string_view typed, std::string_view list_text,
                                AppState& state);

// cmdPrint: the page of the tickets on screen (`shown`, the ticket grid), or a
// message when there are none.
PrintOutcome print_system(const std::optional<ShownSystem>& shown, const TextGrid& tickets);
PrintOutcome print_system(const SystemModel& model);

// cmdExport: the file name offered, "system-10_3_6.csv" ("system-tickets.csv"
// before any tickets are shown).
std::string system_export_name(const SystemModel& model);

}  // namespace ds
