#include <gtest/gtest.h>

#include <filesystem>

#include "shell/files.h"
#include "shell/samples.h"
#include "support/scratch.h"

using namespace ds;
using ds::test::ScratchFolder;

TEST(Files, AFailedWriteLeavesThePreviousFileWhole) {
  ScratchFolder t;
  const auto f = t.path() / "draws.txt";
  ScratchFolder::put(f, "old contents\r\n");
  ds::testing::fail_next_write_after(4);
  EXPECT_NE(write_file_atomic(f, "new contents that are longer\r\n"), "");
  EXPECT_EQ(read_file(f), "old contents\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(t.path()), fs::directory_iterator()), 1);
  ScratchFolder::put(f, "new");
  EXPECT_EQ(read_file(f), "new");
  fs::create_directory(t.path() / "folder");
  EXPECT_NE(write_file_atomic(t.path() / "folder", "x"), "");
  EXPECT_FALSE(read_file(t.path() / "folder"));
}

TEST(Files, SplitsEveryKindOfLineEnd) {
  const auto l = split_lines("a\r\nb\nc\rd");
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[2], "c");
  EXPECT_EQ(l[3], "d");
  EXPECT_EQ(split_lines("a\r\n\r\n").size(), 2u);
}

TEST(Files, SafeNamesAndEightBitText) {
  EXPECT_EQ(safe_name("  Canada_6_49 "), "Canada_6_49");
  for (const char* bad : {"", "   ", "..", "../x", "a/b", "a\\b", ".hidden", "tab\there"})
    EXPECT_FALSE(safe_name(bad)) << bad;
#ifdef _WIN32
  for (const char* bad : {"a<b", "a>b", "C:x", "say \"hi\"", "a|b", "why?", "all*"})
    EXPECT_FALSE(safe_name(bad)) << bad;
#else
  EXPECT_EQ(safe_name("Mine <&> \"best\"?"), "Mine <&> \"best\"?");
#endif
  EXPECT_EQ(text_to_8bit("\xE2\x82\xAC"), "\x80");
  EXPECT_EQ(text_from_8bit("\x80\xA3"), "\xE2\x82\xAC\xC2\xA3");
  EXPECT_FALSE(text_to_8bit("\xE4\xB8\xAD"));
}

TEST(Samples, InstallWhatIsThereOnceAndNeverOverwrite) {
  ScratchFolder prog, app, app2;
  ScratchFolder::put(prog.path() / "d2", "set");
  const auto lotto = app.path() / "Games" / "Canada_6_49";
  // Without the draws nothing is installed; without the game, not the set.
  create_samples(prog.path(), app.path());
  EXPECT_FALSE(fs::exists(app.path() / "Games"));
  ScratchFolder::put(prog.path() / "d1", "draws");
  create_samples(prog.path(), app.path());
  EXPECT_TRUE(fs::exists(lotto / "draws.txt") && !fs::exists(app.path() / "Tsets"));
  ScratchFolder::put(prog.path() / "d1a", "record");
  create_samples(prog.path(), app.path());
  EXPECT_EQ(read_file(lotto / "draws.txt"), "draws");
  EXPECT_EQ(read_file(lotto / "param.tix"), "record");
  EXPECT_EQ(read_file(app.path() / "Tsets" / "10" / "Forecaster1"), "set");
  // Edited files stay; a missing one comes back.
  ScratchFolder::put(lotto / "draws.txt", "edited");
  fs::remove(lotto / "param.tix");
  create_samples(prog.path(), app.path());
  EXPECT_EQ(read_file(lotto / "draws.txt"), "edited");
  EXPECT_EQ(read_file(lotto / "param.tix"), "record");
  // A file where a folder is expected: skipped silently.
  ScratchFolder::put(app2.path() / "Games", "not a folder");
  create_samples(prog.path(), app2.path());
  EXPECT_EQ(read_file(app2.path() / "Games"), "not a folder");
}
