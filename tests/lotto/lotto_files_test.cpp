#include "lotto/lotto_files.h"

#include <gtest/gtest.h>

#include "support/scratch.h"

using namespace ds;

namespace {

std::string row_text(const TextGrid& g, int r) {
  std::string s;
  for (int c : {0, 2, 3, 4, 5, 6, 7, 8}) s += g.cell(r, c) + "|";
  return s;
}

const DateFormat iso = DateFormat::iso();

}  // namespace

// param.tix written out by hand: play_n and pick_n as 16-bit counts, then single-precision
// values for the prizes of 2..6 matches, the prizes of 2..6 with the bonus and the cost,
// then the currency's length and its 8-bit bytes; all little-endian.
const std::string kRecord = std::string(
                                "\x31\x00"
                                "\x06\x00",
                                4) +
                            std::string(
                                "\x00\x00\x80\x3F"
                                "\x00\x00\x00\x40"
                                "\x00\x00\x40\x40"  // 1 2 3
                                "\x00\x00\x80\x40"
                                "\x00\x00\xA0\x40"
                                "\x00\x00\xC0\x40"  // 4 5 6
                                "\x00\x00\xE0\x40"
                                "\x00\x00\x00\x41"
                                "\x00\x00\x10\x41"  // 7 8 9
                                "\x00\x00\x20\x41"
                                "\x00\x00\x00\x3F",  // 10, 0.5
                                44) +
                            std::string(
                                "\x02\x00"
                                "\x80\xA3",
                                4);

TEST(DefinitionRecord, EveryFieldSitsAtItsOffset) {
  const LottoDefinition d{49, 6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0.5f, "\xE2\x82\xAC\xC2\xA3"};
  EXPECT_EQ(encode_definition(d), kRecord);
  EXPECT_EQ(decode_definition(kRecord), d);
  LottoDefinition e = d;
  e.currency.clear();
  EXPECT_EQ(encode_definition(e)->substr(44), std::string("\x00\x00\x00\x3F\x00\x00\x00\x00", 8));
  e.currency = "ABC";
  EXPECT_FALSE(encode_definition(e));
  EXPECT_FALSE(decode_definition(kRecord.substr(0, 51)));

  // The shipped game, its bytes read by hand; written back, bytes 0 to 50 are unchanged.
  test::ScratchFolder dir;
  const std::string shipped = test::ScratchFolder::sample("d1a");
  dir.put("A", "param.tix", shipped);
  LottoDefinition read;
  ASSERT_EQ(read_definition(dir.games(), "A", read), "");
  EXPECT_EQ(read, (LottoDefinition{49, 6, 0, 10, 80, 2500, 5000000, 5, 10, 80, 100000, 0, 3, "$"}));
  ASSERT_EQ(write_definition(dir.games(), "B", read), "");
  EXPECT_EQ(dir.get("B", "param.tix").substr(0, 51), shipped.substr(0, 51));
}

TEST(DefinitionRecord, MissingFileIsNamedAndATooLongCurrencyWritesNothing) {
  test::ScratchFolder dir;
  LottoDefinition def;
  EXPECT_EQ(read_definition(dir.games(), "None", def), "No the file 'param.tix'.");
  def.currency = "ABC";
  EXPECT_NE(write_definition(dir.games(), "New", def), "");
  EXPECT_FALSE(file_exists(dir.games() / "New" / "param.tix"));
}

class DrawFile : public ::testing::Test {
 protected:
  ReadDrawsResult read(const std::string& text, const DateFormat& format = iso) {
    dir.put("L", "draws.txt", text);
    return read_draws(dir.games(), "L", g, format);
  }
  std::string save() { return write_draws(dir.games(), "L", g, iso); }
  std::string file() const { return dir.get("L", "draws.txt"); }
  test::ScratchFolder dir;
  TextGrid g;
};

TEST_F(DrawFile, SampleHistoryIsReadOldestFirst) {
  EXPECT_EQ(read(test::ScratchFolder::sample("d1")).message, "");
  ASSERT_EQ(g.rows(), 3623);
  EXPECT_EQ(g.cols(), 9);
  EXPECT_EQ(g.cell(0, 0), "Date");
  EXPECT_EQ(g.cell(0, 8), "NBonus");
  EXPECT_EQ(g.col_width(1), TextGrid::hidden);
  EXPECT_EQ(g.col_width_factor(2), 0.5);
  EXPECT_EQ(g.col_width_factor(-1), 1.0);  // no such column: the plain width
  EXPECT_EQ(row_text(g, 1), "1982-06-12|3|11|12|14|41|43|13|");
  EXPECT_EQ(row_text(g, 3622), "2025-11-19|14|17|28|31|42|48|5|");
  EXPECT_EQ(g.cell(1, 1), "30114");  // days from 1899-12-30 to 1982-06-12
}

TEST_F(DrawFile, LinesAreSortedKeptAsTextAndWrittenWithSingleBlanks) {
  ASSERT_EQ(read("2024-03-02 1 2 3 4 5 6 7 extra more\r\n"
                 "  2024-01-05  07 8   9 10 11 12 0 \r\n"
                 "\r\n"
                 "2024-02-01 1 2 3 0 0 0 0\n")
                .message,
            "");
  ASSERT_EQ(g.rows(), 4);  // the empty line is no draw
  EXPECT_EQ(row_text(g, 1), "2024-01-05|07|8|9|10|11|12|0|");
  EXPECT_EQ(row_text(g, 3), "2024-03-02|1|2|3|4|5|6|7|");
  ASSERT_EQ(save(), "");
  EXPECT_EQ(file(),
            "2024-01-05 07 8 9 10 11 12 0 \r\n2024-02-01 1 2 3 0 0 0 0 \r\n2024-03-02 1 2 3 4 5 6 7 \r\n");
  // An empty file gives the header alone and is written back empty.
  EXPECT_EQ(read("").message, "");
  EXPECT_EQ(g.rows(), 1);
  EXPECT_EQ(save(), "");
  EXPECT_EQ(file(), "");
  const auto missing = read_draws(dir.games(), "Nothing", g, iso);
  EXPECT_EQ(missing.message, "No the file 'draws.txt'");
  EXPECT_TRUE(missing.stopped);
}

TEST_F(DrawFile, RereadingIntoTheSameGridKeepsNothingOld) {
  // Lines ending in CR alone, then a region date form and an 8-bit character.
  ASSERT_EQ(read("2024-01-08 1 2 3 4 5 6 7\r2024-01-01 9 9 9 9 9 9 9\r").message, "");
  ASSERT_EQ(g.rows(), 3);
  EXPECT_EQ(g.cell(1, 0), "2024-01-01");
  // The file's one 8-bit byte is its last.
  const auto r = read("03/02/2024 1 2 3 4 \xE9", {DateFormat::Order::dmy, '/', true});
  EXPECT_NE(r.message, "");  // a short line
  ASSERT_EQ(g.rows(), 2);
  EXPECT_EQ(g.cell(1, 1), std::to_string(*day_number(2024, 2, 3)));
  EXPECT_EQ(g.cell(1, 6), "\xC3\xA9");
  EXPECT_EQ(g.cell(1, 7), "");
  EXPECT_EQ(g.cell(1, 8), "");
}

TEST_F(DrawFile, BadDateStopsWithRowsInFileOrderAndIsNotSaved) {
  const std::string text =
      "2024-03-02 1 2 3 4 5 6 7 \r\n2024-13-40 1 2 3 4 5 6 7 \r\n2024-01-01 1 2 3 4 5 6 7 \r\n";
  const auto r = read(text);
  EXPECT_TRUE(r.bad_date && r.stopped);
  ASSERT_EQ(g.rows(), 4);
  EXPECT_EQ(g.cell(1, 0), "2024-03-02");
  EXPECT_EQ(g.cell(3, 0), "2024-01-01");
  EXPECT_EQ(g.cell(3, 1), "");  // rows after the bad one have no key
  EXPECT_EQ(save(), "The data was not saved. Not correct date was found. Please correct the date");
  EXPECT_TRUE(read("2024-05-32 1 2 3 4 5 6 7 \r\n").bad_date);  // May has 31 days
  // A short line is kept and reported, and not saved either.
  EXPECT_FALSE(read("2024-01-01 1 2 3 4 5 6 7 \r\n2024-01-08 1 2 3\r\n").stopped);
  EXPECT_NE(save().find("2024-01-08 is incomplete"), std::string::npos);
}

TEST_F(DrawFile, FailedWriteLeavesThePreviousFileWhole) {
  const std::string text = test::ScratchFolder::sample("d1");
  ASSERT_EQ(read(text).message, "");
  g.set_cell(1, 2, "4");
  ds::testing::fail_next_write_after(text.size() / 2);
  EXPECT_NE(save(), "");
  EXPECT_EQ(file(), text);
  ASSERT_EQ(save(), "");
  EXPECT_EQ(file().substr(0, 14), "1982-06-12 4 1");
}
