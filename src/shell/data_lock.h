#pragma once
// The lock file in the data folder: one copy of the program at a time should
// work on one folder. A second copy is told at start and may go on (saves merge
// with what the other copy wrote); a lock left by a copy that ended without
// removing it (killed, crashed) is taken over.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ds {

// Who holds the lock: a process on a host.
struct LockHolder {
  long pid = 0;
  std::string host;
  bool operator==(const LockHolder&) const = default;
};

// This process.
LockHolder this_process();
// Whether a process of this host is running (a process of another user counts).
bool process_alive(long pid);

// The lock file's name in the data folder and its text: "pid host" and CR LF.
inline constexpr const char* lock_file_name = "drawsmith.lock";
std::string lock_text(const LockHolder& holder);
// nullopt-like: pid 0 when the text holds no lock.
LockHolder parse_lock(std::string_view text);

enum class LockState {
  taken,         // the folder was free: the lock is ours
  taken_over,    // a lock of a process that is gone (or an unreadable one) was replaced by ours
  held,          // another running copy holds it: it is left alone
  not_writable,  // the lock cannot be written (a read-only folder): nothing to protect
};
struct LockResult {
  LockState state = LockState::taken;
  LockHolder holder;    // held: the other copy
  std::string message;  // held: what the user is told; "" otherwise
};
// Takes the lock of `folder` for `me`. A lock of `me` is ours already; a lock of
// another process of this host is stale when `alive` says it is gone; a lock of
// another host cannot be checked and counts as held.
LockResult take_data_lock(const std::filesystem::path& folder, const LockHolder& me,
                          const std::function<bool(long)>& alive = process_alive);
// At a clean exit: removes the lock when it is `me`'s, and only then.
void release_data_lock(const std::filesystem::path& folder, const LockHolder& me);

}  // namespace ds
