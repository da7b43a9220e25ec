#include "shell/remembered.h"

#include <gtest/gtest.h>

#include "shell/program_info.h"
#include "shell/samples.h"
#include "support/scratch.h"
#include "systems/restorable_choices.h"

using namespace ds;
using ds::test::ScratchFolder;

namespace {

// 1 March 2024 and 31 December 2025 as day numbers (days since 30 December 1899).
constexpr DayNumber march_1_2024 = 45352;
constexpr DayNumber dec_31_2025 = 46022;

// A data folder with the samples installed: Canada_6_49 (6 of 49), Tsets/10/Forecaster1.
void install_samples(const ScratchFolder& t) {
  for (const char* f : {"d1", "d1a", "d2"})
    ScratchFolder::put(t.path() / "shipped" / f, ScratchFolder::sample(f));
  create_samples(t.path() / "shipped", t.path());
}

}  // namespace

TEST(Remembered, ChoicesBecomeSettingTextsAndComeBack) {
  RememberedChoices c;
  c.lotto = "Canada_6_49";
  c.tset_size = 12;
  c.tset = "Mine";
  c.system = "12_3_6";
  c.periods["frmBacktest"] = {march_1_2024, dec_31_2025};
  const SettingTexts s = choice_settings(c);
  const SettingTexts expected = {{"choices/lotto", "Canada_6_49"},
                                 {"choices/tset_size", "12"},
                                 {"choices/tset", "Mine"},
                                 {"choices/system", "12_3_6"},
                                 {"periods/frmBacktest/from", "2024-03-01"},
                                 {"periods/frmBacktest/to", "2025-12-31"}};
  EXPECT_EQ(s, expected);
  EXPECT_EQ(choices_from_settings(s), c);
  // Nothing chosen, nothing written; a set name without its size is not kept.
  EXPECT_TRUE(choice_settings(RememberedChoices{}).empty());
  c = {};
  c.tset = "Orphan";
  EXPECT_TRUE(choice_settings(c).empty());
}

TEST(Remembered, DamagedValuesAreLeftOut) {
  const SettingTexts s = {{"choices/lotto", "../../etc"},
                          {"choices/tset_size", "12x"},
                          {"choices/tset", "Mine"},
                          {"periods/frmFability/from", "2024-02-30"},
                          {"periods/frmFability/to", "2024-03-01"},
                          {"periods/frmBacktest/from", "2025-12-31"},
                          {"periods/frmBacktest/to", "2024-03-01"},
                          {"periods/other/from", "2024-03-01"},
                          {"periods//from", "2024-03-01"},
                          {"periods//to", "2024-03-02"},
                          {"periods/ok/from", "01/03/2024"},
                          {"periods/ok/to", "2025-12-31"}};
  const RememberedChoices c = choices_from_settings(s);
  EXPECT_EQ(c, RememberedChoices{});
  // Blanks around a name are not what the user chose: refused rather than trimmed.
  EXPECT_EQ(choices_from_settings({{"choices/lotto", " Canada_6_49"}}).lotto, "");
  EXPECT_EQ(choices_from_settings({{"choices/tset_size", "-10"}, {"choices/tset", "Mine"}}).tset, "");
  // A period of one day is a period.
  const RememberedChoices one_day =
      choices_from_settings({{"periods/w/from", "2024-03-01"}, {"periods/w/to", "2024-03-01"}});
  ASSERT_EQ(one_day.periods.count("w"), 1u);
  EXPECT_EQ(one_day.periods.at("w"), (RememberedPeriod{march_1_2024, march_1_2024}));
}

TEST(Remembered, OnlyWhatStillExistsIsRestoredEachNeedingTheOneBefore) {
  ScratchFolder t;
  install_samples(t);
  RememberedChoices r;
  r.lotto = "Canada_6_49";
  r.tset_size = 10;
  r.tset = "Forecaster1";
  r.system = "10_3_6";
  r.periods["frmFability"] = {march_1_2024, dec_31_2025};
  EXPECT_EQ(restorable_choices(r, t.path()), r);

  auto with = [&](auto change) {
    RememberedChoices c = r;
    change(c);
    return restorable_choices(c, t.path());
  };
  // A system for another set size, or for another pick (11_3_5 picks 5), or unknown.
  for (const char* system : {"11_3_6", "10_3_5", "10_9_6", ""}) {
    const RememberedChoices c = with([&](RememberedChoices& x) { x.system = system; });
    EXPECT_EQ(c.tset, "Forecaster1") << system;
    EXPECT_EQ(c.system, "") << system;
  }
  // A set that is gone, or looked for under another size: the lotto alone.
  for (const auto& [size, name] : {std::pair{10, "Gone"}, std::pair{11, "Forecaster1"}, std::pair{0, ""}}) {
    const RememberedChoices c = with([&](RememberedChoices& x) {
      x.tset_size = size;
      x.tset = name;
    });
    EXPECT_EQ(c.lotto, "Canada_6_49");
    EXPECT_EQ(c.tset_size, 0);
    EXPECT_EQ(c.tset, "");
    EXPECT_EQ(c.system, "");
  }
  // The lotto gone (or its record damaged): nothing but the periods.
  RememberedChoices periods_only;
  periods_only.periods = r.periods;
  EXPECT_EQ(with([](RememberedChoices& x) { x.lotto = "Gone"; }), periods_only);
  // A game with a second pool keeps the second-pool numbers played.
  ScratchFolder::put(t.games() / "P" / "game.txt", ScratchFolder::sample("game_powerball"));
  EXPECT_EQ(with([](RememberedChoices& x) { x.lotto = "P", x.system = "", x.second = "4 19"; }).second,
            "4 19");
  ScratchFolder::put(t.games() / "Canada_6_49" / "param.tix", "short");
  EXPECT_EQ(restorable_choices(r, t.path()), periods_only);
}

TEST(ProgramInfo, HelpAndVersion) {
  EXPECT_EQ(help_or_version({"--import", "f.csv", "--lotto", "X"}), std::nullopt);
  EXPECT_EQ(help_or_version({}), std::nullopt);
  const std::string version = help_or_version({"--version"}).value_or("");
  EXPECT_EQ(version, "Drawsmith " + std::string(program_version()) + "\n");
  // The project's version, three numbers.
  int dots = 0;
  for (char ch : std::string(program_version())) dots += ch == '.';
  EXPECT_EQ(dots, 2);
  const std::string help = help_or_version({"--lotto", "--help", "--version"}).value_or("");
  EXPECT_EQ(help, command_line_help());
  for (const char* option : {"--import", "--lotto", "--make-wheel", "--threads", "--steps", "--check-wheel",
                             "--stats", "--filter-rate", "--filter"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
  // The windows take the toolkit's own options alone; anything else is named, then the help.
  EXPECT_EQ(window_arguments_error({}), "");
  EXPECT_EQ(window_arguments_error({"-platform", "offscreen", "--style=fusion", "-reverse"}), "");
  EXPECT_EQ(window_arguments_error({"-reverse", "--bogus"}), "Unknown option '--bogus'.\n\n" + help);
  EXPECT_EQ(window_arguments_error({"draws.txt"}), "Unknown argument 'draws.txt'.\n\n" + help);
  EXPECT_EQ(window_arguments_error({"-style"}), "'-style' needs a value.\n\n" + help);
}
