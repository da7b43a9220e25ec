// A wheel as the Systems window reads it from the Wheels folder, and any ticket list
// as Check a Wheel opens it: the first byte says whether lotto numbers are given.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "wheels/wheel_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  ds::parse_wheel_file(bytes);
  std::vector<int> set;
  if (data[0] & 1)
    for (int n = 1; n <= 20; ++n) set.push_back(n * 2);
  ds::parse_ticket_list(bytes, set);
  return 0;
}
