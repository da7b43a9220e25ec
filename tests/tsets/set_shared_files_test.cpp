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

// Rows of one date changed differently in two copies are asked about; Cancel
// leaves the file and the window, and a row changed only in the file is kept.
TEST(SetSharedFiles, ARowChangedInBothCopiesIsAskedAbout) {
  test::ScratchFolder dir;
  const auto file = dir.path() / "Tsets" / "10" / "Forecaster1";
  const std::string sample = test::ScratchFolder::sample("d2");
  test::ScratchFolder::put(file, sample);
  Copy a(dir.path()), b(dir.path());
  b.place("2025-11-15", "10", "30");
  b.place("2025-11-19", "1", "40");
  ASSERT_EQ(b.save().message, "");
  const std::string theirs = *read_file(file);
  EXPECT_EQ(theirs, replaced(replaced(sample, "2025-11-15 41 17 22 46 5 12 4 9 21 24 \r\n",
                                      "2025-11-15 41 17 22 46 5 12 4 9 21 30 \r\n"),
                             "2025-11-19 41 17 5 46 12 22 4 21 35 38 \r\n",
                             "2025-11-19 40 17 5 46 12 22 4 21 35 38 \r\n"));
  a.place("2025-11-19", "1", "39");
  a.answers = {-1};
  EXPECT_EQ(*a.save().status, "The set 'Forecaster1' was not saved.");
  EXPECT_EQ(read_file(file), theirs);
  EXPECT_TRUE(a.model.unsaved);
  EXPECT_EQ(a.model.work.grid.cell(60, 1), "39");
  EXPECT_EQ(a.model.work.grid.cell(59, 10), "24");
  // The file's row is taken: the window shows it and the other copy's row too.
  a.answers = {1};
  const TsetsOutcome saved = a.save();
  ASSERT_EQ(saved.message, "");
  EXPECT_EQ(read_file(file), theirs);
  EXPECT_EQ(a.model.work.grid.cell(60, 1), "40");
  EXPECT_EQ(a.model.work.grid.cell(59, 10), "30");
  EXPECT_EQ(a.state.tset_numbers[1], 40);
  EXPECT_EQ(
      *saved.status,
      "Saved 60 rows of 'Forecaster1'. The file had been changed outside this window: its changes are kept "
      "with yours (rows taken from the file: 2).");
  EXPECT_EQ(a.asked, 2);
  // Rows the file lost (another program cut it after its first row of 2025) are kept
  // when the user says so; the row changed here as well is asked about on its own.
  test::ScratchFolder::put(file, theirs.substr(0, theirs.find("\r\n", theirs.find("2025-")) + 2));
  a.place("2025-11-19", "1", "37");
  a.answers = {0, 0};
  ASSERT_EQ(a.save().message, "");
  EXPECT_EQ(read_file(file), replaced(theirs, "2025-11-19 40", "2025-11-19 37"));
  // A row the file no longer holds is named as such.
  EXPECT_NE(set_conflict_question("S", a.model.work.grid, 1, a.model.work.grid, -1)
                .text.english()
                .find("\nThe file: no row of that date"),
            std::string::npos);
}
