#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
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
  // The bytes the code page leaves undefined go there and back unchanged.
  EXPECT_EQ(text_from_8bit("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  EXPECT_EQ(text_to_8bit("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"), "\x81\x8D\x8F\x90\x9D");
  EXPECT_FALSE(text_to_8bit("\xC2\x80"));  // U+0080: 0x80 is the euro sign
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

TEST(Files, AFailedWriteSaysWhyInPlainWordsAndWhere) {
  ScratchFolder t;
  const auto f = t.path() / "draws.txt";
  const std::string where = " (" + f.string() + ")";
  const std::pair<int, std::string> causes[] = {{EACCES, "permission to write there was refused"},
                                                {EPERM, "permission to write there was refused"},
                                                {EROFS, "permission to write there was refused"},
                                                {ENOSPC, "the disk is full"},
#ifdef EDQUOT
                                                {EDQUOT, "the disk is full"},
#endif
                                                {EIO, "the file could not be written completely"},
                                                {0, "the file could not be written completely"}};
  for (const auto& [error, words] : causes) {
    ds::testing::fail_next_write_after(3, error);
    EXPECT_EQ(write_file_atomic(f, "2024-01-06 1 2 3 4 5 6 7 \r\n"), words + where) << error;
  }
  EXPECT_EQ(write_file_atomic(t.path() / "none" / "x", "x"),
            "the file cannot be created (" + (t.path() / "none" / "x").string() + ")");
  // A file marked read-only in a writable folder stays as it is, read-only.
  const auto kept = t.path() / "kept.txt";
  test::ScratchFolder::put(kept, "old\r\n");
  fs::permissions(kept, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(write_file_atomic(kept, "new\r\n"),
            "permission to write there was refused (" + kept.string() + ")");
  EXPECT_EQ(read_file(kept), "old\r\n");
  EXPECT_EQ(fs::status(kept).permissions() & fs::perms::owner_write, fs::perms::none);
  fs::permissions(kept, fs::perms::owner_write, fs::perm_options::add);  // Windows removes no read-only file
  fs::create_directory(t.path() / "folder");
  EXPECT_EQ(write_file_atomic(t.path() / "folder", "x"),
            "a folder has that name (" + (t.path() / "folder").string() + ")");
#ifndef _WIN32
  if (::geteuid() != 0) {  // permissions do not hold back root
    fs::permissions(t.path(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(write_file_atomic(f, "x"), "permission to write there was refused" + where);
    fs::permissions(t.path(), fs::perms::owner_write, fs::perm_options::add);
  }
#endif
}

TEST(Files, LeftoversOfKilledSavesGoAtTheNextStart) {
  ScratchFolder t;
  const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
  const auto make = [&](const fs::path& file, bool aged) {
    ScratchFolder::put(file, std::string(100, 'x'));
    if (aged) fs::last_write_time(file, old);
  };
  const fs::path leftovers[] = {t.path() / "Games" / "A" / ".draws.txt.tmp123456",
                                t.path() / "Games" / "A" / ".param.tix.tmp7",
                                t.path() / "Tsets" / "10" / ".s.tmp42", t.path() / ".system.tmp0"};
  const fs::path kept[] = {t.path() / "Games" / "A" / "draws.txt",
                           t.path() / "Games" / "A" / ".draws.txt.tmp1234567",  // seven digits
                           t.path() / "Games" / "A" / "draws.txt.tmp12",        // no leading dot
                           t.path() / "Games" / "A" / ".draws.txt.tmpx1",
                           t.path() / "Games" / "A" / ".tmp12",
                           t.path() / "Tsets" / "10" / "s",
                           t.path() / "Tsets" / "10" / "sub" / ".s.tmp42"};  // too deep to be a save's
  for (const auto& f : leftovers) make(f, true);
  for (const auto& f : kept) make(f, true);
  make(t.path() / "Games" / "B" / ".draws.txt.tmp99", false);  // a save that may be under way
  EXPECT_EQ(remove_leftover_temporaries(t.path()), 4);
  for (const auto& f : leftovers) EXPECT_FALSE(fs::exists(f)) << f;
  for (const auto& f : kept) EXPECT_TRUE(fs::exists(f)) << f;
  EXPECT_TRUE(fs::exists(t.path() / "Games" / "B" / ".draws.txt.tmp99"));
  EXPECT_EQ(remove_leftover_temporaries(t.path() / "missing"), 0);
}
