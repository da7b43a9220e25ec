#pragma once
// Wheels: lists of tickets on the positions 1..v of a targeted set, with the guarantee
// "t if m" they are made for (some ticket holds t winners whenever m of the drawn
// numbers lie in the set). Made wheels are kept as text files in the Wheels folder:
//
//   # wheel v=10 k=6 t=4 m=6 made=made by Drawsmith 2026-12-08, seed 1, 0.1 s
//   1 2 3 4 5 6
//   1 2 3 7 8 9
//   4 5 6 7 8 10
//
// The first line is the header: "# wheel", then v (numbers in the set), k (numbers per
// ticket), t and m (the guarantee), each as name=value separated by one blank, and last
// "made=" followed by free text to the end of the line (how the wheel was made); a wheel
// with key numbers has "keys=B" after m (the positions 1..B are on every ticket). Then one
// ticket per line, its k positions in increasing order separated by single blanks. Lines
// end in LF; blank lines and further lines starting with '#' are ignored when read.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/text.h"

namespace ds {

// Positions are kept in 64-bit masks (bit p - 1 for position p); the check walks the
// subsets of the set by the next mask with the same number of bits, which needs bit v to
// exist: so a wheel has at most 63 numbers.
inline constexpr int max_wheel_v = 63;

struct Wheel {
  int v = 0;  // numbers in the set: positions 1..v
  int k = 0;  // numbers per ticket
  int t = 0;  // guarantee "t if m"; 0 when unknown (a list read from elsewhere)
  int m = 0;
  // Key numbers: positions 1..keys are on every ticket, and the guarantee holds when all
  // of them are among the winners. 0: none; otherwise keys < t.
  int keys = 0;
  std::string made;                       // how it was made, one line
  std::vector<std::vector<int>> tickets;  // each ascending, positions 1..v
};

// The Wheels file text of `wheel` (layout above). Line breaks in `made` become blanks.
std::string wheel_file_text(const Wheel& wheel);

struct WheelRead {
  bool ok = false;
  std::string error;    // when not ok: what is wrong, with the line number
  std::string skipped;  // one line naming what a ticket list held besides tickets, or ""
  Wheel wheel;
};

// Reads a Wheels file: the header line, then tickets of exactly k distinct positions
// 1..v each (kept sorted), each holding the keys 1..keys when there are any. At least one
// ticket.
WheelRead parse_wheel_file(std::string_view bytes);

// Reads any list of tickets: a Wheels file (header "# wheel"), the ticket file the
// Systems window writes ("N1 3 7 12 ..." lines: a leading label is skipped), or a
// published wheel as text or CSV (numbers separated by commas, semicolons or blanks,
// quotes around values allowed, one optional header line of words before the first
// ticket, lines starting with '#' ignored). With `set_numbers` empty the numbers are
// positions 1..v and v is the largest number met; otherwise every number must be one of
// `set_numbers` and stands for its position there (v = the size of the set). Every ticket
// must have the same count of distinct numbers, which is k. t and m stay 0 unless the
// bytes are a Wheels file. A published wheel as such files are stored is read too: a first
// line of figures whose count differs from the tickets' ("15,6,4,4", V K T M), a line
// holding only the count of tickets (before them or last) and a DOS end-of-file byte
// (0x1A) at the end are skipped, and `skipped` names them.
WheelRead parse_ticket_list(std::string_view bytes, std::span<const int> set_numbers);

// The wheel with `keys` key numbers added: its positions moved up by `keys`, positions
// 1..keys put on every ticket, v, k, t and m each `keys` more.
Wheel with_keys(const Wheel& wheel, int keys);

// The other way: the wheel on the numbers besides the keys (positions keys+1..v as
// 1..v-keys), with the guarantee t-keys if m-keys that the keyed wheel's rests on.
Wheel without_keys(const Wheel& wheel);

// app folder / "Wheels", beside Games and Tsets.
std::filesystem::path wheels_folder(const std::filesystem::path& app_folder);

// The names of the files in `folder` ending in ".txt" that start with a wheel header,
// sorted; empty when the folder is missing.
std::vector<std::string> list_wheel_files(const std::filesystem::path& folder);

// A file name for a made wheel: "10_6_4if6.txt" (v, k, t, m).
std::string wheel_file_name(const Wheel& wheel);

// The guarantee as the program shows it: "4 if 6"; with keys "4 if 6 when the key 1 is
// among the winners", "... when the keys 1 and 2 are ...", "... the 3 keys 1 to 3 are ...".
Text guarantee_text(int t, int m, int keys = 0);

}  // namespace ds
