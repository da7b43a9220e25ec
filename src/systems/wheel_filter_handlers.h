#pragma once
// Decisions of the Wheel Filter window (dlgWheelFilter), opened from the Systems
// window: the tickets the Systems window shows, renumbered over the targeted set so
// that the most of them pass the filters typed (wheels/wheel_renumber.h), and the
// passing tickets alone with what they keep of the guarantee. One handler per control:
//   opening, a choice changed   wheel_filter_open
//   cmdSearch (Enter)           wheel_filter_start, then on its thread renumber_for_filters
//                               and kept_guarantee; wheel_filter_poll while it runs,
//                               wheel_filter_finish once it has returned
//   cmdStop                     wheel_filter_stop
//   cmdCopy, cmdExport          copy_table / export_table of the model's `passing`
//   cmdSave                     wheel_filter_save
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"
#include "shell/grid.h"
#include "shell/outcome.h"
#include "wheels/wheel_renumber.h"

namespace ds {

// The time the window gives a search of a set of more than 9 numbers.
inline constexpr double wheel_filter_seconds = 10;

struct WheelFilterModel {
  bool ready = false;    // a system fitting the set and the lotto is loaded
  std::string source;    // the system's id as the Systems window lists it
  Wheel wheel;           // its tickets, on positions 1..v
  std::vector<int> set;  // the set's numbers in its own order
  FilterGame game;
  PastDraws past;
  bool running = false, stopping = false;
  bool found = false;        // a finished search: the grids and `kept` hold its result
  std::string filters;       // the filters of that search, as typed
  std::vector<int> numbers;  // its numbering: numbers[p - 1] at position p
  KeptGuarantee kept;        // the passing tickets and their guarantee
  TextGrid tickets{1, 2};    // msfTickets: "Passes", then the numbers of each ticket
  TextGrid passing{1, 1};    // the passing tickets alone (Copy, Export CSV)
};

enum class WheelFilterFocus { none, filters, search, stop, save, count };

struct WheelFilterOutcome : FocusOutcome<WheelFilterFocus> {
  std::optional<std::string> wheel_label;      // lblWheel
  std::optional<std::string> identity_label;   // lblIdentity: passing in the set's own order
  std::optional<std::string> best_label;       // lblBest: passing once renumbered
  std::optional<std::string> numbering_label;  // lblNumbering
  std::optional<std::string> kept_label;       // lblKept: the guarantee of the passing tickets
  std::optional<int> bar;                      // prgSearch, in thousandths
  bool grid = false;                           // msfTickets shows the model's anew
  bool start = false;                          // wheel_filter_start: run `request`
  RenumberRequest request;
};

// The system of the state (its id, the set, the lotto), its tickets read as the Systems
// window plays them, and the lotto's draws for `new`: the state's when the Lotto window
// has read them, else the lotto's draws file. A missing choice says where it is made.
// The window ends a running search first.
WheelFilterOutcome wheel_filter_open(WheelFilterModel& model, const AppState& state);

// cmdSearch: the filters, separated by blanks or ';' (at least one), read with
// add_filter; the request to run (10 s, seed 1, every core) or the message.
WheelFilterOutcome wheel_filter_start(WheelFilterModel& model, std::string_view filters_text);

// cmdStop: the search is asked to end; its best so far is shown once it has.
WheelFilterOutcome wheel_filter_stop(WheelFilterModel& model);

// A tick while the search runs: the bar, and the best count so far.
WheelFilterOutcome wheel_filter_poll(const WheelFilterModel& model, const RenumberProgress& progress);

// The search has returned (`kept` of its passing tickets): the counts, the numbering,
// the grids and the guarantee kept; a stopped search shows its best so far as such.
WheelFilterOutcome wheel_filter_finish(WheelFilterModel& model, const RenumberResult& result,
                                       const KeptGuarantee& kept);

// cmdSave: the passing tickets as a made wheel of the Wheels folder of `app_folder`,
// on the set's positions in its own order (so the Systems window plays them as shown),
// named after the system ("10_3_6_filtered", then "_2" ...); `saved_name` gets the name.
WheelFilterOutcome wheel_filter_save(const WheelFilterModel& model, const std::filesystem::path& app_folder,
                                     std::string* saved_name = nullptr);

}  // namespace ds
