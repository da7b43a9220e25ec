#pragma once
// The values the windows hand to each other during one run, and the fixed texts
// they show.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/dates.h"
#include "shell/game.h"
#include "shell/grid.h"
#include "shell/numbers.h"
#include "shell/results.h"

namespace ds {

// One lotto game's rules, prizes and cost.
struct LottoDefinition {
  std::int16_t play_n = 0;  // numbers run from 1 to play_n
  std::int16_t pick_n = 0;  // numbers a draw picks
  float prize_2 = 0, prize_3 = 0, prize_4 = 0, prize_5 = 0, prize_6 = 0;
  float prize_2b = 0, prize_3b = 0, prize_4b = 0, prize_5b = 0, prize_6b = 0;
  float cost = 0;
  std::string currency;  // at most two characters in the record
  // Beyond the record (see shell/game.h): the classic shape by default.
  std::int16_t bonus_n = 1;        // 0 or 1 bonus numbers drawn from the main pool
  std::int16_t second_pool = 0;    // second-pool numbers run from 1 to second_pool
  std::int16_t second_n = 0;       // second-pool numbers a draw picks (0..2)
  std::vector<PrizeTier> tiers{};  // empty: the ten classes above
  bool operator==(const LottoDefinition&) const = default;
};

struct MessageCatalogue {
  std::string type_data;
  std::string data_not_correct;
  std::string select_lotto;
  std::string select_tset;
  std::string select_system;
  std::string incorrect_date;
  std::string please_calculate_fa;
  std::string incorrect_lotto;
  std::string incorrect_tset_size;
  std::string type_name;
  std::string select_numbers;
  std::string select_size;
  std::string select_index;
  std::string select_number;
  std::string index_exceeds;
  std::string number_repeated;
  std::string bad_cell;
  std::string strategy_name;
  std::string select_tset_row;
  std::string no_draws_data;
  // Why a file was not written (write_file_atomic adds the file's full path).
  std::string permission_refused;
  std::string disk_full;
  std::string file_not_created;
  std::string file_not_written;
  std::string file_not_replaced;
  std::string folder_has_name;
};

// The fixed texts of the program, filled once.
const MessageCatalogue& messages();

struct AppState {
  LottoDefinition lotto;
  double current_draw_date = 0;
  std::array<std::int16_t, 7> current_draw{};  // N1..N6, then the bonus
  std::string lotto_name;
  ResultsAvg results_avg{};
  ResultsCount results_min{};
  ResultsCount results_max{};
  TicketTable tickets;
  std::int16_t ticket_count = 0;
  std::string system_id;
  // The tickets of the made wheel whose results the tables hold; 0 when they
  // are a catalogue system's (whose tickets are ticket_count times the set size).
  std::int32_t wheel_tickets = 0;
  std::int16_t tset_size = 0;
  std::string tset_name;
  std::array<std::int16_t, 21> tset_numbers{};  // numbers from index 1
  std::int16_t tset_row = 0;
  std::array<std::array<float, 2>, 7> fa_table{};  // [hits][bonus]
  // A game with a second pool: the second-pool numbers the player plays,
  // ascending; every ticket is played with each second_n-subset of them.
  std::vector<int> second_picks{};
  // The current draw beyond current_draw: a 7-number game's seventh main
  // number, then the second-pool numbers (0 for none).
  std::int16_t current_draw_n7 = 0;
  std::array<std::int16_t, 2> current_draw_second{};

  // What the choices carry beyond the record, for the windows that read another's
  // work: the chosen lotto's draws once the Lotto window has read them (the draw grid:
  // date, day-number key, the numbers; draws_read false until then, as when no Lotto
  // window had loaded any), the chosen set's rows as the Targeted Sets window holds
  // them (date, then the numbers), and the forecasting table's grid once calculated.
  TextGrid draws;
  bool draws_read = false;
  TextGrid tset_rows;
  bool tset_unsaved = false;  // rows changed since the set was read, made or saved
  bool tset_save_on = false;  // the set's Save is on
  std::string tset_date;      // the Targeted Sets window's date box ("" for today)
  TextGrid fa_grid;

  // Where things live: the program's own folder (shipped samples, help pages)
  // and the folder that holds Games, Tsets and the ticket file. They are the
  // same folder unless the program's folder cannot be written.
  std::filesystem::path program_folder;
  std::filesystem::path app_folder;
  // The region's forms, read once at start.
  DateFormat date_format;
  NumberFormat number_format;
};

// The draws when a lotto is chosen and its draws were read, and the set rows when a
// set is chosen, as the analyses read them.
ChosenGrids chosen_grids(const AppState& state);

}  // namespace ds
