#include "contacts/list/ContactListCollection.h"

#include <utility>

#include "contactdata/GroupNames.h"
#include "contacts/list/GroupCountText.h"
#include "core/module/Resources.h"

namespace {

constexpr UINT kImgContact = 356, kImgContactPressed = 357, kImgGroup = 323, kImgGroupPressed = 350;
constexpr UINT kImgGroupArrow = 152, kImgGroupArrowPressed = 326;  // the toolkit's own
constexpr UINT kStrUngrouped = 623;
constexpr int kBlacklistGroupId = 1;

ImagingHelper* LibraryImage(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }
ImagingHelper* ToolkitImage(UINT id) { return ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(), id, TRUE); }

// Reads one row of a contact kind; false at the end of the list.
bool NextContact(CContactsDbIf& db, const ContactListCollection& list, ContactListItem& row, bool first) {
  int type = 0;
  row.letter = L'#';
  switch (list.kind) {
    case AllContacts:
      return db.GetContactslist(row.id, row.name, row.detail, type, row.letter, first);
    case SearchResults:
      return db.GetContactslistFuzzy(list.searchKey, row.id, row.name, row.detail, type, first);
    case GroupMembers:
      if (list.groupId != 0)
        return db.GetContactslist(list.groupId, row.id, row.name, row.detail, type, row.letter, first);
      return db.GetUngroupContactslist(row.id, row.name, row.detail, type, row.letter, first);
    default:
      return false;
  }
}

}  // namespace

ContactListCollection::ContactListCollection()
    : m_contactImage(LibraryImage(kImgContact)),
      m_contactImagePressed(LibraryImage(kImgContactPressed)),
      m_groupImage(LibraryImage(kImgGroup)),
      m_groupImagePressed(LibraryImage(kImgGroupPressed)),
      m_groupRightImage(ToolkitImage(kImgGroupArrow)),
      m_groupRightImagePressed(ToolkitImage(kImgGroupArrowPressed)) {}

ContactListCollection::~ContactListCollection() = default;

ImagingHelper* ContactListCollection::GetItemImage(int) { return IsGroups() ? m_groupImage : m_contactImage; }
ImagingHelper* ContactListCollection::GetItemRightImage(int) { return IsGroups() ? m_groupRightImage : nullptr; }
ImagingHelper* ContactListCollection::GetItemImagePressed(int) {
  return IsGroups() ? m_groupImagePressed : m_contactImagePressed;
}
ImagingHelper* ContactListCollection::GetItemRightImagePressed(int) {
  return IsGroups() ? m_groupRightImagePressed : nullptr;
}

CQzStringW ContactListCollection::GetItemText(int index) {
  const ContactListItem* row = GetRow(index);
  return row ? CQzStringW(row->name.c_str()) : CQzStringW();
}
CQzStringW ContactListCollection::GetItemSubText(int index) {
  const ContactListItem* row = GetRow(index);
  return row ? CQzStringW(row->detail.c_str()) : CQzStringW();
}
CQzStringW ContactListCollection::GetItemText3(int) { return CQzStringW(); }
CQzStringW ContactListCollection::GetItemText4(int) { return CQzStringW(); }
int ContactListCollection::GetItemCount() { return m_rows.size(); }
void ContactListCollection::SetItemSelected(int, BOOL) {}
BOOL ContactListCollection::CanDeleteItem(int index) { return IsGroups() && index > 1 && index < m_rows.size(); }
BOOL ContactListCollection::IsItemSelected(int) { return FALSE; }
int ContactListCollection::GetItemHeight(int) { return kRowHeight; }
void ContactListCollection::OnItemClicked(int) {}

void ContactListCollection::DeleteItem(int index) {
  // The same rule as the swipe: the second row is group 1 (the blacklist)
  // when there is one, and emptying it would unblock every contact in it.
  if (!CanDeleteItem(index)) return;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return;
  const int id = m_rows[index].id;
  db->DeleteGroup2(id);
  db->DeleteGroup(id);
  m_rows.remove(index);
}

int ContactListCollection::Reload() {
  m_rows.clear();
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return 0;
  if (kind == Groups) {
    int id = 0, count = 0;
    qzu::string storedName;
    for (bool first = true; db->GetGroupInfo(COUNT_ALL_MEMBERS, id, storedName, count, first); first = false) {
      ContactListItem row;
      row.id = id;
      row.name = GetGroupDisplayName(storedName);
      row.detail = GroupCountText(count);
      if (id == kBlacklistGroupId)
        m_rows.insert(0, row);
      else
        m_rows.add(std::move(row));
    }
    ContactListItem ungrouped;
    ungrouped.name = qzu::string(LoadResString(kStrUngrouped).GetString());
    ungrouped.detail = GroupCountText(db->GetUngroupContactsCount(COUNT_ALL_MEMBERS));
    m_rows.insert(0, ungrouped);
    return 0;
  }
  if (kind != AllContacts && kind != SearchResults && kind != GroupMembers) return 0;
  ContactListItem row;
  for (bool first = true; NextContact(*db, *this, row, first); first = false) m_rows.add(row);
  return 0;
}

bool ContactListCollection::GetItemIdAndText(int index, int& id, qzu::string& text) const {
  const ContactListItem* row = GetRow(index);
  if (!row) return false;
  id = row->id;
  text = kind == Groups ? row->name : row->detail;
  return true;
}

int ContactListCollection::FindLetterRow(wchar_t letter, int start) const {
  if (start < 0) start = 0;
  const auto wanted = static_cast<uint16_t>(letter);
  for (int i = start; i < m_rows.size(); ++i)
    if (static_cast<uint16_t>(m_rows[i].letter) >= wanted) return i;
  return -1;
}

const ContactListItem* ContactListCollection::GetRow(int index) const {
  return m_rows.valid_index(index) ? &m_rows[index] : nullptr;
}
