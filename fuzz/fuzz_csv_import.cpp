// The import of a published draw history: the first byte picks the game (how many
// numbers of how many) and the day/month answer, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lotto/draw_import.h"
#include "lotto/lotto_files.h"
#include "lotto/lotto_handlers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  ds::LottoDefinition lotto;
  lotto.pick_n = static_cast<std::int16_t>(1 + data[0] % 6);
  lotto.play_n = static_cast<std::int16_t>((data[0] & 0x40) ? 49 : 10 + (data[0] >> 3) % 8);
  const auto order = static_cast<ds::DayMonthOrder>((data[0] >> 7) * (1 + (data[0] & 1)));
  const std::string_view csv(reinterpret_cast<const char*>(data + 1), size - 1);
  const ds::DateFormat format = ds::DateFormat::iso();
  ds::TextGrid table;
  ds::empty_draw_table(table);
  const int r = table.append_row();
  table.set_cell(r, ds::col_date, "2024-01-06");
  for (int k = 0; k < 6; ++k) table.set_cell(r, ds::col_n1 + k, std::to_string(k + 1));
  table.set_cell(r, ds::col_bonus, "7");
  const ds::ImportPreview p = ds::preview_import(csv, lotto, table, format, order);
  ds::import_summary(p);
  ds::import_preview_grid(p);
  ds::merged_draws(table, p, format);
  return 0;
}
