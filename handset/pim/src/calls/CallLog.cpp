// The call log of CContactsDbIf. A call thread is every call of one number:
// calls whose numbers reduce to the same key (match/MatchKeys.h), so
// "+86 138 0013 8000" and "13800138000" are one thread. Hidden callers (an
// empty number) form one thread of their own.
#include "contacts/ContactsDbState.h"
#include "contacts/PhoneLookup.h"
#include "match/MatchKeys.h"
#include "qzpam/CContactsDbIf.h"
#include "store/StoreAccess.h"

using namespace qzpam;

namespace {

bool ValidCallType(int type) { return type >= 1 && type <= 5; }

std::vector<CallRow> LoadThreads(int maxCount, bool missedOnly) {
  std::vector<CallRow> rows;
  if (maxCount <= 0) return rows;
  WithStore(0, [&](Store& store) {
    const NumberMatcher matcher = MatchKeys::Matcher(store);
    Statement stmt = missedOnly
        ? store.Prepare(
              "SELECT c.number, c.time, c.value, c.type, c.match_key FROM calls c INDEXED BY calls_missed"
              " WHERE c.type = 3 AND c.id = (SELECT d.id FROM calls d INDEXED BY calls_thread"
              "   WHERE d.match_key = c.match_key AND d.type = 3 ORDER BY d.time DESC, d.id DESC LIMIT 1)"
              " ORDER BY c.time DESC, c.id DESC LIMIT ?")
        : store.Prepare(
              "SELECT c.number, c.time, c.value, c.type, c.match_key FROM calls c INDEXED BY calls_time"
              " WHERE c.id = (SELECT d.id FROM calls d INDEXED BY calls_thread"
              "   WHERE d.match_key = c.match_key ORDER BY d.time DESC, d.id DESC LIMIT 1)"
              " ORDER BY c.time DESC, c.id DESC LIMIT ?");
    stmt.Bind(1, maxCount);
    while (stmt.Step() == SQLITE_ROW) {
      PhoneOwner owner = PhoneLookup::Find(store, matcher, stmt.Utf8(4));
      rows.push_back({stmt.Text(0), stmt.Int(1), stmt.Int(2), stmt.Int(3), owner.name, owner.contactId});
    }
    return 0;
  });
  return rows;
}

std::vector<CallRow> LoadNumberCalls(const wchar_t* number, int maxCount, bool missedOnly) {
  std::vector<CallRow> rows;
  if (!number || maxCount <= 0) return rows;
  WithStore(0, [&](Store& store) {
    std::string key = MatchKeys::Matcher(store).Key(number);
    Statement stmt = store.Prepare(
        "SELECT time, value, type FROM calls WHERE match_key = ? AND (? = 0 OR type = 3)"
        " ORDER BY time DESC, id DESC LIMIT ?");
    stmt.Bind(1, std::string_view(key)).Bind(2, missedOnly ? 1 : 0).Bind(3, maxCount);
    while (stmt.Step() == SQLITE_ROW) rows.push_back({L"", stmt.Int(0), stmt.Int(1), stmt.Int(2), L"", 0});
    return 0;
  });
  return rows;
}

bool NextThread(Cursor<CallRow>& cursor, qzu::string& number, int& time, int& value, int& type, qzu::string& name,
                int& contactId) {
  const CallRow* row = cursor.Next();
  if (!row) return false;
  Assign(number, row->number);
  time = row->time;
  value = row->value;
  type = row->type;
  Assign(name, row->name);
  contactId = row->contactId;
  return true;
}

bool DeleteNumberCalls(const wchar_t* number, int missedOnly) {
  if (!number) return false;
  return WriteToStore([&](Store& store) {
    std::string key = MatchKeys::Matcher(store).Key(number);
    Statement stmt = store.Prepare("DELETE FROM calls WHERE match_key = ? AND (? = 0 OR type = 3)");
    return stmt.Bind(1, std::string_view(key)).Bind(2, missedOnly == 1 ? 1 : 0).Run() && store.Changes() > 0;
  });
}

}  // namespace

// A finished call is recorded crash-safe rather than synced: it survives
// any process dying at once, but a power loss may take back the calls
// recorded since the last synced write or checkpoint. The call log is
// written at the end of every call, where a sync would cost several
// milliseconds; contacts and settings, which the user typed, are synced.
bool CContactsDbIf::InsertCall(const wchar_t* number, int time, int value, int type) {
  if (!number || !ValidCallType(type)) return false;
  return WriteToStore(
      [&](Store& store) {
        std::string key = MatchKeys::Matcher(store).Key(number);
        Statement stmt = store.Prepare("INSERT INTO calls(number, time, value, type, match_key) VALUES(?, ?, ?, ?, ?)");
        stmt.Bind(1, std::wstring_view(number)).Bind(2, time).Bind(3, value).Bind(4, type);
        return stmt.Bind(5, std::string_view(key)).Run();
      },
      Durability::CrashSafe);
}

bool CContactsDbIf::DeleteCalls() {
  return WriteToStore([&](Store& store) { return store.Prepare("DELETE FROM calls").Run() && store.Changes() > 0; });
}

bool CContactsDbIf::DeleteCalls(const wchar_t* number, int missedOnly) { return DeleteNumberCalls(number, missedOnly); }

bool CContactsDbIf::DeleteCallThread(const wchar_t* number, int missedOnly) {
  return DeleteNumberCalls(number, missedOnly);
}

bool CContactsDbIf::GetCallHistory(int maxCount, qzu::string& number, int& time, int& value, int& type,
                                   qzu::string& name, int& contactId, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { state.threads.Start(LoadThreads(maxCount, false)); },
      [&] { return NextThread(state.threads, number, time, value, type, name, contactId); });
}

bool CContactsDbIf::GetMissedCallHistory(int maxCount, qzu::string& number, int& time, int& value, int& type,
                                         qzu::string& name, int& contactId, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { state.missedThreads.Start(LoadThreads(maxCount, true)); },
      [&] { return NextThread(state.missedThreads, number, time, value, type, name, contactId); });
}

bool CContactsDbIf::GetCallHistoryByPN(const wchar_t* number, int maxCount, int& time, int& value, int& type,
                                       bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { state.numberCalls.Start(LoadNumberCalls(number, maxCount, false)); },
      [&] {
        const CallRow* row = state.numberCalls.Next();
        if (!row) return false;
        time = row->time;
        value = row->value;
        type = row->type;
        return true;
      });
}

bool CContactsDbIf::GetCallHistoryByPNMissed(const wchar_t* number, int maxCount, int& time, int& value,
                                             bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { state.numberMissedCalls.Start(LoadNumberCalls(number, maxCount, true)); },
      [&] {
        const CallRow* row = state.numberMissedCalls.Next();
        if (!row) return false;
        time = row->time;
        value = row->value;
        return true;
      });
}
