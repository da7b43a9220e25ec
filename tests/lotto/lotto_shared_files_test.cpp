// Another program, or another copy of Drawsmith, writes a lotto's files between
// the moment a window read them and the moment it saves: nothing is lost.
#include <gtest/gtest.h>

#include "lotto/lotto_handlers.h"
#include "support/scratch.h"

using namespace ds;

namespace {

const std::string three =
    "2025-11-12 5 12 18 32 33 43 19 \r\n2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-19 14 17 28 31 42 48 5 \r\n";

// What one window holds: its state, grid and what it read of draws.txt.
struct Window {
  AppState s = test::fresh_state();
  TextGrid grid;
  LoadedFile draws, definition;
  int row = 0;
  std::vector<std::string> asked;
  std::vector<int> answers;

  void choose(const test::ScratchFolder& dir, const std::string& name) {
    reset_draw_grid(grid);
    const auto r = choose_lotto(name, dir.games(), s, grid);
    ASSERT_EQ(r.message, "");
    draws = r.draws_file;
    definition = r.definition_file;
    row = r.current_row;
  }
  AskUser ask() {
    return [this](const Question& q) {
      asked.push_back(q.text);
      if (answers.empty()) return -2;  // nobody expected this question
      const int a = answers.front();
      answers.erase(answers.begin());
      return a;
    };
  }
  void add(std::array<std::string, 7> n, const std::string& date, bool new_row = true) {
    if (new_row) row = new_draw(grid, s.date_format, "L").current_row;
    ASSERT_FALSE(add_draw({date, n}, row, s, grid).refused());
  }
  SaveDrawsResult save(const test::ScratchFolder& dir) {
    const auto r = save_draws("L", "L", row, dir.games(), grid, s, &draws, ask());
    row = r.current_row;
    return r;
  }
};

std::string bytes_of(const char* hex) {
  std::string out;
  for (const char* p = hex; p[0] && p[1]; p += 2) {
    if (*p == ' ') {
      --p;
      continue;
    }
    out += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
  }
  return out;
}

}  // namespace

TEST(LottoSharedFiles, DrawsAddedByTwoCopiesAndByAnEditorAreAllKept) {
  test::ScratchFolder dir;
  dir.put("L", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("L", "draws.txt", three);
  Window a, b;
  a.choose(dir, "L");
  b.choose(dir, "L");
  a.add({"3", "9", "21", "30", "44", "49", "7"}, "2025-11-22");
  b.add({"2", "8", "20", "31", "43", "48", "5"}, "2025-11-26");
  ASSERT_EQ(b.save(dir).message, "");
  const auto r = a.save(dir);
  ASSERT_EQ(r.message, "");
  const std::string both = three + "2025-11-22 3 9 21 30 44 49 7 \r\n2025-11-26 2 8 20 31 43 48 5 \r\n";
  EXPECT_EQ(dir.get("L", "draws.txt"), both);
  EXPECT_EQ(
      *r.status,
      "5 draws saved for 'L'. 'draws.txt' had been changed outside this window: 1 new or changed draws of "
      "the file are kept with yours.");
  EXPECT_EQ(a.grid.rows(), 6);  // the window shows the other copy's draw too
  EXPECT_EQ(a.grid.cell(a.row, 0), "2025-11-22");
  EXPECT_TRUE(a.asked.empty());

  // A line appended with a text editor while the window is open.
  dir.put("L", "draws.txt", both + "2025-11-29 6 7 8 9 10 11 0 \r\n");
  a.add({"1", "2", "3", "4", "5", "6", "0"}, "2025-12-03");
  ASSERT_EQ(a.save(dir).message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), both + "2025-11-29 6 7 8 9 10 11 0 \r\n2025-12-03 1 2 3 4 5 6 0 \r\n");
  // Saved again with no change outside: no merge, the same bytes.
  const std::string merged = dir.get("L", "draws.txt");
  EXPECT_FALSE(a.save(dir).status->find("changed outside") != std::string::npos);
  EXPECT_EQ(dir.get("L", "draws.txt"), merged);
}

TEST(LottoSharedFiles, ADrawChangedOnBothSidesIsAskedAndCancelChangesNothing) {
  test::ScratchFolder dir;
  dir.put("L", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("L", "draws.txt", three);
  Window a, b;
  a.choose(dir, "L");
  b.choose(dir, "L");
  // Both change the latest draw (Add over the row the window opened on).
  a.add({"1", "2", "3", "4", "5", "6", "7"}, "2025-11-19", false);
  b.add({"8", "9", "10", "11", "12", "13", "14"}, "2025-11-19", false);
  ASSERT_EQ(b.save(dir).message, "");
  const std::string theirs = dir.get("L", "draws.txt");
  EXPECT_EQ(theirs.substr(64), "2025-11-19 8 9 10 11 12 13 14 \r\n");

  a.answers = {-1};
  const TextGrid before = a.grid;
  const auto cancelled = a.save(dir);
  EXPECT_EQ(cancelled.message, "");
  EXPECT_FALSE(cancelled.written);
  EXPECT_EQ(*cancelled.status, "The draws were not saved.");
  EXPECT_EQ(dir.get("L", "draws.txt"), theirs);
  EXPECT_EQ(a.grid.cell(3, 2), "1");
  EXPECT_EQ(a.grid.rows(), before.rows());
  ASSERT_EQ(a.asked.size(), 1u);
  EXPECT_EQ(
      a.asked[0],
      "The draw of 2025-11-19 differs between this window and the file 'draws.txt' of 'L', which was "
      "changed outside this window since it was read.\n\nThis window: 1 2 3 4 5 6, bonus 7\nThe file: 8 "
      "9 10 11 12 13, bonus 14\n\nWhich draw should be saved? (Cancel saves nothing.)");

  // The file's draw is chosen: the file keeps it and so does the window now.
  a.answers = {1};
  ASSERT_EQ(a.save(dir).message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), theirs);
  EXPECT_EQ(a.grid.cell(3, 2), "8");
  // The window's draw is chosen over a further change.
  b.add({"8", "9", "10", "11", "12", "13", "15"}, "2025-11-19", false);
  ASSERT_EQ(b.save(dir).message, "");
  a.add({"1", "2", "3", "4", "5", "6", "7"}, "2025-11-19", false);
  a.answers = {0};
  ASSERT_EQ(a.save(dir).message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), three.substr(0, 64) + "2025-11-19 1 2 3 4 5 6 7 \r\n");

  // A file that no longer reads whole is not merged into.
  dir.put("L", "draws.txt", "2025-11-19 1 2\r\n");
  a.add({"1", "2", "3", "4", "5", "6", "0"}, "2025-12-03");
  EXPECT_NE(a.save(dir).message.find("cannot be read whole now"), std::string::npos);
  EXPECT_EQ(dir.get("L", "draws.txt"), "2025-11-19 1 2\r\n");
}

TEST(LottoSharedFiles, ADefinitionChangedOutsideIsAskedAbout) {
  test::ScratchFolder dir;
  const std::string sample = test::ScratchFolder::sample("d1a");
  dir.put("L", "param.tix", sample);
  Window a;
  a.choose(dir, "L");
  LottoForm form;
  show_definition(a.s.lotto, a.s.number_format, form);
  form.name = "L";
  form.prize[0] = "1";  // 2 numbers: 1

  // Another copy sets the cost to 2.
  const std::string theirs = bytes_of(
      "31000600 00000000 00002041 0000a042 00401c45 8096984a 0000a040 00002041 0000a042 0050c347 00000000 "
      "00000040 0100 2400");
  ASSERT_EQ(theirs.size(), 52u);
  dir.put("L", "param.tix", theirs);

  const LottoDefinition held = a.s.lotto;
  a.answers = {-1};
  auto r = save_lotto(form, "L", dir.games(), a.s, &a.definition, a.ask());
  EXPECT_FALSE(r.written);
  EXPECT_EQ(*r.status, "The lotto 'L' was not saved.");
  EXPECT_EQ(dir.get("L", "param.tix"), theirs);
  EXPECT_EQ(a.s.lotto, held);  // nothing stored before the answer
  ASSERT_EQ(a.asked.size(), 1u);
  EXPECT_NE(a.asked[0].find("'L' (param.tix) was changed outside this window"), std::string::npos);

  a.answers = {1};
  r = save_lotto(form, "L", dir.games(), a.s, &a.definition, a.ask());
  EXPECT_TRUE(r.reload);
  EXPECT_EQ(dir.get("L", "param.tix"), theirs);

  a.answers = {0};
  r = save_lotto(form, "L", dir.games(), a.s, &a.definition, a.ask());
  ASSERT_TRUE(r.written);
  const std::string mine = bytes_of(
      "31000600 0000803f 00002041 0000a042 00401c45 8096984a 0000a040 00002041 0000a042 0050c347 00000000 "
      "00004040 0100 2400");
  EXPECT_EQ(dir.get("L", "param.tix"), mine);
  // Saved again unchanged outside: not asked.
  r = save_lotto(form, "L", dir.games(), a.s, &r.definition_file, a.ask());
  EXPECT_TRUE(r.written);
  EXPECT_EQ(a.asked.size(), 3u);
}

// A new lotto's history starts empty without a message and takes only its own
// draws; no draw is entered without a lotto.
TEST(LottoSharedFiles, DrawsGoOnlyIntoTheLottoTheyWereReadFrom) {
  test::ScratchFolder dir;
  dir.put("Canada", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("Canada", "draws.txt", three);
  dir.put("Other", "param.tix", test::ScratchFolder::sample("d1a"));
  Window a;
  TextGrid& g = a.grid;
  reset_draw_grid(g);
  const auto none = new_draw(g, a.s.date_format, "");
  EXPECT_EQ(none.message, "Please choose a lotto in the Name list, or create one, before adding draws.");
  EXPECT_EQ(none.focus, LottoFocus::name);
  EXPECT_EQ(g.rows(), 2);

  const auto other = choose_lotto("Other", dir.games(), a.s, g);
  EXPECT_EQ(other.message, "");
  EXPECT_TRUE(other.draws_read);
  EXPECT_EQ(g.rows(), 1);
  EXPECT_EQ(*other.status, "Other: 0 draws");

  a.choose(dir, "Canada");
  const auto r = save_draws("Other", "Canada", a.row, dir.games(), g, a.s, &a.draws, a.ask());
  EXPECT_EQ(r.focus, LottoFocus::name);
  EXPECT_FALSE(file_exists(dir.games() / "Other" / "draws.txt"));

  // A lotto just created owns the empty table: its draws are saved into it.
  const auto created = create_lotto("New one", lotto_start_form(), dir.games(), a.s.date_format, g);
  EXPECT_EQ(created.owner, "New one");
  a.draws = created.draws_file;
  a.row = new_draw(g, a.s.date_format, created.owner).current_row;
  ASSERT_FALSE(add_draw({"2025-11-21", {"9", "1", "2", "3", "4", "5", "0"}}, a.row, a.s, g).refused());
  ASSERT_EQ(save_draws("New one", "New one", a.row, dir.games(), g, a.s, &a.draws, a.ask()).message, "");
  EXPECT_EQ(dir.get("New one", "draws.txt"), "2025-11-21 9 1 2 3 4 5 0 \r\n");
  EXPECT_EQ(unsaved_draws_question("New one").question,
            "The draws added to 'New one' are not saved. Save them before going on?");
}
