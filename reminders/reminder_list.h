// The program-wide ordered list of reminder records and its file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "reminders/reminder_record.h"

class ReminderList {
 public:
  // Files are reached through fs, which must outlive the list; without one the
  // standard C library's files are used.
  explicit ReminderList(FileSystem* fs = nullptr);
  ~ReminderList();
  ReminderList(const ReminderList&) = delete;
  ReminderList& operator=(const ReminderList&) = delete;

  // Replaces the content with the file's records, after finishing a
  // replacement of the file that was interrupted (RecoverReplacement). True when the whole file was
  // read; a file whose size is 0 or no whole number of records is ignored
  // (list empty, false). A failed read keeps the records read before it.
  bool Load(const char* path);

  // Replaces the file with the list's records through WriteFileSafely
  // (base/safe_replace.h): its marked temporary file takes the file's
  // place only when every record was written in full and flushed, and after
  // any failure the file keeps its old content. A file in the way whose
  // size is no whole number of records (one Load ignored) is first copied to
  // the first free name of "<path>.bak", "<path>.bak1" ... "<path>.bak99"; when
  // that copy cannot be made nothing is replaced and the result is false.
  bool Save(const char* path);

  // Adds a copy at the end; false when memory runs out.
  bool Append(const ReminderRecord& record);
  // Index of the first record whose nId equals the low 16 bits of id, or -1.
  int FindIndexById(uint32_t id) const;
  ReminderRecord* FindById(uint32_t id);
  const ReminderRecord* FindById(uint32_t id) const;
  // Overwrites all bytes of the first match, its nId included.
  bool ReplaceById(uint32_t id, const ReminderRecord& record);
  // Frees the first match and closes the gap, keeping the order.
  bool RemoveById(uint32_t id);
  // Stores bEnabled of the first match when it differs; an unknown key is no
  // error. Always true.
  bool SetEnabledById(uint32_t id, uint16_t enabled);
  // Frees every record and the array; returns how many records were freed.
  size_t Clear();

  size_t count() const { return count_; }
  size_t capacity() const { return capacity_; }
  // Null when index is out of range. The scheduler writes bFired through the
  // mutable form; that is no change of the list (bModified stays as it is).
  ReminderRecord* At(size_t index);
  const ReminderRecord* At(size_t index) const;

  bool modified() const { return modified_; }

  // The temporary and backup names Save uses for path.
  static std::string TempPathFor(const char* path);
  static std::string BackupPathFor(const char* path, int number);
  static constexpr int kMaxBackups = 100;

 private:
  bool AppendOwned(ReminderRecord* record);
  bool BackUpIfForeign(const char* path);
  bool CopyWhole(const char* from, const char* to, int64_t expectedSize);

  StdFileSystem stdFs_;
  FileSystem* fs_;
  ReminderRecord** items_ = nullptr;
  size_t count_ = 0;
  size_t capacity_ = 0;
  bool modified_ = false;
};
