#include "analyses/ledger.h"

#include <gtest/gtest.h>

#include "lotto/lotto_files.h"
#include "support/scratch.h"

using namespace ds;

namespace {

// The sample 6/49 game (2+bonus 5, 3 10, 3+bonus 10, 4 80, a play costs 3) with two of
// its draws: Saturday 2025-11-15 and Wednesday 2025-11-19.
struct SampleLotto {
  test::ScratchFolder dir;
  SampleLotto() {
    dir.put("Canada_6_49", "param.tix", test::ScratchFolder::sample("d1a"));
    dir.put("Canada_6_49", "draws.txt",
            "2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-19 14 17 28 31 42 48 5 \r\n");
  }
  CommandRun run(std::vector<std::string> args) const {
    return run_ledger_command(args, dir.games(), DateFormat::iso());
  }
};

const std::string two_entries =
    "Drawsmith tickets 1\r\n"
    "\r\n"
    "entry 2025-11-19\r\n"
    "paid 9\r\n"
    "N1 14 17 28 1 2 3\r\n"
    "N2 14 17 28 31 2 3\r\n"
    "N3 14 17 5 1 2 3\r\n"
    "\r\n"
    "entry 2025-11-15 next 3\r\n"
    "paid 6\r\n"
    "member Ann Lee 2\r\n"
    "member Bob 1\r\n"
    "N1 1 5 8 25 9 10\r\n"
    "N2 42 48 5 14 20 30\r\n";

}  // namespace

TEST(Ledger, FileBytesRoundTripAndDamagedLinesAreRefusedWithTheirLine) {
  const std::string bytes = two_entries +
                            "\r\n"
                            "entry 2025-11-01 to 2025-11-30 draws 9\r\n"
                            "paid 22.5\r\n"
                            "N1 3 9 17 25 40 + 12\r\n";
  std::string error;
  const auto ledger = parse_ledger(bytes, error);
  ASSERT_TRUE(ledger) << error;
  ASSERT_EQ(ledger->entries.size(), 3u);
  const LedgerEntry& range = ledger->entries[2];
  EXPECT_EQ(range.period, LedgerEntry::Period::range);
  EXPECT_EQ(range.to - range.from, 29);
  EXPECT_EQ(range.draws, 9);
  EXPECT_EQ(range.paid, 22.5);
  EXPECT_EQ(range.plays[0], (LedgerPlay{{3, 9, 17, 25, 40}, {12}}));
  EXPECT_EQ(ledger->entries[1].members[0], (LedgerMember{"Ann Lee", 2}));
  EXPECT_EQ(ledger->entries[1].draws, 3);
  EXPECT_EQ(ledger_text(*ledger), bytes);
  // LF line ends, comments and blank lines read the same.
  std::string lf = "# kept by hand\n" + bytes;
  std::erase(lf, '\r');
  lf = lf.substr(lf.find('\n') + 1);
  EXPECT_EQ(parse_ledger(lf, error), ledger);

  const std::string head = "Drawsmith tickets 1\r\n";
  const std::pair<std::string, std::string> damaged[] = {
      {"Drawsmith tickets 2\r\n", "the first line is not 'Drawsmith tickets 1'"},
      {head + "entry 2025-02-30\r\npaid 3\r\nN1 1 2 3 4 5 6\r\n",
       "line 2 ('entry 2025-02-30'): the entry needs a date as yyyy-mm-dd"},
      {head + "paid 3\r\n", "line 2 ('paid 3'): a line before the first 'entry'"},
      {head + "entry 2025-11-19\r\npaid -3\r\n", "line 3 ('paid -3'): 'paid' needs an amount such as 12.5"},
      {head + "entry 2025-11-19\r\npaid 3\r\nN1 1 2 3 3 5 6\r\n",
       "line 4 ('N1 1 2 3 3 5 6'): the number 3 is there twice"},
      {head + "entry 2025-11-19\r\npaid 3\r\nmember Ann 0\r\n",
       "line 4 ('member Ann 0'): a member is 'member NAME SHARE', the share above 0"},
      {head + "entry 2025-11-19 to 2025-11-01 draws 2\r\n",
       "line 2 ('entry 2025-11-19 to 2025-11-01 draws 2'): "
       "the period ends before it starts"},
      {head + "entry 2025-11-19\r\npaid 3\r\nentry 2025-11-22\r\n", "the entry of line 2 has no play"},
      {head + "entry 2025-11-19\r\npaid 3\r\nbought 1 2 3\r\n",
       "line 4 ('bought 1 2 3'): not an entry, 'paid', 'member' or a play such as 'N1 3 9 17 25 40 41'"},
  };
  for (const auto& [text, why] : damaged) {
    error.clear();
    EXPECT_FALSE(parse_ledger(text, error)) << text;
    EXPECT_EQ(error, why) << text;
  }
}

TEST(Ledger, SettlementByTheSampleTiersWorkedByHand) {
  SampleLotto lotto;
  LottoDefinition game;
  TextGrid draws;
  ASSERT_EQ(read_definition(lotto.dir.games(), "Canada_6_49", game), "");
  read_draws(lotto.dir.games(), "Canada_6_49", draws, DateFormat::iso(), game);
  std::string error;
  const Settlement s = settle(*parse_ledger(two_entries, error), game, draws, DateFormat::iso());
  // 2025-11-19 drew 14 17 28 31 42 48, bonus 5: three matches 10, four 80, two and the bonus 5.
  ASSERT_EQ(s.plays.size(), 7u);
  EXPECT_EQ(s.plays[0].main, 3);
  EXPECT_EQ(s.plays[1].tier, "4");
  EXPECT_EQ(s.plays[2].tier, "2+bonus");
  EXPECT_EQ(s.entries[0].won, 95);
  EXPECT_EQ(s.entries[0].net, 86);
  EXPECT_DOUBLE_EQ(s.entries[0].return_per_unit, 95.0 / 9);
  EXPECT_EQ(s.entries[0].missing, 0);
  // The next three draws from 2025-11-15: two are in. On 11-15 (1 5 8 25 42 47) the first
  // play holds four, 80; on 11-19 the second holds 14 42 48 and the bonus 5, 10.
  EXPECT_EQ(s.entries[1].draws_in, 2);
  EXPECT_EQ(s.entries[1].missing, 1);
  EXPECT_EQ(s.entries[1].won, 90);
  ASSERT_EQ(s.entries[1].members.size(), 2u);
  EXPECT_EQ(s.entries[1].members[0].paid, 4);
  EXPECT_EQ(s.entries[1].members[0].won, 60);
  EXPECT_EQ(s.entries[1].members[1].won, 30);
  EXPECT_EQ(s.spent, 15);
  EXPECT_EQ(s.won, 185);
  EXPECT_EQ(s.net, 170);
  EXPECT_EQ(s.missing, 1);
  lotto.dir.put("Canada_6_49", "tickets.txt", two_entries);
  const CommandRun run = lotto.run({"--ledger", "--lotto", "Canada_6_49"});
  EXPECT_EQ(run.out,
            "2025-11-19,14 17 28 1 2 3,10\n2025-11-19,14 17 28 31 2 3,80\n2025-11-19,14 17 5 1 2 3,5\n"
            "2025-11-15,1 5 8 25 9 10,80\n2025-11-15,42 48 5 14 20 30,0\n"
            "2025-11-19,1 5 8 25 9 10,0\n2025-11-19,42 48 5 14 20 30,10\n"
            "total spent 15 won 185\nmember Ann Lee paid 4 won 60\nmember Bob paid 2 won 30\n");
  EXPECT_EQ(run.err, "The entry from 2025-11-15 waits for 1 draw.\n");

  // A play the game cannot pay (five numbers in a 6/49) leaves its entry unsettled, paid kept.
  const auto odd = parse_ledger("Drawsmith tickets 1\nentry 2025-11-19\npaid 3\nN1 14 17 28 31 42\n", error);
  const Settlement o = settle(*odd, game, draws, DateFormat::iso());
  EXPECT_EQ(o.entries[0].problem, "it has 5 main numbers; the lotto draws 6");
  EXPECT_EQ(o.spent, 3);
  EXPECT_TRUE(o.plays.empty());
  // "next 1" from 11-15 is that draw alone: the play's six numbers of 11-19 win nothing here.
  const auto next =
      parse_ledger("Drawsmith tickets 1\nentry 2025-11-15 next 1\npaid 3\nN1 14 17 28 31 42 48\n", error);
  const Settlement n = settle(*next, game, draws, DateFormat::iso());
  EXPECT_EQ(n.entries[0].draws_in, 1);
  EXPECT_EQ(n.won, 0);
}

TEST(Ledger, PlayAndLedgerCommands) {
  SampleLotto lotto;
  const auto plays = lotto.dir.path() / "system";
  test::ScratchFolder::put(plays, "N1 14 17 28 1 2 3\r\nN2 42 48 5 14 20 30\r\n");
  CommandRun run = lotto.run(
      {"--play", plays.string(), "--lotto", "Canada_6_49", "--from", "2025-11-15", "--to", "2025-11-19"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  // A plain list, for the days ahead: Wednesdays and Saturdays from 11-20 to 11-30 are 3 draws.
  test::ScratchFolder::put(plays, "1,5,8,25,9,10\n");
  run = lotto.run(
      {"--play", plays.string(), "--lotto", "Canada_6_49", "--from", "2025-11-20", "--to", "2025-11-30"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out.find("Recorded 1 play for 3 draws from 2025-11-20 to 2025-11-30, paid 9, in '"), 0u);
  const std::string recorded =
      "Drawsmith tickets 1\r\n\r\n"
      "entry 2025-11-15 to 2025-11-19 draws 2\r\npaid 12\r\nN1 14 17 28 1 2 3\r\nN2 42 48 5 14 20 30\r\n\r\n"
      "entry 2025-11-20 to 2025-11-30 draws 3\r\npaid 9\r\nN1 1 5 8 25 9 10\r\n";
  EXPECT_EQ(lotto.dir.get("Canada_6_49", "tickets.txt"), recorded);

  run = lotto.run({"--ledger", "--lotto", "Canada_6_49"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out,
            "2025-11-15,14 17 28 1 2 3,0\n2025-11-15,42 48 5 14 20 30,0\n"
            "2025-11-19,14 17 28 1 2 3,10\n2025-11-19,42 48 5 14 20 30,10\n"
            "total spent 21 won 20\n");
  EXPECT_EQ(run.err, "The entry from 2025-11-20 waits for 3 draws.\n");

  // Wrong arguments: 2 with the usage; a file that is no list of plays, or a damaged
  // ledger: 1, and the ledger stays as it was.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--play", plays.string(), "--lotto", "Canada_6_49"},
        {"--ledger", "--lotto", "Canada_6_49", "--bogus"},
        {"--play", plays.string(), "--lotto", "Canada_6_49", "--from", "2025-11-20", "--to", "2025-11-19"}}) {
    run = lotto.run(args);
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_NE(run.err.find("Usage: drawsmith --play FILE"), std::string::npos) << run.err;
  }
  test::ScratchFolder::put(plays, "N1 14 17 28 1 2 50\r\n");
  run = lotto.run(
      {"--play", plays.string(), "--lotto", "Canada_6_49", "--from", "2025-11-15", "--to", "2025-11-15"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("line 1 ('N1 14 17 28 1 2 50'): the number 50 is past 49."), std::string::npos);
  lotto.dir.put("Canada_6_49", "tickets.txt", recorded + "N2 7\r\nbought\r\n");
  test::ScratchFolder::put(plays, "1 2 3 4 5 6\n");
  run = lotto.run(
      {"--play", plays.string(), "--lotto", "Canada_6_49", "--from", "2025-11-15", "--to", "2025-11-15"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("line 12 ('bought')"), std::string::npos) << run.err;
  EXPECT_EQ(lotto.dir.get("Canada_6_49", "tickets.txt"), recorded + "N2 7\r\nbought\r\n");
  // What was written by hand (a comment, an LF line, no last line end) stays as it was.
  lotto.dir.put("Canada_6_49", "tickets.txt", recorded + "# shop on Main St\nN2 7");
  EXPECT_EQ(lotto
                .run({"--play", plays.string(), "--lotto", "Canada_6_49", "--from", "2025-11-15", "--to",
                      "2025-11-15"})
                .exit_code,
            0);
  EXPECT_EQ(lotto.dir.get("Canada_6_49", "tickets.txt"),
            recorded + "# shop on Main St\nN2 7\r\n\r\nentry 2025-11-15\r\npaid 3\r\nN1 1 2 3 4 5 6\r\n");
}
