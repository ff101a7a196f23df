// Small helpers for the store's tests: a fresh device root with its store,
// and contacts and list rows built in one line.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "qzpam/CContactsDbIf.h"
#include "temp_root.h"

namespace pimtest {

struct ListRow {
  int id;
  std::wstring name;
  std::wstring detail;
  int type;
  wchar_t letter;
  bool operator==(const ListRow&) const = default;
};

class StoreTest : public ::testing::Test {
 protected:
  CContactsDbIf* db() {
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    EXPECT_NE(db, nullptr);
    return db;
  }

  // A contact with a first name (or last and first) and its numbers; the
  // first number is primary.
  int Add(const wchar_t* last, const wchar_t* first, std::initializer_list<const wchar_t*> numbers = {},
          std::initializer_list<const wchar_t*> emails = {}) {
    CContactInfo record;
    record.UpdateNameInfo(last, first, L"");
    int primary = 1;
    for (const wchar_t* number : numbers) {
      record.AddPhoneNumber(0, number, 0, primary);
      primary = 0;
    }
    for (const wchar_t* email : emails) record.AddEmail(0, email, 0);
    int id = db()->AddContact(record);
    EXPECT_GT(id, 0);
    return id;
  }

  // The contact that SearchPN gives for the number, or 0.
  int Owner(const wchar_t* number) {
    return db()->SearchPN(number, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  }

  CContactInfo Stored(int id) {
    CContactInfo record;
    EXPECT_TRUE(db()->GetContactInfo(id, record)) << id;
    return record;
  }

  std::vector<ListRow> AllContacts() {
    std::vector<ListRow> rows;
    ListRow row{};
    qzu::string name, detail;
    for (bool first = true; db()->GetContactslist(row.id, name, detail, row.type, row.letter, first); first = false) {
      row.name = name.view();
      row.detail = detail.view();
      rows.push_back(row);
    }
    return rows;
  }

  std::vector<std::wstring> Fuzzy(const wchar_t* key) {
    std::vector<std::wstring> names;
    int id = 0, type = 0;
    qzu::string name, detail;
    for (bool first = true; db()->GetContactslistFuzzy(key, id, name, detail, type, first); first = false)
      names.emplace_back(name.view());
    return names;
  }

  vorna::test::TempDeviceRoot root_;
};

}  // namespace pimtest
