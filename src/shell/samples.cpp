#include "shell/samples.h"

#include "shell/files.h"

namespace ds {

namespace {
bool target_exists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}
void copy_if_missing(const fs::path& from, const fs::path& to) {
  if (target_exists(to)) return;
  if (const auto bytes = read_file(from)) write_file_atomic(to, *bytes);
}
void make_if_missing(const fs::path& p) {
  if (!target_exists(p)) make_folder(p);
}
}  // namespace

void create_samples(const fs::path& program_folder, const fs::path& app_folder) {
  const fs::path d1 = program_folder / "d1";
  const fs::path d1a = program_folder / "d1a";
  const fs::path d2 = program_folder / "d2";
  if (!file_exists(d1)) return;
  const fs::path games = app_folder / "Games";
  const fs::path lotto = games / "Canada_6_49";
  make_if_missing(games);
  make_if_missing(lotto);
  copy_if_missing(d1, lotto / "draws.txt");
  if (!file_exists(d1a)) return;
  copy_if_missing(d1a, lotto / "param.tix");
  if (!file_exists(d2)) return;
  const fs::path tsets = app_folder / "Tsets";
  const fs::path ten = tsets / "10";
  make_if_missing(tsets);
  make_if_missing(ten);
  copy_if_missing(d2, ten / "Forecaster1");
}

}  // namespace ds
