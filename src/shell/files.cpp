#include "shell/files.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <random>

namespace ds {

namespace {
std::optional<std::size_t> fail_after;

// Windows-1252 characters 0x80-0x9F; 0 where the code page has none.
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
void fail_next_write_after(std::size_t bytes) { fail_after = bytes; }
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

// The temporary file: created, filled and flushed to the disk. Returns whether all
// `limit` bytes of `bytes` (all of them unless a test asks for a failure) got there.
#ifdef _WIN32
bool write_whole(const fs::path& temp, std::string_view bytes, std::size_t limit, bool& created) {
  const HANDLE h =
      CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  created = h != INVALID_HANDLE_VALUE;
  if (!created) return false;
  std::size_t done = 0;
  while (done < limit) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(limit - done, 1u << 30));
    DWORD n = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &n, nullptr) || n == 0) break;
    done += n;
  }
  const bool flushed = done == bytes.size() && FlushFileBuffers(h);
  CloseHandle(h);
  return flushed;
}

// MoveFileEx replaces the target in one step, as rename does on POSIX; write-through
// returns only once the move is on the disk.
bool replace_file(const fs::path& temp, const fs::path& path) {
  return MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
#else
bool write_whole(const fs::path& temp, std::string_view bytes, std::size_t limit, bool& created) {
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  created = fd >= 0;
  if (!created) return false;
  std::size_t done = 0;
  while (done < limit) {
    const auto n = ::write(fd, bytes.data() + done, limit - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const bool flushed = done == bytes.size() && ::fsync(fd) == 0;
  ::close(fd);
  return flushed;
}

bool replace_file(const fs::path& temp, const fs::path& path) {
  std::error_code ec;
  fs::rename(temp, path, ec);
  return !ec;
}
#endif

}  // namespace

std::string write_file_atomic(const fs::path& path, std::string_view bytes) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "a folder has that name";
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
  const bool complete = write_whole(temp, bytes, limit, created) && !failing;
  if (!created) return "the file cannot be created";
  if (!complete) {
    fs::remove(temp, ec);
    return "the file could not be written completely";
  }
  if (!replace_file(temp, path)) {
    fs::remove(temp, ec);
    return "the file could not be replaced";
  }
  return {};
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

std::string text_from_8bit(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    if (b < 0x80)
      out += static_cast<char>(b);
    else if (b < 0xA0)
      append_utf8(out, cp1252_high[b - 0x80] ? cp1252_high[b - 0x80] : 0xFFFD);
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
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
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
