// qzu::array: the data library's growable array.
//
// It holds any copyable element (strings, integers, records) and owns them.
// Indexes are ints, as the library's interfaces pass them; operations that
// take an index report an index out of range by their result and change
// nothing.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

namespace qzu {

template <typename T>
class array {
 public:
  using value_type = T;

  array() = default;
  array(std::initializer_list<T> items) : items_(items) {}

  int size() const { return static_cast<int>(items_.size()); }
  int count() const { return size(); }
  bool empty() const { return items_.empty(); }
  bool valid_index(int index) const { return index >= 0 && index < size(); }

  const T& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
  T& operator[](int index) { return items_[static_cast<std::size_t>(index)]; }
  const T& back() const { return items_.back(); }
  T& back() { return items_.back(); }

  // Appends the item and returns its index.
  int add(const T& item) {
    items_.push_back(item);
    return size() - 1;
  }
  int add(T&& item) {
    items_.push_back(std::move(item));
    return size() - 1;
  }
  void push_back(const T& item) { items_.push_back(item); }
  void push_back(T&& item) { items_.push_back(std::move(item)); }

  // Inserts before `index`; index == size() appends.
  bool insert(int index, const T& item) {
    if (index < 0 || index > size()) return false;
    items_.insert(items_.begin() + index, item);
    return true;
  }
  bool remove(int index) {
    if (!valid_index(index)) return false;
    items_.erase(items_.begin() + index);
    return true;
  }
  void clear() { items_.clear(); }
  void reserve(int count) {
    if (count > 0) items_.reserve(static_cast<std::size_t>(count));
  }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }

  friend bool operator==(const array&, const array&) = default;

 private:
  std::vector<T> items_;
};

}  // namespace qzu
