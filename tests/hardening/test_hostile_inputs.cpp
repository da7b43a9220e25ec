// Every reader of the program against hostile files: a clear message, no crash,
// no hang, and no stored file changed by a refused read or save.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <unistd.h>

#include "analyses/performance.h"
#include "lotto/lotto_files.h"
#include "tsets/set_files.h"
#include "shell/files.h"

using namespace ds;

namespace {

struct Folder {
  fs::path path;
  Folder() {
    path = fs::temp_directory_path() /
           ("ds-hostile-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(path);
    fs::create_directories(path / "Games" / "g");
  }
  ~Folder() {
    std::error_code ec;
    fs::permissions(path / "Games" / "g", fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path, ec);
  }
  fs::path games() const { return path / "Games"; }
  fs::path file(const char* name) const { return path / "Games" / "g" / name; }
};

std::string sample_draws() {
  return *read_file(std::string(DRAWSMITH_SOURCE_DIR) + "/data/samples/d1");
}

std::string mutate(std::string s, std::mt19937& rng) {
  std::uniform_int_distribution<int> kind(0, 3), byte(0, 255);
  const int edits = 1 + static_cast<int>(rng() % 8);
  for (int e = 0; e < edits && !s.empty(); ++e) {
    const std::size_t at = rng() % s.size();
    switch (kind(rng)) {
      case 0: s[at] = static_cast<char>(byte(rng)); break;
      case 1: s.erase(at, 1 + rng() % 16); break;
      case 2: s.insert(at, std::string(1 + rng() % 4, static_cast<char>(byte(rng)))); break;
      default: s.insert(at, s.substr(rng() % s.size(), 1 + rng() % 64)); break;
    }
  }
  return s;
}

}  // namespace

TEST(HostileDefinition, BadRecordsAreRefusedAndLeaveTheStateAlone) {
  Folder f;
  LottoDefinition kept;
  kept.play_n = 49;
  kept.currency = "$";
  std::string good = *encode_definition(kept);
  std::string long_currency = good;
  long_currency[48] = 3;
  std::string huge_currency = good;
  huge_currency[48] = '\xFF';
  huge_currency[49] = '\xFF';
  for (const std::string& bytes : {std::string(), std::string(10, 'x'), good.substr(0, 51), long_currency,
                                   huge_currency}) {
    ASSERT_EQ(write_file_atomic(f.file("param.tix"), bytes), "");
    LottoDefinition d = kept;
    const std::string message = read_definition(f.games(), "g", d);
    EXPECT_NE(message, "") << bytes.size();
    EXPECT_EQ(d, kept);
    EXPECT_EQ(read_file(f.file("param.tix")), bytes);
  }
  // A longer file is read by its first record.
  ASSERT_EQ(write_file_atomic(f.file("param.tix"), good + std::string(100, 'z')), "");
  LottoDefinition d;
  EXPECT_EQ(read_definition(f.games(), "g", d), "");
  EXPECT_EQ(d, kept);
  // A folder where the file is expected.
  fs::remove(f.file("param.tix"));
  fs::create_directory(f.file("param.tix"));
  EXPECT_EQ(read_definition(f.games(), "g", d), "No the file 'param.tix'.");
}

TEST(HostileDraws, JunkIsReadWithoutCrashAndNeverSavedOverGoodData) {
  Folder f;
  const DateFormat iso = DateFormat::iso();
  const std::vector<std::string> inputs = {
      std::string("\0\0\0\x01\x02 junk\0 \xFF\xFE\r\n", 17),
      std::string(1 << 20, '7'),
      "2024-01-01 1 2 3 4 5 6 7 \r2024-01-02 1 2 3 4 5 6 7 \r",
      "2024-01-01 1 2 3 4 5 6 7 \n2024-01-02 1 2 3 4 5 6 7 \n",
      "2024-01-01 1234567890123456789012345678901234567890 -2 3 4 5 6 7 \r\n",
      "2/30/2024 1 2 3 4 5 6 7 \r\n0/0/0 1 2 3 4 5 6 7 \r\n",
      "2024-01-01 1 2\r\n",
  };
  for (const auto& text : inputs) {
    ASSERT_EQ(write_file_atomic(f.file("draws.txt"), text), "");
    TextGrid grid;
    const auto r = read_draws(f.games(), "g", grid, iso);
    EXPECT_EQ(grid.cols(), draw_columns);
    EXPECT_GE(grid.rows(), 1);
    if (!r.message.empty()) {
      // Whatever the reader complained of, a save of that grid must not replace the file.
      EXPECT_NE(write_draws(f.games(), "g", grid, iso), "") << r.message;
      EXPECT_EQ(read_file(f.file("draws.txt")), text);
    }
  }
  // Many lines are read quickly and in order.
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "2024-01-01 1 2 3 4 5 6 7 \r\n";
  ASSERT_EQ(write_file_atomic(f.file("draws.txt"), many), "");
  TextGrid grid;
  EXPECT_EQ(read_draws(f.games(), "g", grid, iso).message, "");
  EXPECT_EQ(grid.rows(), 100001);
}

TEST(HostileDraws, ReadOnlyFolderRefusesTheSaveWithAMessage) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  Folder f;
  ASSERT_EQ(write_file_atomic(f.file("draws.txt"), "2024-01-01 1 2 3 4 5 6 7 \r\n"), "");
  fs::permissions(f.path / "Games" / "g", fs::perms::owner_write, fs::perm_options::remove);
  TextGrid grid;
  ASSERT_EQ(read_draws(f.games(), "g", grid, DateFormat::iso()).message, "");
  EXPECT_NE(write_draws(f.games(), "g", grid, DateFormat::iso()), "");
  EXPECT_EQ(read_file(f.file("draws.txt")), "2024-01-01 1 2 3 4 5 6 7 \r\n");
}

TEST(HostileDraws, RandomMutationsOfTheSampleNeverCrashTheReaders) {
  Folder f;
  const std::string base = sample_draws().substr(0, 4000);
  LottoDefinition def;
  def.currency = "$";
  const std::string record = *encode_definition(def);
  std::mt19937 rng(20261206);
  for (int i = 0; i < 150; ++i) {
    const std::string draws = mutate(base, rng);
    ASSERT_EQ(write_file_atomic(f.file("draws.txt"), draws), "");
    TextGrid grid;
    const auto r = read_draws(f.games(), "g", grid, DateFormat::iso());
    ASSERT_EQ(grid.cols(), draw_columns);
    if (r.message.empty()) {
      for (int row = 2; row < grid.rows(); ++row)
        ASSERT_LE(std::stoll(grid.cell(row - 1, col_key)), std::stoll(grid.cell(row, col_key)));
    }
    ASSERT_EQ(write_file_atomic(f.file("param.tix"), mutate(record, rng)), "");
    LottoDefinition d;
    read_definition(f.games(), "g", d);
    ASSERT_LE(d.currency.size(), 4u);
  }
}

namespace {

struct SetFolder {
  fs::path root;
  TsetsWork work;
  AppState state;
  explicit SetFolder(const char* tag) {
    root = fs::temp_directory_path() / ("ds-hostile-sets-" + std::string(tag));
    fs::remove_all(root);
    work.tsets_folder = tsets_folder_of(root);
    fs::create_directories(work.tsets_folder);
    work.size = 10;
    work.size_folder = size_folder_of(work.tsets_folder, 10);
    fs::create_directories(work.size_folder);
    fill_catalogue(state.messages);
    state.date_format = DateFormat::iso();
  }
  ~SetFolder() { fs::remove_all(root); }
  fs::path file(const char* name) const { return work.size_folder / name; }
};

const char* good_set_row = "2025-01-01 1 2 3 4 5 6 7 8 9 10 \r\n";

}  // namespace

TEST(HostileSets, JunkSetFilesAreReadSafelyAndRefusedSavesKeepTheFile) {
  SetFolder f("junk");
  const std::vector<std::string> inputs = {
      std::string("\0\0\x01 \xFF\r\n", 7),
      std::string(1 << 20, '1'),
      std::string(good_set_row) + "2/30/2024 1 2 3 4 5 6 7 8 9 10 \r\n",
      "2025-01-01 1234567890123456789012345678901234567890 -2 3 4 5 6 7 8 9 10 \r",
      "0/0/0 1 2 3 4 5 6 7 8 9 10 \n",
  };
  for (const auto& text : inputs) {
    ASSERT_EQ(write_file_atomic(f.file("s"), text), "");
    read_set_file(f.work, "s", f.state);
    EXPECT_EQ(f.work.grid.cols(), 11);
    EXPECT_GE(f.state.tset_row, 0);
    EXPECT_LT(f.state.tset_row, f.work.grid.rows());
    const std::string saved = write_set_file(f.work, f.state);
    if (!saved.empty()) EXPECT_EQ(read_file(f.file("s")), text) << saved;
  }
  // Many rows are read whole; more than a 16-bit row number can reach are refused
  // whole, since reading part of them would lose the rest at the next save.
  std::string many;
  for (int i = 0; i < 30000; ++i) many += good_set_row;
  ASSERT_EQ(write_file_atomic(f.file("many"), many), "");
  EXPECT_EQ(read_set_file(f.work, "many", f.state), "");
  EXPECT_EQ(f.work.grid.rows(), 30001);
  for (int i = 0; i < 10000; ++i) many += good_set_row;
  ASSERT_EQ(write_file_atomic(f.file("too_many"), many), "");
  EXPECT_NE(read_set_file(f.work, "too_many", f.state), "");
  EXPECT_EQ(f.work.grid.rows(), 30001);
  EXPECT_EQ(f.work.set_name, "many");
  // A folder where a set file is expected, and names that would leave the folder.
  ASSERT_TRUE(fs::is_directory(f.work.size_folder));
  fs::create_directory(f.file("folder"));
  EXPECT_NE(read_set_file(f.work, "folder", f.state), "");
  for (const char* name : {"../../Games/x", "..", "", "a/b"})
    EXPECT_NE(read_set_file(f.work, name, f.state), "") << name;
}

TEST(HostileSets, RandomMutationsNeverCrashTheSetReader) {
  SetFolder f("fuzz");
  const std::string base = *read_file(std::string(DRAWSMITH_SOURCE_DIR) + "/data/samples/d2");
  std::mt19937 rng(6122026);
  for (int i = 0; i < 150; ++i) {
    ASSERT_EQ(write_file_atomic(f.file("s"), mutate(base, rng)), "");
    read_set_file(f.work, "s", f.state);
    ASSERT_EQ(f.work.grid.cols(), 11);
    ASSERT_LT(f.state.tset_row, f.work.grid.rows());
  }
}

TEST(HostileSystemFile, BadTicketLinesEndInTheMessageAndKeepEarlierRows) {
  const fs::path dir = fs::temp_directory_path() / "ds-hostile-system";
  fs::remove_all(dir);
  fs::create_directories(dir);
  MessageCatalogue messages;
  fill_catalogue(messages);
  PerformanceInput in;
  in.draw = {"", "1", "2", "3", "4", "5", "6", "7"};
  for (auto& p : in.prizes) p = "10";
  in.tset_size = 10;
  for (int i = 1; i <= 10; ++i) in.tset_numbers[i] = static_cast<std::int16_t>(i);
  in.system_id = "10_3_6";
  in.pick_n = 6;
  in.system_file = dir / "system";
  const std::vector<std::string> inputs = {
      "N1 1 2 3 4 5 6\r\nN2 1 2 3\r\n",
      "N 1 2 3 4 5 6\r\n",
      "Nx 1 2 3 4 5 6\r\n",
      std::string("\0\0\0", 3),
      "N1 1 2 3 4 5 6\r\n" + std::string(1 << 20, '9'),
      "",
  };
  for (const auto& text : inputs) {
    ASSERT_EQ(write_file_atomic(in.system_file, text), "");
    TextGrid grid;
    reset_performance_grid(grid);
    const auto out = Performance(in, messages, grid);
    EXPECT_GE(grid.rows(), 1);
    EXPECT_EQ(read_file(in.system_file), text);
    (void)out;
  }
  fs::remove(in.system_file);
  fs::create_directory(in.system_file);
  TextGrid grid;
  reset_performance_grid(grid);
  EXPECT_EQ(Performance(in, messages, grid).message, messages.data_not_correct);
  fs::remove_all(dir);
}
