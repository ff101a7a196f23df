// The smart-dial index of one contact snapshot: every contact's reading as
// keypad digits, packed in list order, and how often each contact was
// called. Built once per snapshot and kept for the next keystrokes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "t9/T9Match.h"

namespace qzpam {

// A suggestion: which contact (list position), which of its numbers (-1:
// the primary one), and how the key matched its name (rank None when only
// a number matched).
struct T9Hit {
  uint32_t contact;
  int32_t number;
  T9Match name;
  uint32_t calls;
  bool exactNumber;
};

class T9Index {
 public:
  explicit T9Index(const ContactSnapshot::Contacts& contacts);

  size_t size() const { return starts_.size() - 1; }
  size_t bytes() const;

  // How often each contact was called, by contact identifier.
  void SetCallCounts(const std::unordered_map<int, uint32_t>& calls);

  // The suggestions for `key` (digits 0-9), best first: the owner of the
  // number equal to the key, then name matches by rank, then by calls, then
  // contacts one of whose numbers contains the key; ties in list order.
  std::vector<T9Hit> Match(std::string_view key) const;

 private:
  std::string_view Digits(size_t contact) const;

  const ContactSnapshot::Contacts& contacts_;
  std::string digits_;
  std::vector<uint32_t> starts_;  // one more than contacts
  std::vector<uint32_t> calls_;
};

}  // namespace qzpam
