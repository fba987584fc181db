#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <fstream>
#include <iterator>
#include <random>

#include "dialogs/reminder_editor.h"
#include "tests/support/reminder_fakes.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_scheduler.h"

namespace {

const char* const kPath = "dir/Ticora.rmd";

Bytes Concat(std::initializer_list<ReminderRecord> records) {
  Bytes out;
  for (const auto& r : records) {
    Bytes b = RecordBytes(r);
    out.insert(out.end(), b.begin(), b.end());
  }
  return out;
}

std::vector<std::string> Titles(const ReminderList& list) {
  std::vector<std::string> out;
  for (size_t i = 0; i < list.count(); ++i) out.push_back(FieldText(list.At(i)->sTitle));
  return out;
}

}  // namespace

TEST(ReminderListTest, LoadTakesOnlyWholeRecordFiles) {
  const ReminderRecord a = MakeReminder(1, "a", RepeatDaily, 8, 30);
  const ReminderRecord b = MakeReminder(2, "b", RepeatOnce, 9, 0);
  Bytes twoRecords = Concat({a, b});
  Bytes oddSize = RecordBytes(a);
  oddSize.push_back(0);
  struct Case {
    const char* name;
    bool present;
    Bytes content;
    bool result;
    std::vector<std::string> titles;
  } cases[] = {
      {"missing", false, {}, false, {}},
      {"empty", true, {}, false, {}},
      {"one record", true, RecordBytes(a), true, {"a"}},
      {"two records in file order", true, twoRecords, true, {"a", "b"}},
      {"605 bytes", true, oddSize, false, {}},
      {"1207 bytes", true, Bytes(twoRecords.begin(), twoRecords.end() - 1), false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeFileSystem fs;
    if (c.present) fs.files[kPath] = c.content;
    ReminderList list(&fs);
    ASSERT_TRUE(list.Append(MakeReminder(9, "stale", RepeatDaily, 1, 1)));
    EXPECT_EQ(list.Load(kPath), c.result);
    EXPECT_EQ(Titles(list), c.titles);
    EXPECT_EQ(list.modified(), !c.result) << "only a complete load clears the flag";
    if (c.present) {
      EXPECT_EQ(fs.files[kPath], c.content) << "loading never touches the file";
    }
    EXPECT_EQ(fs.openStreams, 0);
  }
}

TEST(ReminderListTest, CapacityGrowsByDoublingAndShrinksOnlyOnClear) {
  ReminderList list;
  EXPECT_EQ(list.capacity(), 0u);
  const size_t expected[] = {1, 2, 4, 4, 8, 8, 8, 8, 16};
  for (size_t i = 0; i < std::size(expected); ++i) {
    ASSERT_TRUE(list.Append(MakeReminder(static_cast<uint16_t>(i), "r", RepeatDaily, 0, 0)));
    EXPECT_EQ(list.capacity(), expected[i]) << "after " << i + 1 << " appends";
  }
  ASSERT_TRUE(list.RemoveById(0));
  ASSERT_TRUE(list.RemoveById(1));
  EXPECT_EQ(list.capacity(), 16u);
  EXPECT_EQ(list.Clear(), 7u);
  EXPECT_EQ(list.count(), 0u);
  EXPECT_EQ(list.capacity(), 0u);
  EXPECT_EQ(list.At(0), nullptr);
}

// Keys are not unique: every operation reaches the first record with the key,
// and only the low 16 bits of the key take part.
TEST(ReminderListTest, DuplicateKeysReachTheFirstMatchOnly) {
  ReminderList list;
  list.Append(MakeReminder(7, "first", RepeatDaily, 1, 0));
  list.Append(MakeReminder(7, "second", RepeatDaily, 2, 0));
  list.Append(MakeReminder(8, "other", RepeatDaily, 3, 0));
  const uint32_t rowKey = 1 * 65536 + 7;  // the row data a list view carries

  EXPECT_EQ(list.FindIndexById(rowKey), 0);
  EXPECT_EQ(FieldText(list.FindById(7)->sTitle), "first");
  EXPECT_EQ(list.FindIndexById(9), -1);
  EXPECT_EQ(list.FindById(9), nullptr);

  list.SetEnabledById(rowKey, 0);
  EXPECT_EQ(list.At(0)->bEnabled, 0);
  EXPECT_EQ(list.At(1)->bEnabled, 1);

  ReminderRecord replacement = MakeReminder(7, "replaced", RepeatOnce, 4, 0);
  ASSERT_TRUE(list.ReplaceById(rowKey, replacement));
  EXPECT_EQ(Titles(list), (std::vector<std::string>{"replaced", "second", "other"}));

  ASSERT_TRUE(list.RemoveById(7));
  EXPECT_EQ(Titles(list), (std::vector<std::string>{"second", "other"}));
  ASSERT_TRUE(list.RemoveById(7));
  EXPECT_EQ(Titles(list), (std::vector<std::string>{"other"}));
  EXPECT_FALSE(list.RemoveById(7));
}

TEST(ReminderListTest, ReplaceWithNewKeyMovesTheRecordToThatKey) {
  ReminderList list;
  list.Append(MakeReminder(0x1001, "a", RepeatDaily, 1, 0));
  list.Append(MakeReminder(0x2002, "b", RepeatDaily, 2, 0));
  ReminderRecord edited = MakeReminder(0x3003, "a edited", RepeatDaily, 5, 0);
  ASSERT_TRUE(list.ReplaceById(0x1001, edited));
  EXPECT_EQ(list.FindById(0x1001), nullptr);
  EXPECT_EQ(list.FindIndexById(0x3003), 0) << "the record keeps its place";
  EXPECT_EQ(RecordBytes(*list.At(0)), RecordBytes(edited)) << "all 604 bytes are overwritten";
  EXPECT_FALSE(list.ReplaceById(0x1001, edited));
}

TEST(ReminderListTest, ModifiedFlagFollowsRealChanges) {
  FakeFileSystem fs;
  ReminderList list(&fs);
  auto reset = [&] { ASSERT_TRUE(list.Save(kPath)); ASSERT_FALSE(list.modified()); };
  const ReminderRecord r = MakeReminder(5, "r", RepeatDaily, 1, 0);

  EXPECT_FALSE(list.modified());
  list.Append(r);
  EXPECT_TRUE(list.modified());

  struct Step {
    const char* name;
    std::function<void()> change;
    bool modified;
  } steps[] = {
      {"enable to the same value", [&] { list.SetEnabledById(5, 1); }, false},
      {"enable an unknown key", [&] { EXPECT_TRUE(list.SetEnabledById(99, 0)); }, false},
      {"disable", [&] { list.SetEnabledById(5, 0); }, true},
      {"replace", [&] { list.ReplaceById(5, r); }, true},
      {"replace an unknown key", [&] { list.ReplaceById(99, r); }, false},
      {"remove an unknown key", [&] { list.RemoveById(99); }, false},
      {"latch written by the scheduler", [&] { list.At(0)->bFired = 1; }, false},
      {"remove", [&] { list.RemoveById(5); }, true},
      {"clear", [&] { list.Append(r); reset(); list.Clear(); }, false},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    reset();
    s.change();
    EXPECT_EQ(list.modified(), s.modified);
  }

  list.Append(r);
  fs.failCreate = true;
  EXPECT_FALSE(list.Save(kPath));
  EXPECT_TRUE(list.modified()) << "a failed save leaves the flag for the next try";
}

TEST(ReminderListTest, SaveAndLoadKeepEveryByte) {
  FakeFileSystem fs;
  ReminderList list(&fs);
  ReminderRecord fired = MakeReminder(1, "fired", RepeatDaily, 8, 30);
  fired.bFired = 1;
  ReminderRecord odd = MakeReminder(2, "weekly?", 7, 9, 0, 9, 0xFFFF);
  odd.sMessage[255] = 'x';  // no terminator
  list.Append(fired);
  list.Append(odd);
  ASSERT_TRUE(list.Save(kPath));
  EXPECT_EQ(fs.files[kPath], Concat({fired, odd}));
  EXPECT_FALSE(fs.Exists(ReminderList::TempPathFor(kPath).c_str()));

  ReminderList again(&fs);
  ASSERT_TRUE(again.Load(kPath));
  ASSERT_EQ(again.count(), 2u);
  EXPECT_EQ(again.At(0)->bFired, 1);
  EXPECT_EQ(RecordBytes(*again.At(1)), RecordBytes(odd));

  again.Clear();
  ASSERT_TRUE(again.Save(kPath));
  EXPECT_TRUE(fs.files.at(kPath).empty()) << "an empty list leaves an empty file";
}

// Every kind, and a kind of a later version (9), with bytes behind the
// terminators: the file comes back byte for byte but for the one record
// edited, also after the unknown one went through the editor untouched.
TEST(ReminderListTest, EveryKindSurvivesLoadEditOfAnotherRecordAndSave) {
  FakeFileSystem fs;
  std::vector<ReminderRecord> records;
  for (uint16_t repeat : {0, 1, 2, 3, 4, 5, 9}) {
    ReminderRecord r = MakeReminder(static_cast<uint16_t>(0x100 + repeat), "kind", repeat, 6, repeat, ActionNone,
                                    FlagMessage);
    r.stWhen = MakeTime(2024, 9, 17, 6, repeat, 40);
    r.stWhen.wDayOfWeek = repeat == RepeatWeekly ? 0x2A : 2;
    r.bFired = repeat % 2;
    std::memset(r.sTitle + 5, 0x7E, 20);
    std::memset(r.sPath, 0x33, sizeof r.sPath);  // unterminated and unused
    records.push_back(r);
  }
  records.back().stWhen.wDayOfWeek = 0xFFFF;
  records.back().nFlags = 0x8020;
  fs.files[kPath] = Bytes();
  for (const ReminderRecord& r : records) {
    const Bytes b = RecordBytes(r);
    fs.files[kPath].insert(fs.files[kPath].end(), b.begin(), b.end());
  }
  ReminderList list(&fs);
  ASSERT_TRUE(list.Load(kPath));

  // The unknown kind opened in the editor and confirmed untouched.
  const ReminderRecord* unknown = list.FindById(0x109);
  ReminderRecord copy = *unknown;
  OpenReminderEditor(copy, true);
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(OpenedInput(*unknown), copy, unknown));
  ASSERT_TRUE(list.ReplaceById(0x109, copy));
  // The monthly one edited: a new title.
  ReminderRecord monthly = *list.FindById(0x103);
  OpenReminderEditor(monthly, true);
  ReminderEditorInput in = OpenedInput(monthly);
  in.title = "房租";
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, monthly, list.FindById(0x103)));
  ASSERT_TRUE(list.ReplaceById(0x103, monthly));
  ASSERT_TRUE(list.Save(kPath));

  const Bytes& saved = fs.files[kPath];
  ASSERT_EQ(saved.size(), records.size() * kReminderRecordSize);
  for (size_t i = 0; i < records.size(); ++i) {
    const Bytes bytes(saved.begin() + i * kReminderRecordSize, saved.begin() + (i + 1) * kReminderRecordSize);
    if (records[i].nRepeat == RepeatMonthly) {
      ReminderRecord back;
      std::memcpy(&back, bytes.data(), sizeof back);
      EXPECT_EQ("房租", FieldText(back.sTitle));
      EXPECT_EQ(RepeatMonthly, back.nRepeat);
      EXPECT_EQ(17, back.stWhen.wDay);
      continue;
    }
    EXPECT_EQ(RecordBytes(records[i]), bytes) << "kind " << records[i].nRepeat;
  }
}

// A save that fails at any byte leaves the old file as it was and no temporary
// file behind.
TEST(ReminderListTest, FailedWriteAtAnyByteKeepsTheOldFile) {
  const Bytes original = Concat({MakeReminder(1, "old 1", RepeatDaily, 1, 0),
                                 MakeReminder(2, "old 2", RepeatOnce, 2, 0)});
  ReminderList list;
  for (uint16_t id = 10; id < 13; ++id) list.Append(MakeReminder(id, "new", RepeatDaily, 3, 0));
  const int64_t total = 3 * 604;
  for (int64_t budget = 0; budget < total; ++budget) {
    FakeFileSystem fs;
    fs.files[kPath] = original;
    ReminderList target(&fs);
    for (size_t i = 0; i < list.count(); ++i) target.Append(*list.At(i));
    fs.writeBudget = budget;
    ASSERT_FALSE(target.Save(kPath)) << budget;
    ASSERT_EQ(fs.files[kPath], original) << budget;
    ASSERT_EQ(fs.files.size(), 1u) << "no temporary file after failing at byte " << budget;
    ASSERT_TRUE(target.modified());
    ASSERT_EQ(fs.openStreams, 0);
  }
}

TEST(ReminderListTest, FailedCloseCreateOrReplaceKeepsTheOldFile) {
  const Bytes original = RecordBytes(MakeReminder(1, "old", RepeatDaily, 1, 0));
  const char* modes[] = {"close", "create", "replace"};
  for (const char* mode : modes) {
    SCOPED_TRACE(mode);
    FakeFileSystem fs;
    fs.files[kPath] = original;
    ReminderList list(&fs);
    list.Append(MakeReminder(2, "new", RepeatDaily, 2, 0));
    fs.failClose = std::string(mode) == "close";
    fs.failCreate = std::string(mode) == "create";
    fs.failReplace = std::string(mode) == "replace";
    EXPECT_FALSE(list.Save(kPath));
    EXPECT_EQ(fs.files[kPath], original);
    EXPECT_EQ(fs.files.size(), 1u);
  }
}

// A file that is no whole number of records is kept under a free backup name
// before the first save replaces it.
TEST(ReminderListTest, ForeignFileIsBackedUpBeforeItIsReplaced) {
  FakeFileSystem fs;
  const Bytes foreign(605, 0x5A);
  fs.files[kPath] = foreign;
  fs.files["dir/Ticora.rmd.bak"] = {1, 2, 3};
  ReminderList list(&fs);
  EXPECT_FALSE(list.Load(kPath));
  list.Append(MakeReminder(1, "new", RepeatDaily, 1, 0));
  ASSERT_TRUE(list.Save(kPath));
  EXPECT_EQ(fs.files["dir/Ticora.rmd.bak"], (Bytes{1, 2, 3})) << "an existing backup is never overwritten";
  EXPECT_EQ(fs.files["dir/Ticora.rmd.bak1"], foreign);
  EXPECT_EQ(fs.files[kPath].size(), 604u);

  list.Append(MakeReminder(2, "more", RepeatDaily, 2, 0));
  ASSERT_TRUE(list.Save(kPath));
  EXPECT_EQ(fs.files.size(), 3u) << "a file Save wrote itself needs no backup";
}

TEST(ReminderListTest, FailedBackupAtAnyByteChangesNothing) {
  const Bytes foreign(605, 0x5A);
  for (int64_t budget = 0; budget < 605 + 604; ++budget) {
    FakeFileSystem fs;
    fs.files[kPath] = foreign;
    ReminderList list(&fs);
    list.Append(MakeReminder(1, "new", RepeatDaily, 1, 0));
    fs.writeBudget = budget;
    ASSERT_FALSE(list.Save(kPath)) << budget;
    ASSERT_EQ(fs.files[kPath], foreign) << budget;
    // A complete backup may remain (it is a true copy); a partial one may not.
    for (const auto& [name, content] : fs.files) {
      if (name == kPath) continue;
      ASSERT_EQ(name, "dir/Ticora.rmd.bak") << budget;
      ASSERT_EQ(content, foreign) << budget;
    }
  }
}

TEST(ReminderListTest, NoFreeBackupNameMeansNoSave) {
  FakeFileSystem fs;
  fs.files[kPath] = Bytes(605, 1);
  for (int n = 0; n < ReminderList::kMaxBackups; ++n) fs.files[ReminderList::BackupPathFor(kPath, n)] = {};
  ReminderList list(&fs);
  list.Append(MakeReminder(1, "new", RepeatDaily, 1, 0));
  EXPECT_FALSE(list.Save(kPath));
  EXPECT_EQ(fs.files[kPath], Bytes(605, 1));
}

// The standard-library files: replacing an existing file, and the backup.
TEST(ReminderListTest, RealFilesRoundTripAndReplace) {
  char dirTemplate[] = "/tmp/reminder_list_test_XXXXXX";
  ASSERT_NE(mkdtemp(dirTemplate), nullptr);
  const std::string path = std::string(dirTemplate) + "/Ticora.rmd";
  {
    std::ofstream(path, std::ios::binary) << std::string(605, 'j');
  }
  ReminderList list;
  EXPECT_FALSE(list.Load(path.c_str()));
  list.Append(MakeReminder(1, "one", RepeatDaily, 1, 0));
  list.Append(MakeReminder(2, "two", RepeatOnce, 2, 0));
  ASSERT_TRUE(list.Save(path.c_str()));
  ASSERT_TRUE(list.Save(path.c_str()));  // over an existing file of ours

  ReminderList again;
  ASSERT_TRUE(again.Load(path.c_str()));
  EXPECT_EQ(Titles(again), (std::vector<std::string>{"one", "two"}));
  std::ifstream bak(path + ".bak", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(bak), {}), std::string(605, 'j'));
  EXPECT_FALSE(StdFileSystem().Exists(ReminderList::TempPathFor(path.c_str()).c_str()));
  EXPECT_FALSE(StdFileSystem().Exists((path + ".bak1").c_str()));

  std::remove(path.c_str());
  std::remove((path + ".bak").c_str());
  EXPECT_FALSE(again.Load(path.c_str()));
  EXPECT_EQ(again.count(), 0u);
  std::remove(dirTemplate);
}

// Junk files of any size load without harm, and their records, however odd,
// go through the scheduler without harm.
TEST(ReminderListTest, JunkFilesLoadSafely) {
  std::mt19937 rng(20240301);
  for (int round = 0; round < 300; ++round) {
    FakeFileSystem fs;
    size_t size = round % 3 == 0 ? 604 * (rng() % 5) : rng() % 3000;
    Bytes junk(size);
    for (auto& b : junk) b = static_cast<uint8_t>(rng());
    // Make some records likely to fire: small hours and minutes, known repeats.
    for (size_t off = 0; off + 604 <= size; off += 604) {
      if (rng() % 2) {
        junk[off + 68] = 1;                            // enabled
        junk[off + 72] = static_cast<uint8_t>(rng() % 2);  // repeat
        junk[off + 73] = 0;
        junk[off + 84] = 0, junk[off + 85] = 0;        // hour 0
        junk[off + 86] = 0, junk[off + 87] = 0;        // minute 0
        junk[off + 66] = static_cast<uint8_t>(rng() % 4), junk[off + 67] = 0;
      }
    }
    fs.files[kPath] = junk;
    ReminderList list(&fs);
    bool loaded = list.Load(kPath);
    ASSERT_EQ(loaded, size > 0 && size % 604 == 0);
    ASSERT_EQ(list.count(), loaded ? size / 604 : 0);
    RecordingEffects effects;
    CheckReminders(list, MakeTime(2024, 3, 1, 0, 0), effects, ReminderSettings{5, 30});
    for (const auto& call : effects.calls) ASSERT_LT(call.size(), 600u);
  }
}
