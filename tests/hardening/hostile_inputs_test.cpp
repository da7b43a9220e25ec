// Every reader of the program against hostile files: a clear message, no crash, no
// hang, and no stored file changed by a refused read or save.
#include <gtest/gtest.h>

#include "analyses/performance.h"
#include "lotto/draw_import.h"
#include "lotto/lotto_files.h"
#include "lotto/lotto_handlers.h"
#include "support/scratch.h"
#include "tsets/set_files.h"

using namespace ds;

namespace {

enum class Reader { definition, draws, set, tickets, import };

struct Hostile {
  Reader reader;
  std::string bytes;
  const char* expected;  // a part of the message, "" when the file is read without one
  int rows;              // grid rows after the read (header included); -1: not checked
};

std::string record_with(std::size_t at, std::string_view bytes) {
  std::string r = test::ScratchFolder::sample("d1a");
  r.replace(at, bytes.size(), bytes);
  return r;
}

const char* const damaged = "is damaged";
const char* const bad_dates = "Not correct dates";
const char* const not_correct = "Sorry, the data is not correct.";
const char* const set_row = "2025-01-01 1 2 3 4 5 6 7 8 9 10 \r\n";

const Hostile kHostile[] = {
    {Reader::definition, "", damaged, -1},
    {Reader::definition, std::string(10, 'x'), damaged, -1},
    {Reader::definition, test::ScratchFolder::sample("d1a").substr(0, 51), damaged, -1},
    {Reader::definition, record_with(48, "\x03"), damaged, -1},
    {Reader::definition, record_with(48, "\xFF\xFF"), damaged, -1},
    {Reader::definition, test::ScratchFolder::sample("d1a") + std::string(100, 'z'), "", -1},
    // Found by fuzz/fuzz_definition: a currency byte the code page leaves undefined
    // was read as U+FFFD, which no save could write back.
    {Reader::definition, record_with(48, std::string("\x02\x00\x8F\x81", 4)), "", -1},
    {Reader::definition, record_with(48, std::string("\x01\x00\x9D", 3)), "", -1},
    // a NUL inside a field and a NUL after the last line end
    {Reader::draws, std::string("\0\0\0\x01\x02 junk\0 \xFF\xFE\r\n", 17), bad_dates, 3},
    {Reader::draws, std::string(1 << 20, '7'), bad_dates, 2},
    {Reader::draws, "2024-01-02 1 2 3 4 5 6 7 \r2024-01-01 1 2 3 4 5 6 7 \r", "", 3},
    {Reader::draws, "2024-01-01 1234567890123456789012345678901234567890 -2 3 4 5 6 7 \r\n", "", 2},
    {Reader::draws, "2/30/2024 1 2 3 4 5 6 7 \r\n0/0/0 1 2 3 4 5 6 7 \r\n", bad_dates, 3},
    {Reader::draws, "2023-02-29 1 2 3 4 5 6 7 \r\n", bad_dates, 2},
    {Reader::draws, "2000-02-29 1 2 3 4 5 6 7 \r\n2100-02-29 1 2 3 4 5 6 7 \r\n", bad_dates, 3},
    {Reader::draws, "2024-01-01 1 2\r\n", "Line 1 of 'draws.txt' holds fewer than eight fields", 2},
    {Reader::draws, "2024-01-01 1 2 3 4 5 6 7 \r\n2024-01-02 1 2\r\n", "Line 2 of 'draws.txt' holds fewer",
     3},
    {Reader::set, std::string("\0\0\x01 \xFF\r\n", 7), "", 1},
    {Reader::set, std::string(1 << 20, '1'), "", 1},
    {Reader::set, std::string(set_row) + "2/30/2024 1 2 3 4 5 6 7 8 9 10 \r\n", "", 3},
    {Reader::set, "2025-01-01 1234567890123456789012345678901234567890 -2 3 4 5 6 7 8 9 10 \r", "cell 1,1",
     2},
    {Reader::set, "0/0/0 1 2 3 4 5 6 7 8 9 10 \n", "", 2},
    {Reader::tickets, "N1 1 2 3 4 5 6\r\nN2 1 2 3 4 5\r\n", not_correct, 2},  // one number short
    {Reader::tickets, "N 1 2 3 4 5 6\r\n", not_correct, 2},
    {Reader::tickets, "Nx 1 2 3 4 5 6\r\n", not_correct, 2},
    {Reader::tickets, std::string("\0\0\0", 3), not_correct, 2},
    {Reader::tickets, "N1 1 2 3 4 5 6\r\n" + std::string(1 << 20, '9'), not_correct, 2},
    {Reader::tickets, "", "", 2},
    // Found by fuzz/fuzz_csv_import: number columns found out of order (2 to 6, then 0).
    {Reader::import, "8\t1985-4-7\t4\n\t1-4-27\t\t2\t4\t2\t2\n3\t1-4-27\t4\t3\t4\t2\t2",
     "Line 1: The line has 3 fields; a draw needs 7.", 4},
};

// One scratch application folder with a lotto "g", a set folder of size 10 and a
// ticket file; read() hands `bytes` to one reader and then tries to save what it read.
struct Reading {
  test::ScratchFolder dir;
  AppState state;
  TsetsWork work;
  PerformanceInput tickets;
  Reading() {
    state.date_format = DateFormat::iso();
    work.tsets_folder = tsets_folder_of(dir.games().parent_path());
    work.size = 10;
    work.size_folder = size_folder_of(work.tsets_folder, 10);
    std::filesystem::create_directories(work.size_folder);
    tickets.draw = {"", "1", "2", "3", "4", "5", "6", "7"};
    tickets.prizes.fill("10");
    tickets.tset_size = 10;
    for (int i = 1; i <= 10; ++i) tickets.tset_numbers[i] = static_cast<std::int16_t>(i);
    tickets.system_id = "10_3_6";
    tickets.pick_n = 6;
    tickets.system_file = dir.games().parent_path() / "system";
  }
  std::filesystem::path file(Reader r) const {
    switch (r) {
      case Reader::definition:
        return dir.games() / "g" / "param.tix";
      case Reader::draws:
        return dir.games() / "g" / "draws.txt";
      case Reader::set:
        return work.size_folder / "s";
      case Reader::tickets:
        return tickets.system_file;
      case Reader::import:
        return dir.games() / "g" / "import.csv";
    }
    return {};
  }
  // The reader's message and the rows of its grid. A refused draw file cannot be
  // saved back; a refused save leaves the file as it was.
  std::pair<std::string, int> read(Reader r, const std::string& bytes) {
    std::filesystem::create_directories(dir.games() / "g");
    EXPECT_EQ(write_file_atomic(file(r), bytes), "");
    std::string message, saved;
    TextGrid grid;
    switch (r) {
      case Reader::definition: {
        LottoDefinition def;
        def.play_n = 7;
        message = read_definition(dir.games(), "g", def);
        if (!message.empty()) {
          EXPECT_EQ(def.play_n, 7) << "a refused record changed the definition";
        } else {
          // What was read is saved back as it was read.
          EXPECT_EQ(write_definition(dir.games(), "copy", def), "");
          const std::string record = bytes.substr(0, 50) + text_to_8bit(def.currency).value_or("?");
          EXPECT_EQ(read_file(dir.games() / "copy" / "param.tix").value_or("").substr(0, record.size()),
                    record);
        }
        return {message, -1};
      }
      case Reader::draws: {
        message = read_draws(dir.games(), "g", grid, state.date_format).message;
        EXPECT_EQ(grid.cols(), draw_columns);
        if (!message.empty()) {
          saved = write_draws(dir.games(), "g", grid, state.date_format);
          EXPECT_NE(saved, "") << "a save of what a refused read gave";
        }
        break;
      }
      case Reader::set: {
        message = read_set_file(work, "s", state);
        grid = work.grid;
        EXPECT_EQ(grid.cols(), 11);
        EXPECT_LT(state.tset_row, grid.rows());
        saved = write_set_file(work, state);
        break;
      }
      case Reader::tickets: {
        reset_performance_grid(grid);
        message = Performance(tickets, grid).message;
        break;
      }
      case Reader::import: {
        // The preview of a 6-of-49 game's import; its message is the summary.
        const LottoDefinition lotto = test::game_shape(49, 6, 1, 0, 0);
        TextGrid table;
        empty_draw_table(table);
        const ImportPreview preview = preview_import(bytes, lotto, table, state.date_format);
        grid = import_preview_grid(preview);
        return {import_summary(preview), grid.rows()};
      }
    }
    if (!saved.empty() || r == Reader::tickets) {
      EXPECT_EQ(read_file(file(r)), bytes) << "a refused save changed the file";
    }
    return {message, grid.rows()};
  }
};

}  // namespace

TEST(Hostile, EveryReaderRefusesOrReadsJunkAndKeepsTheFile) {
  Reading reading;
  for (const Hostile& c : kHostile) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.reader)) + ": " + c.bytes.substr(0, 40));
    const auto [message, rows] = reading.read(c.reader, c.bytes);
    if (*c.expected == '\0') {
      EXPECT_EQ(message, "");
    } else {
      EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }
    if (c.rows >= 0) {
      EXPECT_EQ(rows, c.rows);
    }
  }
  // A folder where a file is expected.
  std::filesystem::remove(reading.file(Reader::tickets));
  std::filesystem::create_directory(reading.file(Reader::tickets));
  TextGrid grid;
  EXPECT_EQ(Performance(reading.tickets, grid).message, not_correct);
  std::filesystem::remove(reading.file(Reader::definition));
  std::filesystem::create_directory(reading.file(Reader::definition));
  LottoDefinition def;
  EXPECT_EQ(read_definition(reading.dir.games(), "g", def), "No the file 'param.tix'.");
}

TEST(Hostile, LongFilesAreReadWholeOrRefusedWhole) {
  Reading reading;
  std::string draws;
  for (int i = 0; i < 100000; ++i) draws += "2024-01-01 1 2 3 4 5 6 7 \r\n";
  EXPECT_EQ(reading.read(Reader::draws, draws), std::make_pair(std::string(), 100001));
  // More set rows than a 16-bit row number reaches are refused whole: reading part of
  // them would lose the rest at the next save.
  std::string rows;
  for (int i = 0; i < 30000; ++i) rows += set_row;
  EXPECT_EQ(reading.read(Reader::set, rows), std::make_pair(std::string(), 30001));
  for (int i = 0; i < 10000; ++i) rows += set_row;
  EXPECT_NE(reading.read(Reader::set, rows).first, "");
  EXPECT_EQ(reading.work.grid.rows(), 30001);
}
