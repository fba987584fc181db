#include "reminders/reminder_list.h"

#include <cstring>
#include <new>
#include <vector>

#include "base/safe_replace.h"

ReminderList::ReminderList(FileSystem* fs) : fs_(fs ? fs : &stdFs_) {}

ReminderList::~ReminderList() { Clear(); }

bool ReminderList::AppendOwned(ReminderRecord* record) {
  if (count_ == capacity_) {
    size_t newCapacity = capacity_ ? capacity_ * 2 : 1;
    ReminderRecord** grown = new (std::nothrow) ReminderRecord*[newCapacity];
    if (!grown) return false;
    if (count_ > 0) std::memcpy(grown, items_, count_ * sizeof *items_);
    delete[] items_;
    items_ = grown;
    capacity_ = newCapacity;
  }
  items_[count_++] = record;
  return true;
}

bool ReminderList::Append(const ReminderRecord& record) {
  ReminderRecord* copy = new (std::nothrow) ReminderRecord(record);
  if (!copy) return false;
  if (!AppendOwned(copy)) {
    delete copy;
    return false;
  }
  modified_ = true;
  return true;
}

int ReminderList::FindIndexById(uint32_t id) const {
  const uint16_t key = static_cast<uint16_t>(id & 0xFFFFu);
  for (size_t i = 0; i < count_; ++i) {
    if (items_[i]->nId == key) return static_cast<int>(i);
  }
  return -1;
}

ReminderRecord* ReminderList::FindById(uint32_t id) {
  int index = FindIndexById(id);
  return index < 0 ? nullptr : items_[index];
}

const ReminderRecord* ReminderList::FindById(uint32_t id) const {
  int index = FindIndexById(id);
  return index < 0 ? nullptr : items_[index];
}

bool ReminderList::ReplaceById(uint32_t id, const ReminderRecord& record) {
  ReminderRecord* target = FindById(id);
  if (!target) return false;
  std::memmove(target, &record, sizeof record);  // record may be target itself
  modified_ = true;
  return true;
}

bool ReminderList::RemoveById(uint32_t id) {
  int index = FindIndexById(id);
  if (index < 0) return false;
  delete items_[index];
  size_t rest = count_ - static_cast<size_t>(index) - 1;
  if (rest > 0) std::memmove(items_ + index, items_ + index + 1, rest * sizeof *items_);
  --count_;
  modified_ = true;
  return true;
}

bool ReminderList::SetEnabledById(uint32_t id, uint16_t enabled) {
  ReminderRecord* target = FindById(id);
  if (target && target->bEnabled != enabled) {
    target->bEnabled = enabled;
    modified_ = true;
  }
  return true;
}

size_t ReminderList::Clear() {
  size_t freed = count_;
  for (size_t i = 0; i < count_; ++i) delete items_[i];
  delete[] items_;
  items_ = nullptr;
  count_ = 0;
  capacity_ = 0;
  return freed;
}

ReminderRecord* ReminderList::At(size_t index) {
  return index < count_ ? items_[index] : nullptr;
}

const ReminderRecord* ReminderList::At(size_t index) const {
  return index < count_ ? items_[index] : nullptr;
}

bool ReminderList::Load(const char* path) {
  if (count_ > 0) Clear();
  if (!path) return false;
  RecoverReplacement(*fs_, path);
  std::unique_ptr<FileStream> file = fs_->OpenRead(path);
  if (!file) return false;
  const int64_t size = file->Size();
  if (size <= 0 || size % static_cast<int64_t>(kReminderRecordSize) != 0) return false;
  const int64_t records = size / static_cast<int64_t>(kReminderRecordSize);
  for (int64_t i = 0; i < records; ++i) {
    ReminderRecord* record = new (std::nothrow) ReminderRecord;
    if (!record) return false;
    if (file->Read(record, kReminderRecordSize) != kReminderRecordSize || !AppendOwned(record)) {
      delete record;
      return false;
    }
  }
  file->Close();
  modified_ = false;
  return true;
}

std::string ReminderList::TempPathFor(const char* path) { return ReplacementTempPath(path); }

std::string ReminderList::BackupPathFor(const char* path, int number) {
  std::string name = std::string(path) + ".bak";
  if (number > 0) name += std::to_string(number);
  return name;
}

bool ReminderList::CopyWhole(const char* from, const char* to, int64_t expectedSize) {
  std::unique_ptr<FileStream> in = fs_->OpenRead(from);
  if (!in) return false;
  std::unique_ptr<FileStream> out = fs_->Create(to);
  if (!out) return false;
  std::vector<char> buffer(64 * 1024);
  bool ok = true;
  int64_t copied = 0;
  for (;;) {
    size_t got = in->Read(buffer.data(), buffer.size());
    if (got == 0) break;
    if (out->Write(buffer.data(), got) != got) {
      ok = false;
      break;
    }
    copied += static_cast<int64_t>(got);
  }
  // A read that ends early must not pass for a complete backup.
  if (expectedSize >= 0 && copied != expectedSize) ok = false;
  ok = out->Close() && ok;
  out.reset();
  if (!ok) fs_->Remove(to);
  return ok;
}

// A file whose size is no whole number of records was not written by Save; it
// may be someone's data, so it is kept under a backup name that is not taken yet.
bool ReminderList::BackUpIfForeign(const char* path) {
  int64_t size;
  {
    std::unique_ptr<FileStream> existing = fs_->OpenRead(path);
    if (!existing) return true;
    size = existing->Size();
  }
  if (size >= 0 && size % static_cast<int64_t>(kReminderRecordSize) == 0) return true;
  for (int n = 0; n < kMaxBackups; ++n) {
    std::string backup = BackupPathFor(path, n);
    if (!fs_->Exists(backup.c_str())) return CopyWhole(path, backup.c_str(), size);
  }
  return false;
}

bool ReminderList::Save(const char* path) {
  if (!path) return false;
  if (!BackUpIfForeign(path)) return false;
  const bool saved = WriteFileSafely(*fs_, path, [this](FileStream& file) {
    for (size_t i = 0; i < count_; ++i) {
      if (file.Write(items_[i], kReminderRecordSize) != kReminderRecordSize) return false;
    }
    return true;
  });
  if (!saved) return false;
  modified_ = false;
  return true;
}
