// The contact cursor lists of CContactsDbIf. Contact rows come from the
// snapshot (contacts/ContactSnapshot.h); e-mail and group rows from SQL.
#include <unordered_set>

#include "contacts/ContactsDbState.h"
#include "contacts/CountingKinds.h"
#include "contacts/FuzzyKey.h"
#include "qzpam/CContactsDbIf.h"
#include "store/StoreAccess.h"

using namespace qzpam;

namespace {

// The members of a group (groupId > 0), or every contact in some group
// (groupId 0), by identifier.
std::unordered_set<int> GroupedContacts(Store& store, int groupId) {
  std::unordered_set<int> ids;
  Statement stmt = groupId > 0 ? store.Prepare("SELECT contact_id FROM memberships WHERE group_id = ?")
                               : store.Prepare("SELECT DISTINCT contact_id FROM memberships");
  if (groupId > 0) stmt.Bind(1, groupId);
  while (stmt.Step() == SQLITE_ROW) ids.insert(stmt.Int(0));
  return ids;
}

enum class Membership { Any, InGroup, InNoGroup };

// Loads the cursor with the snapshot's contacts that `keep` accepts; keep
// also tells which number the row shows (-1: the primary one).
template <typename Keep>
void StartContacts(ContactsDbState& state, SnapshotCursor& cursor, Membership membership, int groupId, Keep&& keep) {
  std::unordered_set<int> grouped;
  cursor.snapshot = WithStore(std::shared_ptr<const ContactSnapshot>(), [&](Store& store) {
    if (membership != Membership::Any) grouped = GroupedContacts(store, membership == Membership::InGroup ? groupId : 0);
    return state.CurrentSnapshot(store);
  });
  std::vector<ContactRef> rows;
  if (cursor.snapshot) {
    for (const auto& contact : cursor.snapshot->contacts()) {
      if (membership == Membership::InGroup && !grouped.contains(contact->id)) continue;
      if (membership == Membership::InNoGroup && grouped.contains(contact->id)) continue;
      keep(*contact, rows);
    }
  }
  cursor.rows.Start(std::move(rows));
}

void KeepContact(const SnapshotContact& contact, std::vector<ContactRef>& rows) { rows.push_back({&contact, -1}); }

void KeepEveryNumber(const SnapshotContact& contact, std::vector<ContactRef>& rows) {
  for (size_t i = 0; i < contact.numbers.size(); ++i) rows.push_back({&contact, static_cast<int>(i)});
}

void FillRow(const ContactRef& row, int& id, qzu::string& name, qzu::string& detail, int& type, wchar_t* letter) {
  const SnapshotContact& contact = *row.contact;
  id = contact.id;
  Assign(name, contact.name);
  if (row.number >= 0) {
    Assign(detail, contact.numbers[static_cast<size_t>(row.number)].value);
    type = contact.numbers[static_cast<size_t>(row.number)].type;
  } else {
    Assign(detail, contact.detail);
    type = contact.detailType;
  }
  if (letter) *letter = contact.letter;
}

bool NextRow(SnapshotCursor& cursor, int& id, qzu::string& name, qzu::string& detail, int& type, wchar_t* letter) {
  const ContactRef* row = cursor.rows.Next();
  if (!row) {
    cursor.snapshot.reset();
    return false;
  }
  FillRow(*row, id, name, detail, type, letter);
  return true;
}

bool Contains(const std::wstring& text, std::wstring_view part) { return text.find(part) != std::wstring::npos; }

// The filter as a run of digits, to be found in a number's digits whatever
// its formatting; empty when the filter holds anything else.
std::string FilterDigits(std::wstring_view filter) {
  std::string digits;
  for (wchar_t c : filter) {
    if (c < L'0' || c > L'9') return std::string();
    digits += static_cast<char>(c);
  }
  return digits;
}

bool NumberPassesFilter(const SnapshotContact& contact, const SnapshotNumber& number, std::wstring_view filter,
                        const std::string& filterDigits) {
  if (filter.empty() || Contains(number.value, filter) || Contains(contact.name, filter)) return true;
  return !filterDigits.empty() && number.digits.find(filterDigits) != std::string::npos;
}

bool NextValue(Cursor<ValueRow>& cursor, int& id, qzu::string& name, qzu::string& value, int& type,
               wchar_t* letter) {
  const ValueRow* row = cursor.Next();
  if (!row) return false;
  id = row->id;
  Assign(name, row->name);
  Assign(value, row->value);
  type = row->type;
  if (letter) *letter = row->letter;
  return true;
}

}  // namespace

bool CContactsDbIf::GetContactslist(int& id, qzu::string& name, qzu::string& detail, int& type, wchar_t& letter,
                                    bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartContacts(state, state.allContacts, Membership::Any, 0, KeepContact); },
      [&] { return NextRow(state.allContacts, id, name, detail, type, &letter); });
}

bool CContactsDbIf::GetContactslist(int groupId, int& id, qzu::string& name, qzu::string& detail, int& type,
                                    wchar_t& letter, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first,
      [&] {
        if (groupId > 0)
          StartContacts(state, state.groupMembers, Membership::InGroup, groupId, KeepContact);
        else
          state.groupMembers.rows.Start({});
      },
      [&] { return NextRow(state.groupMembers, id, name, detail, type, &letter); });
}

bool CContactsDbIf::GetUngroupContactslist(int& id, qzu::string& name, qzu::string& detail, int& type,
                                           wchar_t& letter, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartContacts(state, state.ungrouped, Membership::InNoGroup, 0, KeepContact); },
      [&] { return NextRow(state.ungrouped, id, name, detail, type, &letter); });
}

bool CContactsDbIf::GetContactslistFuzzy(const qzu::string& key, int& id, qzu::string& name, qzu::string& detail,
                                         int& type, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first,
      [&] {
        auto index = WithStore(std::shared_ptr<const FuzzyIndex>(),
                               [&](Store& store) { return state.CurrentSearchIndex(store); });
        state.fuzzy.Start(std::move(index), std::wstring(key.view()));
      },
      [&] {
        FuzzyHit hit{};
        if (!state.fuzzy.Next(hit)) return false;
        state.fuzzy.texts().CopyRow(hit.contact, hit.number, id, name, detail, type);
        return true;
      });
}

bool CContactsDbIf::GetPhoneNumberlist(int& id, qzu::string& name, qzu::string& number, int& type, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartContacts(state, state.phoneNumbers, Membership::Any, 0, KeepEveryNumber); },
      [&] { return NextRow(state.phoneNumbers, id, name, number, type, nullptr); });
}

bool CContactsDbIf::GetPhoneNumberlist(int& id, qzu::string& name, qzu::string& number, int& type,
                                       wchar_t& letter, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartContacts(state, state.phoneNumbers, Membership::Any, 0, KeepEveryNumber); },
      [&] { return NextRow(state.phoneNumbers, id, name, number, type, &letter); });
}

namespace {

void StartNumberFilter(ContactsDbState& state, const wchar_t* filter) {
  if (!filter) {
    state.numberFilter.rows.Start({});
    return;
  }
  std::wstring_view text(filter);
  std::string digits = FilterDigits(text);
  StartContacts(state, state.numberFilter, Membership::Any, 0,
                [&](const SnapshotContact& contact, std::vector<ContactRef>& rows) {
                  for (size_t i = 0; i < contact.numbers.size(); ++i)
                    if (NumberPassesFilter(contact, contact.numbers[i], text, digits))
                      rows.push_back({&contact, static_cast<int>(i)});
                });
}

void StartEmailFilter(ContactsDbState& state, const wchar_t* filter) {
  std::vector<ValueRow> rows;
  if (filter) {
    WithStore(0, [&](Store& store) {
      Statement stmt = store.Prepare(
          "SELECT c.id, c.display_name, e.value, e.type, c.letter FROM extras e JOIN contacts c ON c.id = e.contact_id"
          " WHERE e.category = 1 AND (?1 = '' OR instr(lower(e.value), lower(?1)) > 0"
          " OR instr(c.display_name, ?1) > 0)"
          " ORDER BY c.sort_group, c.sort_key, c.id, e.id");
      stmt.Bind(1, std::wstring_view(filter));
      while (stmt.Step() == SQLITE_ROW) {
        std::wstring letter = stmt.Text(4);
        rows.push_back({stmt.Int(0), stmt.Text(1), stmt.Text(2), stmt.Int(3), letter.empty() ? L'#' : letter[0]});
      }
      return 0;
    });
  }
  state.emailFilter.Start(std::move(rows));
}

}  // namespace

bool CContactsDbIf::GetContactsPNlist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& number,
                                      int& type, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartNumberFilter(state, filter); },
      [&] { return NextRow(state.numberFilter, id, name, number, type, nullptr); });
}

bool CContactsDbIf::GetContactsPNlist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& number,
                                      int& type, wchar_t& letter, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartNumberFilter(state, filter); },
      [&] { return NextRow(state.numberFilter, id, name, number, type, &letter); });
}

bool CContactsDbIf::GetContactsEmaillist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& email,
                                         int& type, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartEmailFilter(state, filter); },
      [&] { return NextValue(state.emailFilter, id, name, email, type, nullptr); });
}

bool CContactsDbIf::GetContactsEmaillist(const wchar_t* filter, int& id, qzu::string& name, qzu::string& email,
                                         int& type, wchar_t& letter, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first, [&] { StartEmailFilter(state, filter); },
      [&] { return NextValue(state.emailFilter, id, name, email, type, &letter); });
}

bool CContactsDbIf::GetGroupInfo(int countingKind, int& id, qzu::string& name, int& count, bool first) {
  ContactsDbState& state = *state_;
  auto start = [&] {
    std::vector<GroupRow> rows;
    if (ValidCountingKind(countingKind)) {
      WithStore(0, [&](Store& store) {
        Statement stmt = store.Prepare(
            "SELECT g.id, g.name, (SELECT count(*) FROM memberships m WHERE m.group_id = g.id"
            QZPAM_COUNTS_BY_KIND("m.contact_id") ") FROM groups g ORDER BY g.id");
        stmt.Bind(2, countingKind);
        while (stmt.Step() == SQLITE_ROW) rows.push_back({stmt.Int(0), stmt.Text(1), stmt.Int(2)});
        return 0;
      });
    }
    state.groups.Start(std::move(rows));
  };
  return CursorCall(state, first, start, [&] {
    const GroupRow* row = state.groups.Next();
    if (!row) return false;
    id = row->id;
    Assign(name, row->name);
    count = row->count;
    return true;
  });
}

bool CContactsDbIf::GetGroupEmail(int groupId, qzu::string& email, bool first) {
  ContactsDbState& state = *state_;
  auto start = [&] {
    std::vector<std::wstring> rows;
    if (groupId >= 0) {
      WithStore(0, [&](Store& store) {
        Statement stmt = store.Prepare(
            "SELECT e.value FROM extras e JOIN contacts c ON c.id = e.contact_id WHERE e.category = 1 AND"
            " (CASE WHEN ?1 > 0 THEN EXISTS(SELECT 1 FROM memberships m WHERE m.contact_id = c.id AND m.group_id = ?1)"
            "  ELSE NOT EXISTS(SELECT 1 FROM memberships m WHERE m.contact_id = c.id) END)"
            " ORDER BY c.sort_group, c.sort_key, c.id, e.id");
        stmt.Bind(1, groupId);
        while (stmt.Step() == SQLITE_ROW) rows.push_back(stmt.Text(0));
        return 0;
      });
    }
    state.groupEmails.Start(std::move(rows));
  };
  return CursorCall(state, first, start, [&] {
    const std::wstring* row = state.groupEmails.Next();
    if (!row) return false;
    Assign(email, *row);
    return true;
  });
}
