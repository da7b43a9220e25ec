#pragma once
// Shared pieces of the targeted-set tests: a temporary folder and a state with
// the fixed texts filled.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/app_state.h"
#include "shell/files.h"

namespace ds::tsets_test {

struct TempDir {
  std::filesystem::path path;
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path = std::filesystem::temp_directory_path() /
           ("ds-tsets-" + std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
};

inline AppState make_state(const std::filesystem::path& app_folder) {
  AppState s;
  s.app_folder = app_folder;
  s.date_format = DateFormat::iso();
  return s;
}

inline void put(const std::filesystem::path& p, const std::string& bytes) {
  std::filesystem::create_directories(p.parent_path());
  ASSERT_EQ(write_file_atomic(p, bytes), "");
}

}  // namespace ds::tsets_test
