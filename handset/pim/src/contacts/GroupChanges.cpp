// The changes of CContactsDbIf to groups and to a contact's groups.
#include <algorithm>
#include <vector>

#include "contacts/ContactRows.h"
#include "qzpam/CContactsDbIf.h"
#include "store/Schema.h"
#include "store/StoreAccess.h"

using namespace qzpam;

int CContactsDbIf::AddGroup(const qzu::string& name) {
  if (name.empty()) return 0;
  int id = 0;
  bool stored = WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("INSERT OR IGNORE INTO groups(name) VALUES(?)");
    if (!stmt.Bind(1, name.view()).Run() || store.Changes() != 1) return false;
    id = static_cast<int>(store.LastInsertId());
    return true;
  });
  return stored ? id : 0;
}

bool CContactsDbIf::UpdateGroupName(int groupId, const qzu::string& name) {
  if (groupId <= 0 || groupId == kBlacklistGroup || name.empty()) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("UPDATE OR IGNORE groups SET name = ? WHERE id = ?");
    return stmt.Bind(1, name.view()).Bind(2, groupId).Run() && store.Changes() == 1;
  });
}

bool CContactsDbIf::DeleteGroup2(int groupId) {
  if (groupId <= 0) return false;
  return WriteToStore([&](Store& store) {
    if (!ContactRows::GroupExists(store, groupId)) return false;
    Statement stmt = store.Prepare("DELETE FROM memberships WHERE group_id = ?");
    return stmt.Bind(1, groupId).Run();
  });
}

bool CContactsDbIf::DeleteGroup(int groupId) {
  if (groupId <= 0 || groupId == kBlacklistGroup) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("DELETE FROM groups WHERE id = ?");
    return stmt.Bind(1, groupId).Run() && store.Changes() == 1;
  });
}

bool CContactsDbIf::UpdateCategories(const CContactInfo& record, const qzu::array<int>& groupIds) {
  int contactId = record.contactId;
  if (contactId <= 0) return false;
  return WriteToStore([&](Store& store) {
    if (!ContactRows::Exists(store, contactId)) return false;
    for (int groupId : groupIds)
      if (!ContactRows::GroupExists(store, groupId)) return false;
    // Only the memberships that change are written, so an unchanged set
    // leaves the change counter where it was.
    std::vector<int> current;
    {
      Statement stmt = store.Prepare("SELECT group_id FROM memberships WHERE contact_id = ?");
      stmt.Bind(1, contactId);
      while (stmt.Step() == SQLITE_ROW) current.push_back(stmt.Int(0));
    }
    for (int groupId : current) {
      if (std::find(groupIds.begin(), groupIds.end(), groupId) != groupIds.end()) continue;
      Statement leave = store.Prepare("DELETE FROM memberships WHERE contact_id = ? AND group_id = ?");
      if (!leave.Bind(1, contactId).Bind(2, groupId).Run()) return false;
    }
    for (int groupId : groupIds)
      if (!ContactRows::Join(store, contactId, groupId)) return false;
    return true;
  });
}
