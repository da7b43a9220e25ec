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

std::string rows_text(int rows) { return std::to_string(rows) + (rows == 1 ? " row" : " rows"); }

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
  return {"The changes to the set '" + model.work.set_name + "' are not saved. Save them before going on?"};
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
  if (file_exists(work.size_folder / *name)) {
    // The set exists already: open it rather than empty it.
    out.message = read_set_file(work, *name, state);
  } else {
    out.message = create_set_file(work.size_folder, *name);
    if (!out.message.empty()) return out;
    work.set_name = *name;
    Tsets_headers(work.grid, work.size, state.tset_row);
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
  const bool readable = file_exists(model.work.size_folder / name);
  out.message = read_set_file(model.work, name, state);
  if (readable && model.work.set_name == name) {
    model.unsaved = false;
    out.status = "Read " + rows_text(model.work.grid.rows() - 1) + " of '" + name + "'.";
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

TsetsOutcome tsets_save(TsetsModel& model, AppState& state) {
  TsetsOutcome out = message(write_set_file(model.work, state));
  if (out.message.empty()) {
    model.unsaved = false;
    out.status = "Saved " + rows_text(model.work.grid.rows() - 1) + " of '" + model.work.set_name + "'.";
  }
  return out;
}

TsetsOutcome tsets_select_row(TsetsModel& model, int row, AppState& state) {
  if (row < 1 || row >= model.work.grid.rows()) return {};
  state.tset_row = static_cast<std::int16_t>(row);
  return message(get_Tset(model.work.grid, state.tset_numbers, state.tset_row));
}

}  // namespace ds
