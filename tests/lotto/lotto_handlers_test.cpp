#include "lotto/lotto_handlers.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "support/scratch.h"

using ds::test::fresh_state;

using namespace ds;

namespace {

LottoForm good_form(const std::string& name) {
  LottoForm f = lotto_start_form();
  f.name = name;
  f.play_n = "49";
  f.pick_n = "6";
  return f;
}

DrawForm draw(const std::string& date, std::array<std::string, 7> n) { return {date, n}; }

LottoModel model_in(const std::filesystem::path& games) {
  LottoModel m;
  m.games = games;
  return m;
}

const char* const type_data = "Please type the data in the field.";
const char* const not_correct = "Sorry, the data is not correct.";

}  // namespace

TEST(LottoHandlers, EditModesStartFormAndReset) {
  EXPECT_EQ(LottoEditMode(0), (LottoButtons{true, true, false}));
  EXPECT_EQ(LottoEditMode(1), (LottoButtons{true, false, false}));
  EXPECT_EQ(LottoEditMode(2), (LottoButtons{false, false, true}));
  EXPECT_EQ(LottoEditMode(7), (LottoButtons{true, true, true}));

  LottoForm f = lotto_start_form();
  EXPECT_EQ(f.prize, (std::array<std::string, 5>{"0", "10", "80", "2000", "1000000"}));
  EXPECT_EQ(f.prize_b, (std::array<std::string, 5>{"0", "0", "0", "10000", "0"}));
  f.name = "X";
  f.play_n = "49";
  f.currency = "EU";
  emty_lotto(f);
  EXPECT_EQ(f.name, "");
  EXPECT_EQ(f.play_n, "");
  EXPECT_EQ(f.prize, (std::array<std::string, 5>{"0", "10", "100", "1000", "1000000"}));
  EXPECT_EQ(f.cost, "1");
  EXPECT_EQ(f.currency, "EU");
  EXPECT_EQ(play_n_items().size(), 71u);
  EXPECT_EQ(play_n_items().back(), "90");
}

TEST(LottoHandlers, SaveChecksTheBoxesInOrder) {
  test::ScratchFolder dir;
  // Each case sets the boxes named (and the prize boxes through `other`).
  struct Case {
    std::vector<std::pair<std::string LottoForm::*, const char*>> edits;
    const char* message;
    LottoFocus focus;
    void (*other)(LottoForm&) = nullptr;
  } cases[] = {
      {{}, type_data, LottoFocus::name, [](LottoForm& f) { f = LottoForm{}; }},
      {{{&LottoForm::name, "  "}}, type_data, LottoFocus::name},
      {{{&LottoForm::name, "../up"}, {&LottoForm::play_n, ""}}, nullptr, LottoFocus::name},
      {{{&LottoForm::play_n, ""}, {&LottoForm::cost, ""}}, type_data, LottoFocus::play_n},
      {{{&LottoForm::pick_n, ""}}, type_data, LottoFocus::pick_n},
      {{{&LottoForm::cost, ""}, {&LottoForm::currency, ""}}, type_data, LottoFocus::cost},
      {{{&LottoForm::currency, ""}}, type_data, LottoFocus::currency},
      {{{&LottoForm::play_n, "4x"}}, not_correct, LottoFocus::play_n},
      {{{&LottoForm::play_n, "100"}}, not_correct, LottoFocus::play_n},
      {{{&LottoForm::play_n, "3"}}, not_correct, LottoFocus::play_n},
      {{{&LottoForm::pick_n, "8"}}, not_correct, LottoFocus::pick_n},
      {{{&LottoForm::pick_n, "2.5"}}, not_correct, LottoFocus::pick_n},
      {{{&LottoForm::play_n, "4"}, {&LottoForm::pick_n, "4"}}, not_correct, LottoFocus::pick_n},
      {{}, not_correct, LottoFocus::prize_2, [](LottoForm& f) { f.prize[0] = "12abc"; }},
      {{}, not_correct, LottoFocus::prize_5b, [](LottoForm& f) { f.prize_b[3] = ""; }},
      {{{&LottoForm::cost, "1,5"}}, not_correct, LottoFocus::cost},
  };
  for (const auto& c : cases) {
    AppState s = fresh_state();
    LottoForm f = good_form("L");
    for (const auto& [box, text] : c.edits) f.*box = text;
    if (c.other) c.other(f);
    LottoModel m = model_in(dir.games());
    const auto r = save_lotto(m, f, s);
    EXPECT_EQ(r.focus, c.focus) << f.name << "/" << f.play_n << "/" << f.pick_n;
    if (c.message)
      EXPECT_EQ(r.message, c.message) << static_cast<int>(c.focus);
    else
      EXPECT_NE(r.message, "");
    EXPECT_FALSE(r.names);
    EXPECT_FALSE(folder_exists(dir.games() / "L"));
    EXPECT_EQ(s.lotto_name, "");
  }
  AppState s = fresh_state();
  LottoForm three = good_form("L");
  three.pick_n = "3";  // the fewest numbers a draw may have
  LottoModel m = model_in(dir.games());
  EXPECT_EQ(save_lotto(m, three, s).message, "");
  LottoForm seven = good_form("L7");
  seven.pick_n = "7";  // the most numbers a draw may have
  EXPECT_NE(save_lotto(m, seven, s).focus, LottoFocus::pick_n);
  LottoForm widest = good_form("L99");
  widest.play_n = "99";  // the most numbers a game may have (100 is refused above)
  EXPECT_NE(save_lotto(m, widest, s).focus, LottoFocus::play_n);
}

TEST(LottoHandlers, SaveStoresEachValueAsItConverts) {
  test::ScratchFolder dir;
  AppState s = fresh_state();
  s.lotto.prize_4 = 55;
  LottoForm f = good_form("L");
  f.prize[0] = "1e3";
  f.prize_b[0] = "2.5";
  f.prize[1] = "12abc";
  LottoModel m = model_in(dir.games());
  auto r = save_lotto(m, f, s);
  EXPECT_EQ(r.message, not_correct);
  EXPECT_EQ(r.focus, LottoFocus::prize_3);
  EXPECT_EQ(s.lotto.play_n, 49);
  EXPECT_EQ(s.lotto.prize_2, 1000.0f);
  EXPECT_EQ(s.lotto.prize_2b, 2.5f);
  EXPECT_EQ(s.lotto.prize_4, 55.0f);  // not reached

  // A currency that does not fit the record: everything stored, nothing written,
  // the focus on the cost box.
  f.prize[1] = "10";
  f.currency = "EUR";
  r = save_lotto(m, f, s);
  EXPECT_EQ(r.message, not_correct);
  EXPECT_EQ(r.focus, LottoFocus::cost);
  EXPECT_EQ(s.lotto.currency, "EUR");
  EXPECT_EQ(s.lotto_name, "L");
  EXPECT_FALSE(file_exists(dir.games() / "L" / "param.tix"));

  // A file that cannot be written says why and where.
  f.currency = "$";
  ds::testing::fail_next_write_after(10, EROFS);
  r = save_lotto(m, f, s);
  EXPECT_EQ(r.message, "The lotto was not saved: permission to write there was refused (" +
                           (dir.games() / "L" / "param.tix").string() + ").");
  EXPECT_FALSE(folder_exists(dir.games() / "L"));  // the next try is no "already exists"

  f.name = "  L  ";
  r = save_lotto(m, f, s);
  ASSERT_EQ(r.message, "");
  EXPECT_EQ(r.form->name, "L");
  EXPECT_EQ(s.lotto.prize_4, 80.0f);  // the start form's third box
  EXPECT_EQ(m.editing, "L");
  EXPECT_EQ(*r.names, std::vector<std::string>{"L"});
  EXPECT_EQ(m.mode, 0);
  LottoDefinition back;
  ASSERT_EQ(read_definition(dir.games(), "L", back), "");
  EXPECT_EQ(back, s.lotto);
  LottoForm shown;
  show_definition(back, s.number_format, shown);
  EXPECT_EQ(shown.prize[0], "1000");
  EXPECT_EQ(shown.prize_b[0], "2.5");

  // Another lotto's name is refused while creating ("") or editing "M"; nothing
  // is written. The lotto being edited keeps its own name.
  f.cost = "9";
  for (const char* current : {"", "M"}) {
    m.editing = current;
    r = save_lotto(m, f, s);
    EXPECT_EQ(r.message,
              "The lotto 'L' already exists. Choose it in the Name list and press Edit to change it.");
    EXPECT_EQ(r.focus, LottoFocus::name);
    EXPECT_FALSE(r.names);
  }
  LottoDefinition kept;
  ASSERT_EQ(read_definition(dir.games(), "L", kept), "");
  EXPECT_EQ(kept, back);
  m.editing = "L";
  EXPECT_TRUE(save_lotto(m, f, s).names);
}

TEST(LottoHandlers, CreateNameRefusesUnsafeAndExistingNames) {
  test::ScratchFolder dir;
  dir.put("Old", "param.tix", test::ScratchFolder::sample("d1a"));
  EXPECT_EQ(create_name("", dir.games()).name, "");
  EXPECT_FALSE(create_name("", dir.games()).refused());
  for (const char* bad : {"..", "a/b", "a\\b", ".hidden", "tab\there"}) {
    const auto r = create_name(bad, dir.games());
    EXPECT_TRUE(r.refused()) << bad;
    EXPECT_EQ(r.name, "");
  }
  const auto old = create_name("Old", dir.games());
  EXPECT_NE(old.message.english().find("'Old' already exists"), std::string::npos);
  EXPECT_EQ(old.name, "");
  EXPECT_EQ(create_name(" Lotto Max ", dir.games()).name, "Lotto Max");
}

TEST(LottoHandlers, ChoosingTheSampleFillsBoxesGridAndLatestDraw) {
  test::ScratchFolder dir;
  dir.put("Canada_6_49", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("Canada_6_49", "draws.txt", test::ScratchFolder::sample("d1"));
  AppState s = fresh_state();
  s.current_draw[0] = 9;
  LottoModel m = model_in(dir.games());
  const auto r = choose_lotto(m, "Canada_6_49", s);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.status, "Canada_6_49: 3622 draws");
  ASSERT_TRUE(r.form && r.draw && r.select_current);
  EXPECT_EQ(r.form->name, "Canada_6_49");
  EXPECT_EQ(r.form->cost, "3");
  EXPECT_EQ(r.form->currency, "$");
  EXPECT_EQ(s.lotto_name, "Canada_6_49");
  EXPECT_EQ(m.owner, "Canada_6_49");
  EXPECT_EQ(m.current_row, 3622);
  EXPECT_EQ(*r.draw, draw("2025-11-19", {"14", "17", "28", "31", "42", "48", "5"}));
  // The draw the boxes show is the current draw of the other windows.
  EXPECT_EQ(s.current_draw, (std::array<std::int16_t, 7>{14, 17, 28, 31, 42, 48, 5}));
  EXPECT_EQ(s.current_draw_date, *day_number(2025, 11, 19));
  EXPECT_EQ(m.mode, 0);
  LottoModel loaded;  // the window opening over lottos to choose from, not straight into Create
  EXPECT_EQ(*lotto_load(loaded, dir.games().parent_path()).names, std::vector<std::string>{"Canada_6_49"});
  EXPECT_EQ(loaded.mode, 0);
}

TEST(LottoHandlers, ChoosingStopsOnMissingFilesAndBadDates) {
  test::ScratchFolder dir;
  AppState s = fresh_state();
  LottoModel m = model_in(dir.games());
  const TextGrid& g = m.draws;
  const struct Case {
    const char* name;
    bool param;
    const char *draws, *message;
    bool definition_read, draws_read;
    int grid_rows, current_row;
    const char* lotto_name;
  } cases[] = {
      {"NoParam", false, "2024-01-01 1 2 3 4 5 6 7 \r\n", "No the file 'param.tix'.", false, false, 2, 0, ""},
      // A lotto without a history yet (one just created) starts with an empty table.
      {"NoDraws", true, nullptr, "", true, true, 1, 0, "NoDraws"},
      {"BadDate", true, "2024-01-01 1 2 3 4 5 6 7 \r\nsoon 1 2 3 4 5 6 7 \r\n", "Not correct dates", true,
       false, 3, 1, "BadDate"},
      {"Empty", true, "", "", true, true, 1, 0, "Empty"},
  };
  for (const Case& c : cases) {
    if (c.param) dir.put(c.name, "param.tix", test::ScratchFolder::sample("d1a"));
    if (c.draws) dir.put(c.name, "draws.txt", c.draws);
    const auto r = choose_lotto(m, c.name, s);
    EXPECT_EQ(r.message, c.message) << c.name;
    EXPECT_EQ(r.form.has_value(), c.definition_read) << c.name;
    EXPECT_EQ(r.select_current, c.draws_read) << c.name;
    EXPECT_EQ(g.rows(), c.grid_rows) << c.name;
    EXPECT_EQ(m.current_row, c.current_row) << c.name;
    EXPECT_EQ(s.lotto_name, c.lotto_name) << c.name;
  }
  // The empty history shows a zero draw, not the header, and there is no current draw.
  s.current_draw.fill(3);
  const auto r = choose_lotto(m, "Empty", s);
  EXPECT_EQ(s.current_draw, (std::array<std::int16_t, 7>{}));
  EXPECT_EQ(r.draw->n[0], "0");
  EXPECT_NE(r.draw->date, "Date");
}

TEST(LottoHandlers, CheckDrawOrderKeysAndRanges) {
  AppState s = fresh_state();
  const std::array<std::string, 7> ok = {"1", "2", "49", "0", "0", "0", "0"};
  auto r = Check_draw(draw("2025-01-01", ok), 49, s);
  EXPECT_FALSE(r.refused());
  EXPECT_EQ(r.key, "");
  // No lotto chosen: play_n 0 refuses every draw at N1.
  r = Check_draw(draw("2025-01-01", ok), 0, s);
  EXPECT_EQ(r.message, not_correct);
  EXPECT_EQ(r.focus, LottoFocus::n1);
  EXPECT_EQ(r.key, "n1");

  struct Case {
    std::string date;
    int box;  // -1 date, else the number box changed
    std::string text;
    const char* message;
    const char* key;
  } cases[] = {
      {"", 0, "", type_data, "date"},
      {"2025-02-30", -1, "", not_correct, "date"},
      {"2025-01 -01", -1, "", not_correct, "date"},
      {"Jan 1 2025", -1, "", not_correct, "date"},
      {"2025-01-01", 0, "0", not_correct, "n1"},
      {"2025-01-01", 1, " ", type_data, "n2"},
      {"2025-01-01", 2, "50", not_correct, "n3"},
      {"2025-01-01", 2, "0", not_correct, "n3"},  // the first three numbers are never 0
      {"2025-01-01", 3, "x", not_correct, "n4"},
      {"2025-01-01", 5, "-1", not_correct, "n6"},
      {"2025-01-01", 6, "4.0", not_correct, "nb"},
  };
  for (const auto& c : cases) {
    auto n = ok;
    if (c.box >= 0) n[c.box] = c.text;
    r = Check_draw(draw(c.date, n), 49, s);
    EXPECT_EQ(r.message, c.message) << c.date << " " << c.text;
    EXPECT_EQ(r.key, c.key) << c.date << " " << c.text;
  }
  EXPECT_EQ(r.focus, LottoFocus::nb);
  // A bad date is reported before a bad number.
  r = Check_draw(draw("soon", {"0", "0", "0", "0", "0", "0", "0"}), 49, s);
  EXPECT_EQ(r.focus, LottoFocus::date);
}

TEST(LottoHandlers, AddWritesTheCurrentRowAsTypedOrOnlyTheState) {
  AppState s = fresh_state();
  s.lotto.play_n = 49;
  LottoModel m;
  TextGrid& g = m.draws;
  const DrawForm d = draw("2025-11-22", {"07", "8", "9", "10", "11", "12", "0"});
  // No draw row yet: the current draw is set, the grid stays as it was.
  auto r = add_draw(m, d, s);
  EXPECT_FALSE(r.refused());
  EXPECT_FALSE(m.unsaved);
  EXPECT_EQ(g.rows(), 2);
  EXPECT_EQ(g.cols(), 2);
  EXPECT_EQ(s.current_draw_date, *parse_date("2025-11-22", s.date_format));
  EXPECT_EQ(s.current_draw[0], 7);

  // New on the start grid gives a draw table with one empty row.
  const int row = new_draw_row(g);
  EXPECT_EQ(row, 1);
  EXPECT_EQ(g.rows(), 2);
  EXPECT_EQ(g.cols(), 9);
  EXPECT_EQ(g.cell(0, 8), "NBonus");
  g.set_cell(1, 1, "12345");
  m.current_row = row;
  r = add_draw(m, d, s);
  EXPECT_TRUE(m.unsaved);
  EXPECT_EQ(draw_from_row(g, 1), d);
  EXPECT_EQ(g.cell(1, 1), "12345");  // the key waits for the next save

  // A refused draw leaves the grid and the state alone.
  s.current_draw[0] = 3;
  r = add_draw(m, draw("2025-11-23", {"1", "2", "3", "4", "5", "6", "99"}), s);
  EXPECT_EQ(r.focus, LottoFocus::nb);
  EXPECT_EQ(s.current_draw[0], 3);
  EXPECT_EQ(g.cell(1, 0), "2025-11-22");
}

TEST(LottoHandlers, AddRefusesANumberTwiceAndASecondDrawOfADate) {
  AppState s = fresh_state();
  s.lotto.play_n = 49;
  LottoModel m;
  TextGrid& g = m.draws;
  empty_draw_table(g);
  const auto add = [&](const DrawForm& d, int row) {
    m.current_row = row;
    return add_draw(m, d, s);
  };
  const int first = new_draw_row(g);
  ASSERT_FALSE(add(draw("2025-11-22", {"1", "2", "3", "4", "5", "6", "7"}), first).refused());
  const int row = new_draw_row(g);
  s.current_draw.fill(0);
  const struct {
    std::array<std::string, 7> n;
    const char* date;
    const char* message;
    LottoFocus focus;
  } refused[] = {
      {{"5", "5", "6", "7", "8", "9", "0"},
       "2025-11-26",
       "The number 5 is both N1 and N2. A draw cannot hold a number twice.",
       LottoFocus::n2},
      {{"5", "6", "7", "8", "9", "10", "5"},
       "2025-11-26",
       "The number 5 is both N1 and the bonus. A draw cannot hold a number twice.",
       LottoFocus::nb},
      {{"12", "6", "7", "8", "9", "06", "0"},
       "2025-11-26",
       "The number 6 is both N2 and N6. A draw cannot hold a number twice.",
       LottoFocus::n6},
      {{"11", "12", "13", "14", "15", "16", "17"},
       "2025-11-22",
       "The table already holds a draw of 2025-11-22. A date is one draw: select its row to change it, or "
       "type another date.",
       LottoFocus::date},
  };
  for (const auto& c : refused) {
    const auto r = add(draw(c.date, c.n), row);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.focus, c.focus) << c.message;
    EXPECT_EQ(g.cell(row, col_date), "");
    EXPECT_EQ(s.current_draw[0], 0);
  }
  // Empty positions of a smaller game are no repeats; a row keeps its own date.
  EXPECT_FALSE(add(draw("2025-11-26", {"1", "2", "3", "4", "0", "0", "0"}), row).refused());
  EXPECT_EQ(g.cell(row, col_date), "2025-11-26");
  EXPECT_FALSE(add(draw("2025-11-22", {"1", "2", "3", "4", "5", "8", "7"}), first).refused());
  EXPECT_EQ(g.cell(first, col_n1 + 5), "8");
}

TEST(LottoHandlers, SelectingRows) {
  AppState s = fresh_state();
  LottoModel m;
  TextGrid& g = m.draws;
  empty_draw_table(g);
  g.append_row();
  for (int c = 0; c < 9; ++c) g.set_cell(1, c, c == 0 ? "2025-01-04" : "1" + std::to_string(c));
  g.append_row();
  g.set_cell(2, 0, "2025-01-11");
  g.set_cell(2, 2, "5");
  g.set_cell(2, 3, "x");

  EXPECT_EQ(select_draw_row(m, 0, s).message, "Please select a correct row");
  EXPECT_EQ(select_draw_row(m, 3, s).message, "Please select a correct row");
  auto r = select_draw_row(m, 1, s);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(m.current_row, 1);
  EXPECT_EQ(r.draw->n[6], "18");
  EXPECT_EQ(s.current_draw[6], 18);
  // A cell that does not convert stops there; the earlier fields are kept.
  r = select_draw_row(m, 2, s);
  EXPECT_EQ(r.message, "In the selected row not correct data");
  EXPECT_EQ(m.current_row, 2);
  EXPECT_EQ(r.draw->n[0], "5");
  EXPECT_EQ(s.current_draw_date, *parse_date("2025-01-11", s.date_format));
  EXPECT_EQ(s.current_draw[0], 5);
  EXPECT_EQ(s.current_draw[1], 13);
}

TEST(LottoHandlers, SavingDrawsPlacesTheNewDrawAndProtectsOtherHistories) {
  test::ScratchFolder dir;
  AppState s = fresh_state();
  s.lotto.play_n = 49;
  dir.put("A", "draws.txt", "2025-01-01 1 2 3 4 5 6 7 \r\n2025-01-08 1 2 3 4 5 6 7 \r\n");
  dir.put("B", "draws.txt", "2020-01-01 9 9 9 9 9 9 9 \r\n");
  LottoModel m = model_in(dir.games());
  TextGrid& g = m.draws;
  ASSERT_EQ(read_draws(dir.games(), "A", g, s.date_format).message, "");
  m.owner = "A";
  m.current_row = new_draw_row(g);
  ASSERT_FALSE(add_draw(m, draw("2025-01-05", {"4", "5", "6", "7", "8", "9", "0"}), s).refused());

  auto r = save_draws(m, "", s);
  EXPECT_EQ(r.message, type_data);
  EXPECT_EQ(r.focus, LottoFocus::name);
  r = save_draws(m, "B", s);
  EXPECT_NE(r.message.english().find("not those of the lotto 'B'"), std::string::npos);
  EXPECT_EQ(dir.get("B", "draws.txt"), "2020-01-01 9 9 9 9 9 9 9 \r\n");

  r = save_draws(m, "A", s);
  ASSERT_EQ(r.message, "");
  EXPECT_FALSE(m.unsaved);
  EXPECT_EQ(m.current_row, 2);  // the current draw moved up to its date
  EXPECT_EQ(dir.get("A", "draws.txt"),
            "2025-01-01 1 2 3 4 5 6 7 \r\n2025-01-05 4 5 6 7 8 9 0 \r\n"
            "2025-01-08 1 2 3 4 5 6 7 \r\n");
  // Nor does a lotto without a history of its own take another lotto's draws.
  r = save_draws(m, "C", s);
  EXPECT_EQ(r.message,
            "The draws shown are not those of the lotto 'C', so they were not saved into it. They are the "
            "draws of 'A'. Choose 'C' in the Name list to change its draws.");
  EXPECT_FALSE(file_exists(dir.games() / "C" / "draws.txt"));
  m.owner.clear();
  EXPECT_EQ(save_draws(m, "A", s).focus, LottoFocus::name);

  // An empty new row is no date: nothing is written.
  m.owner = "A";
  const int blank_row = m.current_row = new_draw_row(g);
  r = save_draws(m, "A", s);
  EXPECT_EQ(r.message, "The data was not saved. Not correct date was found. Please correct the date");
  EXPECT_EQ(m.current_row, blank_row);
}

TEST(LottoHandlers, ImportKeepsTheCurrentDrawAmongTheMergedRows) {
  test::ScratchFolder dir;
  AppState s = fresh_state();
  s.lotto.play_n = 49;
  s.lotto.pick_n = 6;
  s.lotto_name = "A";
  dir.put("A", "draws.txt", "2025-01-08 1 2 3 4 5 6 7 \r\n2025-01-15 8 9 10 11 12 13 0 \r\n");
  LottoModel m = model_in(dir.games());
  ASSERT_EQ(read_draws(dir.games(), "A", m.draws, s.date_format).message, "");
  const auto review = import_review("2025-01-01,1,2,3,4,5,6\n2025-01-11,7,8,9,10,11,12\n", m.draws, s);
  EXPECT_EQ(review.accept, "Import");
  EXPECT_EQ(import_review("2025-01-08,1,2,3,4,5,6,7\n2025-01-15,8,9,10,11,12,13\n", m.draws, s).accept, "");
  // 01-08 was row 1; 01-01 goes before it and 01-11 after.
  m.current_row = 1;
  const auto r = import_finish(m, review.preview, s);
  EXPECT_EQ(m.current_row, 2);
  EXPECT_EQ(m.owner, "A");
  EXPECT_EQ(r.status, "2 draws added to 'A'; 4 draws in all.");
}
