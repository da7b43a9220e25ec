// Fingerprints, the three-way merge of dated rows, and the data folder's lock.
#include "shell/file_guard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "shell/data_lock.h"
#include "support/scratch.h"

using namespace ds;

namespace {

// A grid of dated rows: row 0 the header, then "date v1 v2" per row.
TextGrid rows(std::initializer_list<std::array<const char*, 3>> lines) {
  TextGrid g(1, 3);
  g.set_cell(0, 0, "Date");
  for (const auto& l : lines) {
    const int r = g.append_row();
    for (int c = 0; c < 3; ++c) g.set_cell(r, c, l[c]);
  }
  return g;
}

std::string dump(const TextGrid& g) {
  std::string out;
  for (int r = 1; r < g.rows(); ++r) out += g.cell(r, 0) + " " + g.cell(r, 1) + " " + g.cell(r, 2) + "|";
  return out;
}

}  // namespace

TEST(FileGuard, FingerprintSeesContentNotTime) {
  // FNV-1a 64 of "abc", the published test value.
  EXPECT_EQ(fingerprint_of("abc").hash, 0xe71fa2190541574bull);
  EXPECT_EQ(fingerprint_of("abc").size, 3u);

  test::ScratchFolder dir;
  const auto file = dir.path() / "f.txt";
  EXPECT_FALSE(take_fingerprint(file).exists);
  test::ScratchFolder::put(file, "1 2 3\r\n");
  const FileFingerprint first = take_fingerprint(file);
  EXPECT_TRUE(first.exists);
  EXPECT_FALSE(file_changed(first, fingerprint_of("1 2 3\r\n")));  // written again unchanged
  EXPECT_TRUE(file_changed(first, fingerprint_of("1 2 4\r\n")));   // same size, other bytes
  EXPECT_TRUE(file_changed(first, FileFingerprint{}));             // removed
  EXPECT_TRUE(file_changed(FileFingerprint{}, first));             // appeared
}

TEST(FileGuard, MergeTakesEachSidesChangesAndAsksAboutBoth) {
  const auto f = DateFormat::iso();
  const TextGrid base = rows({{"2025-01-01", "1", "2"},
                              {"2025-01-02", "3", "4"},
                              {"2025-01-03", "5", "6"},
                              {"2025-01-06", "9", "9"},
                              {"2025-01-07", "7", "7"}});
  // Here: 01-02 changed, 01-05 added, 01-07 changed; 07 written as "07" on 01-03 is no change.
  const TextGrid mine = rows({{"2025-01-01", "1", "2"},
                              {"2025-01-02", "3", "40"},
                              {"2025-01-03", "5", "06"},
                              {"2025-01-06", "9", "9"},
                              {"2025-01-07", "7", "8"},
                              {"2025-01-05", "8", "8"}});
  // In the file: 01-01 removed, 01-03 changed, 01-04 added, 01-07 changed otherwise; a second draw of 01-06.
  const TextGrid theirs = rows({{"2025-01-02", "3", "4"},
                                {"2025-01-03", "5", "60"},
                                {"2025-01-04", "2", "2"},
                                {"2025-01-06", "9", "9"},
                                {"2025-01-06", "1", "1"},
                                {"2025-01-07", "7", "9"}});
  RowMerge plan = plan_row_merge(base, mine, theirs, 0, {1, 2}, f);
  EXPECT_EQ(plan.conflicts, 1);
  EXPECT_EQ(plan.from_file, 3);  // 01-03, 01-04 and the second 01-06
  EXPECT_EQ(plan.removed_in_file, 1);
  // The row the file lost is kept until the user lets it go.
  EXPECT_EQ(dump(merged_grid(plan, mine, theirs, {true})).substr(0, 15), "2025-01-01 1 2|");
  EXPECT_EQ(
      lost_rows_question(plan, mine, 0, {1, 2}, "'f'", "rows").text,
      "The file 'f' now lacks 1 of the rows read from it: another program shortened or emptied it since "
      "this window read it.\n2025-01-01: 1 2\n\nKeep them (they are saved again with yours), or remove "
      "them as the file did? (Cancel saves nothing.)");
  drop_lost_rows(plan);
  EXPECT_EQ(dump(merged_grid(plan, mine, theirs, {true})),
            "2025-01-02 3 40|2025-01-03 5 60|2025-01-04 2 2|2025-01-05 8 8|2025-01-06 9 9|2025-01-06 1 1|"
            "2025-01-07 7 8|");
  std::vector<int> from_mine;
  EXPECT_EQ(dump(merged_grid(plan, mine, theirs, {false}, &from_mine)),
            "2025-01-02 3 40|2025-01-03 5 60|2025-01-04 2 2|2025-01-05 8 8|2025-01-06 9 9|2025-01-06 1 1|"
            "2025-01-07 7 9|");
  EXPECT_EQ(from_mine, (std::vector<int>{-1, 2, -1, -1, 6, 4, -1, -1}));

  // A row whose date does not read stays at the end, as the window holds it.
  TextGrid unfinished = mine;
  unfinished.append_row();
  EXPECT_EQ(plan_row_merge(base, unfinished, theirs, 0, {1, 2}, f).undated, (std::vector<int>{7}));
}

TEST(FileGuard, DiskNoticeOffersReloadOnceOrKeepsUnsavedWork) {
  test::ScratchFolder dir;
  const auto file = dir.path() / "draws.txt";
  test::ScratchFolder::put(file, "a\r\n");
  LoadedFile loaded = loaded_file(file, take_fingerprint(file), TextGrid{});
  EXPECT_FALSE(notice_disk_change(loaded, take_fingerprint(file), false, "x").offer_reload);
  test::ScratchFolder::put(file, "b\r\n");
  const DiskNotice first = notice_disk_change(loaded, take_fingerprint(file), false, "the draws of 'L'");
  EXPECT_TRUE(first.offer_reload);
  EXPECT_EQ(first.question.buttons, std::vector<ds::Text>{"Reload"});
  // The same change is not asked about twice; a further one is.
  EXPECT_FALSE(notice_disk_change(loaded, take_fingerprint(file), false, "x").offer_reload);
  test::ScratchFolder::put(file, "c\r\n");
  const DiskNotice busy = notice_disk_change(loaded, take_fingerprint(file), true, "the draws of 'L'");
  EXPECT_FALSE(busy.offer_reload);
  EXPECT_EQ(busy.status,
            "The file of the draws of 'L' was changed outside this window. Your changes are kept: Save "
            "merges them with the file.");
  std::filesystem::remove(file);
  EXPECT_EQ(notice_disk_change(loaded, take_fingerprint(file), false, "the draws of 'L'").status,
            "The file of the draws of 'L' was removed outside this window. Save writes it again.");
}

TEST(DataLock, TakenHeldTakenOverAndReleased) {
  test::ScratchFolder dir;
  const auto lock = dir.path() / "drawsmith.lock";
  const LockHolder me{4242, "hostA"}, other{4343, "hostA"}, far{4343, "hostB"};
  const auto alive = [](long pid) { return pid == 4343; };
  const auto dead = [](long) { return false; };

  EXPECT_EQ(take_data_lock(dir.path(), me, alive).state, LockState::taken);
  EXPECT_EQ(read_file(lock), "4242 hostA\r\n");
  EXPECT_EQ(take_data_lock(dir.path(), me, alive).state, LockState::taken);  // ours already

  // A running copy holds it: the second is told who, and the lock stays theirs.
  const LockResult second = take_data_lock(dir.path(), other, [](long pid) { return pid == 4242; });
  EXPECT_EQ(second.state, LockState::held);
  EXPECT_EQ(second.holder, me);
  EXPECT_NE(second.message.find("process 4242 on 'hostA'"), std::string::npos);
  EXPECT_EQ(read_file(lock), "4242 hostA\r\n");
  // Only the holder gives it back.
  release_data_lock(dir.path(), other);
  EXPECT_TRUE(file_exists(lock));

  // The holder is gone (killed): the lock is taken over.
  EXPECT_EQ(take_data_lock(dir.path(), other, dead).state, LockState::taken_over);
  EXPECT_EQ(read_file(lock), "4343 hostA\r\n");
  // A copy on another host cannot be checked: held, whatever this host knows.
  EXPECT_EQ(take_data_lock(dir.path(), far, dead).state, LockState::held);
  release_data_lock(dir.path(), other);
  EXPECT_FALSE(file_exists(lock));

  // A lock file that holds no lock (emptied, garbage) is taken over.
  for (const char* junk : {"", "garbage", "0 hostA\r\n", "-5 hostA\r\n", "12x hostA\r\n"}) {
    test::ScratchFolder::put(lock, junk);
    EXPECT_EQ(take_data_lock(dir.path(), me, alive).state, LockState::taken_over) << junk;
  }
  EXPECT_EQ(parse_lock(" 77  host name \r\nmore"), (LockHolder{77, "host name"}));
  // No leftovers beside the lock.
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(DataLock, ThisProcessIsAliveAndAMissingFolderTakesNoLock) {
  EXPECT_TRUE(process_alive(this_process().pid));
  EXPECT_FALSE(process_alive(0));
  test::ScratchFolder dir;
  EXPECT_EQ(take_data_lock(dir.path() / "missing", this_process()).state, LockState::not_writable);
}
