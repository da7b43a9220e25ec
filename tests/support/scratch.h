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

// A state as the program starts it, with ISO dates and the given folder.
inline AppState fresh_state(const std::filesystem::path& app_folder = {}) {
  AppState s;
  s.app_folder = app_folder;
  s.date_format = DateFormat::iso();
  return s;
}

}  // namespace ds::test
