// A list that owns its objects and grows without throwing: where memory runs
// out, an object is not added (and stays with the caller) instead of the
// program ending. For lists whose entries the program may do without, such as
// the flat buttons of a dialog or the open message boards.
#pragma once
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

template <class T>
class OwnerList {
 public:
  OwnerList() = default;
  ~OwnerList() { Release(); }
  OwnerList(const OwnerList&) = delete;
  OwnerList& operator=(const OwnerList&) = delete;

  // Takes item and returns true; false when there is no memory for the list,
  // and then item is left as it was.
  bool push_back(std::unique_ptr<T>&& item) {
    if (size_ == capacity_ && !Grow()) return false;
    items_[size_++] = std::move(item);
    return true;
  }
  void clear() {
    for (size_t i = 0; i < size_; ++i) items_[i].reset();
    size_ = 0;
  }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::unique_ptr<T>& operator[](size_t i) { return items_[i]; }
  const std::unique_ptr<T>& operator[](size_t i) const { return items_[i]; }
  std::unique_ptr<T>* begin() { return items_; }
  std::unique_ptr<T>* end() { return items_ + size_; }
  const std::unique_ptr<T>* begin() const { return items_; }
  const std::unique_ptr<T>* end() const { return items_ + size_; }

 private:
  bool Grow() {
    const size_t capacity = capacity_ ? capacity_ * 2 : 4;
    std::unique_ptr<T>* items = new (std::nothrow) std::unique_ptr<T>[capacity];
    if (!items) return false;
    for (size_t i = 0; i < size_; ++i) items[i] = std::move(items_[i]);
    delete[] items_;
    items_ = items;
    capacity_ = capacity;
    return true;
  }
  void Release() {
    clear();
    delete[] items_;
    items_ = nullptr;
    capacity_ = 0;
  }

  std::unique_ptr<T>* items_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};
