#pragma once
// What the Lotto window's handlers decide, over the texts of its controls: the
// order of the checks, the message, the control that gets the focus, the status
// line and what is stored. The window only reads its controls, calls these and
// applies the result. One handler per control:
//   cmbName (a name chosen)  choose_lotto        cmdLottoCreate  create_lotto
//   cmdLottoEdit             edit_lotto          cmdLottoSave    save_lotto
//   cmdDrawNew               new_draw            cmdAdd          add_draw
//   cmdDrawSave              save_draws          msfDraws (row)  select_draw_row
//   cmdImport                import_start, then import_read, import_review and
//                            import_finish between its dialogs
// and lotto_load when the window is made; unsaved_draws_question before added
// draws not yet saved would be given up; lotto_disk_notice when the lotto's files
// change on disk while the window shows them.
//
// The window remembers what it read of draws.txt and param.tix (LoadedFile):
// Save compares the file with it first, and never writes blindly over a file that
// another program or another copy of Drawsmith changed meanwhile.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "lotto/draw_import.h"
#include "lotto/lotto_files.h"
#include "shell/app_state.h"
#include "shell/grid.h"
#include "shell/outcome.h"

namespace ds {

// The numbers a lotto definition may hold. The lists of the window offer 20 to 90
// and 3 to 6; typed values are accepted within these bounds.
inline constexpr int min_play_n = 4;
inline constexpr int max_play_n = 99;
inline constexpr int min_pick_n = 3;
inline constexpr int max_pick_n = 6;

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

// Texts of the draw boxes: txtDate, then txtN1 .. txtN6 and txtNB.
struct DrawForm {
  std::string date;
  std::array<std::string, 7> n;
  bool operator==(const DrawForm&) const = default;
};
// Today's date in the region's form and "0" in every number box.
DrawForm empty_draw(const DateFormat& format);
// The boxes filled from a grid row (columns 0 and 2 to 8).
DrawForm draw_from_row(const TextGrid& grid, int row);

// The window's load step: the Games folder (made when missing), the lottos it
// holds for cmbName, the buttons (LottoEditMode 1 when there is none, else 0)
// and the boxes as first shown (zeros in the number boxes, no date).
struct LottoLoad {
  std::filesystem::path games;
  std::vector<std::string> names;
  int mode = 0;
  LottoForm form;
  DrawForm draw;
};
LottoLoad lotto_load(const std::filesystem::path& app_folder);

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
};

// What every Lotto handler returns besides its changes. A message means the step
// was refused.
struct LottoOutcome : Outcome {
  LottoFocus focus = LottoFocus::none;
  bool refused() const { return !message.empty(); }
};

// cmdLottoSave.
struct SaveLottoResult : LottoOutcome {
  bool written = false;
  std::string name;                // the name saved (blanks around removed)
  std::vector<std::string> names;  // cmbName's new list, when it was refilled
  int mode = -1;                   // LottoEditMode to apply, -1 to keep the buttons
  LoadedFile definition_file;      // written: param.tix as it now is
  bool reload = false;             // the user chose to read the lotto `name` again
};
// `current` names the lotto being edited ("" while one is being created): any
// other name that names an existing lotto is refused, so that no lotto's
// definition is written over by another's. `definition` is what the window read
// of the current lotto's param.tix: when the file changed since, `ask` is asked
// (Overwrite, Reload or Cancel) before anything is stored; Cancel changes nothing.
SaveLottoResult save_lotto(const LottoForm& form, const std::string& current,
                           const std::filesystem::path& games, AppState& state,
                           const LoadedFile* definition = nullptr, const AskUser& ask = {});

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
// under the new name.
struct CreateLottoResult : LottoOutcome {
  bool created = false;  // everything below is to be applied
  LottoForm form;
  DrawForm draw;          // the draw boxes
  std::string owner;      // the grid's owner: the new lotto, whose history is empty
  LoadedFile draws_file;  // its draws.txt as it stands (none yet)
  std::string editing;    // the lotto Save may write over: none
  int current_row = 0;
  int mode = 2;  // LottoEditMode
};
CreateLottoResult create_lotto(const std::string& answer, const LottoForm& shown,
                               const std::filesystem::path& games, const DateFormat& format, TextGrid& grid);

// cmdLottoEdit: the lotto chosen becomes the one Save may write over.
struct EditLottoResult : LottoOutcome {
  std::string editing;
  int mode = 2;  // LottoEditMode
};
EditLottoResult edit_lotto(const AppState& state);

// Choosing a name in cmbName's list: reads the definition and the draws; the
// status line then says how many draws the lotto has.
struct ChooseLottoResult : LottoOutcome {
  bool definition_read = false;  // `form` holds the definition to show
  LottoForm form;
  bool draws_read = false;  // the grid holds the lotto's draws and `draw` the boxes
  DrawForm draw;
  bool grid_read = false;  // the grid was rebuilt from this lotto's file: it is the
                           // grid's owner now, and `current_row` must be applied
  int current_row = 0;
  int mode = -1;               // LottoEditMode to apply, -1 to keep the buttons
  LoadedFile definition_file;  // with definition_read: what was read of param.tix
  LoadedFile draws_file;       // with grid_read: what was read of draws.txt
};
// A lotto without a draws.txt (one just created) starts with an empty history,
// without a message.
ChooseLottoResult choose_lotto(const std::string& name, const std::filesystem::path& games, AppState& state,
                               TextGrid& grid);

// Validates the draw boxes, the date first.
struct CheckDrawResult : LottoOutcome {
  std::string key;  // the failing box: "date", "n1" .. "n6", "nb"; "" when every box passes
};
CheckDrawResult Check_draw(const DrawForm& draw, std::int16_t play_n, const AppState& state);

// cmdAdd: checks the boxes, sets the current draw in `state`, and writes the texts
// into `current_row` when it is a draw row.
struct AddDrawResult : LottoOutcome {
  bool row_written = false;
};
AddDrawResult add_draw(const DrawForm& draw, int current_row, AppState& state, TextGrid& grid);

// Appends an empty row (the start grid becomes a draw table with its headers
// first) and returns its index.
int new_draw_row(TextGrid& grid);
// cmdDrawNew: that row becomes the current row, the boxes get today's date and
// zeros, the date box the focus.
struct NewDrawResult : LottoOutcome {
  int current_row = 0;
  DrawForm draw;
};
// Only the draws of a lotto are entered: with no lotto chosen or created
// (`owner` empty) New is refused and the name box gets the focus.
NewDrawResult new_draw(TextGrid& grid, const DateFormat& format, const std::string& owner);

// Selecting grid row `row`: fills the boxes and sets the current draw in `state`.
struct SelectRowResult : LottoOutcome {
  bool filled = false;  // `draw` and `current_row` must be applied
  DrawForm draw;
  int current_row = 0;
};
SelectRowResult select_draw_row(const TextGrid& grid, int row, AppState& state);

// cmdDrawSave for the name in cmbName. `owner` names the lotto whose draws.txt the
// grid was read from (or the lotto just created, whose history starts empty): the
// draws are saved into that lotto only, never into another one named in the box.
// `loaded` is what the window read of that draws.txt (updated after a save):
// when the file changed since, its draws and the window's are merged by date
// (the draws only in the file are kept, a draw changed on one side takes that
// side) and each date changed differently on both sides is asked through `ask`
// (this window's draw, the file's, or Cancel, which saves nothing and changes
// nothing). The grid then holds the merged draws.
struct SaveDrawsResult : LottoOutcome {
  bool written = false;
  std::string owner;    // the grid's owner afterwards
  int current_row = 0;  // the row that now holds the current draw
};
SaveDrawsResult save_draws(const std::string& name_text, const std::string& owner, int current_row,
                           const std::filesystem::path& games, TextGrid& grid, const AppState& state,
                           LoadedFile* loaded = nullptr, const AskUser& ask = {});

// The question for a date whose draw the window and the file changed differently:
// its buttons keep this window's draw (0) or the file's (1).
Question draw_conflict_question(const std::string& lotto, const TextGrid& mine, int mine_row,
                                const TextGrid& theirs, int theirs_row);

// Before the draws in the grid are given up (another lotto chosen, Create, the
// window closed, the program ended) while draws added since the last read or save
// are not in draws.txt. Save in it saves into `owner`, whatever the name box says.
UnsavedQuestion unsaved_draws_question(const std::string& owner);

// What the window does when its lotto's files change on disk while it shows them
// (notice_disk_change for draws.txt, then param.tix): `unsaved` draws, or a
// definition being edited, are kept and the status line says so; otherwise
// reading the lotto again is offered.
DiskNotice lotto_disk_notice(const std::string& owner, LoadedFile& draws_file, bool unsaved_draws,
                             LoadedFile& definition_file, bool editing_definition);

// cmdImport, one step between each two of its dialogs; the window stops where the
// user cancels a dialog or a step is refused. Before the file dialog: the lotto
// chosen in the Name list (the state's) must be the one whose draws the grid
// holds, `owner`, and its draws.txt must read whole (import_refusal); a refusal
// gives cmbName the focus.
// With `loaded` given, a draws.txt changed on disk since the window read it is
// refused too: the merge would be written over the other program's draws.
LottoOutcome import_start(const std::string& name_text, const std::string& owner,
                          const std::filesystem::path& games, const AppState& state,
                          const LoadedFile* loaded = nullptr);

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
  std::string summary;
  TextGrid grid;
  std::string accept;
};
ImportReviewResult import_review(std::string_view text, const TextGrid& grid, const AppState& state,
                                 int order_choice = -1);

// The review accepted: the new draws merged into `grid` and written as the state's
// lotto's draws.txt (write_import; a failed write changes nothing). The grid then
// belongs to that lotto; the draw in `current_row` keeps its place among the merged
// rows (the last row is current when there was none); the status line counts the
// draws added and those in all.
struct ImportFinishResult : LottoOutcome {
  bool written = false;  // `owner` and `current_row` must be applied
  std::string owner;
  int current_row = 0;
};
// `loaded`, when given, is what the window now knows of draws.txt.
ImportFinishResult import_finish(const ImportPreview& preview, int current_row,
                                 const std::filesystem::path& games, TextGrid& grid, const AppState& state,
                                 LoadedFile* loaded = nullptr);

}  // namespace ds
