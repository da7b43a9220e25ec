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

// The shipped games of other shapes than the sample 6/49: each a game.txt and,
// for some, a short history.
struct ShippedGame {
  const char* lotto;
  const char* definition;
  const char* draws;  // nullptr: shipped without a history
};
constexpr ShippedGame shipped_games[] = {
    {"USA_Powerball", "game_powerball", "draws_powerball"},
    {"EuroMillions", "game_euromillions", nullptr},
    {"Canada_Lotto_Max", "game_lotto_max", nullptr},
};

// A shipped game goes into a folder of its own only: a folder that holds a
// definition of the user's (either file) keeps it, and a history of the user's stays.
void install_game(const ShippedGame& g, const fs::path& program_folder, const fs::path& games) {
  const fs::path definition = program_folder / g.definition;
  if (!file_exists(definition)) return;
  const fs::path lotto = games / g.lotto;
  make_if_missing(games);
  make_if_missing(lotto);
  if (!target_exists(lotto / "param.tix")) copy_if_missing(definition, lotto / "game.txt");
  if (g.draws && file_exists(program_folder / g.draws))
    copy_if_missing(program_folder / g.draws, lotto / "draws.txt");
}

}  // namespace

void create_samples(const fs::path& program_folder, const fs::path& app_folder) {
  for (const ShippedGame& g : shipped_games) install_game(g, program_folder, app_folder / "Games");
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
