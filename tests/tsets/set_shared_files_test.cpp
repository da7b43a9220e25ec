// Two copies of the program (two models with their own state) edit one set:
// each saves, and neither loses the other's rows.
#include <gtest/gtest.h>

#include "support/scratch.h"
#include "tsets/tsets_handlers.h"

using namespace ds;

namespace {

struct Copy {
  AppState state;
  TsetsModel model;
  std::vector<int> answers;
  int asked = 0;
  explicit Copy(const std::filesystem::path& folder) : state(test::fresh_state(folder)) {
    tsets_load(model, state);
    tsets_choose_size(model, "10", state);
    EXPECT_EQ(tsets_choose_set(model, "Forecaster1", state).message, "");
  }
  // Selects the row of `date` and places `number` at `index`.
  void place(const std::string& date, const char* index, const char* number) {
    const TextGrid& g = model.work.grid;
    int row = 0;
    for (int r = 1; r < g.rows(); ++r)
      if (g.cell(r, 0) == date) row = r;
    ASSERT_GT(row, 0) << date;
    ASSERT_EQ(tsets_select_row(model, row, state).message, "");
    ASSERT_EQ(tsets_accept_number(model, index, number, state).message, "");
  }
  TsetsOutcome save() {
    return tsets_save(model, state, [this](const Question&) {
      ++asked;
      if (answers.empty()) return -2;
      const int a = answers.front();
      answers.erase(answers.begin());
      return a;
    });
  }
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

}  // namespace

TEST(SetSharedFiles, RowsChangedInTwoCopiesAreBothSaved) {
  test::ScratchFolder dir;
  const auto file = dir.path() / "Tsets" / "10" / "Forecaster1";
  const std::string sample = test::ScratchFolder::sample("d2");
  test::ScratchFolder::put(file, sample);
  Copy a(dir.path()), b(dir.path());
  b.place("2025-11-15", "10", "30");
  ASSERT_EQ(b.save().message, "");
  a.place("2025-10-01", "1", "44");
  const TsetsOutcome saved = a.save();
  ASSERT_EQ(saved.message, "");
  const std::string both =
      replaced(replaced(sample, "2025-11-15 41 17 22 46 5 12 4 9 21 24 \r\n",
                        "2025-11-15 41 17 22 46 5 12 4 9 21 30 \r\n"),
               "2025-10-01 17 22 23 35 36 1 3 9 11 12 \r\n", "2025-10-01 44 22 23 35 36 1 3 9 11 12 \r\n");
  EXPECT_EQ(read_file(file), both);
  EXPECT_EQ(*saved.status,
            "Saved 60 rows of 'Forecaster1'. The file had been changed outside this window: 1 new or changed "
            "rows of the file are kept with yours.");
  // A's current set is still the row it changed.
  EXPECT_EQ(a.model.work.grid.cell(a.state.tset_row, 0), "2025-10-01");
  EXPECT_EQ(a.state.tset_numbers[1], 44);
  EXPECT_EQ(a.asked, 0);

  // The same row changed in both: asked; Cancel leaves the file and the window.
  b.place("2025-11-19", "1", "40");
  ASSERT_EQ(b.save().message, "");
  const std::string theirs = *read_file(file);
  a.place("2025-11-19", "1", "39");
  a.answers = {-1};
  EXPECT_EQ(*a.save().status, "The set 'Forecaster1' was not saved.");
  EXPECT_EQ(read_file(file), theirs);
  EXPECT_TRUE(a.model.unsaved);
  EXPECT_EQ(a.model.work.grid.cell(60, 1), "39");
  // The file's row is taken: the window shows it too.
  a.answers = {1};
  ASSERT_EQ(a.save().message, "");
  EXPECT_EQ(read_file(file), theirs);
  EXPECT_EQ(a.model.work.grid.cell(60, 1), "40");
  EXPECT_EQ(a.asked, 2);
}
