#pragma once
// Files another program (or another copy of this one) may change while a window
// holds them: what the window read is remembered as a fingerprint and as the
// rows it held, so that a save first looks whether the file changed under it and
// then merges rather than writes over what it does not know.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/text.h"

namespace ds {

// A file as it stood: whether it existed, its size, its modification time and a
// hash of its bytes.
struct FileFingerprint {
  bool exists = false;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // the file system's time stamp, as a count
  std::uint64_t hash = 0;     // FNV-1a over the bytes
  bool operator==(const FileFingerprint&) const = default;
};

// The fingerprint of `bytes` (exists, size and hash; no time).
FileFingerprint fingerprint_of(std::string_view bytes);
// The file as it is now; a file that cannot be read counts as missing.
FileFingerprint take_fingerprint(const std::filesystem::path& path);
// True when the file now holds other bytes than when fingerprinted, or appeared
// or vanished. A new time stamp over the same bytes (a file touched, or written
// again unchanged) loses nothing and is no change.
bool file_changed(const FileFingerprint& then, const FileFingerprint& now);

// What a window read from one file: its fingerprint, taken before reading (so a
// change made while it was read still shows as a change), and the rows it held
// then, the common ancestor when its rows and the file's are merged.
struct LoadedFile {
  std::filesystem::path path;  // empty: nothing loaded
  FileFingerprint fingerprint;
  TextGrid rows;
  FileFingerprint reported;  // the last change of the file the user was told of
};
// What a window keeps after reading or writing `path`: `before` is the
// fingerprint taken before reading (or of the bytes written), `rows` what the
// window holds now.
LoadedFile loaded_file(const std::filesystem::path& path, const FileFingerprint& before,
                       const TextGrid& rows);

// A question the user answers with one of `buttons` or Cancel.
struct Question {
  Text text;
  std::vector<Text> buttons;
};
// Answers a question: the index of the button, or -1 for Cancel.
using AskUser = std::function<int(const Question&)>;

// A three-way merge of the dated rows of two grids of one layout (a draw table
// or a targeted set): `base` as the window read the file, `mine` as the window
// holds it now, `theirs` as the file holds it now. Rows are matched by the day of
// their date (the second row of one day with the second row of that day, and so
// on) and compared by the cells of `value_cols`, numbers by value ("07" = "7").
// A row changed (or added, or removed) on one side only takes that side; the same
// change on both sides is taken once; different changes on both sides to one
// date are conflicts for the user.
struct MergeEntry {
  DayNumber day = 0;
  int base = -1, mine = -1, theirs = -1;  // the row in each grid, -1 when absent
  enum class Take { mine, theirs, neither, ask } take = Take::mine;
  // A row the window read and holds unchanged that the file no longer has. A file
  // shortened or emptied by another program looks just like rows deleted on
  // purpose, so such rows are kept (take mine) unless the user lets them go.
  bool lost_in_file = false;
};
struct RowMerge {
  std::vector<MergeEntry> entries;  // ascending by date
  std::vector<int> undated;         // rows of `mine` whose date does not read: kept as they are
  int conflicts = 0;
  int from_file = 0;        // rows added or changed in the file that the merge takes
  int removed_in_file = 0;  // rows read from the file that it no longer has (lost_in_file)
};
RowMerge plan_row_merge(const TextGrid& base, const TextGrid& mine, const TextGrid& theirs, int date_col,
                        const std::vector<int>& value_cols, const DateFormat& format);
// Lets the rows the file lost go (take neither) after the user said so.
void drop_lost_rows(RowMerge& plan);
// The question asked before a save when the file lost rows the window read: how
// many, a few of them, and Keep them (0, the default) or Remove them (1); Cancel
// saves nothing. `file` names the file ("'draws.txt' of 'Canada_6_49'"), `rows`
// the kind of row, plural ("draws").
Question lost_rows_question(const RowMerge& plan, const TextGrid& mine, int date_col,
                            const std::vector<int>& value_cols, const Text& file, const Text& rows);

// Whether two rows hold the same values.
bool same_row_values(const TextGrid& a, int row_a, const TextGrid& b, int row_b,
                     const std::vector<int>& value_cols);

// The merged grid: `mine`'s header row and layout, then the rows of the plan in
// date order and the undated rows of `mine` last. `keep_mine` answers the
// conflicts in their order (true keeps the window's row). `from_mine`, when
// given, gets for each row of the result the row of `mine` it came from (-1 for
// the header and the file's rows).
TextGrid merged_grid(const RowMerge& plan, const TextGrid& mine, const TextGrid& theirs,
                     const std::vector<bool>& keep_mine, std::vector<int>* from_mine = nullptr);

// The row's values joined by blanks, or "(none)" for an absent row.
std::string row_values_text(const TextGrid& grid, int row, const std::vector<int>& value_cols);

// What a window does when it notices that its file changed on disk: nothing when
// the file holds what the window read or when the user was told of these very
// bytes before; else, with no unsaved work, offer to read the file again
// (`question`, answered Reload or Cancel); with unsaved work, or when the file
// was removed (the window then holds the only copy), a status line saying that
// Save keeps the window's work.
struct DiskNotice {
  bool offer_reload = false;
  Question question;
  Text status;           // "" for none
  bool removed = false;  // the file is gone (the status says so)
};
// `what` names the file for the user ("the draws of 'Canada_6_49'").
DiskNotice notice_disk_change(LoadedFile& loaded, const FileFingerprint& now, bool unsaved, const Text& what);

}  // namespace ds
