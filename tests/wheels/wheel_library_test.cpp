// The wheel library: its reader on entries written by hand, the commands, and every
// shipped wheel checked against its guarantee.
#include "wheels/wheel_library.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scratch.h"
#include "systems/wheel_command.h"
#include "systems/wheel_handlers.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_maker.h"

namespace ds {
namespace {

TEST(WheelLibrary, HandWrittenEntriesAreListedAndWrittenAndAHoleIsRefused) {
  test::ScratchFolder scratch;
  const auto library = scratch.path() / "wheel_library.txt";
  // 1 2 3 and 1 4 5 hold 2 of any 3 of five numbers; on four numbers 1 2 3 and 1 2 4 miss
  // the pair 3 4; the three tickets on ten numbers are the 4 if 6 wheel of the maker's test.
  scratch.put(library,
              "# by hand\n# wheel v=5 k=3 t=2 m=3 tickets=2 made=by hand\n1 2 3\n1 4 5\n"
              "# wheel v=4 k=3 t=2 m=2 tickets=2 made=by hand\n1 2 3\n1 2 4\n"
              "# wheel v=10 k=6 t=4 m=6 tickets=3 made=by hand\n1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 10\n");
  EXPECT_EQ(run_wheel_command({"--library"}, library).out, "5 3 2 3 2\n4 3 2 2 2\n10 6 4 6 3\n");
  const auto out = scratch.path() / "w.txt";
  const auto wheel = [&](const char* v, const char* k, const char* g) {
    return run_wheel_command({"--library-wheel", v, "--ticket", k, "--guarantee", g, "--out", out.string()},
                             library);
  };
  EXPECT_EQ(wheel("5", "3", "2-if-3").exit_code, 0);
  EXPECT_EQ(read_file(out), "# wheel v=5 k=3 t=2 m=3 made=by hand\n1 2 3\n1 4 5\n");
  std::filesystem::remove(out);
  EXPECT_EQ(wheel("4", "3", "2-if-2").err,
            "The library's wheel for 4 numbers, 3 per ticket, 2 if 2 has holes; it was not written.\n");
  EXPECT_EQ(wheel("5", "3", "2-if-2").exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(run_wheel_command({"--library", "x"}, library).exit_code, 2);
  EXPECT_FALSE(library_wheel(library, 4, 3, 2, 2));  // the maker never starts from a wheel with a hole
  MakeWheelModel model;
  EXPECT_EQ(make_wheel_run(model, {"10", "6", "4", "6", "60", "1"}, library).request->start.size(), 3u);
  // the maker starts from the library's wheel: one move finds nothing smaller
  const CommandRun made = run_wheel_command({"--make-wheel", "10", "--ticket", "6", "--guarantee", "4-if-6",
                                             "--steps", "1", "--threads", "1", "--out", out.string()},
                                            library);
  EXPECT_NE(made.out.find("Started from the library's wheel of 3 tickets; none fewer found.\n"),
            std::string::npos);
  EXPECT_EQ(read_file(out).value_or("").substr(read_file(out).value_or("").find('\n')),
            "\n1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 10\n");

  EXPECT_EQ(parse_wheel_library("# wheel v=4 k=3 t=2 m=2 tickets=3 made=\n1 2 3\n1 2 4\n").error,
            "Line 1 of the wheel library: the header's tickets= is not the 2 tickets that follow");
  EXPECT_EQ(parse_wheel_library("# wheel v=4 k=3 t=2 m=2 tickets=1 made=\n1 2 3\n"
                                "# wheel v=4 k=3 t=2 m=2 tickets=1 made=\n1 2 4\n")
                .error,
            "Line 3 of the wheel library: a second entry of the same size");
  EXPECT_EQ(parse_wheel_library("1 2 3\n").error,
            "Line 1 of the wheel library: a ticket before the first \"# wheel\" header");
  EXPECT_EQ(parse_wheel_library("# wheel v=4 k=3 t=2 m=2 tickets=1 made=\n1 2 3\n"
                                "# wheel v=5 k=3 t=2 m=2 tickets=1 made=\n1 2 6\n")
                .error,
            "Line 4 of the wheel library: '6' is not a position 1 to 5");
}

// Every shipped wheel holds its guarantee exhaustively, has more than one ticket, is within
// the maker's limits, no T if T wheel is below Schönheim's bound, and each says how it
// was made.
TEST(WheelLibrary, EveryShippedWheelHoldsItsGuarantee) {
  const auto bytes = read_file(std::filesystem::path(DRAWSMITH_SOURCE_DIR) / "data" / "wheel_library.txt");
  ASSERT_TRUE(bytes);
  const LibraryRead library = parse_wheel_library(*bytes);
  ASSERT_TRUE(library.ok) << library.error;
  EXPECT_GT(library.wheels.size(), 50u);
  for (const Wheel& w : library.wheels) {
    SCOPED_TRACE(library_listing({w}));
    EXPECT_TRUE(meets_guarantee(w, w.t, w.m));
    EXPECT_GT(w.tickets.size(), 1u);
    MakeRequest size;
    size.v = w.v, size.k = w.k, size.t = w.t, size.m = w.m;
    EXPECT_EQ(make_request_error(size), "");
    EXPECT_TRUE(w.k >= 5 && w.k <= 7 && w.t >= 3);
    EXPECT_GE(static_cast<long long>(w.tickets.size()), known_bound(w.v, w.k, w.t, w.m));
    EXPECT_NE(w.made.find(", maker "), std::string::npos);
  }
}

}  // namespace
}  // namespace ds
