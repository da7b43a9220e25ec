// param.tix, the 52-byte lotto definition: decoded, and what decodes encodes back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lotto/lotto_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto def = ds::decode_definition(bytes);
  if (!def) return 0;
  // A record read from a file is written back the same when it is saved unchanged.
  const auto again = ds::encode_definition(*def);
  if (!again) std::abort();
  return 0;
}
