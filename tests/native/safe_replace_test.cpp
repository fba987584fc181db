#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "base/ini_file.h"
#include "base/safe_replace.h"
#include "base/theme_file.h"
#include "reminders/reminder_list.h"
#include "tests/support/reminder_fakes.h"

namespace {

// One way the program rewrites one of its files, applied to a fake file system
// that holds the old content under path.
struct Rewrite {
  const char* name;
  const char* path;
  std::string oldText;  // "" for a file that does not exist yet
  std::function<bool(FakeFileSystem&)> write;
};

std::string RecordsText(std::initializer_list<ReminderRecord> records) {
  std::string text;
  for (const ReminderRecord& r : records) {
    const Bytes b = RecordBytes(r);
    text.append(b.begin(), b.end());
  }
  return text;
}

std::vector<Rewrite> Rewrites() {
  auto ini = [](const char* key, const char* value) {
    return [=](FakeFileSystem& fs) {
      SetIniFileSystem(&fs);
      const bool ok = IniWriteString("Ticora.ini", "Position", key, value);
      SetIniFileSystem(nullptr);
      return ok;
    };
  };
  auto reminders = [](FakeFileSystem& fs) {
    ReminderList list(&fs);
    list.Append(MakeReminder(7, "new", RepeatDaily, 9, 30));
    list.Append(MakeReminder(8, "newer", RepeatOnce, 10, 0));
    return list.Save("Ticora.rmd");
  };
  auto theme = [](FakeFileSystem& fs) {
    SetIniFileSystem(&fs);
    const bool ok = SaveTheme(fs, "theme.ini", 24);
    SetIniFileSystem(nullptr);
    return ok;
  };
  const std::string settings = "[Skins]\r\nDigital=a.bmp\r\n[Position]\r\nX=10\r\nY=20\r\n";
  return {
      {"settings value changed", "Ticora.ini", settings, ini("X", "250")},
      {"settings key added", "Ticora.ini", settings, ini("Top", "1")},
      {"settings file created", "Ticora.ini", "", ini("X", "1")},
      {"reminder file", "Ticora.rmd", RecordsText({MakeReminder(1, "old", RepeatDaily, 8, 0)}), reminders},
      {"theme file", "theme.ini", "[THEME]\r\nnMode=12\r\nsClock01=Mine.wav\r\nAuthor=me\r\n", theme},
  };
}

enum class Fault { kFailCall, kEndAtCall, kShortWrite };

// Applies rewrite with one fault, then starts again as the program does:
// returns the file's content after RecoverReplacement, or "<missing>".
struct Outcome {
  bool reported = false;
  bool ended = false;
  std::string text;
  size_t files = 0;
};

Outcome RunWithFault(const Rewrite& rewrite, bool oneStep, Fault fault, int64_t at) {
  FakeFileSystem fs;
  fs.oneStepReplace = oneStep;
  if (!rewrite.oldText.empty()) fs.SetText(rewrite.path, rewrite.oldText);
  if (fault == Fault::kFailCall) fs.failAt = static_cast<int>(at);
  if (fault == Fault::kEndAtCall) fs.crashAt = static_cast<int>(at);
  if (fault == Fault::kShortWrite) fs.writeBudget = at;
  Outcome out;
  try {
    out.reported = rewrite.write(fs);
  } catch (const FileSystemCrash&) {
    out.ended = true;
  }
  SetIniFileSystem(nullptr);
  fs.failAt = fs.crashAt = -1;
  fs.writeBudget = -1;
  RecoverReplacement(fs, rewrite.path);
  out.text = fs.Exists(rewrite.path) ? fs.Text(rewrite.path) : "<missing>";
  // Unfinished temporary files ("<path>.tmp", the theme's "<path>.tmp.tmp")
  // may stay after the program ended; the next write replaces them.
  for (const auto& file : fs.files) out.files += file.first.rfind(ReplacementTempPath(rewrite.path), 0) != 0;
  EXPECT_EQ(0, fs.openStreams);
  return out;
}

}  // namespace

// Every changing call of each rewrite fails, or the program ends right there,
// and every byte budget cuts the writes short, with and without a one-step
// replace: afterwards the file holds its old or its new content, whole; a
// reported failure means the old one, and nothing but the file (and perhaps an
// unfinished temporary file) is left.
TEST(SafeReplaceTest, EveryFaultLeavesTheOldOrTheNewFileWhole) {
  for (const Rewrite& rewrite : Rewrites()) {
    for (bool oneStep : {true, false}) {
      SCOPED_TRACE(std::string(rewrite.name) + (oneStep ? ", one-step replace" : ", no one-step replace"));
      FakeFileSystem clean;
      clean.oneStepReplace = oneStep;
      if (!rewrite.oldText.empty()) clean.SetText(rewrite.path, rewrite.oldText);
      clean.writeBudget = int64_t{1} << 40;
      ASSERT_TRUE(rewrite.write(clean));
      const std::string newText = clean.Text(rewrite.path);
      ASSERT_NE(newText, rewrite.oldText);
      const int calls = clean.changes;
      const int64_t bytes = (int64_t{1} << 40) - clean.writeBudget;
      const std::string oldText = rewrite.oldText.empty() ? "<missing>" : rewrite.oldText;
      const size_t oldFiles = rewrite.oldText.empty() ? 0 : 1;

      for (Fault fault : {Fault::kFailCall, Fault::kEndAtCall, Fault::kShortWrite}) {
        const int64_t end = fault == Fault::kShortWrite ? bytes : calls;
        for (int64_t at = 0; at < end; ++at) {
          const Outcome out = RunWithFault(rewrite, oneStep, fault, at);
          const std::string where = "fault " + std::to_string(static_cast<int>(fault)) + " at " + std::to_string(at);
          ASSERT_TRUE(out.text == oldText || out.text == newText) << where << ": " << out.text;
          if (!out.ended) {
            ASSERT_EQ(out.reported ? newText : oldText, out.text) << where;
          }
          ASSERT_EQ(out.text == newText ? 1u : oldFiles, out.files) << where;
        }
      }
    }
  }
}

// An earlier replacement that ended between its renames is finished when the
// file is next read or written.
TEST(SafeReplaceTest, InterruptedReplacementIsTakenUpOnStart) {
  struct Case {
    const char* name;
    bool temp, old, file;
    const char* expect;
  } cases[] = {
      {"old moved aside, new complete", true, true, false, "new"},
      {"old moved aside, no new", false, true, false, "old"},
      {"stale old beside the file", true, true, true, "file"},
      {"unfinished temporary file only", true, false, false, "<missing>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeFileSystem fs;
    if (c.temp) fs.SetText(ReplacementTempPath("Ticora.rmd"), "new");
    if (c.old) fs.SetText(ReplacementOldPath("Ticora.rmd"), "old");
    if (c.file) fs.SetText("Ticora.rmd", "file");
    ReminderList list(&fs);
    list.Load("Ticora.rmd");
    EXPECT_EQ(c.expect, fs.Exists("Ticora.rmd") ? fs.Text("Ticora.rmd") : "<missing>");
    EXPECT_FALSE(fs.Exists(ReplacementOldPath("Ticora.rmd").c_str()));
  }
}

namespace {

// The files beside path, apart from path itself.
std::map<std::string, std::string> Others(const FakeFileSystem& fs, const std::string& path) {
  std::map<std::string, std::string> others;
  for (const auto& file : fs.files)
    if (file.first != path) others[file.first] = fs.Text(file.first);
  return others;
}

}  // namespace

// Files of the user's that look like a replacement's leftovers ("<path>.old",
// "<path>.tmp", a backup) are neither read, renamed nor removed, whether the
// file exists or not, with and without a one-step replace; afterwards nothing
// but them and the new file is there.
TEST(SafeReplaceTest, TouchesNoFileItDidNotMake) {
  for (const Rewrite& rewrite : Rewrites()) {
    for (bool present : {true, false}) {
      for (bool oneStep : {true, false}) {
        SCOPED_TRACE(std::string(rewrite.name) + (present ? ", file there" : ", file missing") +
                     (oneStep ? "" : ", no one-step replace"));
        FakeFileSystem fs;
        fs.oneStepReplace = oneStep;
        if (present && !rewrite.oldText.empty()) fs.SetText(rewrite.path, rewrite.oldText);
        const std::string path = rewrite.path;
        const std::map<std::string, std::string> mine = {
            {path + ".old", "user's old copy"}, {path + ".tmp", "user's draft"}, {path + ".tmp.tmp", "x"},
            {path + ".bak", "user's backup"}};
        for (const auto& file : mine) fs.SetText(file.first, file.second);
        RecoverReplacement(fs, rewrite.path);
        ASSERT_TRUE(rewrite.write(fs));
        RecoverReplacement(fs, rewrite.path);
        EXPECT_EQ(mine, Others(fs, path));
        EXPECT_TRUE(fs.Exists(rewrite.path));
      }
    }
  }
}

// Another program holds the file (sharing reading and writing, not deletion):
// the replace is tried again a few times, then the file is written over in
// place; when even that fails, the old content stays and the failure is
// reported. A read-only file is never changed, and nothing is retried.
TEST(SafeReplaceTest, HeldFilesAreWrittenInPlaceAndReadOnlyOnesNever) {
  enum class Case { kHeld, kHeldNoInPlace, kReadOnly };
  for (const Rewrite& rewrite : Rewrites()) {
    if (rewrite.oldText.empty()) continue;
    for (Case c : {Case::kHeld, Case::kHeldNoInPlace, Case::kReadOnly}) {
      for (bool oneStep : {true, false}) {
        SCOPED_TRACE(std::string(rewrite.name) + " case " + std::to_string(static_cast<int>(c)) +
                     (oneStep ? "" : ", no one-step replace"));
        FakeFileSystem fs;
        fs.oneStepReplace = oneStep;
        fs.SetText(rewrite.path, rewrite.oldText);
        (c == Case::kReadOnly ? fs.readOnly : fs.held).insert(rewrite.path);
        fs.inPlaceWrites = c != Case::kHeldNoInPlace;
        const bool reported = rewrite.write(fs);
        EXPECT_EQ(c == Case::kHeld, reported);
        EXPECT_EQ(c == Case::kReadOnly ? 0 : kReplaceRetries, fs.pauses);
        if (c == Case::kHeld)
          EXPECT_NE(rewrite.oldText, fs.Text(rewrite.path));
        else
          EXPECT_EQ(rewrite.oldText, fs.Text(rewrite.path));
        EXPECT_TRUE(Others(fs, rewrite.path).empty());
        EXPECT_EQ(0, fs.openStreams);
      }
    }
  }
}

// The theme's hour sounds are copied after their keys whatever happens to the
// theme file: missing, unreadable, held beyond writing or read-only.
TEST(SafeReplaceTest, ThemeSaveVisitsEveryHourWhateverHappensToTheFile) {
  enum class State { kMissing, kUnreadable, kReadOnly, kNormal };
  for (State state : {State::kMissing, State::kUnreadable, State::kReadOnly, State::kNormal}) {
    SCOPED_TRACE(static_cast<int>(state));
    FakeFileSystem fs;
    if (state != State::kMissing) fs.SetText("theme.ini", "[THEME]\r\nnMode=12\r\n");
    if (state == State::kUnreadable) fs.unreadable.insert("theme.ini");
    if (state == State::kReadOnly) fs.readOnly.insert("theme.ini");
    std::vector<int> visited;
    SetIniFileSystem(&fs);
    const bool saved = SaveTheme(fs, "theme.ini", 24, [&](int n) { visited.push_back(n); });
    SetIniFileSystem(nullptr);
    EXPECT_EQ(24u, visited.size());
    for (size_t i = 0; i < visited.size(); ++i) EXPECT_EQ(static_cast<int>(i) + 1, visited[i]);
    EXPECT_EQ(state == State::kMissing || state == State::kNormal, saved);
  }
}
