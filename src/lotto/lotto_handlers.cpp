#include "lotto/lotto_handlers.h"

#include <algorithm>

#include "shell/fields.h"
#include "shell/files.h"

namespace ds {

namespace {

bool blank(const std::string& text) { return trim_blanks(text).empty(); }

const char* const draw_keys[] = {"n1", "n2", "n3", "n4", "n5", "n6", "nb", "n7"};
const LottoFocus draw_boxes[] = {LottoFocus::n1, LottoFocus::n2, LottoFocus::n3, LottoFocus::n4,
                                 LottoFocus::n5, LottoFocus::n6, LottoFocus::nb, LottoFocus::n7};

// The game's shape boxes as a new lotto shows them: the classic shape.
GameShapeForm classic_shape() {
  GameShapeForm f;
  f.prizes = prize_grid({}, NumberFormat{});
  return f;
}

// True when the grid holds draw rows (the start grid's blank row is none).
bool holds_draw_rows(const TextGrid& grid) { return grid.cols() > 2 && grid.rows() > 1; }

// True when `grid` is a draw table of another shape than `game`'s.
bool other_draw_shape(const TextGrid& grid, const LottoDefinition& game) {
  TextGrid fresh;
  empty_draw_table(fresh, game);
  if (grid.cols() != fresh.cols()) return true;
  for (int c = 0; c < fresh.cols(); ++c)
    if (grid.cell(0, c) != fresh.cell(0, c)) return true;
  return false;
}

std::string unsafe_name_message() {
  return "This name cannot be used for a lotto. A lotto name is a folder name: it must not "
         "start with a dot, hold / or \\ or control characters, or be longer than 100 "
         "characters.";
}

LottoOutcome refusal(const Text& message, LottoFocus focus) {
  LottoOutcome r;
  r.message = message;
  r.focus = focus;
  return r;
}

}  // namespace

LottoButtons LottoEditMode(int mode) {
  switch (mode) {
    case 0:
      return {true, true, false};
    case 1:
      return {true, false, false};
    case 2:
      return {false, false, true};
    default:
      return {true, true, true};
  }
}

LottoForm lotto_start_form() {
  LottoForm f;
  f.prize = {"0", "10", "80", "2000", "1000000"};
  f.prize_b = {"0", "0", "0", "10000", "0"};
  f.cost = "1";
  f.currency = "$";
  f.shape = classic_shape();
  return f;
}

void emty_lotto(LottoForm& form) {
  form.name.clear();
  form.play_n.clear();
  form.pick_n.clear();
  form.prize = {"0", "10", "100", "1000", "1000000"};
  form.prize_b = {"0", "0", "0", "10000", "0"};
  form.cost = "1";
  form.shape = classic_shape();
}

LottoOutcome lotto_load(LottoModel& m, const std::filesystem::path& app_folder) {
  LottoOutcome r;
  m.games = lotto_folder(app_folder);
  if (!folder_exists(m.games)) make_folder(m.games);
  r.names = list_lottos(m.games);
  m.mode = r.names->empty() ? 1 : 0;
  r.form = lotto_start_form();
  r.draw = DrawForm{};
  r.draw->n.fill("0");
  return r;
}

std::vector<std::string> play_n_items() {
  std::vector<std::string> items;
  for (int n = 20; n <= 90; ++n) items.push_back(std::to_string(n));
  return items;
}

std::vector<std::string> pick_n_items() { return {"3", "4", "5", "6", "7"}; }

void show_definition(const LottoDefinition& d, const NumberFormat& nf, LottoForm& form) {
  form.play_n = std::to_string(d.play_n);
  form.pick_n = std::to_string(d.pick_n);
  const float prizes[] = {d.prize_2, d.prize_3, d.prize_4, d.prize_5, d.prize_6};
  const float bonus[] = {d.prize_2b, d.prize_3b, d.prize_4b, d.prize_5b, d.prize_6b};
  for (int i = 0; i < 5; ++i) {
    form.prize[i] = format_single_exact(prizes[i], nf);
    form.prize_b[i] = format_single_exact(bonus[i], nf);
  }
  form.cost = format_single_exact(d.cost, nf);
  form.currency = d.currency;
  form.shape = show_game_shape(d, nf);
}

DrawForm empty_draw(const DateFormat& format) {
  DrawForm d;
  d.date = format_date(today(), format);
  d.n.fill("0");
  return d;
}

DrawForm draw_from_row(const TextGrid& grid, int row, const LottoDefinition& game) {
  DrawForm d;
  d.date = grid.cell(row, col_date);
  if (classic_draw_lines(game)) {
    for (int i = 0; i < 7; ++i) d.n[i] = grid.cell(row, col_n1 + i);
    return d;
  }
  const auto cell = [&](int c) { return c >= 0 && c < grid.cols() ? grid.cell(row, c) : std::string("0"); };
  for (int i = 0; i < 6; ++i) d.n[i] = cell(col_n1 + i);
  d.n[6] = bonus_column(game) >= 0 ? cell(bonus_column(game)) : "0";
  d.n7 = main_columns(game) == 7 ? cell(col_n1 + 6) : "0";
  for (int j = 0; j < game.second_n; ++j) d.second[j] = cell(second_column(game, j));
  return d;
}

namespace {

std::string lotto_exists_message(const std::string& name) {
  return "The lotto '" + name + "' already exists. Choose it in the Name list and press Edit to change it.";
}

// Reads the lotto's definition into the state and the boxes, and remembers what
// was read of param.tix; the message when it cannot be read.
std::string read_lotto_definition(LottoModel& model, const std::string& name, AppState& s, LottoOutcome& r) {
  const auto param = stored_definition_path(model.games, name);
  const FileFingerprint before = take_fingerprint(param);
  std::string message = read_definition(model.games, name, s.lotto);
  if (!message.empty()) return message;
  model.definition_file = loaded_file(param, before, TextGrid{});
  r.form = LottoForm{};
  r.form->name = name;
  show_definition(s.lotto, s.number_format, *r.form);
  s.lotto_name = name;
  return {};
}

}  // namespace

LottoOutcome save_lotto(LottoModel& model, const LottoForm& f, AppState& s, const AskUser& ask) {
  LottoOutcome r;
  const std::filesystem::path& games = model.games;
  const std::string& current = model.editing;
  const MessageCatalogue& m = messages();
  auto refuse = [&r](const std::string& message, LottoFocus focus) {
    r.message = message;
    r.focus = focus;
    return r;
  };
  if (blank(f.name)) return refuse(m.type_data, LottoFocus::name);
  const auto name = safe_name(f.name);
  if (!name) return refuse(unsafe_name_message(), LottoFocus::name);
  if (*name != current && folder_exists(games / *name))
    return refuse(lotto_exists_message(*name), LottoFocus::name);
  if (blank(f.play_n)) return refuse(m.type_data, LottoFocus::play_n);
  if (blank(f.pick_n)) return refuse(m.type_data, LottoFocus::pick_n);
  if (blank(f.cost)) return refuse(m.type_data, LottoFocus::cost);
  if (blank(f.currency)) return refuse(m.type_data, LottoFocus::currency);

  // The definition read may have been changed by another program since: the
  // user decides before anything is stored.
  const LoadedFile& definition = model.definition_file;
  if (*name == current && definition.path.parent_path() == games / *name &&
      file_changed(definition.fingerprint, take_fingerprint(definition.path))) {
    const Question q{"The definition of the lotto '" + *name + "' (" + definition.path.filename().string() +
                         ") was changed outside this window since it was read. Overwrite it "
                         "with the values shown here, or read it again (the values typed here are then "
                         "lost)?",
                     {"Overwrite", "Reload"}};
    const int answer = ask ? ask(q) : -1;
    if (answer < 0) {
      r.status = DS_TR("The lotto '%1' was not saved.").arg(*name);
      return r;
    }
    if (answer == 1) {
      // The file's definition is shown again; the draws are not touched.
      r.message = read_lotto_definition(model, *name, s, r);
      if (!r.refused()) model.mode = 0;
      return r;
    }
  }

  const auto play = parse_whole(f.play_n);
  if (!play || *play < min_play_n || *play > max_play_n)
    return refuse(m.data_not_correct, LottoFocus::play_n);
  const auto pick = parse_whole(f.pick_n);
  if (!pick || *pick < min_pick_n || *pick > max_pick_n || *pick >= *play)
    return refuse(m.data_not_correct, LottoFocus::pick_n);
  // The shape: bonus, second pool and, for a game beyond the classic one, its prize table.
  LottoDefinition shaped = s.lotto;
  shaped.play_n = static_cast<std::int16_t>(*play);
  shaped.pick_n = static_cast<std::int16_t>(*pick);
  if (const GameShapeRead read = read_game_shape(f.shape, s.number_format, shaped); !read.message.empty()) {
    r.prize_row = read.row;
    r.prize_col = read.col;
    return refuse(read.message, read.col == -1   ? LottoFocus::second_pool
                                : read.col == -2 ? LottoFocus::second_n
                                                 : LottoFocus::prizes);
  }
  // A lotto with draws keeps the numbers a draw holds: the draws in the grid
  // (saved or not) would no longer fit it.
  if (model.owner == *name && holds_draw_rows(model.draws) && other_draw_shape(model.draws, shaped))
    return refuse("The draws of '" + *name +
                      "' hold other numbers than a draw of this game: a lotto with draws keeps the numbers "
                      "a draw holds. Create a new lotto for a game of this shape.",
                  LottoFocus::pick_n);
  s.lotto.play_n = shaped.play_n;
  s.lotto.pick_n = shaped.pick_n;
  s.lotto.bonus_n = shaped.bonus_n;
  s.lotto.second_pool = shaped.second_pool;
  s.lotto.second_n = shaped.second_n;
  s.lotto.tiers = shaped.tiers;
  const bool table = !s.lotto.tiers.empty();

  // Each value is stored as soon as it converts: a refusal keeps the earlier ones.
  LottoDefinition& d = s.lotto;
  const struct {
    const std::string& text;
    float& field;
    LottoFocus focus;
  } boxes[] = {
      {f.prize[0], d.prize_2, LottoFocus::prize_2}, {f.prize_b[0], d.prize_2b, LottoFocus::prize_2b},
      {f.prize[1], d.prize_3, LottoFocus::prize_3}, {f.prize_b[1], d.prize_3b, LottoFocus::prize_3b},
      {f.prize[2], d.prize_4, LottoFocus::prize_4}, {f.prize_b[2], d.prize_4b, LottoFocus::prize_4b},
      {f.prize[3], d.prize_5, LottoFocus::prize_5}, {f.prize_b[3], d.prize_5b, LottoFocus::prize_5b},
      {f.prize[4], d.prize_6, LottoFocus::prize_6}, {f.prize_b[4], d.prize_6b, LottoFocus::prize_6b},
      {f.cost, d.cost, LottoFocus::cost},
  };
  for (const auto& box : boxes) {
    // A game with a prize table leaves the ten classic boxes aside.
    if (table && box.focus != LottoFocus::cost) continue;
    const auto v = parse_single(box.text, s.number_format);
    if (!v) return refuse(m.data_not_correct, box.focus);
    box.field = *v;
  }
  d.currency = f.currency;
  s.lotto_name = *name;
  // A currency that does not fit the record: the focus stays on the last box
  // converted. A folder or file that cannot be written says why and where.
  if (stored_in_record(d) && !encode_definition(d)) return refuse(m.data_not_correct, LottoFocus::cost);
  if (const std::string problem = stored_in_record(d) ? std::string() : game_problem(d); !problem.empty())
    return refuse("The lotto was not saved: " + problem + ".",
                  problem.find("currency") != std::string::npos       ? LottoFocus::currency
                  : problem.find("main pool") != std::string::npos    ? LottoFocus::play_n
                  : problem.find("main numbers") != std::string::npos ? LottoFocus::pick_n
                                                                      : LottoFocus::cost);
  FileFingerprint written;
  if (const auto error = write_definition(games, *name, d, &written); !error.empty())
    return refuse(error, LottoFocus::none);
  model.definition_file = loaded_file(definition_path(games, *name, d), written, TextGrid{});
  // A lotto without draws shows its table in the game's new shape.
  if (model.owner == *name && !holds_draw_rows(model.draws) && other_draw_shape(model.draws, d)) {
    empty_draw_table(model.draws, d);
    model.current_row = 0;
  }
  model.editing = *name;
  r.names = list_lottos(games);
  model.mode = r.names->empty() ? 1 : 0;
  r.form = f;
  r.form->name = *name;
  r.status = DS_TR("The lotto '%1' was saved.").arg(*name);
  return r;
}

CreateNameResult create_name(const std::string& answer, const std::filesystem::path& games) {
  CreateNameResult r;
  if (blank(answer)) return r;
  const auto name = safe_name(answer);
  if (!name) {
    r.message = unsafe_name_message();
    r.focus = LottoFocus::name;
    return r;
  }
  if (folder_exists(games / *name)) {
    r.message = lotto_exists_message(*name);
    r.focus = LottoFocus::name;
    return r;
  }
  r.name = *name;
  return r;
}

LottoOutcome create_lotto(LottoModel& model, const std::string& answer, const LottoForm& shown,
                          const DateFormat& format) {
  // The name first: a cancelled prompt or a refused name leaves the lotto shown,
  // its draws and the buttons as they were.
  const CreateNameResult name = create_name(answer, model.games);
  LottoOutcome r = name;
  if (name.refused() || name.name.empty()) return r;
  r.form = shown;
  emty_lotto(*r.form);
  r.form->name = name.name;
  // A new lotto has no draws yet: the draws of the lotto shown before must not be
  // saved under the new name.
  empty_draw_table(model.draws);
  model.owner = name.name;
  model.editing.clear();
  model.current_row = 0;
  model.unsaved = false;
  model.mode = 2;
  const auto draws = model.games / name.name / "draws.txt";
  model.draws_file = loaded_file(draws, take_fingerprint(draws), model.draws);
  model.definition_file = LoadedFile{};
  r.draw = empty_draw(format);
  r.status = "";
  r.focus = LottoFocus::play_n;
  return r;
}

LottoOutcome edit_lotto(LottoModel& model, const AppState& s) {
  LottoOutcome r;
  model.editing = s.lotto_name;
  model.mode = 2;
  r.focus = LottoFocus::play_n;
  return r;
}

namespace {

// The ten numbers of a draw as the boxes hold them, N1..N6, the bonus, N7, S1,
// S2, and where the state's current draw keeps each.
const std::string& draw_text(const DrawForm& draw, int i) {
  return i < 7 ? draw.n[i] : i == 7 ? draw.n7 : draw.second[i - 8];
}
std::int16_t& current_number(AppState& s, int i) {
  return i < 7 ? s.current_draw[i] : i == 7 ? s.current_draw_n7 : s.current_draw_second[i - 8];
}

// Takes the boxes' numbers into the current draw one by one: false at the first
// that does not read, the numbers before it taken.
bool take_numbers(const DrawForm& draw, AppState& s) {
  for (int i = 0; i < 10; ++i) {
    const auto v = parse_i16(draw_text(draw, i));
    if (!v) return false;
    current_number(s, i) = *v;
  }
  return true;
}

// Makes the boxes' draw the state's current draw: false, and the state
// unchanged, when the date or a number does not read.
bool take_current_draw(const DrawForm& draw, AppState& s) {
  const auto day = parse_date(draw.date, s.date_format);
  if (!day) return false;
  for (int i = 0; i < 10; ++i)
    if (!parse_i16(draw_text(draw, i))) return false;
  s.current_draw_date = *day;
  return take_numbers(draw, s);
}

// No current draw: no date, every number 0.
void clear_current_draw(AppState& s) {
  s.current_draw_date = 0;
  s.current_draw.fill(0);
  s.current_draw_n7 = 0;
  s.current_draw_second.fill(0);
}

LottoOutcome read_lotto(LottoModel& model, const std::string& name, AppState& s) {
  LottoOutcome r;
  if (!plain_name(name)) {
    r.message = unsafe_name_message();
    return r;
  }
  r.message = read_lotto_definition(model, name, s, r);
  if (r.refused()) return r;

  // The fingerprint first: a change made while the file is read still shows.
  TextGrid& grid = model.draws;
  const auto path = model.games / name / "draws.txt";
  const FileFingerprint before = take_fingerprint(path);
  ReadDrawsResult read;
  if (!before.exists && !fs::exists(path)) {
    // No history yet (a lotto just created): an empty table, nothing to say.
    empty_draw_table(grid, s.lotto);
  } else {
    read = read_draws(model.games, name, grid, s.date_format, s.lotto);
  }
  r.message = read.message;
  // The grid was rebuilt from this lotto's file: it is the grid's owner now.
  model.owner = name;
  model.unsaved = false;
  model.draws_file = loaded_file(path, before, grid);
  if (read.stopped) {
    model.current_row = read.bad_date ? 1 : 0;
    return r;
  }
  r.select_current = true;
  const int last = grid.rows() - 1;
  if (last >= 1) {
    r.draw = draw_from_row(grid, last, s.lotto);
    model.current_row = last;
    // The draw the boxes show is the current draw of the other windows, as a selected row is.
    if (!take_current_draw(*r.draw, s)) clear_current_draw(s);
  } else {
    // No draw yet: the boxes are ready for the first one (New adds its row), and
    // there is no current draw.
    r.draw = empty_draw(s.date_format);
    model.current_row = 0;
    clear_current_draw(s);
  }
  model.mode = 0;
  return r;
}

}  // namespace

TypedWork typed_work(const LottoModel& model, const LottoForm& form, const DrawForm& draw,
                     const AppState& state) {
  TypedWork w;
  w.definition = LottoEditMode(model.mode).save && form != model.shown_form;
  if (Check_draw(draw, state.lotto.play_n, state).refused()) return w;
  const TextGrid& grid = model.draws;
  const bool on_row = model.current_row >= 1 && model.current_row < grid.rows() &&
                      grid.cols() >= draw_grid_columns(state.lotto);
  w.draw = on_row && !(draw_from_row(grid, model.current_row, state.lotto) == draw);
  return w;
}

UnsavedQuestion typed_draw_question(const DrawForm& draw) {
  std::string numbers;
  for (const std::string& n : draw.n)
    if (trim_blanks(n) != "0") numbers += " " + std::string(trim_blanks(n));
  if (trim_blanks(draw.n7) != "0") numbers += " " + std::string(trim_blanks(draw.n7));
  return {DS_TR("The draw typed in the boxes (%1) is not added. Add it before going on?")
              .arg(std::string(trim_blanks(draw.date)) + ":" + numbers),
          {DS_TR("Add"), DS_TR("Discard")}};
}

UnsavedQuestion typed_definition_question(const LottoForm& form) {
  const std::string name(trim_blanks(form.name));
  if (name.empty()) return {DS_TR("The definition being edited is not saved. Save it before going on?")};
  return {DS_TR("The definition of '%1' is not saved. Save it before going on?").arg(name)};
}

UnsavedQuestion unsaved_draws_question(const std::string& owner) {
  if (owner.empty()) return {DS_TR("The draws added are not saved. Save them before going on?")};
  return {DS_TR("The draws added to '%1' are not saved. Save them before going on?").arg(owner)};
}

DiskNotice lotto_disk_notice(LottoModel& model) {
  DiskNotice n;
  if (model.owner.empty()) return n;
  const std::string& owner = model.owner;
  LoadedFile& draws_file = model.draws_file;
  LoadedFile& definition_file = model.definition_file;
  const bool unsaved_draws = model.unsaved;
  const bool editing_definition = LottoEditMode(model.mode).save;
  if (!draws_file.path.empty())
    n = notice_disk_change(draws_file, take_fingerprint(draws_file.path), unsaved_draws,
                           DS_TR("the draws of '%1'").arg(owner));
  if (n.offer_reload || !n.status.empty() || definition_file.path.empty()) return n;
  const bool busy = unsaved_draws || editing_definition;
  n = notice_disk_change(definition_file, take_fingerprint(definition_file.path), busy,
                         DS_TR("the definition of '%1'").arg(owner));
  // A definition is not merged: its Save asks before writing over the file.
  if (busy && !n.status.empty() && !n.removed)
    n.status = DS_TR(
                   "The file of the definition of '%1' was changed outside this window. Your boxes are kept: "
                   "Save asks before writing over it.")
                   .arg(owner);
  return n;
}

LottoOutcome choose_lotto(LottoModel& model, const std::string& name, AppState& s) {
  LottoOutcome r = read_lotto(model, name, s);
  if (!r.refused()) {
    // Second-pool numbers picked for another game stay only where this one has them.
    std::erase_if(s.second_picks,
                  [&s](int n) { return s.lotto.second_n == 0 || n < 1 || n > s.lotto.second_pool; });
    r.status = DS_TR("%1: %2 draws").arg(name).arg(std::max(model.draws.rows() - 1, 0));
    r.status_stays = true;
  }
  return r;
}

CheckDrawResult Check_draw(const DrawForm& draw, std::int16_t play_n, const AppState& s) {
  const MessageCatalogue& m = messages();
  CheckDrawResult r;
  const auto refuse = [&r](const std::string& message, LottoFocus focus, const char* key) {
    static_cast<LottoOutcome&>(r) = refusal(message, focus);
    r.key = key;
    return r;
  };
  if (blank(draw.date)) return refuse(m.type_data, LottoFocus::date, "date");
  // draws.txt separates its fields with blanks, so a date cannot hold one.
  if (trim_blanks(draw.date).find(' ') != std::string_view::npos || !parse_date(draw.date, s.date_format))
    return refuse(m.data_not_correct, LottoFocus::date, "date");
  const LottoDefinition& game = s.lotto;
  if (classic_draw_lines(game)) {
    for (int i = 0; i < 7; ++i) {
      if (blank(draw.n[i])) return refuse(m.type_data, draw_boxes[i], draw_keys[i]);
      const auto v = parse_whole(draw.n[i]);
      if (!v) return refuse(m.data_not_correct, draw_boxes[i], draw_keys[i]);
      const long long low = i < 3 ? 1 : 0;
      if (*v < low || *v > play_n) return refuse(m.data_not_correct, draw_boxes[i], draw_keys[i]);
    }
    return r;
  }
  // Any other game: each main number drawn, the bonus when there is one (0: not
  // known), then the second-pool numbers.
  const int main = std::min<int>(game.pick_n, main_columns(game));
  for (int i : {0, 1, 2, 3, 4, 5, 7, 6}) {
    if (i == 6 ? game.bonus_n == 0 : (i < 6 ? i >= main : main < 7)) continue;
    const std::string& text = i < 7 ? draw.n[i] : draw.n7;
    if (blank(text)) return refuse(m.type_data, draw_boxes[i], draw_keys[i]);
    const auto v = parse_whole(text);
    if (!v) return refuse(m.data_not_correct, draw_boxes[i], draw_keys[i]);
    if (*v < (i == 6 ? 0 : 1) || *v > play_n) return refuse(m.data_not_correct, draw_boxes[i], draw_keys[i]);
  }
  int bad = -1;
  if (const std::string why = check_second_numbers(draw.second, game.second_n, game.second_pool, bad);
      !why.empty())
    return refuse(why, bad == 0 ? LottoFocus::s1 : LottoFocus::s2, bad == 0 ? "s1" : "s2");
  return r;
}

namespace {

std::string same_number_message(long long number, int first, int second) {
  const auto box = [](int i) {
    return i == 6 ? std::string("the bonus") : "N" + std::to_string(i < 6 ? i + 1 : 7);
  };
  return "The number " + std::to_string(number) + " is both " + box(first) + " and " + box(second) +
         ". A draw cannot hold a number twice.";
}

std::string same_date_message(const std::string& date) {
  return "The table already holds a draw of " + date +
         ". A date is one draw: select its row to change it, or type another date.";
}

}  // namespace

LottoOutcome add_draw(LottoModel& model, const DrawForm& draw, AppState& s) {
  TextGrid& grid = model.draws;
  const int current_row = model.current_row;
  LottoOutcome r = Check_draw(draw, s.lotto.play_n, s);
  if (r.refused()) return r;
  const auto refuse = [&r](const std::string& message, LottoFocus focus) {
    static_cast<LottoOutcome&>(r) = refusal(message, focus);
    return r;
  };
  // A draw holds each number once, the bonus included (0 is an empty box); the
  // boxes a game does not draw hold 0. (The second pool is checked on its own.)
  const LottoDefinition& game = s.lotto;
  const bool classic = classic_draw_lines(game);
  const int main = std::min<int>(game.pick_n, main_columns(game));
  std::array<long long, 8> v{};
  for (int i = 0; i < 8; ++i) {
    const bool drawn = classic ? i < 7 : (i == 6 ? game.bonus_n > 0 : (i < 6 ? i < main : main == 7));
    if (drawn) v[i] = *parse_whole(i < 7 ? draw.n[i] : draw.n7);
  }
  for (int i = 1; i < 8; ++i)
    for (int j = 0; j < i && v[i] != 0; ++j)
      if (v[j] == v[i]) return refuse(same_number_message(v[i], j, i), draw_boxes[i]);
  // A date is one draw: no other row of the table may have it.
  const DayNumber day = *parse_date(draw.date, s.date_format);
  for (int row = 1; grid.cols() >= draw_grid_columns(game) && row < grid.rows(); ++row)
    if (row != current_row && parse_date(grid.cell(row, col_date), s.date_format) == day)
      return refuse(same_date_message(grid.cell(row, col_date)), LottoFocus::date);
  s.current_draw_date = day;
  for (int i = 0; i < 7; ++i) s.current_draw[i] = static_cast<std::int16_t>(v[i]);
  s.current_draw_n7 = static_cast<std::int16_t>(v[7]);
  for (int j = 0; j < 2; ++j) s.current_draw_second[j] = parse_i16(draw.second[j]).value_or(0);
  if (current_row < 1 || current_row > grid.rows() - 1) return r;
  ensure_draw_columns(grid, game);
  grid.set_cell(current_row, col_date, draw.date);
  if (classic) {
    for (int i = 0; i < 7; ++i) grid.set_cell(current_row, col_n1 + i, draw.n[i]);
  } else {
    for (int i = 0; i < main_columns(game); ++i)
      grid.set_cell(current_row, col_n1 + i, i < main ? (i < 6 ? draw.n[i] : draw.n7) : "0");
    if (bonus_column(game) >= 0) grid.set_cell(current_row, bonus_column(game), draw.n[6]);
    for (int j = 0; j < game.second_n; ++j)
      grid.set_cell(current_row, second_column(game, j), draw.second[j]);
  }
  model.unsaved = true;
  r.select_current = true;
  return r;
}

int new_draw_row(TextGrid& grid, const LottoDefinition& game) {
  // The start grid's blank row is no draw: it gives way to a proper table.
  if (grid.cols() < draw_grid_columns(game)) empty_draw_table(grid, game);
  return grid.append_row();
}

LottoOutcome new_draw(LottoModel& model, const DateFormat& format, const LottoDefinition& game) {
  LottoOutcome r;
  if (model.owner.empty()) {
    r.message = DS_TR_NOOP("Please choose a lotto in the Name list, or create one, before adding draws.");
    r.focus = LottoFocus::name;
    return r;
  }
  // A draw holds the numbers its game draws: a lotto just created is saved first.
  if (model.definition_file.path.empty()) {
    r.message = "Please save the definition of '" + model.owner +
                "' before adding its draws: the boxes of a draw follow its game.";
    r.focus = LottoFocus::play_n;
    return r;
  }
  model.current_row = new_draw_row(model.draws, game);
  r.select_current = true;
  r.draw = empty_draw(format);
  r.focus = LottoFocus::date;
  return r;
}

LottoOutcome select_draw_row(LottoModel& model, int row, AppState& s) {
  LottoOutcome r;
  if (row < 1 || row > model.draws.rows() - 1) {
    r.message = "Please select a correct row";
    return r;
  }
  model.current_row = row;
  r.draw = draw_from_row(model.draws, row, s.lotto);
  // The fields are taken one by one: a cell that does not convert stops there,
  // and the fields before it stay taken.
  const auto day = parse_date(r.draw->date, s.date_format);
  if (day) s.current_draw_date = *day;
  if (!day || !take_numbers(*r.draw, s)) r.message = "In the selected row not correct data";
  return r;
}

namespace {

// The columns a draw's numbers are compared by: every column of its line but the date.
std::vector<int> draw_value_cols(const LottoDefinition& game) {
  std::vector<int> cols = draw_line_columns(game);
  cols.erase(cols.begin());
  return cols;
}

std::string draw_text(const TextGrid& grid, int row, const LottoDefinition& game) {
  if (row < 0) return "no draw of that date";
  if (classic_draw_lines(game)) {
    std::string text;
    for (int c = col_n1; c < col_bonus; ++c) text += std::string(c > col_n1 ? " " : "") + grid.cell(row, c);
    return text + ", bonus " + grid.cell(row, col_bonus);
  }
  std::string text;
  for (int c : draw_value_cols(game)) {
    const char* sep = c == bonus_column(game)       ? ", bonus "
                      : c == second_column(game, 0) ? ", second pool "
                                                    : " ";
    text += (text.empty() ? "" : sep) + grid.cell(row, c);
  }
  return text;
}

}  // namespace

Question draw_conflict_question(const std::string& lotto, const TextGrid& mine, int mine_row,
                                const TextGrid& theirs, int theirs_row, const LottoDefinition& game) {
  const std::string date = mine_row >= 0 ? mine.cell(mine_row, col_date) : theirs.cell(theirs_row, col_date);
  return {"The draw of " + date + " differs between this window and the file 'draws.txt' of '" + lotto +
              "', which was changed outside this window since it was read.\n\nThis window: " +
              draw_text(mine, mine_row, game) + "\nThe file: " + draw_text(theirs, theirs_row, game) +
              "\n\nWhich draw should be saved? (Cancel saves nothing.)",
          {"This window's", "The file's"}};
}

LottoOutcome save_draws(LottoModel& model, const std::string& name_text, const AppState& s,
                        const AskUser& ask) {
  LottoOutcome r;
  r.select_current = true;
  const std::string owner = model.owner;
  const int current_row = model.current_row;
  const std::filesystem::path& games = model.games;
  TextGrid& grid = model.draws;
  LoadedFile* loaded = &model.draws_file;
  if (blank(name_text)) {
    r.message = messages().type_data;
    r.focus = LottoFocus::name;
    return r;
  }
  const auto name = safe_name(name_text);
  if (!name) {
    r.message = unsafe_name_message();
    r.focus = LottoFocus::name;
    return r;
  }
  if (owner.empty()) {
    r.message = DS_TR_NOOP("Please choose in the Name list the lotto whose draws these are.");
    r.focus = LottoFocus::name;
    return r;
  }
  // The draws shown are saved into their own lotto only: another lotto's history
  // is never replaced, nor a new lotto filled with it.
  if (*name != owner) {
    r.message = "The draws shown are not those of the lotto '" + *name +
                "', so they were not saved into it. " + "They are the draws of '" + owner + "'. Choose '" +
                *name + "' in the Name list to change its draws.";
    r.focus = LottoFocus::name;
    return r;
  }
  const LottoDefinition& game = s.lotto;
  if (grid.cols() < draw_grid_columns(game)) empty_draw_table(grid, game);
  const bool has_current = current_row >= 1 && current_row < grid.rows();
  const DrawForm current = has_current ? draw_from_row(grid, current_row, game) : DrawForm{};

  // The file may have changed since the window read it: merge rather than write over it.
  const auto path = games / *name / "draws.txt";
  // From the comparison to the rename no other copy saves this file.
  const std::optional<SaveLock> lock = SaveLock::take(path);
  if (!lock) {
    r.message = save_lock_refusal(path);
    return r;
  }
  TextGrid merged;
  bool merging = false;
  RowMerge plan;
  int chosen_from_file = 0;
  if (loaded->path == path) {
    const FileFingerprint now = take_fingerprint(path);
    if (now.exists && file_changed(loaded->fingerprint, now)) {
      TextGrid theirs;
      const ReadDrawsResult read = read_draws(games, *name, theirs, s.date_format, game);
      if (!read.message.empty()) {
        r.message = "The file 'draws.txt' of '" + *name +
                    "' was changed outside this window and cannot be read whole now: " + read.message +
                    "\nNothing was saved. Please correct the file, then save again.";
        return r;
      }
      plan = plan_row_merge(loaded->rows, grid, theirs, col_date, draw_value_cols(game), s.date_format);
      if (plan.removed_in_file > 0) {
        const int answer =
            ask ? ask(lost_rows_question(plan, grid, col_date, draw_value_cols(game),
                                         DS_TR("'draws.txt' of '%1'").arg(*name), DS_TR("draws")))
                : 0;
        if (answer < 0) {
          r.status = DS_TR_NOOP("The draws were not saved.");
          return r;
        }
        if (answer == 1) drop_lost_rows(plan);
      }
      std::vector<bool> keep_mine;
      for (const MergeEntry& e : plan.entries) {
        if (e.take != MergeEntry::Take::ask) continue;
        const int answer =
            ask ? ask(draw_conflict_question(*name, grid, e.mine, theirs, e.theirs, game)) : -1;
        if (answer < 0) {
          r.status = DS_TR_NOOP("The draws were not saved.");
          return r;
        }
        keep_mine.push_back(answer == 0);
        if (answer != 0) ++chosen_from_file;
      }
      merged = merged_grid(plan, grid, theirs, keep_mine);
      merging = true;
    }
  }
  FileFingerprint written;
  r.message = write_draws(games, *name, merging ? merged : grid, s.date_format, game, &written);
  if (r.refused()) return r;
  if (merging) grid = std::move(merged);
  *loaded = loaded_file(path, written, grid);
  model.unsaved = false;
  model.owner = *name;
  // The sort moved the rows: follow the current draw to its new place. When the
  // file's version of its date was taken instead, the boxes show that version, so
  // that Add cannot bring back the draw just given up.
  if (has_current) {
    int found = -1, same_date = -1;
    for (int row = 1; row < grid.rows() && found < 0; ++row) {
      if (draw_from_row(grid, row, game) == current) found = row;
      if (same_date < 0 && trim_blanks(grid.cell(row, col_date)) == trim_blanks(current.date))
        same_date = row;
    }
    if (found < 0 && same_date > 0) {
      found = same_date;
      r.draw = draw_from_row(grid, found, game);
      r.select_current = true;
    }
    if (found > 0) model.current_row = found;
  }
  if (merging)
    r.status =
        DS_TR(
            "%1 draws saved for '%2'. 'draws.txt' had been changed outside this window: its changes are "
            "kept with yours (draws taken from the file: %3).")
            .arg(std::max(grid.rows() - 1, 0))
            .arg(*name)
            .arg(plan.from_file + chosen_from_file);
  else
    r.status = DS_TR("%1 draws saved for '%2'.").arg(std::max(grid.rows() - 1, 0)).arg(*name);
  return r;
}

LottoOutcome import_start(const LottoModel& model, const std::string& name_text, const AppState& s) {
  const std::string& owner = model.owner;
  const std::string refused =
      import_refusal(name_text, s.lotto_name, owner, model.games, s.date_format, s.lotto);
  if (!refused.empty()) return refusal(refused, LottoFocus::name);
  const LoadedFile& loaded = model.draws_file;
  if (!loaded.path.empty() && file_changed(loaded.fingerprint, take_fingerprint(loaded.path)))
    return refusal("The file 'draws.txt' of '" + owner +
                       "' was changed outside this window since the window read it. Save your draws first "
                       "(Save merges them with the file), or choose '" +
                       owner + "' in the Name list to read it again; then import.",
                   LottoFocus::name);
  return {};
}

ImportReadResult import_read(const std::filesystem::path& file, const std::string& shown) {
  ImportReadResult r;
  auto text = read_file(file);
  if (!text)
    r.message = DS_TR("The file '%1' cannot be read.").arg(shown);
  else
    r.text = std::move(*text);
  return r;
}

ImportReviewResult import_review(std::string_view text, const TextGrid& grid, const AppState& s,
                                 int order_choice) {
  ImportReviewResult r;
  const DayMonthOrder order = order_choice < 0    ? DayMonthOrder::unknown
                              : order_choice == 0 ? DayMonthOrder::day_month
                                                  : DayMonthOrder::month_day;
  r.preview = preview_import(text, s.lotto, grid, s.date_format, order);
  if (order_choice < 0 && r.preview.order_needed) {
    r.ask_order = true;
    r.order_question = r.preview.message;
    r.order_choices = {"Day/month/year (31/12/2024)", "Month/day/year (12/31/2024)"};
    return r;
  }
  if (!r.preview.message.empty()) {
    r.message = r.preview.message;
    return r;
  }
  r.summary = import_summary(r.preview);
  r.grid = import_preview_grid(r.preview);
  // Nothing is written unless the user accepts the preview; with no new draw
  // there is only Close.
  if (r.preview.fresh > 0) r.accept = "Import";
  return r;
}

LottoOutcome import_finish(LottoModel& model, const ImportPreview& preview, const AppState& s) {
  LottoOutcome r;
  TextGrid& grid = model.draws;
  const int current_row = model.current_row;
  const bool has_current = current_row >= 1 && current_row < grid.rows();
  const DrawForm current = has_current ? draw_from_row(grid, current_row, s.lotto) : DrawForm{};
  // Another copy may have saved while the preview was open: the merge of the
  // preview was made against what this window read, so it is refused then.
  const auto path = model.games / s.lotto_name / "draws.txt";
  const std::optional<SaveLock> lock = SaveLock::take(path);
  if (!lock) return refusal(save_lock_refusal(path), LottoFocus::none);
  if (!model.draws_file.path.empty() && file_changed(model.draws_file.fingerprint, take_fingerprint(path)))
    return refusal(
        DS_TR("The file 'draws.txt' of '%1' was changed outside this window while the import was "
              "being reviewed. Nothing was imported. Save your draws first (Save merges them with the "
              "file), then import again.")
            .arg(s.lotto_name),
        LottoFocus::none);
  const ImportWrite w = write_import(model.games, s.lotto_name, grid, preview, s.date_format);
  if (!w.written) {
    r.message = w.message;
    return r;
  }
  model.owner = s.lotto_name;
  model.unsaved = false;  // the merged table, added draws with it, is in draws.txt
  model.draws_file = loaded_file(path, take_fingerprint(path), grid);
  // The merge sorted the rows: the current draw keeps its place among them.
  model.current_row = grid.rows() - 1;
  for (int row = 1; has_current && row < grid.rows(); ++row)
    if (draw_from_row(grid, row, s.lotto) == current) {
      model.current_row = row;
      break;
    }
  r.select_current = true;
  r.status =
      DS_TR("%1 draws added to '%2'; %3 draws in all.").arg(w.added).arg(s.lotto_name).arg(grid.rows() - 1);
  return r;
}

}  // namespace ds
