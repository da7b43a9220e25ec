// Another copy of Drawsmith changes a draw that this window changed too: the
// user decides, and Cancel changes neither the file nor the window. (The window
// tests hold the roads where the draws of both sides are simply kept.)
#include <gtest/gtest.h>

#include "lotto/lotto_handlers.h"
#include "support/scratch.h"

using namespace ds;

namespace {

const std::string three =
    "2025-11-12 5 12 18 32 33 43 19 \r\n2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-19 14 17 28 31 42 48 5 \r\n";

// What one window holds: its state and model.
struct Window {
  AppState s = test::fresh_state();
  LottoModel m;
  TextGrid& grid = m.draws;
  std::vector<std::string> asked;
  std::vector<int> answers;

  void choose(const test::ScratchFolder& dir, const std::string& name) {
    m.games = dir.games();
    ASSERT_EQ(choose_lotto(m, name, s).message, "");
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
    if (new_row) new_draw(m, s.date_format);
    ASSERT_FALSE(add_draw(m, {date, n}, s).refused());
  }
  LottoOutcome save() { return save_draws(m, "L", s, ask()); }
};

}  // namespace

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
  ASSERT_EQ(b.save().message, "");
  const std::string theirs = dir.get("L", "draws.txt");
  // Nor is a CSV import merged into the draws the window read before.
  EXPECT_EQ(import_start(a.m, "L", a.s).focus, LottoFocus::name);
  EXPECT_TRUE(import_start(b.m, "L", b.s).message.empty());
  EXPECT_EQ(theirs.substr(64), "2025-11-19 8 9 10 11 12 13 14 \r\n");

  a.answers = {-1};
  const TextGrid before = a.grid;
  const auto cancelled = a.save();
  EXPECT_EQ(cancelled.message, "");
  EXPECT_TRUE(a.m.unsaved);
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
  ASSERT_EQ(a.save().message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), theirs);
  EXPECT_EQ(a.grid.cell(3, 2), "8");
  // The window's draw is chosen over a further change.
  b.add({"8", "9", "10", "11", "12", "13", "15"}, "2025-11-19", false);
  ASSERT_EQ(b.save().message, "");
  a.add({"1", "2", "3", "4", "5", "6", "7"}, "2025-11-19", false);
  a.answers = {0};
  ASSERT_EQ(a.save().message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), three.substr(0, 64) + "2025-11-19 1 2 3 4 5 6 7 \r\n");

  // A file that no longer reads whole is not merged into.
  dir.put("L", "draws.txt", "2025-11-19 1 2\r\n");
  a.add({"1", "2", "3", "4", "5", "6", "0"}, "2025-12-03");
  EXPECT_NE(a.save().message.find("cannot be read whole now"), std::string::npos);
  EXPECT_EQ(dir.get("L", "draws.txt"), "2025-11-19 1 2\r\n");
}
