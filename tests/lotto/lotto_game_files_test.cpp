// Games beyond the 52-byte record: game.txt and the draws of a second pool or of
// seven numbers. Expected bytes are written out by hand.
#include <gtest/gtest.h>

#include "lotto/draw_import.h"
#include "lotto/game_form.h"
#include "lotto/lotto_files.h"
#include "lotto/lotto_handlers.h"
#include "shell/samples.h"
#include "support/scratch.h"

using namespace ds;

namespace {

const DateFormat iso = DateFormat::iso();

// A 5/69 + 1/26 game, no bonus, three of its tiers.
LottoDefinition powerball_shape() {
  LottoDefinition d = test::game_shape(69, 5, 0, 26, 1);
  d.cost = 2;
  d.currency = "$";
  d.tiers = {{5, false, 1, 20000000, true}, {5, false, 0, 1000000, false}, {0, false, 1, 4, false}};
  return d;
}

const char* const kPowerballText =
    "Drawsmith game 1\r\n"
    "main_pool 69\r\n"
    "main_drawn 5\r\n"
    "bonus_drawn 0\r\n"
    "second_pool 26\r\n"
    "second_drawn 1\r\n"
    "cost 2\r\n"
    "currency $\r\n"
    "tier 5 no 1 average 20000000\r\n"
    "tier 5 no 0 fixed 1000000\r\n"
    "tier 0 no 1 fixed 4\r\n";

}  // namespace

TEST(GameFile, GeneralGameIsWrittenAsTextAndTheShapeMovesBetweenFiles) {
  test::ScratchFolder dir;
  LottoDefinition pb = powerball_shape();
  pb.tiers[2].payout = 0.5;  // a fraction keeps its decimal point whatever the region
  pb.currency = "\xE2\x82\xAC";
  ASSERT_EQ(write_definition(dir.games(), "P", pb), "");
  std::string expected = kPowerballText;
  expected.replace(expected.find("currency $"), 10, "currency \xE2\x82\xAC");
  expected.replace(expected.find("fixed 4\r"), 8, "fixed 0.5\r");
  EXPECT_EQ(dir.get("P", "game.txt"), expected);
  EXPECT_FALSE(file_exists(dir.games() / "P" / "param.tix"));
  LottoDefinition back;
  ASSERT_EQ(read_definition(dir.games(), "P", back), "");
  EXPECT_EQ(back, pb);

  // The same lotto made classic: param.tix is written, then game.txt goes.
  const std::string record = test::ScratchFolder::sample("d1a");
  const LottoDefinition classic = *decode_definition(record);
  ASSERT_EQ(write_definition(dir.games(), "P", classic), "");
  EXPECT_EQ(dir.get("P", "param.tix").substr(0, 51), record.substr(0, 51));
  EXPECT_FALSE(file_exists(dir.games() / "P" / "game.txt"));
  EXPECT_EQ(stored_definition_path(dir.games(), "P"), dir.games() / "P" / "param.tix");
}

TEST(GameFile, DamagedDefinitionsAreRefusedByFileAndLineAndNothingIsWritten) {
  const std::string head = "Drawsmith game 1\nmain_pool 69\nmain_drawn 5\nbonus_drawn 0\n";
  const std::string rest = "second_pool 26\nsecond_drawn 1\ncost 2\ncurrency $\n";
  const struct {
    std::string text;
    const char* error;
  } cases[] = {
      {"Drawsmith game 2\n" + head.substr(17) + rest + "tier 5 no 1 fixed 9\n",
       "line 1 ('Drawsmith game 2'): this version of the format is not known to this program"},
      {head + rest + "colour red\ntier 5 no 1 fixed 9\n",
       "line 9 ('colour red'): 'colour' is no key of a game file"},
      {head + rest + "tier 5 no 1 fixed ten\n",
       "line 9 ('tier 5 no 1 fixed ten'): a tier line holds the main matches, yes or no for the bonus, the "
       "second-pool matches, fixed or average, and the payout (a number of at least 0)"},
      {"Drawsmith game 1\nmain_pool 69\nmain_drawn 8\nbonus_drawn 0\n" + rest + "tier 5 no 1 fixed 9\n",
       "line 3 ('main_drawn 8'): the main numbers drawn must be from 3 to 7"},
      {"Drawsmith game 1\nmain_pool 69\nmain_drawn 5\nbonus_drawn 2\n" + rest + "tier 5 no 1 fixed 9\n",
       "line 4 ('bonus_drawn 2'): the bonus numbers drawn must be 0 or 1"},
      {head + "second_pool 26\nsecond_drawn 3\ncost 2\ncurrency $\ntier 5 no 1 fixed 9\n",
       "line 6 ('second_drawn 3'): the second-pool numbers drawn must be from 0 to 2"},
      {head + rest + "tier 6 no 1 fixed 9\n",
       "line 9 ('tier 6 no 1 fixed 9'): the tier 6 without the bonus and 1 second-pool matches names more "
       "matches than the game draws"},
      {head + rest + "tier 4 yes 1 fixed 9\n",
       "line 9 ('tier 4 yes 1 fixed 9'): the tier 4 with the bonus and 1 second-pool matches names more "
       "matches than the game draws"},
      {head + rest + "tier 5 no 1 fixed 9\ntier 5 no 1 average 7\n",
       "line 10 ('tier 5 no 1 average 7'): the same tier as line 9"},
      {head + rest + "cost 3\ntier 5 no 1 fixed 9\n", "line 9 ('cost 3'): 'cost' is given on line 7 already"},
      {head + "second_pool 26\nsecond_drawn 1\ncurrency $\ntier 5 no 1 fixed 9\n",
       "the line 'cost' is missing"},
      {head + rest, "the file holds no tier line: a game stored here needs its prize table"},
  };
  for (const auto& c : cases) {
    test::ScratchFolder dir;
    dir.put("G", "game.txt", c.text);
    LottoDefinition def = powerball_shape();
    const std::string path = (dir.games() / "G" / "game.txt").string();
    EXPECT_EQ(read_definition(dir.games(), "G", def),
              "The file '" + path + "' is damaged, " + c.error + ". Nothing was read.");
    EXPECT_EQ(def, powerball_shape());  // untouched
    EXPECT_EQ(dir.get("G", "game.txt"), c.text);
  }
  // Both files in one folder: neither is taken.
  test::ScratchFolder dir;
  dir.put("B", "game.txt", kPowerballText);
  dir.put("B", "param.tix", test::ScratchFolder::sample("d1a"));
  LottoDefinition def;
  EXPECT_NE(read_definition(dir.games(), "B", def).find("holds two definitions, 'param.tix' and 'game.txt'"),
            std::string::npos);
  // A game whose table cannot be stored writes nothing.
  LottoDefinition bad = powerball_shape();
  bad.tiers.push_back(bad.tiers[0]);
  EXPECT_NE(write_definition(dir.games(), "New", bad), "");
  EXPECT_FALSE(folder_exists(dir.games() / "New"));
}

TEST(GameFile, DrawsOfAnotherShapeKeepTheirDefinition) {
  test::ScratchFolder dir;
  const std::string record = test::ScratchFolder::sample("d1a");
  dir.put("C", "param.tix", record);
  dir.put("C", "draws.txt", "2024-01-06 1 2 3 4 5 6 7 \r\n");
  EXPECT_EQ(write_definition(dir.games(), "C", powerball_shape()),
            "The lotto 'C' has draws of the date, six numbers and the bonus: its draws cannot change to the "
            "date, 5 numbers, 1 second-pool number. Nothing was saved. Create a new lotto for a game of this "
            "shape.");
  EXPECT_EQ(dir.get("C", "param.tix"), record);
  EXPECT_FALSE(file_exists(dir.games() / "C" / "game.txt"));
}

TEST(GameDraws, ClassicBytesStayAndGeneralLinesFollowTheGame) {
  test::ScratchFolder dir;
  TextGrid g;
  // The classic road, byte for byte: a record and a history read and written back.
  const std::string record = test::ScratchFolder::sample("d1a").substr(0, 50) + std::string("\x24\x00", 2);
  dir.put("C", "param.tix", record);
  const std::string classic = "2024-01-05 07 8 9 10 11 12 0 \r\n2024-01-06 1 2 3 0 0 0 49 \r\n";
  dir.put("C", "draws.txt", classic);
  LottoDefinition def;
  ASSERT_EQ(read_definition(dir.games(), "C", def), "");
  ASSERT_EQ(read_draws(dir.games(), "C", g, iso, def).message, "");
  ASSERT_EQ(write_definition(dir.games(), "C", def), "");
  ASSERT_EQ(write_draws(dir.games(), "C", g, iso, def), "");
  EXPECT_EQ(dir.get("C", "param.tix"), record);
  EXPECT_EQ(dir.get("C", "draws.txt"), classic);

  // 5/69 + 1/26: five numbers, then the second-pool one; N6 holds 0, hidden.
  const LottoDefinition pb = powerball_shape();
  const std::string pb_lines = "2024-01-06 3 14 25 36 69 26 \r\n";
  dir.put("P", "draws.txt", pb_lines);
  ASSERT_EQ(read_draws(dir.games(), "P", g, iso, pb).message, "");
  ASSERT_EQ(g.cols(), 9);
  EXPECT_EQ(g.cell(0, 8) + g.cell(1, 6) + g.cell(1, 7) + g.cell(1, 8), "S169026");
  EXPECT_EQ(g.col_width(7), TextGrid::hidden);
  ASSERT_EQ(write_draws(dir.games(), "P", g, iso, pb), "");
  EXPECT_EQ(dir.get("P", "draws.txt"), pb_lines);
  // A classic line under this game has a field too many: said, not taken silently.
  dir.put("P", "draws.txt", "2024-01-06 1 2 3 4 5 6 7 \r\n");
  EXPECT_NE(
      read_draws(dir.games(), "P", g, iso, pb).message.find("Line 1 of 'draws.txt' holds more than the 7"),
      std::string::npos);

  // 7/50 with a bonus: N1..N7, then NBonus.
  const LottoDefinition max = test::game_shape(50, 7, 1, 0, 0);
  const std::string max_lines = "2024-01-02 1 2 3 4 5 6 7 8 \r\n2024-01-05 9 19 29 39 49 50 10 11 \r\n";
  dir.put("M", "draws.txt", "2024-01-05 9 19 29 39 49 50 10 11\n2024-01-02 1 2 3 4 5 6 7 8\n");
  ASSERT_EQ(read_draws(dir.games(), "M", g, iso, max).message, "");
  ASSERT_EQ(g.cols(), 10);
  EXPECT_EQ(g.cell(0, 8) + g.cell(0, 9) + g.cell(2, 8) + g.cell(2, 9), "N7NBonus1011");
  ASSERT_EQ(write_draws(dir.games(), "M", g, iso, max), "");
  EXPECT_EQ(dir.get("M", "draws.txt"), max_lines);
}

TEST(GameImport, SecondPoolColumnsAreFoundByTheirNamesOrPlace) {
  test::ScratchFolder dir;
  // Powerball-shaped, as published: the multiplier column is no second pool.
  dir.put("P", "game.txt", kPowerballText);
  dir.put("P", "draws.txt", "2024-01-03 1 2 3 4 5 6 \r\n");
  dir.put("P", "pb.csv",
          "Draw Date,WB1,WB2,WB3,WB4,WB5,Power Play,PB\n"
          "01/13/2024,69,14,25,36,3,2,26\n01/03/2024,1,2,3,4,5,3,6\n01/08/2024,7,8,9,10,11,2,27\n"
          "01/10/2024,7,8,9,10,11,2,0\n01/17/2024,7,8,9,10,11,2,x\n");
  const ImportFileRun run = import_draws_file(dir.games() / "P" / "pb.csv", dir.games(), "P", iso);
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.summary,
            "Rows read: 5. New: 1. Already present: 1. In conflict: 0. Refused: 3.\n"
            "Line 4: The second-pool number 27 is not between 1 and 26.\n"
            "Line 5: The second-pool number 0 is not between 1 and 26.\n"
            "Line 6: The second-pool field 'x' is not a whole number.");
  EXPECT_EQ(dir.get("P", "draws.txt"), "2024-01-03 1 2 3 4 5 6 \r\n2024-01-13 69 14 25 36 3 26 \r\n");

  // The New York open-data file: the five numbers and the Powerball in one field.
  const ImportPreview ny = preview_import(
      "Draw Date,Winning Numbers,Multiplier\n09/26/2020,11 21 27 36 62 24,3\n09/30/2020,14 18 36 49 67,2\n"
      "10/03/2020,18 31 36 43 47 20,2\n",
      powerball_shape(), TextGrid{}, iso);
  EXPECT_EQ(import_summary(ny),
            "Rows read: 3. New: 2. Already present: 0. In conflict: 0. Refused: 1.\n"
            "Line 3: '14 18 36 49 67' holds 5 numbers where a draw has 6.");
  EXPECT_EQ(ny.rows.at(0).second[0], 24);

  // EuroMillions-shaped, both stars in one "Lucky Stars" field.
  LottoDefinition em = powerball_shape();
  em.play_n = 50;
  em.second_pool = 12;
  em.second_n = 2;
  const ImportPreview stars = preview_import(
      "Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Stars\n2024-02-02,1,2,3,4,50,03-12\n"
      "2024-02-06,1,2,3,4,5,7 7\n",
      em, TextGrid{}, iso);
  EXPECT_EQ(import_summary(stars),
            "Rows read: 2. New: 1. Already present: 0. In conflict: 0. Refused: 1.\n"
            "Line 3: The second-pool number 7 appears twice.");
  EXPECT_EQ(import_preview_grid(stars).cell(1, 4), "3 12");
  EXPECT_EQ(merged_draws(TextGrid{}, stars, iso).cell(1, 9), "12");

  // Lotto Max-shaped: seven numbers and a bonus named "Bonus".
  const LottoDefinition max = test::game_shape(50, 7, 1, 0, 0);
  const ImportPreview seven = preview_import(
      "Draw,Date,N1,N2,N3,N4,N5,N6,N7,Bonus\n1,2024-03-01,1,2,3,4,5,6,50,9\n", max, TextGrid{}, iso);
  EXPECT_EQ(seven.rows.at(0).numbers, (std::array<std::int16_t, 7>{1, 2, 3, 4, 5, 6, 50}));
  EXPECT_EQ(seven.rows.at(0).bonus, 9);
}

TEST(GameFile, ShippedGamesReadBackWholeAndKeepThePublishedOdds) {
  test::ScratchFolder prog, app;
  const std::pair<const char*, const char*> games[] = {{"game_powerball", "USA_Powerball"},
                                                       {"game_euromillions", "EuroMillions"},
                                                       {"game_lotto_max", "Canada_Lotto_Max"}};
  for (const auto& [file, lotto] : games)
    test::ScratchFolder::put(prog.path() / file, test::ScratchFolder::sample(file));
  test::ScratchFolder::put(prog.path() / "draws_powerball", test::ScratchFolder::sample("draws_powerball"));
  // A folder whose own definition is a record keeps it, without a game.txt beside.
  test::ScratchFolder::put(app.games() / "EuroMillions" / "param.tix", test::ScratchFolder::sample("d1a"));
  create_samples(prog.path(), app.path());
  EXPECT_FALSE(file_exists(app.games() / "EuroMillions" / "game.txt"));
  LottoDefinition pb, max;
  ASSERT_EQ(read_definition(app.games(), "USA_Powerball", pb), "");
  ASSERT_EQ(read_definition(app.games(), "Canada_Lotto_Max", max), "");
  std::string error;
  const auto read_em = decode_game_text(test::ScratchFolder::sample("game_euromillions"), error);
  ASSERT_TRUE(read_em) << error;
  const LottoDefinition& em = *read_em;
  const LottoDefinition* defs[] = {&pb, &em, &max};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(encode_game_text(*defs[i]), test::ScratchFolder::sample(games[i].first));
  // Odds as the operators publish them: 1 in C(69,5)*26, 1 in 38.32 for the Powerball
  // alone, 1 in C(50,5)*C(12,2), and 1 in C(50,7)/3 for a $5 play of three selections.
  EXPECT_NEAR(1 / tier_probability(pb, 5, false, 1), 292201338, 1);
  EXPECT_NEAR(1 / tier_probability(pb, 0, false, 1), 38.32, 0.005);
  EXPECT_NEAR(1 / tier_probability(em, 5, false, 2), 139838160, 1);
  EXPECT_NEAR(1 / (3 * tier_probability(max, 7, false, 0)), 33294800, 1);
  TextGrid g;
  ASSERT_EQ(read_draws(app.games(), "USA_Powerball", g, iso, pb).message, "");
  ASSERT_EQ(g.rows(), 51);
  EXPECT_EQ(g.cell(50, 0) + " " + g.cell(50, 2) + " " + g.cell(50, 8), "2026-01-24 2 5");
}

TEST(GameForm, PrizeTableIsReadRowByRowAndRefusedWhereItIsWrong) {
  LottoDefinition d = test::game_shape(50, 5, 1, 0, 0);
  GameShapeForm f{false, "12", "2", prize_grid({}, NumberFormat{','})};
  for (const std::vector<std::string>& cells : std::vector<std::vector<std::string>>{
           {"5", "no", "2", "1000000", "average"}, {"", "", "", "", ""}, {"2", "", "1", "8,06", ""}}) {
    const int r = f.prizes.append_row();
    for (int c = 0; c < 5; ++c) f.prizes.set_cell(r, c, cells[c]);
  }
  ASSERT_EQ(read_game_shape(f, NumberFormat{','}, d).message, "");  // the blank row is no tier
  EXPECT_EQ(d.tiers, (std::vector<PrizeTier>{{5, false, 2, 1000000, true}, {2, false, 1, 8.06, false}}));
  const struct {
    int col;
    std::string text, message;
  } bad[] = {
      {prize_bonus, "yes", "Prize table, row 3: this game draws no bonus."},
      {prize_second, "3", "Prize table, row 3: the second-pool matches must be a whole number from 0 to 2."},
      {prize_payout, "-1", "Prize table, row 3: the payout must be a number of at least 0."},
  };
  EXPECT_TRUE(GameShapeForm(f) == f);
  for (const auto& b : bad) {
    GameShapeForm g = f;
    g.prizes.set_cell(3, b.col, b.text);
    EXPECT_FALSE(g == f) << b.text;  // a prize cell typed is a change
    LottoDefinition kept = d;
    const GameShapeRead r = read_game_shape(g, NumberFormat{','}, kept);
    EXPECT_EQ(r.message, b.message);
    EXPECT_EQ(r.row * 10 + r.col, 30 + b.col);
    EXPECT_EQ(kept, d);
  }
  GameShapeForm twice = f;
  for (int c = 0; c < 3; ++c) twice.prizes.set_cell(3, c, f.prizes.cell(1, c));
  EXPECT_EQ(read_game_shape(twice, NumberFormat{','}, d).message,
            "Prize table, row 3: the same matches as another row.");
  // A row holding its main matches alone is no blank row.
  GameShapeForm main_only = f;
  for (int c = 1; c < 5; ++c) main_only.prizes.set_cell(3, c, "");
  EXPECT_EQ(read_game_shape(main_only, NumberFormat{','}, d).message,
            "Prize table, row 3: the payout must be a number of at least 0.");
  // A first table for 7 numbers and a bonus: 7, 6+bonus, 6, ... 2, 1+bonus.
  EXPECT_EQ(starting_tiers(7, true, 0).size(), 12u);
}

TEST(GameHandlers, APowerballShapedLottoIsSavedChosenAndGivenItsDraws) {
  test::ScratchFolder dir;
  AppState s = test::fresh_state(dir.path());
  LottoModel m;
  m.games = dir.games();
  LottoForm f = lotto_start_form();
  f.name = "P";
  f.play_n = "69";
  f.pick_n = "5";
  f.cost = "2";
  f.shape.bonus = false;
  f.shape.second_pool = "26";
  f.shape.second_n = "1";
  f.shape.prizes = prize_grid(powerball_shape().tiers, s.number_format);
  ASSERT_EQ(save_lotto(m, f, s).message, "");
  EXPECT_EQ(dir.get("P", "game.txt"), kPowerballText);
  // Changed by another program since: Save asks, naming the file, and Cancel writes nothing.
  const std::string noted = std::string(kPowerballText) + "# noted\r\n";
  dir.put("P", "game.txt", noted);
  m.editing = "P";
  std::string asked;
  EXPECT_EQ(save_lotto(m, f, s, [&](const Question& q) { return asked = q.text, -1; }).status,
            "The lotto 'P' was not saved.");
  EXPECT_NE(asked.find("'P' (game.txt) was changed outside"), std::string::npos);

  ASSERT_EQ(choose_lotto(m, "P", s).message, "");  // no draws.txt yet
  new_draw(m, s.date_format, s.lotto);
  DrawForm d{"2024-01-06", {"3", "14", "25", "36", "69", "0", "0"}};
  d.second[0] = "27";
  const LottoOutcome refused = add_draw(m, d, s);
  EXPECT_EQ(refused.message, "A second-pool number must be a whole number from 1 to 26.");
  EXPECT_EQ(refused.focus, LottoFocus::s1);
  d.second[0] = "26";
  ASSERT_EQ(add_draw(m, d, s).message, "");
  ASSERT_EQ(save_draws(m, "P", s).message, "");
  EXPECT_EQ(dir.get("P", "draws.txt"), "2024-01-06 3 14 25 36 69 26 \r\n");
  EXPECT_EQ(draw_from_row(m.draws, 1, s.lotto), d);
  // The other windows' current draw holds the second-pool number, as added and as read back.
  EXPECT_EQ(s.current_draw_second, (std::array<std::int16_t, 2>{26, 0}));
  s.current_draw_second = {};
  ASSERT_EQ(choose_lotto(m, "P", s).message, "");
  EXPECT_EQ(s.current_draw_second, (std::array<std::int16_t, 2>{26, 0}));

  // Its draws keep the game's shape: made classic, the definition is not saved.
  f.pick_n = "6";
  f.shape.bonus = true;
  f.shape.second_pool = f.shape.second_n = "0";
  m.editing = "P";
  EXPECT_EQ(save_lotto(m, f, s).focus, LottoFocus::pick_n);
  EXPECT_EQ(dir.get("P", "game.txt"), noted);
}
