#include "shell/csv_export.h"

#include "shell/files.h"

namespace ds {

namespace {

template <typename Cell>
std::string join_rows(const TextGrid& grid, char separator, const char* line_end, Cell&& cell) {
  std::string out;
  for (int r = 0; r < grid.rows(); ++r) {
    bool first = true;
    for (int c = 0; c < grid.cols(); ++c) {
      if (grid.col_width(c) == TextGrid::hidden) continue;
      if (!first) out += separator;
      first = false;
      cell(out, grid.cell(r, c));
    }
    out += line_end;
  }
  return out;
}

}  // namespace

std::string grid_csv(const TextGrid& grid) {
  return join_rows(grid, ',', "\r\n", [](std::string& out, const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
      out += text;
      return;
    }
    out += '"';
    for (char ch : text) {
      if (ch == '"') out += '"';
      out += ch;
    }
    out += '"';
  });
}

std::string grid_clipboard_text(const TextGrid& grid) {
  return join_rows(grid, '\t', "\n", [](std::string& out, const std::string& text) {
    for (char ch : text) out += ch == '\t' || ch == '\r' || ch == '\n' ? ' ' : ch;
  });
}

std::string write_grid_csv(const std::filesystem::path& path, const TextGrid& grid) {
  const std::string error = write_file_atomic(path, grid_csv(grid));
  return error.empty() ? std::string{}
                       : "The file '" + path.filename().string() + "' was not written: " + error + ".";
}

Outcome table_refusal(const TextGrid& grid) {
  Outcome r;
  if (grid.rows() <= 1) r.message = DS_TR("The table has no rows yet.");
  return r;
}

Outcome export_table(const TextGrid& grid, const std::filesystem::path& file, const std::string& shown) {
  Outcome r = table_refusal(grid);
  if (!r.message.empty()) return r;
  r.message = write_grid_csv(file, grid);
  if (r.message.empty()) r.status = DS_TR("%1 rows exported to %2").arg(grid.rows() - 1).arg(shown);
  return r;
}

CopyOutcome copy_table(const TextGrid& grid) {
  CopyOutcome r;
  static_cast<Outcome&>(r) = table_refusal(grid);
  if (!r.message.empty()) return r;
  r.text = grid_clipboard_text(grid);
  r.status = DS_TR("%1 rows copied to the clipboard").arg(grid.rows() - 1);
  return r;
}

}  // namespace ds
