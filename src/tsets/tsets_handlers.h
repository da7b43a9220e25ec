#pragma once
// Decisions of the Targeted Sets window's handlers: which check runs first,
// which message the user sees, where the focus goes and what is stored. The
// window reads its controls, calls one of these and applies the outcome. One
// handler per control:
//   cmbSize  tsets_choose_size   cmbSets  tsets_choose_set   cmdNew  tsets_new
//   cmdAcceptDate  tsets_accept_date   cmdAcceptNumber  tsets_accept_number
//   cmdAdd  tsets_add   cmdSave  tsets_save   msfTsets (row)  tsets_select_row
// (cmdTsetGenerator opens the generator, whose cmdGo is `generate` in generator.h),
// unsaved_set_question before changed rows would be given up, and
// tsets_disk_notice when the open set's file changes on disk.
//
// The model remembers what it read of the set file (LoadedFile): Save compares
// the file with it first and merges the rows another program or another copy of
// Drawsmith changed meanwhile, rather than writing over them.
#include <optional>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/outcome.h"
#include "tsets/set_files.h"

namespace ds {

// Which controls the user can use; all off at load.
struct TsetsEnabled {
  bool sets = false;  // cmbSets
  bool new_set = false;
  bool add = false;
  bool accept_date = false;
  bool accept_number = false;
  bool save = false;
  bool generator = false;
  bool operator==(const TsetsEnabled&) const = default;
};

enum class TsetsFocus { none, size, sets, date, index, number, count };

struct TsetsOutcome : FocusOutcome<TsetsFocus> {
  // When set, cmbSets gets this list, and `sets_text` as its shown text.
  std::optional<std::vector<std::string>> set_list;
  std::optional<std::string> sets_text;
  // When set, cmbIndex gets the items "1" .. index_count.
  std::optional<int> index_count;
};

// Everything the window holds apart from its widgets.
struct TsetsModel {
  TsetsWork work;
  TsetsEnabled enabled;
  bool unsaved = false;  // rows changed since the set was read, made or saved
  LoadedFile loaded;     // the set file as read or last saved; no path when no set is open
};

// Before the rows of the open set are given up while they hold changes not yet
// saved (another size, set or new set chosen, the window closed, the program ended).
UnsavedQuestion unsaved_set_question(const TsetsModel& model);

// Load: the Tsets folder (made when missing) and the grid in its design state.
void tsets_load(TsetsModel& model, AppState& state);

// cmbSize chosen with the text `size_text`.
TsetsOutcome tsets_choose_size(TsetsModel& model, const std::string& size_text, AppState& state);

// cmdNew: `answer` is what the input box returned ("" when cancelled). A name
// that is already a set opens that set; its file is never emptied.
TsetsOutcome tsets_new(TsetsModel& model, const std::string& answer, AppState& state);

// cmbSets chosen.
TsetsOutcome tsets_choose_set(TsetsModel& model, const std::string& name, AppState& state);

// cmdAcceptDate: writes the date, in the program's date form, into the current row.
TsetsOutcome tsets_accept_date(TsetsModel& model, const std::string& date_text, AppState& state);

// cmdAdd: appends an empty row and makes it current.
TsetsOutcome tsets_add(TsetsModel& model, AppState& state);

// cmdAcceptNumber: the placement check, then the placement; the current set's
// numbers (tset_numbers) then follow the row, as when it is selected.
TsetsOutcome tsets_accept_number(TsetsModel& model, const std::string& index_text,
                                 const std::string& number_text, AppState& state);

// cmdSave. When the set file changed since it was read, the rows changed there
// and the rows changed here are merged by date (against the rows read); a date
// changed differently on both sides is asked through `ask` (this window's row,
// the file's, or Cancel, which saves nothing and changes nothing). The grid then
// holds the merged rows.
TsetsOutcome tsets_save(TsetsModel& model, AppState& state, const AskUser& ask = {});

// The question for a date whose row the window and the file changed differently:
// its buttons keep this window's row (0) or the file's (1).
Question set_conflict_question(const std::string& set_name, const TextGrid& mine, int mine_row,
                               const TextGrid& theirs, int theirs_row);

// The open set's file changed on disk: notice_disk_change for it.
DiskNotice tsets_disk_notice(TsetsModel& model);

// The user selected grid row `row`: it becomes the current set.
TsetsOutcome tsets_select_row(TsetsModel& model, int row, AppState& state);

// Highest number the window offers and accepts in a set.
inline constexpr int max_set_number = 90;

}  // namespace ds
