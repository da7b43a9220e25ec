#include "tsets/tsets_handlers.h"

#include <algorithm>

#include "shell/dates.h"
#include "shell/fields.h"
#include "shell/files.h"
#include "shell/numbers.h"

namespace ds {

namespace {

bool has_current_row(const TsetsModel& model, const AppState& state) {
  return state.tset_row >= 1 && state.tset_row < model.work.grid.rows();
}

TsetsOutcome message(const std::string& text, TsetsFocus focus = TsetsFocus::none) {
  TsetsOutcome out;
  out.message = text;
  out.focus = focus;
  return out;
}

Text rows_text(int rows) { return (rows == 1 ? DS_TR("%1 row") : DS_TR("%1 rows")).arg(rows); }

void enable_editing(TsetsModel& model) {
  model.enabled.accept_date = true;
  model.enabled.accept_number = true;
  model.enabled.generator = true;
}

}  // namespace

void tsets_load(TsetsModel& model, AppState& state) {
  model.work.tsets_folder = tsets_folder_of(state.app_folder);
  make_folder(model.work.tsets_folder);
  // Until a size is chosen the grid shows the headers of the smallest set.
  std::int16_t unused_row = 0;
  Tsets_headers(model.work.grid, min_set_size, unused_row);
  model.enabled = TsetsEnabled{};
}

UnsavedQuestion unsaved_set_question(const TsetsModel& model) {
  return {DS_TR("The changes to the set '%1' are not saved. Save them before going on?")
              .arg(model.work.set_name)};
}

TsetsOutcome tsets_choose_size(TsetsModel& model, const std::string& size_text, AppState& state) {
  const std::string_view text = trim_blanks(size_text);
  if (text.empty()) return message(messages().select_size, TsetsFocus::size);
  const auto size = parse_whole(text);
  if (!size || *size < min_set_size || *size > max_set_size)
    return message(messages().incorrect_tset_size, TsetsFocus::size);

  TsetsWork& work = model.work;
  work.size = static_cast<std::int16_t>(*size);
  work.size_folder = size_folder_of(work.tsets_folder, work.size);
  TsetsOutcome out;
  out.set_list = list_sets(work.size_folder);
  out.sets_text = "";
  out.index_count = work.size;
  Tsets_headers(work.grid, work.size, state.tset_row);
  model.unsaved = false;
  if (state.tset_size != 0 && state.tset_size != work.size) {
    // The current set has the old size: it no longer fits what the other
    // windows take as the set size, so there is no current set any more.
    state.tset_name.clear();
    state.tset_numbers.fill(0);
  }
  state.tset_size = work.size;
  // No set is open in the new size: Save must not write the emptied table over
  // a set of the same name in this size's folder.
  work.set_name.clear();
  model.loaded = LoadedFile{};
  model.enabled = TsetsEnabled{};
  model.enabled.sets = true;
  model.enabled.new_set = true;
  model.enabled.add = true;
  return out;
}

TsetsOutcome tsets_new(TsetsModel& model, const std::string& answer, AppState& state) {
  TsetsWork& work = model.work;
  make_folder(work.size_folder);
  if (answer.empty()) return {};
  const auto name = safe_name(answer);
  if (!name) return message(unsafe_set_name_message(answer));

  TsetsOutcome out;
  const auto path = work.size_folder / *name;
  const FileFingerprint before = take_fingerprint(path);
  if (file_exists(path)) {
    // The set exists already: open it rather than empty it.
    out.message = read_set_file(work, *name, state);
    if (work.set_name == *name) model.loaded = loaded_file(path, before, work.grid);
  } else {
    out.message = create_set_file(work.size_folder, *name);
    if (!out.message.empty()) return out;
    work.set_name = *name;
    Tsets_headers(work.grid, work.size, state.tset_row);
    model.loaded = loaded_file(path, take_fingerprint(path), work.grid);
    work.grid.set_rows(2);
    state.tset_row = 1;
  }
  if (work.set_name == *name) model.unsaved = false;
  out.set_list = list_sets(work.size_folder);
  out.sets_text = *name;
  enable_editing(model);
  return out;
}

TsetsOutcome tsets_choose_set(TsetsModel& model, const std::string& name, AppState& state) {
  TsetsOutcome out;
  const auto path = model.work.size_folder / name;
  const bool readable = file_exists(path);
  const FileFingerprint before = take_fingerprint(path);
  out.message = read_set_file(model.work, name, state);
  if (readable && model.work.set_name == name) {
    model.loaded = loaded_file(path, before, model.work.grid);
    model.unsaved = false;
    out.status = DS_TR("Read %1 of '%2'.").arg(rows_text(model.work.grid.rows() - 1)).arg(name);
  }
  enable_editing(model);
  return out;
}

TsetsOutcome tsets_accept_date(TsetsModel& model, const std::string& date_text, AppState& state) {
  if (!has_current_row(model, state)) return message(messages().select_tset_row);
  const auto day = parse_date(date_text, state.date_format);
  if (!day) return message(messages().incorrect_date, TsetsFocus::date);
  model.work.grid.set_cell(state.tset_row, 0, format_date(*day, state.date_format));
  model.unsaved = true;
  return {};
}

TsetsOutcome tsets_add(TsetsModel& model, AppState& state) {
  state.tset_row = static_cast<std::int16_t>(model.work.grid.append_row());
  model.unsaved = true;
  return {};
}

TsetsOutcome tsets_accept_number(TsetsModel& model, const std::string& index_text,
                                 const std::string& number_text, AppState& state) {
  const MessageCatalogue& m = messages();
  if (!has_current_row(model, state)) return message(m.select_tset_row);
  const auto index = parse_i16(index_text);
  if (!index || *index < 1) return message(m.select_index, TsetsFocus::index);
  const auto number = parse_i16(number_text);
  if (!number) return message(m.select_number, TsetsFocus::number);
  // With a lotto chosen its numbers are the limit; otherwise the highest the window offers.
  const int highest =
      state.lotto.play_n > 0 ? std::min<int>(state.lotto.play_n, max_set_number) : max_set_number;
  if (*number < 1 || *number > highest)
    return message(
        m.select_number + " The numbers run from 1 to " + std::to_string(highest) +
            (state.lotto_name.empty() || state.lotto.play_n <= 0 ? "" : " in " + state.lotto_name) + ".",
        TsetsFocus::number);
  const int size = model.work.size;
  if (*index > size) return message(m.index_exceeds, TsetsFocus::index);

  TextGrid& grid = model.work.grid;
  const int row = state.tset_row;
  const std::string_view text = trim_blanks(number_text);
  for (int j = 1; j <= size; ++j) {
    const std::string& cell = grid.cell(row, j);
    if (cell == text || parse_i16(cell) == number) return message(m.number_repeated, TsetsFocus::number);
  }
  grid.set_cell(row, *index, text);
  model.unsaved = true;
  // The row shown as current is the set the other windows use: its numbers follow
  // each placement (no numbers while the row is incomplete).
  get_Tset(grid, state.tset_numbers, state.tset_row);

  bool full = true;
  for (int j = 1; j <= size && full; ++j) full = parse_i16(grid.cell(row, j)).has_value();
  if (full) model.enabled.save = true;
  return {};
}

Question set_conflict_question(const std::string& set_name, const TextGrid& mine, int mine_row,
                               const TextGrid& theirs, int theirs_row) {
  std::vector<int> cols;
  for (int c = 1; c < mine.cols(); ++c) cols.push_back(c);
  const auto row_text = [&cols](const TextGrid& g, int r) {
    return r < 0 ? std::string("no row of that date") : row_values_text(g, r, cols);
  };
  const std::string date = mine_row >= 0 ? mine.cell(mine_row, 0) : theirs.cell(theirs_row, 0);
  return {"The row of " + date + " differs between this window and the file of the set '" + set_name +
              "', which was changed outside this window since it was read.\n\nThis window: " +
              row_text(mine, mine_row) + "\nThe file: " + row_text(theirs, theirs_row) +
              "\n\nWhich row should be saved? (Cancel saves nothing.)",
          {"This window's", "The file's"}};
}

TsetsOutcome tsets_save(TsetsModel& model, AppState& state, const AskUser& ask) {
  TsetsWork& work = model.work;
  const auto path = work.size_folder / work.set_name;
  // The file may have changed since it was read: merge rather than write over it.
  TsetsWork merged;
  bool merging = false;
  int from_file = 0;
  const std::int16_t row_before = state.tset_row;
  // From the comparison to the rename no other copy saves this file.
  std::optional<SaveLock> lock;
  if (!work.set_name.empty()) {
    lock = SaveLock::take(path);
    if (!lock) return message(save_lock_refusal(path));
  }
  if (!work.set_name.empty() && model.loaded.path == path) {
    const FileFingerprint now = take_fingerprint(path);
    if (now.exists && file_changed(model.loaded.fingerprint, now)) {
      TsetsWork theirs = work;
      theirs.set_name.clear();
      AppState scratch = state;
      const std::string read = read_set_file(theirs, work.set_name, scratch);
      if (theirs.set_name != work.set_name)
        return message("The file of the set '" + work.set_name +
                       "' was changed outside this window and cannot be read now: " + read +
                       "\nNothing was saved.");
      std::vector<int> cols;
      for (int c = 1; c < work.grid.cols(); ++c) cols.push_back(c);
      RowMerge plan = plan_row_merge(model.loaded.rows, work.grid, theirs.grid, 0, cols, state.date_format);
      if (plan.removed_in_file > 0) {
        const int answer =
            ask ? ask(lost_rows_question(plan, work.grid, 0, cols,
                                         DS_TR("of the set '%1'").arg(work.set_name), DS_TR("rows")))
                : 0;
        if (answer < 0) {
          TsetsOutcome out;
          out.status = DS_TR("The set '%1' was not saved.").arg(work.set_name);
          return out;
        }
        if (answer == 1) drop_lost_rows(plan);
      }
      std::vector<bool> keep_mine;
      for (const MergeEntry& e : plan.entries) {
        if (e.take != MergeEntry::Take::ask) continue;
        const int answer =
            ask ? ask(set_conflict_question(work.set_name, work.grid, e.mine, theirs.grid, e.theirs)) : -1;
        if (answer < 0) {
          TsetsOutcome out;
          out.status = DS_TR("The set '%1' was not saved.").arg(work.set_name);
          return out;
        }
        keep_mine.push_back(answer == 0);
        if (answer != 0) ++from_file;
      }
      merged = work;
      std::vector<int> from_mine;
      merged.grid = merged_grid(plan, work.grid, theirs.grid, keep_mine, &from_mine);
      // The current row follows its row into the merged grid (the last row when
      // the file's row of that date was taken instead).
      int current = merged.grid.rows() - 1;
      for (int r = 1; r < merged.grid.rows(); ++r)
        if (from_mine[r] == state.tset_row) current = r;
      state.tset_row = static_cast<std::int16_t>(current);
      from_file += plan.from_file;
      merging = true;
    }
  }
  FileFingerprint written;
  TsetsOutcome out = message(write_set_file(merging ? merged : work, state, &written));
  if (!out.message.empty()) {
    state.tset_row = row_before;
    return out;
  }
  if (merging) {
    work.grid = std::move(merged.grid);
    if (state.tset_row >= 1) get_Tset(work.grid, state.tset_numbers, state.tset_row);
  }
  model.loaded = loaded_file(path, written, work.grid);
  model.unsaved = false;
  if (merging)
    out.status =
        DS_TR(
            "Saved %1 of '%2'. The file had been changed outside this window: its changes are kept with "
            "yours (rows taken from the file: %3).")
            .arg(rows_text(work.grid.rows() - 1))
            .arg(work.set_name)
            .arg(from_file);
  else
    out.status = DS_TR("Saved %1 of '%2'.").arg(rows_text(work.grid.rows() - 1)).arg(work.set_name);
  return out;
}

DiskNotice tsets_disk_notice(TsetsModel& model) {
  if (model.loaded.path.empty()) return {};
  return notice_disk_change(model.loaded, take_fingerprint(model.loaded.path), model.unsaved,
                            "the set '" + model.work.set_name + "'");
}

TsetsOutcome tsets_select_row(TsetsModel& model, int row, AppState& state) {
  if (row < 1 || row >= model.work.grid.rows()) return {};
  state.tset_row = static_cast<std::int16_t>(row);
  return message(get_Tset(model.work.grid, state.tset_numbers, state.tset_row));
}

}  // namespace ds
