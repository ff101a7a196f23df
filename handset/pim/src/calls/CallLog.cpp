// The call log of CContactsDbIf. A call thread is every call of one number:
// calls whose numbers reduce to the same key (match/MatchKeys.h), so
// "+86 138 0013 8000" and "13800138000" are one thread. Hidden callers (an
// empty number) form one thread of their own.
#include <optional>

#include "contacts/ContactsDbState.h"
#include "contacts/PhoneLookup.h"
#include "match/MatchKeys.h"
#include "qzpam/CContactsDbIf.h"
#include "store/StoreAccess.h"

using namespace qzpam;

namespace {

bool ValidCallType(int type) { return type >= 1 && type <= 5; }

// The latest call of every thread, newest first, at most ?1 of them, each
// with the stored numbers that may own it: those with its key's tail (?2
// digits), from phones_lookup, several rows per thread then. Two ways to
// find the threads give the same rows:
//  - the walk goes through the calls newest first and keeps each that is
//    its thread's latest, so a first page costs about a call per thread;
//  - the grouped read finds each thread's latest call from calls_thread and
//    sorts those, so every thread costs one step rather than every call.
#define VORNA_THREADS_WITH_OWNERS(threads)                                                                   \
  "SELECT t.id, t.number, t.time, t.value, t.type, t.match_key, p.id, p.contact_id, p.is_primary,"           \
  " p.match_key, c.display_name FROM (" threads ") t"                                                        \
  " LEFT JOIN phones p INDEXED BY phones_lookup ON t.match_key <> '' AND p.match_tail = substr(t.match_key, -?2)" \
  " LEFT JOIN contacts c ON c.id = p.contact_id ORDER BY t.time DESC, t.id DESC"
#define VORNA_LATEST_OF_THREAD(filter)                                                         \
  "(SELECT d.id FROM calls d INDEXED BY calls_thread WHERE d.match_key = k.match_key" filter \
  " ORDER BY d.time DESC, d.id DESC LIMIT 1)"

const char kWalkAll[] = VORNA_THREADS_WITH_OWNERS(
    "SELECT k.id, k.number, k.time, k.value, k.type, k.match_key FROM calls k INDEXED BY calls_time"
    " WHERE k.id = " VORNA_LATEST_OF_THREAD("") " ORDER BY k.time DESC, k.id DESC LIMIT ?1");
const char kWalkMissed[] = VORNA_THREADS_WITH_OWNERS(
    "SELECT k.id, k.number, k.time, k.value, k.type, k.match_key FROM calls k INDEXED BY calls_missed"
    " WHERE k.type = 3 AND k.id = " VORNA_LATEST_OF_THREAD(" AND d.type = 3") " ORDER BY k.time DESC, k.id DESC LIMIT ?1");
const char kGroupedAll[] = VORNA_THREADS_WITH_OWNERS(
    "SELECT c.id, c.number, c.time, c.value, c.type, c.match_key"
    " FROM (SELECT DISTINCT match_key FROM calls INDEXED BY calls_thread) k"
    " JOIN calls c ON c.id = " VORNA_LATEST_OF_THREAD("") " ORDER BY c.time DESC, c.id DESC LIMIT ?1");
const char kGroupedMissed[] = VORNA_THREADS_WITH_OWNERS(
    "SELECT c.id, c.number, c.time, c.value, c.type, c.match_key"
    " FROM (SELECT DISTINCT match_key FROM calls INDEXED BY calls_missed WHERE type = 3) k"
    " JOIN calls c ON c.id = " VORNA_LATEST_OF_THREAD(" AND d.type = 3") " ORDER BY c.time DESC, c.id DESC LIMIT ?1");
#undef VORNA_LATEST_OF_THREAD
#undef VORNA_THREADS_WITH_OWNERS

// Up to this many threads the walk is the cheaper way (the log's first page).
constexpr int kWalkedThreads = 100;

std::vector<CallRow> LoadThreads(int maxCount, bool missedOnly) {
  std::vector<CallRow> rows;
  if (maxCount <= 0) return rows;
  WithStore(0, [&](Store& store) {
    const NumberMatcher matcher = MatchKeys::Matcher(store);
    const bool walk = maxCount <= kWalkedThreads;
    Statement stmt = store.Prepare(walk ? (missedOnly ? kWalkMissed : kWalkAll) : (missedOnly ? kGroupedMissed : kGroupedAll));
    stmt.Bind(1, maxCount).Bind(2, static_cast<int>(NumberMatcher::kTailDigits));
    int64_t thread = 0;
    std::optional<OwnerRanking> owners;
    while (stmt.Step() == SQLITE_ROW) {
      if (rows.empty() || stmt.Int64(0) != thread) {
        thread = stmt.Int64(0);
        rows.push_back({stmt.Text(1), stmt.Int(2), stmt.Int(3), stmt.Int(4), L"", 0});
        owners.emplace(matcher, stmt.Utf8(5));
      }
      // A candidate, unless the thread has none or its contact is gone.
      if (stmt.IsNull(6) || stmt.IsNull(10)) continue;
      if (!owners->Takes(stmt.Utf8(9), stmt.Int(8) == 1, stmt.Int(7), stmt.Int(6))) continue;
      rows.back().name = stmt.Text(10);
      rows.back().contactId = stmt.Int(7);
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
