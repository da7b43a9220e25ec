#pragma once
// Reading and replacing files. Every write goes to a temporary file beside the
// target and is renamed over it, so a failure leaves the previous file whole.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/text.h"

namespace ds {

namespace fs = std::filesystem;

// The whole file, or nullopt when it is missing, is a folder or cannot be read.
// Files larger than `max_bytes` are refused too.
std::optional<std::string> read_file(const fs::path& path, std::size_t max_bytes = 256u * 1024u * 1024u);

// Replaces `path` with `bytes`. Returns "" on success or why not, in plain words,
// with the full path: "permission to write there was refused (/data/Games/A/draws.txt)";
// a refused permission or a read-only disk, and a full disk or quota, are named as such.
std::string write_file_atomic(const fs::path& path, std::string_view bytes);

// An exclusive lock between processes (and between windows of one process) on one
// data file, held by a save from the comparison of the file with what the window
// read until the new file is renamed into place, so that two copies saving at the
// same moment take turns instead of one writing over the other's draw. The lock is
// the file ".NAME.lock" beside the data (flock on POSIX, LockFileEx on Windows);
// it is left in place, empty, and costs nothing when nobody holds it.
class SaveLock {
 public:
  // Waits up to `wait` for the lock; nullopt when another holder keeps it that long
  // (then a save is refused: nothing is written). When the lock file cannot be made
  // (a folder that cannot be written or does not exist yet) the lock holds nothing,
  // and the write itself then says why it failed.
  static std::optional<SaveLock> take(const fs::path& file,
                                      std::chrono::milliseconds wait = std::chrono::milliseconds(5000));
  SaveLock(SaveLock&& other) noexcept;
  SaveLock& operator=(SaveLock&& other) noexcept;
  SaveLock(const SaveLock&) = delete;
  ~SaveLock();

 private:
  SaveLock() = default;
  void release();
  std::intptr_t handle_ = -1;
};
// The message of a save refused because the lock stayed taken.
Text save_lock_refusal(const fs::path& file);

// Removes what saves that never ended left behind (a killed program, a power
// cut): the temporary files ".NAME.tmpNNNN" of write_file_atomic in `app_folder`,
// its Games/<lotto> and Tsets/<size> folders, when unchanged for `min_age` (a
// save of another copy of the program may be under way). Returns how many went.
int remove_leftover_temporaries(const fs::path& app_folder,
                                fs::file_time_type::duration min_age = std::chrono::seconds(10));

// Splits a text into lines ending in CR LF, LF or CR alone; the last line may lack one.
std::vector<std::string_view> split_lines(std::string_view text);

bool file_exists(const fs::path& path);    // a regular file
bool folder_exists(const fs::path& path);  // a folder
// Makes one folder; true when it exists afterwards.
bool make_folder(const fs::path& path);

// A name the user typed that becomes a file or folder name: not empty after
// trimming blanks, no "/", "\", control characters or a leading dot, at most
// 100 bytes (on Windows none of < > : " | ? * either). Returns the trimmed name, or
// nullopt when it is not safe.
std::optional<std::string> safe_name(std::string_view name);
// Only what a user could have chosen: a safe name that trimming leaves as it is.
bool plain_name(std::string_view name);

// Bytes of the 8-bit files (Windows-1252) to the program's UTF-8 text and back.
std::string text_from_8bit(std::string_view bytes);
// nullopt when a character has no 8-bit form.
std::optional<std::string> text_to_8bit(std::string_view utf8);

namespace testing {
// Makes the next `write_file_atomic` fail after writing `bytes` bytes of the
// temporary file, as a crash or a full disk would, with the errno `error`
// (0: an unknown cause). For tests only.
void fail_next_write_after(std::size_t bytes, int error = 0);
}  // namespace testing

}  // namespace ds
