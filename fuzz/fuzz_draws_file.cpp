// draws.txt as the Lotto window reads it, in an ISO and a day/month region.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_folder.h"
#include "lotto/lotto_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto games = fuzz::folder() / "Games";
  fuzz::put(games / "g" / "draws.txt", std::string_view(reinterpret_cast<const char*>(data), size));
  ds::TextGrid grid;
  ds::read_draws(games, "g", grid, ds::DateFormat::iso());
  ds::DateFormat dmy;
  dmy.order = ds::DateFormat::Order::dmy;
  dmy.separator = '/';
  ds::read_draws(games, "g", grid, dmy);
  return 0;
}
