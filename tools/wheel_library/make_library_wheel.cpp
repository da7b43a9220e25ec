// One size of the wheel library (tools/make-library runs it size after size):
//   make_library_wheel [--cycle N] V K T M SECONDS SEED THREADS MAKER OUT [START]
// searches a wheel for "T if M" on V numbers with K per ticket, starting from the wheel
// in START when given, and writes it to OUT (a Wheels file) only when it is smaller than
// START. --cycle N: the cyclic phase turns 1..N (MakeRequest::cycle). `made=` records the date, seed,
// seconds, threads and MAKER (the maker's commit). Ends with 0 when OUT was written, 3 when no smaller wheel
// was found, 2 on a fault.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/files.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_file.h"
#include "wheels/wheel_maker.h"

int main(int argc, char** argv) {
  ds::MakeRequest request;
  if (argc > 2 && std::string(argv[1]) == "--cycle") {
    request.cycle = std::atoi(argv[2]);
    argc -= 2;
    argv += 2;
  }
  if (argc != 10 && argc != 11) {
    std::fputs("Usage: make_library_wheel [--cycle N] V K T M SECONDS SEED THREADS MAKER OUT [START]\n",
               stderr);
    return 2;
  }
  request.v = std::atoi(argv[1]);
  request.k = std::atoi(argv[2]);
  request.t = std::atoi(argv[3]);
  request.m = std::atoi(argv[4]);
  request.seconds = std::atof(argv[5]);
  request.seed = std::strtoull(argv[6], nullptr, 10);
  request.threads = std::atoi(argv[7]);
  std::size_t start_size = 0;
  if (argc == 11) {
    const auto bytes = ds::read_file(argv[10]);
    const ds::WheelRead read = bytes ? ds::parse_wheel_file(*bytes) : ds::WheelRead{};
    if (!read.ok || read.wheel.v != request.v || read.wheel.k != request.k || read.wheel.t != request.t ||
        read.wheel.m != request.m || !ds::meets_guarantee(read.wheel, request.t, request.m)) {
      std::fprintf(stderr, "%s is not a complete wheel of this size.\n", argv[10]);
      return 2;
    }
    request.start = read.wheel.tickets;
    start_size = read.wheel.tickets.size();
  }
  if (const std::string error = ds::make_request_error(request); !error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  ds::MakeProgress progress;
  std::optional<ds::Wheel> wheel = ds::make_wheel(request, {}, progress);
  if (!wheel || (start_size && wheel->tickets.size() >= start_size)) {
    std::printf("%zu\n", start_size);
    return 3;
  }
  wheel->made += ", " + std::to_string(request.threads) + " threads, maker " + argv[8];
  if (const std::string error = ds::write_file_atomic(argv[9], ds::wheel_file_text(*wheel)); !error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  std::printf("%zu\n", wheel->tickets.size());
  return 0;
}
