#pragma once
// What the core tests share: a scratch folder removed at the end, the shipped
// samples, and a state as the program starts it.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "shell/app_state.h"
#include "shell/files.h"

#ifdef _WIN32
#include <process.h>
#define DS_TEST_PID _getpid()
#else
#include <unistd.h>
#define DS_TEST_PID getpid()
#endif

namespace ds::test {

// A new folder per instance (one test may hold several; the process id keeps two
// test runs at the same time apart); games() is its Games folder.
class ScratchFolder {
 public:
  ScratchFolder() {
    static std::atomic<int> made{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("drawsmith-" + std::string(info ? info->name() : "test") + "-" + std::to_string(DS_TEST_PID) +
             "-" + std::to_string(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path games() const { return path_ / "Games"; }
  // Writes `bytes` as Games/name/file, making the lotto's folder.
  void put(const std::string& name, const std::string& file, const std::string& bytes) const {
    put(games() / name / file, bytes);
  }
  static void put(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    ASSERT_EQ(write_file_atomic(file, bytes), "");
  }
  std::string get(const std::string& name, const std::string& file) const {
    return read_file(games() / name / file).value_or("<missing>");
  }
  // A shipped sample file (d1 draws, d1a the lotto record, d2 a targeted set).
  static std::string sample(const char* file) {
    return read_file(std::filesystem::path(DRAWSMITH_SOURCE_DIR) / "data" / "samples" / file).value_or("");
  }

 private:
  std::filesystem::path path_;
};

// A game of the given shape (see shell/game.h), everything else left at its default.
inline LottoDefinition game_shape(int play_n, int pick_n, int bonus_n, int second_pool, int second_n) {
  LottoDefinition g;
  g.play_n = static_cast<std::int16_t>(play_n);
  g.pick_n = static_cast<std::int16_t>(pick_n);
  g.bonus_n = static_cast<std::int16_t>(bonus_n);
  g.second_pool = static_cast<std::int16_t>(second_pool);
  g.second_n = static_cast<std::int16_t>(second_n);
  return g;
}

// 5 of 69 and 1 of 26, no bonus, 2 a play, with the operator's nine tiers (the top
// one an average of 20,000,000).
inline LottoDefinition powerball_game() {
  LottoDefinition g = game_shape(69, 5, 0, 26, 1);
  g.cost = 2;
  g.tiers = {{5, false, 1, 20000000, true},
             {5, false, 0, 1000000},
             {4, false, 1, 50000},
             {4, false, 0, 100},
             {3, false, 1, 100},
             {3, false, 0, 7},
             {2, false, 1, 7},
             {1, false, 1, 4},
             {0, false, 1, 4}};
  return g;
}

// A state as the program starts it, with ISO dates and the given folder.
inline AppState fresh_state(const std::filesystem::path& app_folder = {}) {
  AppState s;
  s.app_folder = app_folder;
  s.date_format = DateFormat::iso();
  return s;
}

}  // namespace ds::test
