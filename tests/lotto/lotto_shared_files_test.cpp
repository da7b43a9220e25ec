// Another copy of Drawsmith changes a draw that this window changed too: the
// user decides, and Cancel changes neither the file nor the window. (The window
// tests hold the roads where the draws of both sides are simply kept.)
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "lotto/lotto_files.h"
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

  // The file's draw is chosen: the file keeps it and so do the window and its boxes now.
  a.answers = {1};
  const LottoOutcome taken = a.save();
  ASSERT_EQ(taken.message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), theirs);
  EXPECT_EQ(a.grid.cell(3, 2), "8");
  ASSERT_TRUE(taken.draw.has_value());
  EXPECT_EQ(taken.draw->n[0], "8");
  EXPECT_NE(taken.status->english().find("draws taken from the file: 1)"), std::string::npos);
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
  EXPECT_NE(a.save().message.english().find("cannot be read whole now"), std::string::npos);
  EXPECT_EQ(dir.get("L", "draws.txt"), "2025-11-19 1 2\r\n");
}

TEST(LottoSharedFiles, DrawsTheFileLostAreKeptUnlessTheUserLetsThemGo) {
  test::ScratchFolder dir;
  dir.put("L", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("L", "draws.txt", three);
  Window a;
  a.choose(dir, "L");
  dir.put("L", "draws.txt", three.substr(0, 33));  // another program cut it to its first draw
  a.add({"1", "2", "3", "4", "5", "6", "7"}, "2025-12-03");
  a.answers = {-1};
  EXPECT_EQ(*a.save().status, "The draws were not saved.");
  EXPECT_EQ(dir.get("L", "draws.txt"), three.substr(0, 33));
  ASSERT_EQ(a.asked.size(), 1u);
  EXPECT_NE(a.asked[0].find("The file 'draws.txt' of 'L' now lacks 2 of the draws read from it"),
            std::string::npos);
  EXPECT_NE(a.asked[0].find("\n2025-11-15: 1 5 8 25 42 47 44\n2025-11-19: 14 17 28 31 42 48 5\n"),
            std::string::npos);
  a.answers = {0};
  ASSERT_EQ(a.save().message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), three + "2025-12-03 1 2 3 4 5 6 7 \r\n");
  // Emptied, and the user lets them go: only the draw added since stays.
  dir.put("L", "draws.txt", "");
  a.add({"1", "2", "3", "4", "5", "6", "8"}, "2025-12-06");
  a.answers = {1};
  ASSERT_EQ(a.save().message, "");
  EXPECT_EQ(dir.get("L", "draws.txt"), "2025-12-06 1 2 3 4 5 6 8 \r\n");
}

#ifndef _WIN32
TEST(LottoSharedFiles, TwoProcessesSavingAtOnceLoseNoDraw) {
  test::ScratchFolder dir;
  dir.put("L", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("L", "draws.txt", three);
  constexpr int saves = 30;
  // Each process adds a draw of its own month and saves, again and again.
  const auto run = [&](int month) {
    Window w;
    w.choose(dir, "L");
    int refused = 0;
    for (int i = 1; i <= saves; ++i) {
      char date[16];
      std::snprintf(date, sizeof date, "2026-%02d-%02d", month, i);
      w.add({"1", "2", "3", "4", "5", "6", std::to_string(i + 10)}, date);
      if (w.save().refused()) ++refused;
    }
    return refused;
  };
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(run(3));
  EXPECT_EQ(run(1), 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  TextGrid grid;
  ASSERT_EQ(read_draws(dir.games(), "L", grid, DateFormat::iso(), LottoDefinition{}).message, "");
  EXPECT_EQ(grid.rows() - 1, 3 + 2 * saves);
}
#endif
