#include "tsets/set_files.h"

#include <gtest/gtest.h>

#include "support/scratch.h"

using namespace ds;
using ds::test::fresh_state;
using ds::test::ScratchFolder;

namespace {

struct SetFolder {
  ScratchFolder dir;
  AppState state = fresh_state(dir.path());
  TsetsWork work;
  explicit SetFolder(int size = 10) {
    work.tsets_folder = tsets_folder_of(dir.path());
    work.size = static_cast<std::int16_t>(size);
    work.size_folder = size_folder_of(work.tsets_folder, size);
  }
  std::filesystem::path file(const std::string& name) const { return work.size_folder / name; }
};

const char* const ten_numbers = " 1 2 3 4 5 6 7 8 9 10 ";

}  // namespace

TEST(SetFiles, ReadingIgnoresExtraBlanksAndStopsAtTheFirstShortLine) {
  SetFolder f;
  ScratchFolder::put(f.file("single"), std::string("2025-01-01") + ten_numbers +
                                           "\r\n2025-01-04 11 12 13 14 15 16 17 18 19 20 \r\n");
  ScratchFolder::put(
      f.file("spread"),
      "  2025-01-01   1 2  3 4 5 6 7 8 9   10    \n2025-01-04 11 12 13 14 15 16 17 18 19 20 21 22\n"
      "2025-01-08 1 2 3 4 5 6 7 8 9\r\n2025-01-11 1 2 3 4 5 6 7 8 9 10 \r\n");
  ASSERT_EQ(read_set_file(f.work, "single", f.state), "");
  const TextGrid single = f.work.grid;
  ASSERT_EQ(read_set_file(f.work, "spread", f.state), "");
  ASSERT_EQ(f.work.grid.rows(), 3);  // the line with nine numbers ends the set
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c <= 10; ++c) EXPECT_EQ(f.work.grid.cell(r, c), single.cell(r, c)) << r << "," << c;
  EXPECT_EQ(f.state.tset_row, 2);
  EXPECT_EQ(f.state.tset_name, "spread");
  EXPECT_EQ(f.work.set_name, "spread");
  EXPECT_EQ(f.state.tset_numbers[1], 11);
  EXPECT_EQ(f.state.tset_numbers[10], 20);
}

TEST(SetFiles, AnEmptySetHasNoRowsAndNoNumbers) {
  SetFolder f;
  ScratchFolder::put(f.file("empty"), "");
  f.state.tset_numbers[1] = 7;
  f.state.tset_row = 4;
  EXPECT_EQ(read_set_file(f.work, "empty", f.state), "");
  EXPECT_EQ(f.work.grid.rows(), 1);
  EXPECT_EQ(f.state.tset_row, 0);
  EXPECT_EQ(f.state.tset_name, "empty");
  // The previous set's numbers do not stay under the new name.
  EXPECT_EQ(f.state.tset_numbers[1], 0);
  // Copying row 0 stops on the header "N1".
  std::int16_t row = 0;
  EXPECT_EQ(get_Tset(f.work.grid, f.state.tset_numbers, row), "Incorrect data in the cell 0,1)");
}

TEST(SetFiles, MissingAndUnsafeNamesChangeNothing) {
  SetFolder f;
  ScratchFolder::put(f.file("kept"), std::string("2025-01-01") + ten_numbers + "\r\n");
  ASSERT_EQ(read_set_file(f.work, "kept", f.state), "");
  const auto numbers = f.state.tset_numbers;
  EXPECT_EQ(read_set_file(f.work, "Gone", f.state),
            "There is no targeted set named 'Gone' among the sets of size 10.");
  EXPECT_NE(read_set_file(f.work, "../10/kept", f.state).find("cannot be used"), std::string::npos);
  EXPECT_EQ(f.work.set_name, "kept");
  EXPECT_EQ(f.state.tset_name, "kept");
  EXPECT_EQ(f.state.tset_row, 1);
  EXPECT_EQ(f.state.tset_numbers, numbers);
  EXPECT_EQ(f.work.grid.rows(), 2);
}

TEST(SetFiles, GetTsetCopiesARowWholeOrNotAtAll) {
  TextGrid grid;
  std::int16_t row = 0;
  Tsets_headers(grid, 10, row);
  grid.set_rows(4);
  for (int c = 1; c <= 10; ++c) grid.set_cell(3, c, std::to_string(c * 3));
  grid.set_cell(3, 5, "x5");
  std::array<std::int16_t, 21> numbers{};
  numbers.fill(-1);
  row = 3;
  EXPECT_EQ(get_Tset(grid, numbers, row), "Incorrect data in the cell 3,5)");
  // No mix of the numbers held before and this row's: none at all.
  for (int p = 1; p <= 20; ++p) EXPECT_EQ(numbers[p], 0) << p;
  grid.set_cell(3, 5, "15");
  EXPECT_EQ(get_Tset(grid, numbers, row), "");
  EXPECT_EQ(numbers[10], 30);
}

TEST(SetFiles, SaveWritesRowsInDateOrderWithABlankAfterEachField) {
  SetFolder f(10);
  f.work.set_name = "Mine";
  std::int16_t row = 0;
  Tsets_headers(f.work.grid, 10, row);
  const char* dates[] = {"2025-03-03", "2025-03-01", "2025-03-02"};
  for (int i = 0; i < 3; ++i) {
    const int r = f.work.grid.append_row();
    f.work.grid.set_cell(r, 0, dates[i]);
    for (int c = 1; c <= 10; ++c) f.work.grid.set_cell(r, c, std::to_string(c + i));
  }
  f.work.grid.set_cell(2, 4, "");  // an empty position
  f.state.tset_row = 1;            // the row of the 3rd
  f.state.tset_numbers[1] = 9;
  // A row with an empty position would end the set when read back: refused.
  EXPECT_EQ(write_set_file(f.work, f.state),
            "The row of 2025-03-01 has no number at N4. Please complete the row before saving.");
  EXPECT_FALSE(file_exists(f.file("Mine")));
  EXPECT_EQ(f.work.grid.cell(1, 0), "2025-03-03");
  f.work.grid.set_cell(2, 4, "5");
  ASSERT_EQ(write_set_file(f.work, f.state), "");
  EXPECT_EQ(read_file(f.file("Mine")),
            "2025-03-01 2 3 4 5 6 7 8 9 10 11 \r\n"
            "2025-03-02 3 4 5 6 7 8 9 10 11 12 \r\n"
            "2025-03-03 1 2 3 4 5 6 7 8 9 10 \r\n");
  EXPECT_EQ(f.work.grid.cell(1, 0), "2025-03-01");
  // The current row is followed through the sort; the current set is kept.
  EXPECT_EQ(f.state.tset_row, 3);
  EXPECT_EQ(f.state.tset_numbers[1], 9);
}

TEST(SetFiles, SaveRefusesRowsWithoutADateAndKeepsTheFile) {
  SetFolder f;
  const std::string before = std::string("2025-01-01") + ten_numbers + "\r\n";
  ScratchFolder::put(f.file("Kept"), before);
  ASSERT_EQ(read_set_file(f.work, "Kept", f.state), "");
  const int added = f.work.grid.append_row();  // added, never filled
  f.work.grid.set_cell(added, 1, "5");
  EXPECT_EQ(write_set_file(f.work, f.state), "Incorrect date.");
  f.work.grid.set_cell(added, 0, "2025-02-30");
  EXPECT_EQ(write_set_file(f.work, f.state), "Incorrect date.");
  EXPECT_EQ(read_file(f.file("Kept")), before);
  EXPECT_EQ(f.work.grid.cols(), 11);
  EXPECT_EQ(f.work.grid.cell(added, 1), "5");
  // A failing disk leaves the old file whole too.
  f.work.grid.set_cell(added, 0, "2024-12-31");
  for (int c = 2; c <= 10; ++c) f.work.grid.set_cell(added, c, std::to_string(c));
  ds::testing::fail_next_write_after(5);
  EXPECT_NE(write_set_file(f.work, f.state).find("could not be saved"), std::string::npos);
  EXPECT_EQ(read_file(f.file("Kept")), before);
}

TEST(SetFiles, CreatingNeverEmptiesAStoredSetAndListingShowsOnlySets) {
  SetFolder f(14);
  EXPECT_TRUE(list_sets(f.work.size_folder).empty());  // a new size folder is made and empty
  EXPECT_TRUE(folder_exists(f.work.size_folder));
  EXPECT_EQ(create_set_file(f.work.size_folder, ""), "");
  EXPECT_TRUE(list_sets(f.work.size_folder).empty());
  ASSERT_EQ(create_set_file(f.work.size_folder, "beta"), "");
  EXPECT_EQ(read_file(f.file("beta")), "");
  ScratchFolder::put(f.file("Alpha"), "2025-01-01 1 \r\n");
  EXPECT_EQ(create_set_file(f.work.size_folder, "Alpha"), "");
  EXPECT_EQ(read_file(f.file("Alpha")), "2025-01-01 1 \r\n");
  EXPECT_NE(create_set_file(f.work.size_folder, "a/b"), "");
  EXPECT_NE(create_set_file(f.work.size_folder, ".."), "");
  ScratchFolder::put(f.file(".Alpha.tmp123"), "half");
  std::filesystem::create_directory(f.file("folder"));
  // Names in alphabetical order whatever their case.
  ScratchFolder::put(f.file("Bravo"), "");
  EXPECT_EQ(list_sets(f.work.size_folder), (std::vector<std::string>{"Alpha", "beta", "Bravo"}));
}
