// Helpers for the contact data tests: a fresh store per test, contacts in
// one line, and system strings that free themselves.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "ce/bstr.h"
#include "platform/PimContract.h"
#include "temp_root.h"

namespace contactdata_test {

inline const qzu::string kBlacklist = L"_$!<Blacklist>!$_";

// Owns a system string handed out by the library; frees it with
// SysFreeString, so that the sanitizer build reports any string left over.
class SysText {
 public:
  SysText() = default;
  ~SysText() { SysFreeString(text_); }
  SysText(const SysText&) = delete;
  SysText& operator=(const SysText&) = delete;
  wchar_t** out() { return &text_; }
  bool set() const { return text_ != nullptr; }
  std::wstring str() const { return text_ ? std::wstring(text_) : std::wstring(L"(unset)"); }

 private:
  wchar_t* text_ = nullptr;
};

// Adds a contact with the first name `name`, numbers and e-mail addresses of
// the given types (the first number primary) and the groups of the given
// stored names; its id.
using TypedValues = std::initializer_list<std::pair<const wchar_t*, int>>;
inline int AddContact(const wchar_t* name, TypedValues numbers, std::initializer_list<qzu::string> groups = {},
                      TypedValues emails = {}) {
  CContactInfo record;
  record.UpdateNameInfo(L"", name, L"");
  int primary = 1;
  for (const auto& [number, type] : numbers) {
    record.AddPhoneNumber(0, number, type, primary);
    primary = 0;
  }
  for (const auto& [email, type] : emails) record.AddEmail(0, email, type);
  for (const qzu::string& group : groups) record.AddToCategoris(group);
  const int id = CContactsDbIf::GetContactDbIf()->AddContact(record);
  EXPECT_GT(id, 0) << "adding a contact";
  return id;
}

// A contact as the store holds it now.
inline CContactInfo Stored(int id) {
  CContactInfo record;
  EXPECT_TRUE(CContactsDbIf::GetContactDbIf()->GetContactInfo(id, record)) << "contact " << id;
  return record;
}

// How many contacts the store lists.
inline int ContactCount() {
  int id = 0, type = 0, count = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; CContactsDbIf::GetContactDbIf()->GetContactslist(id, name, detail, type, letter, first);
       first = false)
    ++count;
  return count;
}

class StoreTest : public ::testing::Test {
 protected:
  CContactsDbIf* db() {
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    EXPECT_NE(db, nullptr);
    return db;
  }
  PhoneSettingsDbIf* settings() { return PhoneSettingsDbIf::GetPhoneSettingsDbIf(); }

  vorna::test::TempDeviceRoot root_;
};

}  // namespace contactdata_test
