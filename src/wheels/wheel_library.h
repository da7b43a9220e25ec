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

#include "shell/text.h"
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

// The sizes of the library's entries read from their headers alone (fast: no ticket is
// read), in the library's order; what cannot be read is left out.
struct LibrarySize {
  int v = 0, k = 0, t = 0, m = 0;
  long long tickets = 0;
};
std::vector<LibrarySize> library_sizes(std::string_view bytes);

// The entry of that size cut out of the library's bytes and read alone; nullopt when the
// library has none or the entry does not read.
std::optional<Wheel> library_entry(std::string_view bytes, int v, int k, int t, int m);

// What is known of a size besides the maker's wheels: the smallest freely published wheel
// and the best known covering (0 where the program knows none). Sizes only, to measure
// wheels against.
struct PublishedSizes {
  long long free = 0, best = 0;
};
PublishedSizes published_sizes(int v, int k, int t, int m);

// One line beside a wheel of `tickets` tickets for that size: the lower bound (Schönheim,
// for t if t) and the published sizes the program knows, each with how far the wheel is
// from it: "Schönheim bound 344 (127 above it); free published 440 (31 fewer); best known
// 382 (89 more)."
Text wheel_size_note(int v, int k, int t, int m, long long tickets);

}  // namespace ds
