#include "shell/data_lock.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <charconv>
#include <csignal>

#include "shell/fields.h"
#include "shell/files.h"

namespace ds {

namespace fs = std::filesystem;

#ifdef _WIN32
LockHolder this_process() {
  LockHolder me;
  me.pid = static_cast<long>(GetCurrentProcessId());
  char host[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof host;
  if (GetComputerNameA(host, &size)) me.host.assign(host, size);
  if (me.host.empty()) me.host = "localhost";
  return me;
}

bool process_alive(long pid) {
  if (pid <= 0) return false;
  const HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  // Access refused is a process of another user: alive.
  if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(h, &code) && code == STILL_ACTIVE;
  CloseHandle(h);
  return running;
}
#else
LockHolder this_process() {
  LockHolder me;
  me.pid = static_cast<long>(::getpid());
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) == 0) me.host = host;
  if (me.host.empty()) me.host = "localhost";
  return me;
}

bool process_alive(long pid) {
  if (pid <= 0) return false;
  // Signal 0 checks without sending: EPERM is a process of another user.
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}
#endif

std::string lock_text(const LockHolder& holder) {
  return std::to_string(holder.pid) + " " + holder.host + "\r\n";
}

LockHolder parse_lock(std::string_view text) {
  const auto end = text.find_first_of("\r\n");
  text = trim_blanks(text.substr(0, end));
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) return {};
  LockHolder h;
  const std::string_view pid = text.substr(0, blank);
  const auto [p, ec] = std::from_chars(pid.data(), pid.data() + pid.size(), h.pid);
  h.host = std::string(trim_blanks(text.substr(blank + 1)));
  if (ec != std::errc{} || p != pid.data() + pid.size() || h.pid <= 0 || h.host.empty()) return {};
  return h;
}

namespace {

enum class Made { made, exists, failed };

// Makes the lock file whole or not at all: the text is written beside it under
// a name of this process, then linked to the lock's name, which fails when a
// lock exists. Where the file system has no links, it is written in place.
Made make_lock(const fs::path& lock, const LockHolder& me) {
  const fs::path mine = lock.parent_path() / ("." + lock.filename().string() + "." + std::to_string(me.pid));
  if (!write_file_atomic(mine, lock_text(me)).empty()) return Made::failed;
#ifdef _WIN32
  // A hard link fails as link() does when the lock exists.
  const int linked = CreateHardLinkW(lock.c_str(), mine.c_str(), nullptr) ? 0 : -1;
  const DWORD code = linked == 0 ? 0 : GetLastError();
  const int error = code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS       ? EEXIST
                    : code == ERROR_INVALID_FUNCTION || code == ERROR_NOT_SUPPORTED ? ENOTSUP
                                                                                    : EIO;
#else
  const int linked = ::link(mine.c_str(), lock.c_str());
  const int error = errno;
#endif
  std::error_code ec;
  fs::remove(mine, ec);
  if (linked == 0) return Made::made;
  if (error == EEXIST) return Made::exists;
  if (error == EPERM || error == ENOTSUP || error == EOPNOTSUPP)
    return write_file_atomic(lock, lock_text(me)).empty() ? Made::made : Made::failed;
  return Made::failed;
}

std::string held_message(const fs::path& folder, const LockHolder& other) {
  return "Another copy of Drawsmith (process " + std::to_string(other.pid) + " on '" + other.host +
         "') is working on the data in " + folder.string() +
         ".\n\nYou may go on. When both copies save the same file, the later save keeps what the other "
         "saved and asks about any draw or set row that both changed. It is safest to work in one copy.";
}

}  // namespace

LockResult take_data_lock(const fs::path& folder, const LockHolder& me,
                          const std::function<bool(long)>& alive) {
  LockResult r;
  const fs::path lock = folder / lock_file_name;
  bool replaced = false;
  // A stale lock removed by this copy may be taken by another copy starting at
  // the same moment: then that copy holds it, and this one is told so.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const Made made = make_lock(lock, me);
    if (made == Made::made) {
      r.state = replaced ? LockState::taken_over : LockState::taken;
      return r;
    }
    if (made == Made::failed) {
      r.state = LockState::not_writable;
      return r;
    }
    const LockHolder holder = parse_lock(read_file(lock, 4096).value_or(""));
    if (holder == me) {
      r.state = LockState::taken;
      return r;
    }
    const bool stale = holder.pid == 0 || (holder.host == me.host && !alive(holder.pid));
    if (!stale) {
      r.state = LockState::held;
      r.holder = holder;
      r.message = held_message(folder, holder);
      return r;
    }
    std::error_code ec;
    fs::remove(lock, ec);
    replaced = true;
  }
  r.state = LockState::not_writable;
  return r;
}

void release_data_lock(const fs::path& folder, const LockHolder& me) {
  const fs::path lock = folder / lock_file_name;
  const auto text = read_file(lock, 4096);
  if (!text || parse_lock(*text) != me) return;
  std::error_code ec;
  fs::remove(lock, ec);
}

}  // namespace ds
