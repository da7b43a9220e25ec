// Made wheels beside the catalogue systems, and the decisions of the Make a
// Wheel and Check a Wheel windows. Every figure here was worked out by hand or
// by a separate brute-force script over the same tickets.
#include "systems/wheel_handlers.h"

#include <gtest/gtest.h>

#include <string>

#include "analyses/profitability.h"
#include "shell/files.h"
#include "support/scratch.h"
#include "systems/played_system.h"
#include "systems/system_handlers.h"
#include "systems/wheel_command.h"
#include "wheels/wheel_library.h"

namespace ds {
namespace {

namespace fs = std::filesystem;

// Wheels written as a user's Wheels folder holds them.
constexpr const char* kFourIfSix =  // 10 numbers, 4 if 6 in 3 tickets
    "# wheel v=10 k=6 t=4 m=6 made=by hand\n1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 10\n";
constexpr const char* kFano =  // 7 numbers, every pair on exactly one ticket of 3
    "# wheel v=7 k=3 t=2 m=2 made=the Fano plane\n1 2 4\n2 3 5\n3 4 6\n4 5 7\n1 5 6\n2 6 7\n1 3 7\n";

void put_wheel(const fs::path& app, const std::string& name, const std::string& text) {
  test::ScratchFolder::put(app / "Wheels" / (name + ".txt"), text);
}

// The Min or Max cells k = 2..w of row w, blank-separated.
std::string row_of(const ResultsCount& t, int w) {
  std::string s;
  for (int k = 2; k <= w; ++k) s += (k == 2 ? "" : " ") + std::to_string(t[w][k]);
  return s;
}

TEST(MadeWheels, ListedApartFromTheCatalogueAndLookedUpByName) {
  test::ScratchFolder dir;
  put_wheel(dir.path(), "a4if6", kFourIfSix);
  put_wheel(dir.path(), "10_3_6", kFourIfSix);  // a catalogue name: never listed as a wheel
  test::ScratchFolder::put(dir.path() / "Wheels" / "notes.txt", "shopping list\n");
  test::ScratchFolder::put(dir.path() / "Wheels" / "broken.txt", "# wheel v=10 k=6 t=4 m=6 made=x\n1 2 3\n");
  EXPECT_EQ(made_wheel_names(dir.path()), (std::vector<std::string>{"a4if6", "broken"}));
  EXPECT_TRUE(made_wheel_names(dir.path() / "nowhere").empty());

  const PlayedLookup w = find_played_system(" a4if6 ", dir.path());
  ASSERT_TRUE(w.found) << w.why;
  EXPECT_TRUE(w.played.wheel);
  EXPECT_EQ(w.played.v * 1000 + w.played.k * 100 + w.played.t * 10 + w.played.m, 10646);
  EXPECT_EQ(w.played.tickets,
            (std::vector<std::vector<int>>{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 10}}));
  // A catalogue id is always the system, whatever file bears its name.
  const PlayedLookup s = find_played_system("10_3_6", dir.path());
  ASSERT_TRUE(s.found);
  EXPECT_FALSE(s.played.wheel);
  EXPECT_EQ(s.played.tickets.size(), 10u);
  EXPECT_EQ(s.played.tickets[7], (std::vector<int>{8, 9, 10, 1, 2, 4}));
  EXPECT_NE(find_played_system("broken", dir.path()).why.find("cannot be read"), std::string::npos);
  EXPECT_FALSE(find_played_system("../a4if6", dir.path()).found);
  EXPECT_FALSE(find_played_system("missing", dir.path()).found);

  const SystemListing listing = system_listing(dir.path());
  EXPECT_EQ(listing.systems.size(), 41u);
  EXPECT_EQ(listing.wheels.size(), 2u);

  // The library's wheels follow, for the lotto's ticket size and sets of at most 20 numbers.
  const fs::path library = dir.path() / "wheel_library.txt";
  test::ScratchFolder::put(
      library,
      "# wheel v=7 k=3 t=2 m=2 tickets=7 made=x\n1 2 4\n2 3 5\n3 4 6\n4 5 7\n1 5 6\n2 6 7\n1 3 7\n"
      "# wheel v=22 k=6 t=3 m=3 tickets=1 made=x\n1 2 3 4 5 6\n"
      "# wheel v=10 k=6 t=4 m=6 tickets=3 made=x\n1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 10\n");
  EXPECT_EQ(system_listing(dir.path(), library, 6).wheels,
            (std::vector<std::string>{"a4if6", "broken", "library 10_6_4if6"}));
  EXPECT_EQ(library_wheel_names(library, 0),
            (std::vector<std::string>{"library 7_3_2if2", "library 10_6_4if6"}));
  EXPECT_TRUE(names_made_wheel("library 10_6_4if6", dir.path(), library));
  EXPECT_FALSE(names_made_wheel("library 10_6_4if5", dir.path(), library));
  const PlayedLookup lib = find_played_system("library 7_3_2if2", dir.path(), library);
  ASSERT_TRUE(lib.found) << lib.why;
  EXPECT_EQ(lib.played.tickets[6], (std::vector<int>{1, 3, 7}));
}

TEST(MadeWheels, ResultsOfEveryPlacementAndAveragesFromTheTicketCount) {
  PlayedSystem fano;
  fano.v = 7;
  fano.k = 3;
  fano.tickets = {{1, 2, 4}, {2, 3, 5}, {3, 4, 6}, {4, 5, 7}, {1, 5, 6}, {2, 6, 7}, {1, 3, 7}};
  ResultsAvg avg;
  ResultsCount lo, hi;
  played_results(fano, avg, lo, hi);
  // Two winners always share exactly one ticket; three are a ticket (0 2s, one 3)
  // or meet three tickets in two numbers each.
  EXPECT_EQ(row_of(lo, 2) + "/" + row_of(hi, 2) + "/" + row_of(lo, 3) + "/" + row_of(hi, 3), "1/1/3 0/0 1");
  EXPECT_FLOAT_EQ(avg[2][2], 1.0f);  // 7 * 3 / 21
  EXPECT_FLOAT_EQ(avg[3][2], 2.4f);  // 7 * 3 * 4 / 35
  EXPECT_FLOAT_EQ(avg[3][3], 0.2f);  // 7 / 35
  EXPECT_EQ(avg[4][3], 0.0f);        // no row beyond the ticket size
  EXPECT_EQ(lo[4][2] + hi[4][3], 0);

  test::ScratchFolder dir;
  put_wheel(dir.path(), "a4if6", kFourIfSix);
  const PlayedLookup w = find_played_system("a4if6", dir.path());
  played_results(w.played, avg, lo, hi);
  std::string rows;
  for (int r = 2; r <= 6; ++r) rows += row_of(lo, r) + "|" + row_of(hi, r) + "/";
  EXPECT_EQ(rows, "0|2/1 0|0 2/3 0 0|0 1 1/1 2 0 0|1 1 0 1/0 2 1 0 0|0 2 0 0 1/");

  // Seven-number tickets 1-7 and 2-8: seven winners leave out one of the eight; leaving
  // out 2..7 gives two 6s (worst), leaving out 1 or 8 a 7 and a 6 (best). The table
  // gets the row of seven winners and the column of seven matches.
  PlayedSystem seven;
  seven.v = 8;
  seven.k = 7;
  seven.tickets = {{1, 2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 7, 8}};
  played_results(seven, avg, lo, hi);
  EXPECT_EQ(row_of(lo, 7) + "|" + row_of(hi, 7), "0 0 0 0 2 0|0 0 0 0 1 1");
  TextGrid grid;
  layout_results_grid(grid, lo, hi, 7);
  EXPECT_EQ(grid.rows() * 100 + grid.cols(), 1408);
  EXPECT_EQ(grid.cell(12, 0) + grid.cell(13, 1) + grid.cell(13, 7) + grid.cell(1, 7), "7Max17");
}

TEST(MadeWheels, SystemsWindowShowsAWheelAndProfitabilityCountsItsTickets) {
  test::ScratchFolder dir;
  put_wheel(dir.path(), "a4if6", kFourIfSix);
  put_wheel(dir.path(), "fano", kFano);
  AppState s = test::fresh_state(dir.path());
  s.lotto_name = "L";
  s.lotto.pick_n = 6;
  s.lotto.cost = 3;
  s.tset_name = "T";
  s.tset_size = 10;
  const int set[] = {41, 17, 5, 46, 12, 22, 4, 21, 35, 38};
  for (int p = 1; p <= 10; ++p) s.tset_numbers[p] = static_cast<std::int16_t>(set[p - 1]);
  SystemModel m;
  SystemOutcome r = choose_system(m, "a4if6", s);
  EXPECT_EQ(r.message, "");
  ASSERT_TRUE(r.tickets && m.shown);
  // The tickets, cost, rows and ticket file on screen are the window test's; here
  // what the print and Average Profitability make of them.
  EXPECT_EQ(s.wheel_tickets, 3);
  const std::string page = system_print_html(*m.shown, m.tickets);
  EXPECT_NE(page.find("<h2>Wheel a4if6</h2>"), std::string::npos);
  EXPECT_NE(
      page.find("Whenever at least 6 of the winning numbers lie among the 10 numbers of the targeted set, "
                "at least one ticket matches at least 4 of them"),
      std::string::npos);

  // Average Profitability per ticket: with only "6" paying 3000 (cost 3, every
  // ability 1), E = H(6) * A(6) / 3 tickets / 3 = H(6) * 3000 * (3 / 210) / 9.
  ProfitabilityInput in = profitability_input(s, {"0", "0", "0", "0", "0", "0", "0", "0", "3000", "0"},
                                              {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}, "95");
  in.play_n = 49;
  const ProfitabilityOutcome p = calculate_avrprofitability(in);
  const double h6 = 1.0 / 13983816.0 * 210.0;  // C(10,6) / C(49,6): every draw inside the set of 10
  ASSERT_TRUE(p.profitability);
  EXPECT_NEAR(std::stod(*p.profitability), h6 * 3000 * 3 / 210.0 / 9 - 1, 1e-6);

  // A wheel for another size leaves the tickets and says why; a system resets the count.
  r = choose_system(m, "fano", s);
  EXPECT_FALSE(r.tickets);
  EXPECT_EQ(
      r.message,
      "The wheel fano is for 7 numbers with 3 numbers per ticket; the targeted set has 10 numbers and the "
      "lotto draws 6. The tickets shown are still those chosen before.");
  EXPECT_EQ(m.tickets.rows(), 4);
  EXPECT_EQ(s.wheel_tickets, 7);  // its results are on screen
  choose_system(m, "10_3_6", s);
  EXPECT_EQ(s.wheel_tickets, 0);
  EXPECT_EQ(m.tickets.rows(), 11);
}

TEST(MakeWheel, BoxesCheckedInOrderWithTheFocusOnTheBox) {
  AppState s;
  s.lotto.pick_n = 5;
  const MakeWheelForm d = make_wheel_defaults(s);
  EXPECT_EQ(d.v + d.k + d.t + d.m + d.seconds + d.seed, "10533601");
  s.lotto.pick_n = 0;
  EXPECT_EQ(make_wheel_defaults(s).k, "6");
  s.lotto.pick_n = 7;  // a 7-number game: only wheels of 7 numbers per ticket fit it
  EXPECT_EQ(make_wheel_defaults(s).k, "7");
  EXPECT_TRUE(make_wheel_start({"12", "7", "3", "3", "60", "1"}).request);

  using F = MakeWheelFocus;
  const struct {
    MakeWheelForm form;
    F focus;
    const char* says;
  } refused[] = {
      {{"5", "6", "3", "3", "60", "1"}, F::v, "6 to 48"},
      {{"x", "6", "3", "3", "60", "1"}, F::v, "6 to 48"},
      {{"10", "8", "3", "3", "60", "1"}, F::k, "3 to 7"},
      {{"6", "6", "3", "3", "60", "1"}, F::k, "fewer numbers than the set"},
      {{"10", "6", "1", "3", "60", "1"}, F::t, "2 to 7"},
      {{"10", "6", "3", "8", "60", "1"}, F::m, "2 to 7"},
      {{"10", "6", "4", "3", "60", "1"}, F::t, "more than M"},
      {{"10", "3", "4", "5", "60", "1"}, F::t, "numbers on a ticket"},
      {{"10", "6", "3", "3", "0", "1"}, F::seconds, "seconds"},
      {{"10", "6", "3", "3", "60", "-1"}, F::seed, "seed"},
      {{"40", "6", "3", "7", "60", "1"}, F::v, ""},  // C(40, 7) cases: beyond the maker
  };
  for (const auto& c : refused) {
    const MakeWheelStart out = make_wheel_start(c.form);
    EXPECT_FALSE(out.request) << c.says;
    EXPECT_EQ(out.focus, c.focus) << out.message;
    EXPECT_NE(out.message.english().find(c.says), std::string::npos) << out.message;
  }
  const MakeWheelStart ok = make_wheel_start({" 20 ", "6", "3", "6", "2.5", "7"});
  ASSERT_TRUE(ok.request);
  EXPECT_EQ(ok.message, "");
  EXPECT_EQ(ok.request->v * 1000 + ok.request->k * 100 + ok.request->t * 10 + ok.request->m, 20636);
  EXPECT_EQ(ok.request->seconds, 2.5);
  EXPECT_EQ(ok.request->seed, 7u);
}

TEST(MakeWheel, KeysOnEveryTicketAndABudgetOfTickets) {
  MakeWheelForm f = make_wheel_defaults(AppState{});
  f.t = f.m = "3";
  f.keys = "3";  // keys must be fewer than T
  EXPECT_EQ(make_wheel_start(f).focus, MakeWheelFocus::keys);
  f.keys = "1";
  f.tickets = "0";
  EXPECT_EQ(make_wheel_start(f).focus, MakeWheelFocus::tickets);
  f.v = "7";
  f.k = "4";
  f.tickets = "";
  MakeWheelModel model;
  const MakeWheelOutcome run = make_wheel_run(model, f);
  ASSERT_TRUE(run.request);  // the wheel besides the key: 6 numbers, 3 a ticket, 2 if 2
  EXPECT_EQ(run.request->v * 1000 + run.request->k * 100 + run.request->t * 10 + run.request->m, 6322);
  // Every pair of 1..6 lies in one of these six (found by a brute-force script); the key makes them 1..7.
  Wheel pairs{6, 3, 2, 2, 0, "by hand", {{1, 2, 3}, {1, 2, 4}, {1, 5, 6}, {2, 5, 6}, {3, 4, 5}, {3, 4, 6}}};
  make_wheel_finish(model, pairs, 1);
  ASSERT_TRUE(model.wheel);
  EXPECT_EQ(model.wheel->tickets,
            (std::vector<std::vector<int>>{
                {1, 2, 3, 4}, {1, 2, 3, 5}, {1, 2, 6, 7}, {1, 3, 6, 7}, {1, 4, 5, 6}, {1, 4, 5, 7}}));
  const MakeWheelSummary keyed = make_wheel_summary(*model.wheel);
  EXPECT_EQ(keyed.result,
            "6 tickets of 4 numbers on 7 numbers, guarantee 3 if 3 when the key 1 is among the winners: "
            "checked case by case, it holds.");
  // Schonheim for 6 numbers, 3 a ticket, 2 if 2: ceil(6/3 ceil(5/2)) = 6
  EXPECT_EQ(keyed.bound,
            "Without the keys (6 numbers, 3 a ticket, 2 if 2): Sch\u00f6nheim bound 6 (level); no published "
            "size known.");
  // the same tickets checked with the key: every case holding position 1 is met in 3
  const WheelCheckResult checked = check_wheel(*model.wheel, 3, 3);
  EXPECT_EQ(check_summary_text(checked),
            "The guarantee 3 if 3 when the key 1 is among the winners holds: no hole in any case; it covers "
            "100 % of the cases of 3 winners.");
  Wheel lacking = *model.wheel;
  lacking.keys = 0;
  lacking.tickets[2] = {2, 3, 6, 7};
  EXPECT_EQ(check_wheel_start(&lacking, "3", "3", "1").focus, CheckWheelFocus::keys);
  EXPECT_EQ(check_wheel_start(&lacking, "3", "3", "").keys, 0);

  // A budget: 21 holes of the C(10, 6) = 210 cases leave 189 / 210 = 90.0 % covered.
  f = make_wheel_defaults(AppState{});
  f.t = "4";
  f.m = "6";
  f.tickets = "3";
  MakeWheelModel budget;
  ASSERT_TRUE(make_wheel_run(budget, f).request);
  EXPECT_EQ(budget.request.budget, 3);
  Wheel three{10, 6, 4, 6, 0, "", {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 10}}};
  EXPECT_EQ(*make_wheel_finish(budget, three, 1, 21).result,
            "3 tickets of 6 numbers on 10 numbers for 4 if 6: it covers 90.0 % of the cases of 6 winners "
            "(21 holes, checked case by case).");
}

TEST(MakeWheel, ProgressSummaryNamesAndSaving) {
  EXPECT_EQ(make_wheel_progress_text(0, -1, 0.4), "No complete wheel yet; 0:00 elapsed.");
  EXPECT_EQ(make_wheel_progress_text(12, 3, 75.9),
            "Best so far: 12 tickets; trying 11: 3 cases still uncovered; 1:15 elapsed.");
  EXPECT_EQ(make_wheel_progress_text(1, 1, 5),
            "Best so far: 1 ticket; trying 0: 1 case still uncovered; 0:05 elapsed.");

  Wheel w;
  w.v = 10;
  w.k = 6;
  w.t = w.m = 3;
  w.tickets.assign(8, {1, 2, 3, 4, 5, 6});
  MakeWheelSummary s = make_wheel_summary(w);
  // Schonheim for 10 numbers, 6 a ticket, 3 if 3: ceil(10/6 ceil(9/5 ceil(8/4))) = ceil(10/6 * 4) = 7.
  EXPECT_EQ(s.bound, "Sch\u00f6nheim bound 7 (1 above it); free published 10 (2 fewer).");
  EXPECT_EQ(s.catalogue, "The catalogue system 10_3_6 plays 10 tickets: 2 tickets saved on every draw.");
  EXPECT_EQ(s.result,
            "8 tickets of 6 numbers on 10 numbers, guarantee 3 if 3: checked case by case, it holds.");
  w.m = 6;
  s = make_wheel_summary(w);
  EXPECT_EQ(s.bound, "No lower bound is known; no published size known.");
  EXPECT_EQ(s.catalogue, "No catalogue system has this size and guarantee.");
  Wheel whole = w;  // one ticket holds the whole set
  whole.v = 6;
  whole.m = 3;
  whole.tickets.resize(1);
  EXPECT_EQ(make_wheel_summary(whole).bound, "Sch\u00f6nheim bound 1 (level); no published size known.");
  // 20 numbers, 6 a ticket, 4 if 4: ceil(20/6 ceil(19/5 ceil(18/4 ceil(17/3)))) = 344; published 440 and 382
  EXPECT_EQ(
      wheel_size_note(20, 6, 4, 4, 471),
      "Sch\u00f6nheim bound 344 (127 above it); free published 440 (31 more); best known 382 (89 more).");

  EXPECT_EQ(check_wheel_name(" mine.txt ").name, "mine");
  EXPECT_NE(check_wheel_name("library 10_6_4if6").message.find("library"), std::string::npos);
  EXPECT_NE(check_wheel_name("10_4_6").message.find("catalogue"), std::string::npos);
  EXPECT_NE(check_wheel_name("a/b").message, "");
  EXPECT_NE(check_wheel_name("  ").message, "");

  test::ScratchFolder dir;  // no Wheels folder yet: saving makes it
  w.tickets = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 10}};
  w.t = 4;
  w.made = "by hand";
  ASSERT_EQ(save_made_wheel(dir.path(), "mine", w), "");
  EXPECT_EQ(read_file(dir.path() / "Wheels" / "mine.txt").value_or(""), kFourIfSix);
  EXPECT_EQ(made_wheel_names(dir.path()), std::vector<std::string>{"mine"});
  EXPECT_EQ(save_wheel_name(w) + ".txt", wheel_file_name(w));
  const TextGrid tickets = wheel_ticket_grid(w);
  EXPECT_EQ(tickets.cell(3, 0) + ":" + tickets.cell(3, 1), "N3:4 5 6 7 8 10");
  EXPECT_EQ(tickets.cols() * 10 + tickets.fixed_rows, 21);  // two columns under one heading row

  // A search that ends without a complete wheel says whether Stop or the time ended it.
  MakeWheelModel model;
  model.running = model.stopping = true;
  const MakeWheelOutcome stopped = make_wheel_finish(model, std::nullopt, 3);
  EXPECT_EQ(stopped.result.value_or(""), "The search was stopped before a complete wheel was found.");
  EXPECT_EQ(stopped.focus, MakeWheelFocus::start);
  model.running = true;
  EXPECT_NE(make_wheel_finish(model, std::nullopt, 3).result.value_or("").english().find("more seconds"),
            std::string::npos);
}

TEST(CheckWheel, ReadingChecksAndTheGridsOfAWheelWithTwoHoles) {
  EXPECT_EQ(parse_set_numbers("3, 17;22 9"), (std::vector<int>{3, 17, 22, 9}));
  EXPECT_EQ(parse_set_numbers(""), std::vector<int>{});
  EXPECT_FALSE(parse_set_numbers("3 3"));
  EXPECT_FALSE(parse_set_numbers("3 x"));
  EXPECT_FALSE(parse_set_numbers("0 5"));

  // Five numbers, pairs covered by 123, 145, 245: the pairs 34 and 35 are holes
  // (the published CSV of the same tickets is the window test's).
  TicketListRead read = read_ticket_list("11 22 33\n11 44 45\n22 44 45\n", "11 22 33 44 45");
  ASSERT_TRUE(read.ok) << read.message;
  EXPECT_EQ(read.t_text + read.m_text, "");
  EXPECT_EQ(read.wheel.tickets[1], (std::vector<int>{1, 4, 5}));
  EXPECT_FALSE(read_ticket_list("11 22 33\n", "11 x").ok);
  const TicketListRead made = read_ticket_list(kFourIfSix, "");
  EXPECT_EQ(made.t_text + " if " + made.m_text, "4 if 6");
  EXPECT_EQ(made.description, "3 tickets of 6 numbers on 10 numbers, made for 4 if 6.");
  EXPECT_EQ(read_ticket_list("1 2 3\n4 5 6\n\x1A", "").description,
            "2 tickets of 3 numbers on 6 numbers. Skipped: the end-of-file byte 0x1A.");

  using Focus = CheckWheelStart::Focus;
  EXPECT_EQ(check_wheel_start(nullptr, "2", "2").message, "Please open a list of tickets first.");
  EXPECT_TRUE(check_wheel_start(&read.wheel, "", " ").start);
  EXPECT_EQ(check_wheel_start(&read.wheel, "4", "4").focus, Focus::t);  // more than a ticket holds
  EXPECT_EQ(check_wheel_start(&read.wheel, "2", "1").focus, Focus::m);
  EXPECT_EQ(check_wheel_start(&read.wheel, "2", "6").focus, Focus::m);  // more than the set holds
  const CheckWheelStart go = check_wheel_start(&read.wheel, "2", "2");
  ASSERT_TRUE(go.start);

  const WheelCheckResult r = check_wheel(read.wheel, go.t, go.m);
  EXPECT_EQ(check_wheel(read.wheel, 2, 5).m, 5);  // a guarantee may ask for every number of the set
  CheckWheelModel model;                          // the holes can be exported when there are some
  check_wheel_finish(model, r);
  EXPECT_TRUE(model.export_holes);
  check_wheel_finish(model, check_wheel(read.wheel, 1, 1));
  EXPECT_FALSE(model.export_holes);
  EXPECT_TRUE(wants_wheel_command({"--check-wheel", "f"}));
  EXPECT_FALSE(wants_wheel_command({"--import", "f.csv", "--lotto", "X"}));
  const TextGrid rows = check_rows_grid(r);
  std::string text;
  for (int row = 0; row < rows.rows(); ++row)
    for (int c = 0; c < rows.cols(); ++c) text += rows.cell(row, c) + (c + 1 == rows.cols() ? "\n" : "|");
  EXPECT_EQ(text,
            "Winners|Worst match|Best match|Match 0|Match 1|Match 2|Match 3\n"
            "0|0|0|1|||\n1|1|1|0|5||\n2|1|2|0|2|8|\n3|2|3|0|0|7|3\n");
  const TextGrid holes = check_holes_grid(r, {11, 22, 33, 44, 45});
  ASSERT_EQ(holes.rows(), 3);
  EXPECT_EQ(holes.cell(1, 1) + "=" + holes.cell(1, 2) + "," + holes.cell(2, 1) + "=" + holes.cell(2, 2),
            "3 4=33 44,3 5=33 45");
  EXPECT_EQ(holes.cell(0, 0) + "|" + std::to_string(holes.fixed_cols), "Hole|1");
  EXPECT_EQ(check_holes_grid(r, {}).cols(), 2);
  EXPECT_EQ(check_summary_text(r),
            "The guarantee 2 if 2 does not hold: 2 holes (sets of 2 where no ticket matches 2); it covers "
            "80.0 % of "
            "the cases of 2 winners.");
  WheelCheckResult capped = r;
  capped.hole_count = 5000;
  EXPECT_NE(check_summary_text(capped).english().find("the first 2 are listed"), std::string::npos);
  capped.complete = false;
  EXPECT_NE(check_summary_text(capped).english().find("stopped"), std::string::npos);

  // cmdUseSet: the numbers of the targeted set chosen, in its order, or the message to choose one.
  AppState s;
  EXPECT_EQ(check_wheel_use_tset(s).message, "Please select a Targeted Set in the 'Targeted Sets' window.");
  s.tset_size = 3;
  s.tset_numbers[1] = 41, s.tset_numbers[2] = 7, s.tset_numbers[3] = 12, s.tset_numbers[4] = 9;
  EXPECT_EQ(check_wheel_use_tset(s).set_text.value_or(""), "41 7 12");
}

}  // namespace
}  // namespace ds
