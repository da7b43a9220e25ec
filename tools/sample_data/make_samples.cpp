// Writes the shipped samples d1, d1a and d2 into a folder.
// Usage: make_samples HISTORY.csv OUTPUT_FOLDER
#include <cstdio>
#include <filesystem>

#include "sample_data.h"
#include "shell/files.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_samples HISTORY.csv OUTPUT_FOLDER\n");
    return 2;
  }
  const auto csv = ds::read_file(argv[1]);
  if (!csv) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  std::string error;
  const std::string draws = ds::tools::convert_history(*csv, error);
  if (!error.empty()) {
    std::fprintf(stderr, "cannot convert %s\n", error.c_str());
    return 1;
  }
  const std::filesystem::path out = argv[2];
  const std::string set = ds::tools::forecaster_set(draws, 60, 30);
  for (const auto& [name, bytes] : {std::pair<const char*, std::string>{"d1", draws},
                                    {"d1a", ds::tools::sample_definition()},
                                    {"d2", set}}) {
    const auto e = ds::write_file_atomic(out / name, bytes);
    if (!e.empty()) {
      std::fprintf(stderr, "%s: %s\n", name, e.c_str());
      return 1;
    }
  }
  std::printf("wrote d1 (%zu bytes), d1a, d2 (%zu bytes) to %s\n", draws.size(), set.size(), argv[2]);
  return 0;
}
