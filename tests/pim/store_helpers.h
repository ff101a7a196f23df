// Small helpers for the store's tests: a fresh device root with its store,
// and contacts and list rows built in one line.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "qzpam/CContactsDbIf.h"
#include "temp_root.h"

namespace pimtest {

struct Thread {
  std::wstring number;
  int time;
  int type;
  std::wstring name;
  int contactId;
  bool operator==(const Thread&) const = default;
};

struct ListRow {
  int id;
  std::wstring name;
  std::wstring detail;
  int type;
  wchar_t letter;
  bool operator==(const ListRow&) const = default;
};

// The first value that `sql` gives on the store's file under `root`, read
// beside the store as another program would ("" when it gives none).
inline std::string QueryStoreFile(const std::filesystem::path& root, const char* sql) {
  sqlite3* raw = nullptr;
  sqlite3_stmt* stmt = nullptr;
  std::string value;
  if (sqlite3_open_v2((root / "pim" / "contacts.db").c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(raw, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW &&
      sqlite3_column_text(stmt, 0))
    value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
  sqlite3_finalize(stmt);
  sqlite3_close(raw);
  return value;
}

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

  // The search's rows (it gives no letter), read through one pair of
  // strings reused over rows of long and short, wide and narrow texts.
  std::vector<ListRow> FuzzyRows(const wchar_t* key) {
    std::vector<ListRow> rows;
    ListRow row{};
    qzu::string name, detail;
    for (bool first = true; db()->GetContactslistFuzzy(key, row.id, name, detail, row.type, first); first = false) {
      row.name = name.view();
      row.detail = detail.view();
      rows.push_back(row);
    }
    return rows;
  }

  std::vector<std::wstring> Fuzzy(const wchar_t* key) {
    std::vector<std::wstring> names;
    for (const ListRow& row : FuzzyRows(key)) names.push_back(row.name);
    return names;
  }

  // The call log's threads, newest first: all calls' or missed calls'.
  std::vector<Thread> Threads(bool missed = false, int max = 50) {
    std::vector<Thread> out;
    qzu::string number, name;
    int time = 0, value = 0, type = 0, contact = 0;
    for (bool first = true;
         missed ? db()->GetMissedCallHistory(max, number, time, value, type, name, contact, first)
                : db()->GetCallHistory(max, number, time, value, type, name, contact, first);
         first = false)
      out.push_back({std::wstring(number.view()), time, type, std::wstring(name.view()), contact});
    return out;
  }

  // The times of a number's calls (or missed calls), newest first.
  std::vector<int> Times(const wchar_t* number, bool missed = false, int max = 9999) {
    std::vector<int> out;
    int time = 0, value = 0, type = 0;
    for (bool first = true; missed ? db()->GetCallHistoryByPNMissed(number, max, time, value, first)
                                   : db()->GetCallHistoryByPN(number, max, time, value, type, first);
         first = false)
      out.push_back(time);
    return out;
  }

  vorna::test::TempDeviceRoot root_;
};

}  // namespace pimtest
