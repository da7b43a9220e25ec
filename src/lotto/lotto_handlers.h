#pragma once
// What the Lotto window's handlers decide, over its model (LottoModel) and the
// texts of its controls: the order of the checks, the message, the control that
// gets the focus, the status line and what is stored. Each changes the model and
// returns a LottoOutcome; the window only reads its controls, calls one of these
// and shows the model and the outcome. One handler per control:
//   cmbName (a name chosen)  choose_lotto        cmdLottoCreate  create_lotto
//   cmdLottoEdit             edit_lotto          cmdLottoSave    save_lotto
//   cmdDrawNew               new_draw            cmdAdd          add_draw
//   cmdDrawSave              save_draws          msfDraws (row)  select_draw_row
//   cmdImport                import_start, then import_read, import_review and
//                            import_finish between its dialogs
// and lotto_load when the window opens; unsaved_draws_question before added
// draws not yet saved would be given up; lotto_disk_notice when the lotto's files
// change on disk while the window shows them.
//
// The model remembers what it read of draws.txt and param.tix (LoadedFile):
// Save compares the file with it first, and never writes blindly over a file that
// another program or another copy of Drawsmith changed meanwhile.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lotto/draw_import.h"
#include "lotto/game_form.h"
#include "lotto/lotto_files.h"
#include "shell/app_state.h"
#include "shell/grid.h"
#include "shell/outcome.h"

namespace ds {

// The numbers a lotto definition may hold. The lists of the window offer 20 to 90
// and 3 to 7; typed values are accepted within these bounds.
inline constexpr int min_play_n = 4;
inline constexpr int max_play_n = 99;
inline constexpr int min_pick_n = 3;
inline constexpr int max_pick_n = 7;

// Which lotto buttons are enabled: 0 lottos exist, 1 none exists, 2 creating or
// editing; any other mode enables all three.
struct LottoButtons {
  bool create = true;
  bool edit = true;
  bool save = true;
  bool operator==(const LottoButtons&) const = default;
};
LottoButtons LottoEditMode(int mode);

// Texts of the definition boxes.
struct LottoForm {
  std::string name;                    // cmbName
  std::string play_n;                  // cmbPlayN
  std::string pick_n;                  // cmbPickN
  std::array<std::string, 5> prize;    // txt2PR .. txt6PR
  std::array<std::string, 5> prize_b;  // txt2PRB .. txt6PRB
  std::string cost;                    // txtCost
  std::string currency;                // txtCurrency
  GameShapeForm shape;                 // chkBonus, cmbSecondPool, cmbSecondN, msfPrizes
  bool operator==(const LottoForm&) const = default;
};

// The boxes as the window first shows them.
LottoForm lotto_start_form();
// Create's reset: name and the two counts empty, the reset prizes, cost 1; the
// currency keeps its text.
void emty_lotto(LottoForm& form);
// The items of cmbPlayN ("20" .. "90") and cmbPickN ("3" .. "6").
std::vector<std::string> play_n_items();
std::vector<std::string> pick_n_items();
// The definition in the boxes (the name is left as it is).
void show_definition(const LottoDefinition& def, const NumberFormat& format, LottoForm& form);

// Texts of the draw boxes: txtDate, then txtN1 .. txtN6 and txtNB; txtN7 and
// txtS1, txtS2 for the games that draw them.
struct DrawForm {
  std::string date;
  std::array<std::string, 7> n;
  std::string n7 = "0";
  std::array<std::string, 2> second{"0", "0"};
  bool operator==(const DrawForm&) const = default;
};
// Today's date in the region's form and "0" in every number box.
DrawForm empty_draw(const DateFormat& format);
// The boxes filled from a grid row of `game`'s draw table (game.h): columns 0 and
// 2 to 8 for a classic game.
DrawForm draw_from_row(const TextGrid& grid, int row, const LottoDefinition& game = LottoDefinition{});

// The controls a Lotto handler can give the focus (the window maps each to its
// control: name is cmbName, prize_2 txt2PR, prize_2b txt2PRB, n1 txtN1, nb txtNB).
enum class LottoFocus {
  none,
  name,
  play_n,
  pick_n,
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
  cost,
  currency,
  date,
  n1,
  n2,
  n3,
  n4,
  n5,
  n6,
  nb,
  n7,
  s1,
  s2,
  second_pool,
  second_n,
  prizes,  // msfPrizes, at the outcome's prize_row and prize_col
  count
};

// Everything the Lotto window holds apart from its widgets. After each handler
// the window shows it: the buttons from `mode`, the grid, its current row.
struct LottoModel {
  std::filesystem::path games;  // the Games folder
  TextGrid draws;               // msfDraws, which the other windows read
  std::string owner;            // the lotto whose draws.txt the grid holds ("" for none)
  std::string editing;          // the lotto whose definition Save may write ("" while creating)
  int current_row = 0;          // the grid row of the current draw; 0 for none
  bool unsaved = false;         // draws added since the grid was read or saved
  int mode = 1;                 // LottoEditMode of the three lotto buttons
  LoadedFile draws_file;        // what the grid was read from (or last saved as)
  LoadedFile definition_file;   // what the definition boxes were read from
  LottoForm shown_form;         // the definition boxes as a handler last filled them
  LottoModel() { reset_draw_grid(draws); }
};

// What every Lotto handler returns: the common part, the control to focus, and
// the texts the window shows anew (unset: the controls keep theirs).
struct LottoOutcome : FocusOutcome<LottoFocus> {
  std::optional<std::vector<std::string>> names;  // cmbName's list
  std::optional<LottoForm> form;                  // the definition boxes, cmbName's text with them
  std::optional<DrawForm> draw;                   // the draw boxes
  bool select_current = false;                    // the grid selects the model's current row
  int prize_row = 0, prize_col = 0;               // with focus prizes: the cell at fault
  // A message means the step was refused.
  bool refused() const { return !message.empty(); }
};

// The window opens: the Games folder (made when missing), the lottos it holds
// for cmbName, the buttons (LottoEditMode 1 when there is none, else 0) and the
// boxes as first shown (zeros in the number boxes, no date).
LottoOutcome lotto_load(LottoModel& model, const std::filesystem::path& app_folder);

// cmdLottoSave. The model's `editing` names the lotto being edited ("" while one
// is being created): any other name that names an existing lotto is refused, so
// that no lotto's definition is written over by another's. When the lotto's
// param.tix changed since the model read it, `ask` is asked (Overwrite, Reload
// or Cancel) before anything is stored: Cancel changes nothing, Reload shows the
// file's definition again (the draws stay as they are).
LottoOutcome save_lotto(LottoModel& model, const LottoForm& form, AppState& state, const AskUser& ask = {});

// The name typed in Create's input box: an empty answer (cancel) stays empty; a
// name that cannot be a folder name, or that names an existing lotto, is refused
// (the name box then stays empty so that nothing is overwritten by mistake).
struct CreateNameResult : LottoOutcome {
  std::string name;  // cmbName's new text
};
CreateNameResult create_name(const std::string& answer, const std::filesystem::path& games);

// cmdLottoCreate, with the answer of its input box ("" when cancelled): a
// cancelled or refused name changes nothing. Otherwise the boxes get Create's
// reset (`shown` is what they show now) with the new name, and the draws of the
// lotto shown before are dropped from the grid, so that they are never saved
// under the new name: the new lotto owns the grid, with an empty history.
LottoOutcome create_lotto(LottoModel& model, const std::string& answer, const LottoForm& shown,
                          const DateFormat& format);

// cmdLottoEdit: the lotto chosen becomes the one Save may write over.
LottoOutcome edit_lotto(LottoModel& model, const AppState& state);

// Choosing a name in cmbName's list: reads the definition and the draws; the
// status line then says how many draws the lotto has. A lotto without a
// draws.txt (one just created) starts with an empty history, without a message.
LottoOutcome choose_lotto(LottoModel& model, const std::string& name, AppState& state);

// What the boxes hold that is neither added nor saved, asked about before the
// window closes or the program ends: a whole draw typed (one that Add would
// accept) that the current draw row does not hold, and, while a
// definition is being created or edited (Save on), boxes changed since a handler
// filled them.
struct TypedWork {
  bool draw = false;
  bool definition = false;
};
TypedWork typed_work(const LottoModel& model, const LottoForm& form, const DrawForm& draw,
                     const AppState& state);
// The questions: Add (then the draws are unsaved, and asked about next) or
// Discard; Save the definition or Discard. Cancel keeps the window open.
UnsavedQuestion typed_draw_question(const DrawForm& draw);
UnsavedQuestion typed_definition_question(const LottoForm& form);

// Validates the draw boxes, the date first.
struct CheckDrawResult : LottoOutcome {
  std::string key;  // the failing box: "date", "n1" .. "n6", "nb", "n7", "s1", "s2"; "" when every box passes
};
CheckDrawResult Check_draw(const DrawForm& draw, std::int16_t play_n, const AppState& state);

// cmdAdd: checks the boxes, sets the current draw in `state`, and writes the texts
// into the current row when it is a draw row (the draws are then unsaved).
LottoOutcome add_draw(LottoModel& model, const DrawForm& draw, AppState& state);

// Appends an empty row (the start grid becomes a draw table with its headers
// first) and returns its index.
int new_draw_row(TextGrid& grid, const LottoDefinition& game = LottoDefinition{});
// cmdDrawNew: that row becomes the current row, the boxes get today's date and
// zeros, the date box the focus. Only the draws of a lotto are entered: with no
// lotto chosen or created (no owner) New is refused and the name box gets the
// focus; a lotto created is saved before its draws are added.
LottoOutcome new_draw(LottoModel& model, const DateFormat& format,
                      const LottoDefinition& game = LottoDefinition{});

// Selecting grid row `row`: fills the boxes and sets the current draw in `state`.
LottoOutcome select_draw_row(LottoModel& model, int row, AppState& state);

// cmdDrawSave for the name in cmbName. The draws are saved into the lotto that
// owns the grid (whose draws.txt it was read from, or the lotto just created)
// only, never into another one named in the box. When draws.txt changed since
// the model read it, its draws and the window's are merged by date (the draws
// only in the file are kept, a draw changed on one side takes that side) and
// each date changed differently on both sides is asked through `ask` (this
// window's draw, the file's, or Cancel, which saves nothing and changes
// nothing). The grid then holds the merged draws; the current draw keeps its row.
LottoOutcome save_draws(LottoModel& model, const std::string& name_text, const AppState& state,
                        const AskUser& ask = {});

// The question for a date whose draw the window and the file changed differently:
// its buttons keep this window's draw (0) or the file's (1).
Question draw_conflict_question(const std::string& lotto, const TextGrid& mine, int mine_row,
                                const TextGrid& theirs, int theirs_row,
                                const LottoDefinition& game = LottoDefinition{});

// Before the draws in the grid are given up (another lotto chosen, Create, the
// window closed, the program ended) while draws added since the last read or save
// are not in draws.txt. Save in it saves into the grid's owner, whatever the
// name box says.
UnsavedQuestion unsaved_draws_question(const std::string& owner);

// What the window does when its lotto's files change on disk while it shows them
// (notice_disk_change for draws.txt, then param.tix): unsaved draws, or a
// definition being edited, are kept and the status line says so; otherwise
// reading the lotto again is offered.
DiskNotice lotto_disk_notice(LottoModel& model);

// cmdImport, one step between each two of its dialogs; the window stops where the
// user cancels a dialog or a step is refused. Before the file dialog: the lotto
// chosen in the Name list (the state's) must be the one whose draws the grid
// holds, and its draws.txt must read whole (import_refusal) and be as the model
// read it (else the merge would be written over another program's draws); a
// refusal gives cmbName the focus.
LottoOutcome import_start(const LottoModel& model, const std::string& name_text, const AppState& state);

// The file chosen in the file dialog, read whole; `shown` names it in the message
// when it cannot be read.
struct ImportReadResult : LottoOutcome {
  std::string text;
};
ImportReadResult import_read(const std::filesystem::path& file, const std::string& shown);

// The file's text previewed against the grid. When every date of the file reads
// both ways, the day/month order is asked first: `order_question` with the two
// `order_choices` (day first, month first); the window calls again with the index
// chosen as `order_choice` (-1 before asking). Otherwise, unless refused, what the
// review dialog shows: `summary` over `grid`, and `accept`, the caption of its
// Import button ("" when nothing is new: the dialog then only closes).
struct ImportReviewResult : LottoOutcome {
  bool ask_order = false;
  std::string order_question;
  std::vector<std::string> order_choices;
  ImportPreview preview;
  Text summary;
  TextGrid grid;
  std::string accept;
};
ImportReviewResult import_review(std::string_view text, const TextGrid& grid, const AppState& state,
                                 int order_choice = -1);

// The review accepted: the new draws merged into the grid and written as the
// state's lotto's draws.txt (write_import; a failed write changes nothing). The
// grid then belongs to that lotto, with nothing unsaved; the current draw keeps
// its place among the merged rows (the last row is current when there was none);
// the status line counts the draws added and those in all.
LottoOutcome import_finish(LottoModel& model, const ImportPreview& preview, const AppState& state);

}  // namespace ds
