#pragma once
// Decisions of the Make a Wheel and Check a Wheel windows, over their models
// (MakeWheelModel, CheckWheelModel) and the texts of their boxes. Each handler
// changes the model and returns an outcome; the window only reads its boxes,
// calls one of these and shows the model and the outcome. The windows run the
// maker and the check on a thread of their own (the thread's progress is read by
// a timer); what a finished run leaves is decided here too. One handler per
// control:
//   Make a Wheel: cmdStart  make_wheel_run     cmdStop    make_wheel_stop
//                 the timer make_wheel_poll    finished   make_wheel_finish
//                 cmdSave   make_wheel_save
//   Check a Wheel: cmdOpen  check_wheel_open   cmdUseSet  check_wheel_use_tset
//                 cmdCheck  check_wheel_run    cmdStop    check_wheel_stop
//                 the timer check_wheel_poll   finished   check_wheel_finish
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"
#include "shell/file_guard.h"
#include "shell/grid.h"
#include "shell/outcome.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_file.h"
#include "wheels/wheel_maker.h"

namespace ds {

// ---- Make a Wheel ----

// The texts of the window's boxes.
struct MakeWheelForm {
  std::string v, k, t, m, seconds, seed;
  std::string keys{};     // B key numbers on every ticket: "" or 0 for none
  std::string tickets{};  // a budget of N tickets: "" for the full guarantee
};

// The control that takes the focus: the box at fault after a refusal, Stop
// while a search runs, then Save (or Start when no wheel was found).
enum class MakeWheelFocus { none, v, k, t, m, seconds, seed, keys, tickets, start, stop, name, save, count };

// The boxes as the window first shows them: a set of 10 numbers, the chosen
// lotto's ticket size (6 when none is chosen or it is outside 3..7), the
// guarantee 3 if 3, 60 seconds, seed 1, no keys, no budget.
MakeWheelForm make_wheel_defaults(const AppState& state);

struct MakeWheelStart : FocusOutcome<MakeWheelFocus> {
  std::optional<MakeRequest> request;  // set when the search may start: the wheel without its keys
  int keys = 0;                        // the keys put back on every ticket once it is made
};

// cmdStart: the boxes checked in their order (V, K, T, M, seconds, seed, keys,
// tickets), each refusal with a sentence that says what is allowed; then the
// maker's own limits (the cases it can keep count of) on the wheel without the
// keys (take_keys_off, as --keys does); a budget is the maker's (--tickets).
MakeWheelStart make_wheel_start(const MakeWheelForm& form);

// The line under the progress bar: the best size so far, the cases the attempt
// one ticket below still leaves uncovered, the time.
Text make_wheel_progress_text(int best_size, long long uncovered, double seconds);

// What stands beside a made wheel: its size, the lower bound and the published
// sizes with the distance from each (wheel_size_note; for a wheel with keys, of
// the wheel without them), the catalogue system of the same size, guarantee and
// ticket size and the tickets saved against it. A budget wheel (`holes` >= 0:
// the cases of m winners it leaves without t) says the share it covers instead
// of a guarantee.
struct MakeWheelSummary {
  Text result, bound, catalogue;
};
MakeWheelSummary make_wheel_summary(const Wheel& wheel, long long holes = -1);

// The tickets of a wheel for its grid: "Ticket" ("N1", "N2" ...) and "Positions".
TextGrid wheel_ticket_grid(const Wheel& wheel);

// The name offered when saving: the wheel's file name without ".txt".
std::string save_wheel_name(const Wheel& wheel);

// What a name typed for saving becomes: "" and a message when refused (unsafe as
// a file name, or the name of a catalogue system).
struct WheelNameCheck {
  std::string name;
  std::string message;
};
WheelNameCheck check_wheel_name(std::string_view typed);

// Writes the wheel into the Wheels folder as `name` + ".txt" (the folder made
// when missing), replacing any file of that name whole. "" or the message to
// show.
std::string save_made_wheel(const std::filesystem::path& app_folder, const std::string& name,
                            const Wheel& wheel);

// Everything the Make a Wheel window holds apart from its widgets, its thread
// and its timer. The window shows it after each handler: the boxes and Start
// are on while no search runs, Stop while one runs and was not stopped, the
// name and Save while a wheel is made and no search runs.
struct MakeWheelModel {
  MakeRequest request;         // of the search running or run last (without the keys)
  int keys = 0;                // the keys the made wheel gets on every ticket
  bool running = false;        // a search runs
  bool stopping = false;       // Stop was pressed: the search ends with the best wheel so far
  std::optional<Wheel> wheel;  // the wheel made last, which Save writes
  TextGrid tickets = wheel_ticket_grid(Wheel{});  // msfTickets: its tickets
};

// What the Make a Wheel handlers return; unset: the control keeps its text.
struct MakeWheelOutcome : MakeWheelStart {
  std::optional<Text> progress, result, bound,
      catalogue;                    // lblProgress, lblResult, lblBound, lblCatalogue
  std::optional<std::string> name;  // txtName
  std::optional<int> bar;           // prgSearch, in thousandths
  bool tickets = false;             // msfTickets shows the model's anew
};

// cmdStart (or Enter in a box): make_wheel_start; once the boxes pass, the
// model's wheel and texts are cleared and `request` is the search to run, from the wheel
// of the size in the wheel library file `library` when it holds one.
MakeWheelOutcome make_wheel_run(MakeWheelModel& model, const MakeWheelForm& form,
                                const std::filesystem::path& library = {});
// cmdStop: the search is asked to end; it keeps the best complete wheel.
MakeWheelOutcome make_wheel_stop(MakeWheelModel& model);
// The timer: how far the search got (the time against the seconds asked).
MakeWheelOutcome make_wheel_poll(const MakeWheelModel& model, const MakeProgress& progress);
// The search ended after `seconds` with `result` (none when no complete wheel
// was found; for a budget, the best wheel with its `holes`, the maker's
// progress.uncovered): the wheel with its keys added, its summary and tickets,
// the name offered for saving.
MakeWheelOutcome make_wheel_finish(MakeWheelModel& model, std::optional<Wheel> result, double seconds,
                                   long long holes = -1);
// cmdSave (or Enter in txtName): check_wheel_name, then, when a wheel of that
// name is saved already, `ask` whether to replace it (anything but Replace
// keeps it), then save_made_wheel; the status line says where it went.
MakeWheelOutcome make_wheel_save(MakeWheelModel& model, std::string_view name_text,
                                 const std::filesystem::path& app_folder, const AskUser& ask);

// ---- Check a Wheel ----

// The numbers of the set typed by the user ("3 17 22" or "3,17,22"): empty text
// gives an empty list (the tickets are positions); nullopt when a field is not
// a whole number from 1 to 99 or a number is repeated.
std::optional<std::vector<int>> parse_set_numbers(std::string_view text);

struct TicketListRead : Outcome {
  bool ok = false;
  Wheel wheel;
  std::string t_text, m_text;  // the guarantee a Wheels file names; "" otherwise
  Text description;            // "30 tickets of 6 numbers on 10 numbers."
};

// cmdOpen: the bytes of the file chosen, read as a ticket list with the set's
// numbers (the text of the set box) or as positions.
TicketListRead read_ticket_list(std::string_view bytes, std::string_view set_text);

enum class CheckWheelFocus { none, t, m, keys, set, open, check, stop, count };
struct CheckWheelStart : FocusOutcome<CheckWheelFocus> {
  using Focus = CheckWheelFocus;
  bool start = false;
  int t = 0, m = 0;  // 0 and 0: no guarantee asked, the match rows alone
  int keys = 0;  // the positions 1..keys on every ticket: the guarantee holds when they are among the winners
};

// cmdCheck: a list must be open; both guarantee boxes empty ask for the match
// rows alone; otherwise 1 <= t <= m <= v and t <= k. The keys box: empty keeps
// the keys a Wheels file names, 0 checks every case, B (below t) checks the
// cases holding positions 1..B, which every ticket must hold.
CheckWheelStart check_wheel_start(const Wheel* wheel, std::string_view t_text, std::string_view m_text,
                                  std::string_view keys_text = {});

// One row per count w of winners in the set: "Winners" w, the "Worst match" and
// "Best match", then under "Match 0", "Match 1" ... the cases with that match.
TextGrid check_rows_grid(const WheelCheckResult& result);

// The holes listed: one row each, its positions and, when the set's numbers are
// given, the numbers at them.
TextGrid check_holes_grid(const WheelCheckResult& result, const std::vector<int>& set_numbers);

// The sentence over the holes: whether the guarantee holds (with keys, when they
// are among the winners), how many holes, how many of them are listed, and the
// share of the cases covered.
Text check_summary_text(const WheelCheckResult& result);

// Everything the Check a Wheel window holds apart from its widgets, its thread
// and its timer. The boxes and buttons are on while no check runs, Stop while
// one runs and was not stopped, Export while holes are listed.
struct CheckWheelModel {
  std::string file;              // the list opened, as its name was shown
  std::string bytes;             // its bytes, read again at each check with the set's numbers
  Wheel wheel;                   // the tickets of the check running or run last
  std::vector<int> set_numbers;  // the set's numbers of that check
  bool running = false, stopping = false;
  bool export_holes = false;                                  // cmdExport
  TextGrid rows = check_rows_grid(WheelCheckResult{});        // msfRows
  TextGrid holes = check_holes_grid(WheelCheckResult{}, {});  // msfHoles
};

// What the Check a Wheel handlers return; unset: the control keeps its text.
// With `start`, the thread checks the model's wheel for t if m.
struct CheckWheelOutcome : CheckWheelStart {
  std::optional<Text> list;                   // lblList (its tooltip the model's file)
  std::optional<std::string> set_text;        // txtSet
  std::optional<std::string> t_text, m_text;  // txtT, txtM
  std::optional<std::string> keys_text;       // txtKeys
  std::optional<Text> summary;                // lblSummary
  std::optional<int> bar;                     // prgCheck, in thousandths
  bool grids = false;                         // msfRows and msfHoles show the model's anew
};

// cmdOpen, with the file chosen (`file` as the dialog gave it): read whole and
// taken as a ticket list with the set's numbers (read_ticket_list); the grids
// are cleared and a Wheels file's guarantee fills T and M.
CheckWheelOutcome check_wheel_open(CheckWheelModel& model, const std::string& file,
                                   std::string_view set_text);
// cmdUseSet: the numbers of the targeted set chosen, or the message to choose one.
CheckWheelOutcome check_wheel_use_tset(const AppState& state);
// cmdCheck (or Enter in T or M): the list read again with the set's numbers,
// then check_wheel_start; with `start` the check runs.
CheckWheelOutcome check_wheel_run(CheckWheelModel& model, std::string_view set_text, std::string_view t_text,
                                  std::string_view m_text, std::string_view keys_text = {});
// cmdStop: the check is asked to end; nothing of it will be shown.
CheckWheelOutcome check_wheel_stop(CheckWheelModel& model);
// The timer: the cases walked of all.
CheckWheelOutcome check_wheel_poll(const CheckProgress& progress);
// The check ended: the summary and, when it was not stopped, the grids.
CheckWheelOutcome check_wheel_finish(CheckWheelModel& model, const WheelCheckResult& result);

}  // namespace ds
