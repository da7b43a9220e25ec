// The Wheels file layout and the reading of any ticket list.
#include "wheels/wheel_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch.h"

namespace ds {
namespace {

using Tickets = std::vector<std::vector<int>>;

TEST(WheelFile, TextIsPinnedAndReadsBack) {
  Wheel w;
  w.v = 10;
  w.k = 6;
  w.t = 4;
  w.m = 6;
  w.made = "made by hand\r\non paper";
  w.tickets = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 10}};
  const std::string text =
      "# wheel v=10 k=6 t=4 m=6 made=made by hand  on paper\n"
      "1 2 3 4 5 6\n"
      "1 2 3 7 8 9\n"
      "4 5 6 7 8 10\n";
  EXPECT_EQ(wheel_file_text(w), text);
  const WheelRead read = parse_wheel_file(text);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.wheel.v, 10);
  EXPECT_EQ(read.wheel.k, 6);
  EXPECT_EQ(read.wheel.t, 4);
  EXPECT_EQ(read.wheel.m, 6);
  EXPECT_EQ(read.wheel.made, "made by hand  on paper");
  EXPECT_EQ(read.wheel.tickets, w.tickets);
  EXPECT_EQ(wheel_file_name(w), "10_6_4if6.txt");
}

TEST(WheelFile, ReadsWhatAHandWouldWrite) {
  // CR LF, a BOM, blank and comment lines, unsorted tickets, extra header fields
  const WheelRead read = parse_wheel_file(
      "\xEF\xBB\xBF# wheel v=7 k=3 t=2 m=2 tickets=2 made=\r\n\r\n# the first\r\n3 1 2\r\n  7\t5 6 \r\n");
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.wheel.tickets, (Tickets{{1, 2, 3}, {5, 6, 7}}));
  EXPECT_EQ(read.wheel.made, "");
}

TEST(WheelFile, FaultsNameTheLine) {
  struct Case {
    const char* text;
    const char* error_starts;
  };
  const Case cases[] = {
      {"1 2 3\n", "Line 1: a wheel file starts"},
      {"# wheel v=7 k=3 t=2\n1 2 3\n", "Line 1: the header has no m="},
      {"# wheel v=7 k=3 t=4 m=5\n1 2 3\n", "Line 1: the guarantee"},
      {"# wheel v=99 k=3 t=2 m=2\n1 2 3\n", "Line 1: the set must have 1 to 63"},
      {"# wheel v=7 k=3 t=2 m=2\n1 2 3\n\n1 2 8\n", "Line 4: '8' is not a position 1 to 7"},
      {"# wheel v=7 k=3 t=2 m=2\n1 2 3\n1 2\n", "Line 3: a ticket has 3 numbers, this one 2"},
      {"# wheel v=7 k=3 t=2 m=2\n1 2 2\n", "Line 2: 2 appears twice"},
      {"# wheel v=7 k=3 t=2 m=2\n# nothing\n", "The file holds no tickets."},
  };
  for (const Case& c : cases) {
    const WheelRead read = parse_wheel_file(c.text);
    EXPECT_FALSE(read.ok) << c.text;
    EXPECT_EQ(read.error.rfind(c.error_starts, 0), 0u) << read.error;
  }
}

TEST(TicketList, ReadsTheSystemsTicketFileWithTheSet) {
  // the Systems window's file: a label, then the lotto numbers of the set
  const int set[] = {3, 8, 14, 22, 31, 40, 45};
  const WheelRead read = parse_ticket_list("N1 3 8 14\r\nN2 22 31 45\r\nN3 40 3 22\r\n", set);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.wheel.v, 7);
  EXPECT_EQ(read.wheel.k, 3);
  EXPECT_EQ(read.wheel.t, 0);
  EXPECT_EQ(read.wheel.tickets, (Tickets{{1, 2, 3}, {4, 5, 7}, {1, 4, 6}}));
  const WheelRead outside = parse_ticket_list("N1 3 8 14\nN2 22 31 9\n", set);
  EXPECT_FALSE(outside.ok);
  EXPECT_EQ(outside.error, "Line 2: 9 is not one of the set's numbers");
}

TEST(TicketList, ReadsPublishedCsvAndWheelFiles) {
  const WheelRead csv = parse_ticket_list("Ticket,A,B,C\n\"1\",\"4\",\"9\"\n2;5;6\n\n12 1 3\n", {});
  ASSERT_TRUE(csv.ok) << csv.error;
  EXPECT_EQ(csv.wheel.v, 12);  // the largest number met
  EXPECT_EQ(csv.wheel.tickets, (Tickets{{1, 4, 9}, {2, 5, 6}, {1, 3, 12}}));
  // a made wheel keeps its own v, t and m
  const WheelRead made = parse_ticket_list("\n# wheel v=9 k=2 t=1 m=1 made=x\n1 2\n", {});
  ASSERT_TRUE(made.ok) << made.error;
  EXPECT_EQ(made.wheel.v, 9);
  EXPECT_EQ(made.wheel.m, 1);
}

TEST(TicketList, ReadsAPublishedWheelAsStored) {
  // Its figures (V, K, T, M), the count of tickets, the tickets, a DOS end-of-file byte.
  const WheelRead read = parse_ticket_list(
      "15,6,4,4\r\n3\r\n1,2,3,4,5,6\r\n1,2,3,7,8,9\r\n"
      "10,11,12,13,14,15\r\n\x1A",
      {});
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.wheel.tickets, (Tickets{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {10, 11, 12, 13, 14, 15}}));
  EXPECT_EQ(read.wheel.v, 15);
  EXPECT_EQ(read.skipped,
            "Skipped: line 1, \"15,6,4,4\", a header; line 2, \"3\", the count of tickets; "
            "the end-of-file byte 0x1A.");
  // The count last, with the byte on the last ticket's line; a count that is wrong is refused.
  const WheelRead last = parse_ticket_list("1 2 3\n4 5 6\n2\n\x1A\r\n", {});
  EXPECT_EQ(last.wheel.tickets, (Tickets{{1, 2, 3}, {4, 5, 6}}));
  EXPECT_EQ(last.skipped, "Skipped: line 3, \"2\", the count of tickets; the end-of-file byte 0x1A.");
  EXPECT_EQ(parse_ticket_list("7\n1 2 3\n4 5 6\n", {}).error,
            "Line 1: a lone number, 7, where the file holds 2 tickets");
  EXPECT_EQ(parse_ticket_list("1 2 3\n4 5 6\n", {}).skipped, "");
}

TEST(TicketList, RefusesWithTheLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"1 2 3\n1 2 3 4\n", "Line 2: this ticket has 4 numbers, the first (line 1) has 3"},
      {"1 2 3\nname\n", "Line 2: 'name' is not a whole number"},
      {"1 2 x y\n", "Line 1: 'x' is not a whole number"},
      {"1 2 0\n", "Line 1: 0 is not a position 1 to 63 (give the set's numbers to read lotto numbers)"},
      {"1 2 64\n", "Line 1: 64 is not a position 1 to 63 (give the set's numbers to read lotto numbers)"},
      {"1 2 99999999999999999999\n", "Line 1: '99999999999999999999' is not a whole number"},
      {"5 5 6\n", "Line 1: 5 appears twice"},
      {"a,b\n\n", "No tickets were found: one ticket per line, numbers separated by commas or blanks."},
  };
  for (const Case& c : cases) {
    const WheelRead read = parse_ticket_list(c.text, {});
    EXPECT_FALSE(read.ok) << c.text;
    EXPECT_EQ(read.error, c.error);
  }
  const int twice[] = {4, 5, 4};
  EXPECT_EQ(parse_ticket_list("4 5\n", twice).error, "The set holds 4 twice.");
}

TEST(WheelFolder, ListsOnlyWheelFiles) {
  test::ScratchFolder scratch;
  const auto folder = wheels_folder(scratch.path());
  EXPECT_EQ(folder, scratch.path() / "Wheels");
  EXPECT_TRUE(list_wheel_files(folder).empty());  // missing folder
  std::filesystem::create_directories(folder);
  write_file_atomic(folder / "b.txt", "# wheel v=7 k=3 t=2 m=2 made=\n1 2 3\n");
  write_file_atomic(folder / "a.txt", "# wheel v=7 k=3 t=2 m=2 made=\n1 2 3\n");
  write_file_atomic(folder / "c.txt", "1 2 3\n");
  write_file_atomic(folder / "d.csv", "# wheel v=7 k=3 t=2 m=2 made=\n1 2 3\n");
  EXPECT_EQ(list_wheel_files(folder), (std::vector<std::string>{"a.txt", "b.txt"}));
}

}  // namespace
}  // namespace ds
