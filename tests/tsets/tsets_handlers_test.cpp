#include "tsets/tsets_handlers.h"

#include <gtest/gtest.h>

#include "support/scratch.h"

using namespace ds;
using ds::test::fresh_state;
using ds::test::ScratchFolder;

namespace {

struct Window {
  ScratchFolder dir;
  AppState state = fresh_state(dir.path());
  TsetsModel model;
  Window() { tsets_load(model, state); }
  std::filesystem::path file(int size, const std::string& name) const {
    return dir.path() / "Tsets" / std::to_string(size) / name;
  }
  TextGrid& grid() { return model.work.grid; }
};

}  // namespace

TEST(TsetsHandlers, ChoosingASize) {
  Window w;
  EXPECT_TRUE(folder_exists(w.dir.path() / "Tsets"));
  auto out = tsets_choose_size(w.model, "", w.state);
  EXPECT_EQ(out.message, "Please select the size of the set.");
  EXPECT_EQ(out.focus, TsetsFocus::size);
  for (const char* bad : {"9", "21", "abc", "12.5"}) {
    out = tsets_choose_size(w.model, bad, w.state);
    EXPECT_EQ(out.message, "Incorrect size of the Targeted Set.") << bad;
    EXPECT_EQ(out.focus, TsetsFocus::size);
  }
  EXPECT_EQ(w.model.enabled, TsetsEnabled{});

  ScratchFolder::put(w.file(12, "Set A"), "");
  w.state.tset_row = 5;
  out = tsets_choose_size(w.model, "12", w.state);
  EXPECT_EQ(out.message, "");
  EXPECT_EQ(out.index_count, 12);
  EXPECT_EQ(out.set_list, (std::vector<std::string>{"Set A"}));
  EXPECT_EQ(w.grid().cols(), 13);
  EXPECT_EQ(w.grid().cell(0, 1) + w.grid().cell(0, 12), "N1N12");
  EXPECT_EQ(w.grid().col_width(0), tsets_date_width);
  EXPECT_EQ(w.state.tset_size, 12);
  EXPECT_EQ(w.state.tset_row, 0);
  EXPECT_TRUE(w.model.enabled.sets && w.model.enabled.new_set && w.model.enabled.add);
  EXPECT_FALSE(w.model.enabled.accept_number || w.model.enabled.save || w.model.enabled.generator);

  // Another size: the current set of size 12 no longer fits.
  w.state.tset_name = "Set A";
  w.state.tset_numbers[1] = 4;
  tsets_choose_size(w.model, "12", w.state);
  EXPECT_EQ(w.state.tset_name, "Set A");
  tsets_choose_size(w.model, "10", w.state);
  EXPECT_EQ(w.state.tset_name, "");
  EXPECT_EQ(w.state.tset_numbers[1], 0);
  EXPECT_TRUE(folder_exists(w.dir.path() / "Tsets" / "10"));

  // A set open in one size is closed by choosing another: Save cannot write
  // the emptied table over the set of the same name in the new size.
  tsets_new(w.model, "Same", w.state);
  w.model.enabled.save = true;
  ScratchFolder::put(w.file(12, "Same"), "2025-01-01 1 2 3 4 5 6 7 8 9 10 11 12 \r\n");
  tsets_choose_size(w.model, "12", w.state);
  EXPECT_FALSE(w.model.enabled.save || w.model.enabled.accept_number || w.model.enabled.generator);
  EXPECT_EQ(tsets_save(w.model, w.state).message,
            "Please select a Targeted Set in the 'Targeted Sets' window.");
  EXPECT_EQ(read_file(w.file(12, "Same")), "2025-01-01 1 2 3 4 5 6 7 8 9 10 11 12 \r\n");
}

TEST(TsetsHandlers, NewCreatesAnEmptySetOrOpensAnExistingOne) {
  Window w;
  tsets_choose_size(w.model, "10", w.state);
  w.state.tset_name = "before";
  auto out = tsets_new(w.model, "", w.state);  // cancelled
  EXPECT_EQ(out.message, "");
  EXPECT_FALSE(out.set_list);
  EXPECT_EQ(w.model.work.set_name, "");
  EXPECT_FALSE(w.model.enabled.accept_date);

  out = tsets_new(w.model, " Fresh ", w.state);
  EXPECT_EQ(out.message, "");
  EXPECT_EQ(out.sets_text, "Fresh");
  EXPECT_EQ(out.set_list, (std::vector<std::string>{"Fresh"}));
  EXPECT_EQ(read_file(w.file(10, "Fresh")), "");
  EXPECT_EQ(w.model.work.set_name, "Fresh");
  EXPECT_EQ(w.grid().rows(), 2);
  EXPECT_EQ(w.state.tset_row, 1);
  EXPECT_EQ(w.state.tset_name, "before");  // New does not change the current set
  EXPECT_TRUE(w.model.enabled.accept_date && w.model.enabled.accept_number && w.model.enabled.generator);
  EXPECT_FALSE(w.model.enabled.save);

  const std::string stored = "2025-01-01 1 2 3 4 5 6 7 8 9 10 \r\n2025-01-04 11 2 3 4 5 6 7 8 9 10 \r\n";
  ScratchFolder::put(w.file(10, "Stored"), stored);
  out = tsets_new(w.model, "Stored", w.state);
  EXPECT_EQ(out.message, "");
  EXPECT_EQ(read_file(w.file(10, "Stored")), stored);
  EXPECT_EQ(w.grid().rows(), 3);
  EXPECT_EQ(w.state.tset_row, 2);
  EXPECT_EQ(w.state.tset_name, "Stored");
  EXPECT_EQ(w.state.tset_numbers[1], 11);

  for (const char* bad : {"../escape", "a\\b", ".hidden", "   "}) {
    out = tsets_new(w.model, bad, w.state);
    EXPECT_NE(out.message.english().find("cannot be used"), std::string::npos) << bad;
  }
  EXPECT_EQ(w.model.work.set_name, "Stored");
  EXPECT_FALSE(exists(w.dir.path() / "Tsets" / "escape"));
}

TEST(TsetsHandlers, AcceptDateWritesTheProgramsDateForm) {
  Window w;
  w.state.date_format = {DateFormat::Order::dmy, '/', true};
  tsets_choose_size(w.model, "10", w.state);
  auto out = tsets_accept_date(w.model, "7/3/2025", w.state);
  EXPECT_EQ(out.message, "Please select a row in the 'Targeted Sets' table.");
  tsets_new(w.model, "S", w.state);
  out = tsets_accept_date(w.model, "31/2/2025", w.state);
  EXPECT_EQ(out.message, "Incorrect date.");
  EXPECT_EQ(out.focus, TsetsFocus::date);
  EXPECT_EQ(w.grid().cell(1, 0), "");
  EXPECT_EQ(tsets_accept_date(w.model, "7/3/2025", w.state).message, "");
  EXPECT_EQ(w.grid().cell(1, 0), "07/03/2025");
  w.state.tset_row = static_cast<std::int16_t>(w.grid().rows());  // one past the last row
  EXPECT_EQ(tsets_accept_date(w.model, "7/3/2025", w.state).message,
            "Please select a row in the 'Targeted Sets' table.");
  w.state.tset_row = 1;
  tsets_add(w.model, w.state);
  EXPECT_EQ(w.state.tset_row, 2);
  EXPECT_EQ(w.grid().rows(), 3);
}

TEST(TsetsHandlers, PlacementChecksRunInOrder) {
  Window w;
  tsets_choose_size(w.model, "12", w.state);
  auto out = tsets_accept_number(w.model, "1", "5", w.state);
  EXPECT_EQ(out.message, "Please select a row in the 'Targeted Sets' table.");
  tsets_new(w.model, "S", w.state);

  struct Case {
    const char* index;
    const char* number;
    const char* message;
    TsetsFocus focus;
  };
  const Case cases[] = {
      {"", "x", "Please select an Index.", TsetsFocus::index},
      {"0", "x", "Please select an Index.", TsetsFocus::index},
      {"-1", "5", "Please select an Index.", TsetsFocus::index},
      {"2", "", "Please select a Number.", TsetsFocus::number},
      {"2", "seven", "Please select a Number.", TsetsFocus::number},
      {"2", "0", "Please select a Number. The numbers run from 1 to 90.", TsetsFocus::number},
      {"2", "91", "Please select a Number. The numbers run from 1 to 90.", TsetsFocus::number},
      {"13", "5", "The index exceeds the size of the set.", TsetsFocus::index},
  };
  for (const Case& c : cases) {
    out = tsets_accept_number(w.model, c.index, c.number, w.state);
    EXPECT_EQ(out.message, c.message) << c.index << " " << c.number;
    EXPECT_EQ(out.focus, c.focus) << c.index << " " << c.number;
  }
  // With a lotto chosen, its range is the limit.
  w.state.lotto.play_n = 49;
  w.state.lotto_name = "Canada_6_49";
  out = tsets_accept_number(w.model, "2", "50", w.state);
  EXPECT_EQ(out.message, "Please select a Number. The numbers run from 1 to 49 in Canada_6_49.");
  EXPECT_EQ(out.focus, TsetsFocus::number);
  for (int col = 0; col <= 12; ++col) EXPECT_EQ(w.grid().cell(1, col), "");

  ASSERT_EQ(tsets_accept_number(w.model, "12", "5", w.state).message, "");
  EXPECT_EQ(tsets_accept_number(w.model, "3", "5", w.state).message, "This number was previously selected.");
  EXPECT_EQ(tsets_accept_number(w.model, "12", "5", w.state).message, "This number was previously selected.");
  // The same number written differently is the same number.
  EXPECT_EQ(tsets_accept_number(w.model, "3", "05", w.state).message, "This number was previously selected.");
  EXPECT_EQ(w.grid().cell(1, 3), "");
}

TEST(TsetsHandlers, TheCurrentNumbersFollowTheRowAsItChanges) {
  Window w;
  ScratchFolder::put(w.file(10, "S"),
                     "2025-11-12 1 2 3 4 5 6 7 8 9 10 \r\n2025-11-19 11 12 13 14 15 16 17 18 19 24 \r\n");
  tsets_choose_size(w.model, "10", w.state);
  ASSERT_EQ(tsets_choose_set(w.model, "S", w.state).message, "");
  ASSERT_EQ(w.state.tset_numbers[10], 24);
  // Accept Number changes the selected row: 24 becomes 49 for every window at once.
  ASSERT_EQ(tsets_accept_number(w.model, "10", "49", w.state).message, "");
  const std::array<std::int16_t, 21> changed = {0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 49};
  EXPECT_EQ(w.state.tset_numbers, changed);
  // A row being typed is no set until it is complete.
  tsets_add(w.model, w.state);
  ASSERT_EQ(tsets_accept_number(w.model, "1", "7", w.state).message, "");
  EXPECT_EQ(w.state.tset_numbers, (std::array<std::int16_t, 21>{}));
  for (int i = 2; i <= 10; ++i)
    tsets_accept_number(w.model, std::to_string(i), std::to_string(20 + i), w.state);
  EXPECT_EQ(w.state.tset_numbers[1], 7);
  EXPECT_EQ(w.state.tset_numbers[10], 30);
}
