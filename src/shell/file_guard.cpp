#include "shell/file_guard.h"

#include <algorithm>

#include "shell/fields.h"
#include "shell/files.h"
#include "shell/numbers.h"

namespace ds {

namespace fs = std::filesystem;

FileFingerprint fingerprint_of(std::string_view bytes) {
  FileFingerprint f;
  f.exists = true;
  f.size = bytes.size();
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 0x100000001b3ull;
  }
  f.hash = h;
  return f;
}

FileFingerprint take_fingerprint(const fs::path& path) {
  std::error_code ec;
  const auto time = fs::last_write_time(path, ec);
  const auto bytes = read_file(path);
  if (!bytes) return {};
  FileFingerprint f = fingerprint_of(*bytes);
  if (!ec) f.modified = static_cast<std::int64_t>(time.time_since_epoch().count());
  return f;
}

bool file_changed(const FileFingerprint& then, const FileFingerprint& now) {
  if (then.exists != now.exists) return true;
  return then.exists && (then.size != now.size || then.hash != now.hash);
}

namespace {

bool same_value(std::string_view a, std::string_view b) {
  a = trim_blanks(a);
  b = trim_blanks(b);
  if (a == b) return true;
  const auto x = parse_whole(a), y = parse_whole(b);
  return x && y && *x == *y;
}

using Key = std::pair<DayNumber, int>;  // the day, and which row of that day

// The rows of a grid by key; rows whose date does not read go to `undated`.
std::map<Key, int> rows_by_day(const TextGrid& grid, int date_col, const DateFormat& format,
                               std::vector<int>* undated) {
  std::map<Key, int> rows;
  std::map<DayNumber, int> seen;
  for (int r = grid.fixed_rows; r < grid.rows(); ++r) {
    const auto day = parse_date(grid.cell(r, date_col), format);
    if (!day) {
      if (undated) undated->push_back(r);
      continue;
    }
    rows[{*day, seen[*day]++}] = r;
  }
  return rows;
}

}  // namespace

bool same_row_values(const TextGrid& a, int row_a, const TextGrid& b, int row_b,
                     const std::vector<int>& value_cols) {
  for (int c : value_cols)
    if (!same_value(a.cell(row_a, c), b.cell(row_b, c))) return false;
  return true;
}

RowMerge plan_row_merge(const TextGrid& base, const TextGrid& mine, const TextGrid& theirs, int date_col,
                        const std::vector<int>& value_cols, const DateFormat& format) {
  RowMerge plan;
  const auto b = rows_by_day(base, date_col, format, nullptr);
  const auto m = rows_by_day(mine, date_col, format, &plan.undated);
  const auto t = rows_by_day(theirs, date_col, format, nullptr);
  std::map<Key, MergeEntry> all;
  for (const auto& [key, row] : b) all[key].base = row;
  for (const auto& [key, row] : m) all[key].mine = row;
  for (const auto& [key, row] : t) all[key].theirs = row;
  const auto same = [&](const TextGrid& x, int rx, const TextGrid& y, int ry) {
    if (rx < 0 || ry < 0) return rx < 0 && ry < 0;
    return same_row_values(x, rx, y, ry, value_cols);
  };
  using Take = MergeEntry::Take;
  for (auto& [key, e] : all) {
    e.day = key.first;
    if (same(mine, e.mine, theirs, e.theirs)) {
      e.take = e.mine >= 0 ? Take::mine : Take::neither;
    } else if (same(mine, e.mine, base, e.base)) {
      // Only the file changed this date.
      if (e.theirs >= 0) {
        e.take = Take::theirs;
        ++plan.from_file;
      } else if (e.mine >= 0) {
        e.take = Take::mine;
        e.lost_in_file = true;
        ++plan.removed_in_file;
      } else {
        e.take = Take::neither;
      }
    } else if (same(theirs, e.theirs, base, e.base)) {
      e.take = e.mine >= 0 ? Take::mine : Take::neither;
    } else {
      e.take = Take::ask;
      ++plan.conflicts;
    }
    plan.entries.push_back(e);
  }
  return plan;
}

namespace {
// 3620 -> "3,620".
std::string grouped_count(int n) {
  std::string digits = std::to_string(n), out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}
}  // namespace

void drop_lost_rows(RowMerge& plan) {
  for (MergeEntry& e : plan.entries)
    if (e.lost_in_file) e.take = MergeEntry::Take::neither;
}

Question lost_rows_question(const RowMerge& plan, const TextGrid& mine, int date_col,
                            const std::vector<int>& value_cols, const Text& file, const Text& rows) {
  constexpr int shown = 5;
  std::string examples;
  int listed = 0;
  for (const MergeEntry& e : plan.entries) {
    if (!e.lost_in_file) continue;
    if (listed++ == shown) {
      examples += "\n…";
      break;
    }
    examples += "\n" + std::string(trim_blanks(mine.cell(e.mine, date_col))) + ": " +
                row_values_text(mine, e.mine, value_cols);
  }
  const std::string count = grouped_count(plan.removed_in_file);
  return {DS_TR("The file %1 now lacks %2 of the %3 read from it: another program shortened or emptied it "
                "since this window read it.%4\n\nKeep them (they are saved again with yours), or remove "
                "them as the file did? (Cancel saves nothing.)")
              .arg(file)
              .arg(count)
              .arg(rows)
              .arg(examples),
          {DS_TR("Keep them"), DS_TR("Remove them")}};
}

TextGrid merged_grid(const RowMerge& plan, const TextGrid& mine, const TextGrid& theirs,
                     const std::vector<bool>& keep_mine, std::vector<int>* from_mine) {
  TextGrid out = mine;
  out.set_rows(mine.fixed_rows);
  std::vector<int> origin(static_cast<std::size_t>(out.rows()), -1);
  const auto add = [&](const TextGrid& src, int row, bool is_mine) {
    const int r = out.append_row();
    for (int c = 0; c < out.cols(); ++c) out.set_cell(r, c, src.cell(row, c));
    origin.push_back(is_mine ? row : -1);
  };
  std::size_t answer = 0;
  using Take = MergeEntry::Take;
  for (const MergeEntry& e : plan.entries) {
    Take take = e.take;
    if (take == Take::ask) {
      const bool mine_wins = answer < keep_mine.size() ? keep_mine[answer] : true;
      ++answer;
      take = mine_wins ? (e.mine >= 0 ? Take::mine : Take::neither)
                       : (e.theirs >= 0 ? Take::theirs : Take::neither);
    }
    if (take == Take::mine) add(mine, e.mine, true);
    if (take == Take::theirs) add(theirs, e.theirs, false);
  }
  for (int r : plan.undated) add(mine, r, true);
  if (from_mine) *from_mine = std::move(origin);
  return out;
}

std::string row_values_text(const TextGrid& grid, int row, const std::vector<int>& value_cols) {
  if (row < 0) return "(none)";
  std::string text;
  for (int c : value_cols) {
    if (!text.empty()) text += ' ';
    text += trim_blanks(grid.cell(row, c));
  }
  return text;
}

LoadedFile loaded_file(const fs::path& path, const FileFingerprint& before, const TextGrid& rows) {
  LoadedFile f;
  f.path = path;
  f.fingerprint = before;
  f.rows = rows;
  f.reported = before;
  return f;
}

DiskNotice notice_disk_change(LoadedFile& loaded, const FileFingerprint& now, bool unsaved,
                              const Text& what) {
  DiskNotice n;
  if (loaded.path.empty()) return n;
  if (!file_changed(loaded.fingerprint, now)) {
    loaded.reported = now;
    return n;
  }
  if (!file_changed(loaded.reported, now)) return n;
  loaded.reported = now;
  if (!now.exists) {
    n.removed = true;
    n.status = DS_TR("The file of %1 was removed outside this window. Save writes it again.").arg(what);
    return n;
  }
  if (unsaved) {
    n.status = DS_TR(
                   "The file of %1 was changed outside this window. Your changes are kept: Save merges them "
                   "with the file.")
                   .arg(what);
    return n;
  }
  n.offer_reload = true;
  n.question.text = DS_TR(
                        "The file of %1 was changed outside this window (by another program or another copy "
                        "of Drawsmith). Read it again?")
                        .arg(what);
  n.question.buttons = {DS_TR("Reload")};
  return n;
}

}  // namespace ds
