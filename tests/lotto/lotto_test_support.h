#pragma once
// A scratch application folder for the lotto tests.
#include <filesystem>
#include <random>
#include <string>

#include "shell/files.h"

namespace ds::test {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("drawsmith-lotto-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_ / "Games");
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::filesystem::path games() const { return path_ / "Games"; }
  // Writes `bytes` as games/name/file, making the lotto's folder.
  void put(const std::string& name, const std::string& file, const std::string& bytes) const {
    std::filesystem::create_directories(games() / name);
    write_file_atomic(games() / name / file, bytes);
  }
  std::string get(const std::string& name, const std::string& file) const {
    const auto b = read_file(games() / name / file);
    return b ? *b : std::string("<missing>");
  }
  static std::string sample(const char* file) {
    const auto b = read_file(std::filesystem::path(DRAWSMITH_SOURCE_DIR) / "data" / "samples" / file);
    return b ? *b : std::string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace ds::test
