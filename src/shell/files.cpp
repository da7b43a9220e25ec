#include "shell/files.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <thread>

#include "shell/app_state.h"

namespace ds {

namespace {
std::optional<std::size_t> fail_after;
int fail_errno = 0;

// Windows-1252 characters 0x80-0x9F; 0 where the code page has none (0x81, 0x8D,
// 0x8F, 0x90, 0x9D: read as the control characters U+0081 and so on).
constexpr std::array<char32_t, 32> cp1252_high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}
}  // namespace

namespace testing {
void fail_next_write_after(std::size_t bytes, int error) {
  fail_after = bytes;
  fail_errno = error;
}
}  // namespace testing

std::optional<std::string> read_file(const fs::path& path, std::size_t max_bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const auto size = fs::file_size(path, ec);
  if (ec || size > max_bytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data(static_cast<std::size_t>(size), '\0');
  in.read(data.data(), static_cast<std::streamsize>(size));
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

namespace {
// Why a write failed, in plain words, with the file's full path.
std::string write_failure(const std::string& fallback, int error, const fs::path& path) {
  const MessageCatalogue& m = messages();
  std::string reason = fallback;
  if (error == EACCES || error == EPERM || error == EROFS)
    reason = m.permission_refused;
  else if (error == ENOSPC
#ifdef EDQUOT
           || error == EDQUOT
#endif
  )
    reason = m.disk_full;
  return reason + " (" + path.string() + ")";
}

// The temporary file: created, filled and flushed to the disk. Returns whether all
// `limit` bytes of `bytes` (all of them unless a test asks for a failure) got there;
// `error` says why not (an errno value, 0 when unknown).
#ifdef _WIN32
int errno_of(DWORD code) {
  switch (code) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    default:
      return 0;
  }
}

bool write_whole(const fs::path& temp, std::string_view bytes, std::size_t limit, bool& created, int& error) {
  const HANDLE h =
      CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  created = h != INVALID_HANDLE_VALUE;
  if (!created) {
    error = errno_of(GetLastError());
    return false;
  }
  std::size_t done = 0;
  while (done < limit) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(limit - done, 1u << 30));
    DWORD n = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &n, nullptr) || n == 0) {
      error = n == 0 ? ENOSPC : errno_of(GetLastError());
      break;
    }
    done += n;
  }
  const bool flushed = done == bytes.size() && FlushFileBuffers(h);
  if (done == bytes.size() && !flushed) error = errno_of(GetLastError());
  CloseHandle(h);
  return flushed;
}

// MoveFileEx replaces the target in one step, as rename does on POSIX; write-through
// returns only once the move is on the disk.
int replace_file(const fs::path& temp, const fs::path& path) {
  if (MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
    return -1;
  return errno_of(GetLastError());
}
#else
bool write_whole(const fs::path& temp, std::string_view bytes, std::size_t limit, bool& created, int& error) {
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  created = fd >= 0;
  if (!created) {
    error = errno;
    return false;
  }
  std::size_t done = 0;
  while (done < limit) {
    const auto n = ::write(fd, bytes.data() + done, limit - done);
    if (n <= 0) {
      error = n < 0 ? errno : ENOSPC;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  bool flushed = done == bytes.size();
  if (flushed && ::fsync(fd) != 0) {
    flushed = false;
    error = errno;
  }
  ::close(fd);
  return flushed;
}

// -1 when the file was replaced, otherwise why not (an errno value).
int replace_file(const fs::path& temp, const fs::path& path) {
  std::error_code ec;
  fs::rename(temp, path, ec);
  return ec ? ec.value() : -1;
}
#endif

}  // namespace

std::string write_file_atomic(const fs::path& path, std::string_view bytes) {
  const MessageCatalogue& m = messages();
  std::error_code ec;
  if (fs::is_directory(path, ec)) return write_failure(m.folder_has_name, 0, path);
  // A file its owner marked read-only is not replaced: renaming over it would
  // succeed in a writable folder and silently make it writable again.
  if (const fs::file_status st = fs::status(path, ec);
      !ec && fs::is_regular_file(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none)
    return write_failure(m.permission_refused, EACCES, path);
  static std::mt19937_64 rng{std::random_device{}()};
  // ".<name>.tmp<n>" beside the target, built without a narrow conversion of the name
  // (on Windows a name outside the code page would not convert).
  fs::path temp = path.parent_path() / ".";
  temp += path.filename();
  temp += ".tmp" + std::to_string(rng() % 1000000);
  std::size_t limit = bytes.size();
  const bool failing = fail_after.has_value();
  if (failing) {
    limit = std::min(limit, *fail_after);
    fail_after.reset();
  }
  bool created = false;
  int error = 0;
  const bool complete = write_whole(temp, bytes, limit, created, error) && !failing;
  if (!created) return write_failure(m.file_not_created, error, path);
  if (!complete) {
    if (failing) error = fail_errno;
    fs::remove(temp, ec);
    return write_failure(m.file_not_written, error, path);
  }
  if (const int replace_error = replace_file(temp, path); replace_error != -1) {
    fs::remove(temp, ec);
    return write_failure(m.file_not_replaced, replace_error, path);
  }
  return {};
}

namespace {
// ".NAME.tmpNNNN" with one to six digits, as write_file_atomic names its temporary file.
bool temporary_name(const std::string& name) {
  const auto tmp = name.rfind(".tmp");
  if (name.size() < 2 || name[0] != '.' || tmp == std::string::npos || tmp < 2) return false;
  const std::size_t digits = name.size() - tmp - 4;
  if (digits < 1 || digits > 6) return false;
  for (std::size_t i = tmp + 4; i < name.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return true;
}

int remove_temporaries_in(const fs::path& folder, fs::file_time_type before) {
  int removed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code item_ec;
    if (!it->is_regular_file(item_ec) || !temporary_name(it->path().filename().string())) continue;
    const auto changed = it->last_write_time(item_ec);
    if (item_ec || changed > before) continue;
    removed += fs::remove(it->path(), item_ec) ? 1 : 0;
  }
  return removed;
}
}  // namespace

namespace {
fs::path lock_path(const fs::path& file) {
  fs::path lock = file.parent_path() / ".";
  lock += file.filename();
  lock += ".lock";
  return lock;
}
}  // namespace

std::optional<SaveLock> SaveLock::take(const fs::path& file, std::chrono::milliseconds wait) {
  const auto until = std::chrono::steady_clock::now() + wait;
  const fs::path path = lock_path(file);
#ifdef _WIN32
  const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return SaveLock();
  for (;;) {
    OVERLAPPED at{};
    if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) break;
    if (std::chrono::steady_clock::now() >= until) {
      CloseHandle(h);
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  SaveLock lock;
  lock.handle_ = reinterpret_cast<std::intptr_t>(h);
  return lock;
#else
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return SaveLock();
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until) {
      ::close(fd);
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  SaveLock lock;
  lock.handle_ = fd;
  return lock;
#endif
}

SaveLock::SaveLock(SaveLock&& other) noexcept : handle_(other.handle_) { other.handle_ = -1; }

SaveLock& SaveLock::operator=(SaveLock&& other) noexcept {
  if (this != &other) {
    release();
    handle_ = other.handle_;
    other.handle_ = -1;
  }
  return *this;
}

SaveLock::~SaveLock() { release(); }

void SaveLock::release() {
  if (handle_ == -1) return;
#ifdef _WIN32
  const HANDLE h = reinterpret_cast<HANDLE>(handle_);
  OVERLAPPED at{};
  UnlockFileEx(h, 0, 1, 0, &at);
  CloseHandle(h);
#else
  ::flock(static_cast<int>(handle_), LOCK_UN);
  ::close(static_cast<int>(handle_));
#endif
  handle_ = -1;
}

Text save_lock_refusal(const fs::path& file) {
  return DS_TR(
             "Another copy of Drawsmith (or another program) kept '%1' locked for a save for several "
             "seconds, so nothing was saved. Please save again in a moment (%2).")
      .arg(file.filename().string())
      .arg(file.string());
}

int remove_leftover_temporaries(const fs::path& app_folder, fs::file_time_type::duration min_age) {
  const auto before = fs::file_time_type::clock::now() - min_age;
  int removed = remove_temporaries_in(app_folder, before);
  for (const char* parent : {"Games", "Tsets"}) {
    std::error_code ec;
    for (fs::directory_iterator it(app_folder / parent, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code dir_ec;
      if (it->is_directory(dir_ec)) removed += remove_temporaries_in(it->path(), before);
    }
  }
  return removed;
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool file_exists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool folder_exists(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool make_folder(const fs::path& path) {
  std::error_code ec;
  fs::create_directory(path, ec);
  return fs::is_directory(path, ec);
}

std::optional<std::string> safe_name(std::string_view name) {
  const auto a = name.find_first_not_of(' ');
  if (a == std::string_view::npos) return std::nullopt;
  name = name.substr(a, name.find_last_not_of(' ') - a + 1);
  if (name.size() > 100 || name.front() == '.') return std::nullopt;
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return std::nullopt;
#ifdef _WIN32
  // Characters Windows refuses in a file name: asked again rather than failing at the write.
  if (name.find_first_of("<>:\"|?*") != std::string_view::npos) return std::nullopt;
#endif
  return std::string(name);
}

bool plain_name(std::string_view name) {
  const auto safe = safe_name(name);
  return safe && *safe == name;
}

std::string text_from_8bit(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    if (b < 0x80)
      out += static_cast<char>(b);
    else if (b < 0xA0)
      // The five bytes the code page leaves undefined become the control characters
      // of the same value, so that they are written back as they were read.
      append_utf8(out, cp1252_high[b - 0x80] ? cp1252_high[b - 0x80] : char32_t{b});
    else
      append_utf8(out, b);
  }
  return out;
}

std::optional<std::string> text_to_8bit(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char b = utf8[i];
    char32_t c = 0;
    int len = 1;
    if (b < 0x80)
      c = b;
    else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F;
      len = 3;
    } else
      return std::nullopt;
    if (i + len > utf8.size()) return std::nullopt;
    for (int k = 1; k < len; ++k) {
      const unsigned char cb = utf8[i + k];
      if ((cb & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (cb & 0x3F);
    }
    i += len;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || (c < 0xA0 && cp1252_high[c - 0x80] == 0)) {
      out += static_cast<char>(c);
      continue;
    }
    bool found = false;
    for (std::size_t k = 0; k < cp1252_high.size(); ++k)
      if (cp1252_high[k] == c && c != 0) {
        out += static_cast<char>(0x80 + k);
        found = true;
        break;
      }
    if (!found) return std::nullopt;
  }
  return out;
}

}  // namespace ds
