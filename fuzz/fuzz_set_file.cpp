// A targeted-set file as the Targeted Sets window opens it: the first byte picks
// the set size (10 to 20), the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_folder.h"
#include "tsets/set_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  ds::TsetsWork work;
  work.tsets_folder = ds::tsets_folder_of(fuzz::folder());
  work.size = static_cast<std::int16_t>(ds::min_set_size + data[0] % 11);
  work.size_folder = ds::size_folder_of(work.tsets_folder, work.size);
  fuzz::put(work.size_folder / "s", std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  ds::AppState state;
  state.date_format = ds::DateFormat::iso();
  ds::read_set_file(work, "s", state);
  return 0;
}
