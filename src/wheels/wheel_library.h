#pragma once
// The wheel library shipped beside the program (wheel_library.txt): wheels the program's
// own maker made (tools/make-library), one entry per size. An entry is a Wheels file
// whose header also says how many tickets follow:
//
//   # wheel v=5 k=3 t=2 m=3 tickets=2 made=made by Drawsmith 2026-12-09, seed 1, 1.0 s, ...
//   1 2 3
//   1 4 5
//
// Lines before the first entry that start with '#' (and blank lines anywhere) are
// comments. Each size (v, k, t, m) has at most one entry.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wheels/wheel_file.h"

namespace ds {

inline constexpr std::string_view wheel_library_name = "wheel_library.txt";

struct LibraryRead {
  bool ok = false;
  std::string error;  // when not ok: what is wrong, with the line number in the library
  std::vector<Wheel> wheels;
};

// Reads the library: every entry in order, each read as a Wheels file (positions 1..v, k
// distinct each) whose count of tickets must be its header's tickets=.
LibraryRead parse_wheel_library(std::string_view bytes);

// The entry of that size, or null.
const Wheel* find_library_wheel(const std::vector<Wheel>& wheels, int v, int k, int t, int m);

// The wheel of that size in the library file `library`, when the file reads and the wheel
// passes the exhaustive check of its guarantee; nullopt otherwise.
std::optional<Wheel> library_wheel(const std::filesystem::path& library, int v, int k, int t, int m);

// "V K T M tickets", one line per entry, in the library's order.
std::string library_listing(const std::vector<Wheel>& wheels);

}  // namespace ds
